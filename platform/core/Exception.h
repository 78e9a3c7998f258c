#pragma once

#include <exception>
#include <string>
#include <utility>

// The error every failing action throws; the application's error report shows Message.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// Text that is not a number of the requested kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file or folder that cannot be read or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};
