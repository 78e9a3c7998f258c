#pragma once

#include <cstdint>
#include <string>

// ICMP echo to an IPv4 address, one request at a time.
class TIcmpClient {
public:
    int PacketSize = 1024;    // bytes of echo data sent
    int ReceiveTimeout = 400; // milliseconds

    // Sends one echo request and waits for its reply. Returns the number of bytes of the echo
    // reply message, 0 when none came within ReceiveTimeout. Throws Exception when the host is not
    // a numeric IPv4 address, when this user may open no ICMP socket, or on a socket error.
    int Ping(const std::string& host);
};
