#include "platform/net/PosixSocket.h"

#include "platform/core/Exception.h"

#include <arpa/inet.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
    if (this != &other)
        Reset(other.Release());
    return *this;
}

int TFileDescriptor::Release() {
    const int fd = FFd;
    FFd = -1;
    return fd;
}

void TFileDescriptor::Reset(int fd) {
    if (FFd >= 0)
        ::close(FFd);
    FFd = fd;
}

sockaddr_in SocketAddressOf(const std::string& host, uint16_t port) {
    const auto octets = ParseIPv4(host);
    if (!octets)
        throw Exception("'" + host + "' is not a valid IPv4 address");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    std::memcpy(&address.sin_addr.s_addr, octets->data(), octets->size());
    return address;
}

std::string AddressTextOf(const sockaddr_in& address) {
    TIpv4Octets octets{};
    std::memcpy(octets.data(), &address.sin_addr.s_addr, octets.size());
    return FormatIPv4(octets);
}

std::string SystemErrorText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}
