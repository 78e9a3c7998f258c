#pragma once

#include "platform/core/Exception.h"

// A spreadsheet or word-processor document that cannot be read, written or changed as asked.
class EOfficeError : public Exception {
public:
    using Exception::Exception;
};
