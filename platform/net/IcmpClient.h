#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <string>

// This user may open no ICMP socket: neither the datagram kind (net.ipv4.ping_group_range does
// not cover the user's group) nor a raw one (no CAP_NET_RAW).
class EIcmpNotPermitted : public Exception {
public:
    using Exception::Exception;
};

// ICMP echo to an IPv4 address, one request at a time.
class TIcmpClient {
public:
    int PacketSize = 1024;    // bytes of echo data sent
    int ReceiveTimeout = 400; // milliseconds

    // Sends one echo request and waits for its reply. Returns the number of bytes of the echo
    // reply message, 0 when none came within ReceiveTimeout. Throws EIcmpNotPermitted when this
    // user may open no ICMP socket, Exception when the host is not a numeric IPv4 address or on
    // another socket error.
    int Ping(const std::string& host);
};
