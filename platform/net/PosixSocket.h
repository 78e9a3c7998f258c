#pragma once

// Private to platform/net: the POSIX pieces UdpServer and IcmpClient share. Not for other folders.

#include "platform/net/Ipv4Address.h"

#include <netinet/in.h>

#include <string>

// Owns one file descriptor and closes it once.
class TFileDescriptor {
public:
    TFileDescriptor() = default;
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor() { Reset(); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    TFileDescriptor(TFileDescriptor&& other) noexcept : FFd(other.Release()) {}
    TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;

    int Get() const { return FFd; }
    bool Valid() const { return FFd >= 0; }
    int Release();
    void Reset(int fd = -1);

private:
    int FFd = -1;
};

// Throws Exception naming the text when it is not a numeric IPv4 address.
sockaddr_in SocketAddressOf(const std::string& host, uint16_t port);

std::string AddressTextOf(const sockaddr_in& address);

// "<what>: <system error text>" for the current errno.
std::string SystemErrorText(const std::string& what);
