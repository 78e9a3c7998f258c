#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// One UDP socket with a listener thread that hands every datagram received to OnUDPRead, on the
// listener thread itself. Set OnUDPRead, BindAddress and DefaultPort before Activate.
class TUdpServer {
public:
    using TReadEvent = std::function<void(std::string_view data, const std::string& peerAddress,
                                          uint16_t peerPort)>;

    TUdpServer();
    ~TUdpServer();
    TUdpServer(const TUdpServer&) = delete;
    TUdpServer& operator=(const TUdpServer&) = delete;

    TReadEvent OnUDPRead;
    std::string BindAddress = "0.0.0.0";
    uint16_t DefaultPort = 0; // 0: the system picks a free port

    // Binds the socket and starts the listener. Throws Exception when the socket can not be made.
    void Activate();
    // Stops the listener and closes the socket; returns promptly even while nothing arrives.
    // Must not be called from OnUDPRead.
    void Deactivate();
    bool Active() const;
    // The port the socket is bound to, 0 while inactive.
    uint16_t BoundPort() const;

    // One datagram holding exactly the bytes of data. Throws Exception when the host is not a
    // numeric IPv4 address, the server is inactive or the system refuses the send.
    void Send(const std::string& host, uint16_t port, std::string_view data);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
