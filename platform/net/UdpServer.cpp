#include "platform/net/UdpServer.h"

#include "platform/core/Exception.h"
#include "platform/net/PosixSocket.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cassert>
#include <cerrno>
#include <mutex>
#include <thread>
#include <vector>

namespace {
constexpr size_t MaxDatagramSize = 65536;
}

struct TUdpServer::TImpl {
    TFileDescriptor Socket;
    TFileDescriptor WakeUp; // an eventfd the listener polls beside the socket, to stop it
    std::thread Listener;
    std::atomic<uint16_t> Port{0};
    std::mutex SendLock;

    void Listen(const TReadEvent& onRead) const;
};

void TUdpServer::TImpl::Listen(const TReadEvent& onRead) const {
    std::vector<char> buffer(MaxDatagramSize);
    pollfd watched[2] = {{Socket.Get(), POLLIN, 0}, {WakeUp.Get(), POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (watched[1].revents != 0)
            return;
        if ((watched[0].revents & POLLIN) == 0)
            continue;
        sockaddr_in peer{};
        socklen_t peerSize = sizeof(peer);
        const ssize_t received =
            ::recvfrom(Socket.Get(), buffer.data(), buffer.size(), MSG_DONTWAIT,
                       reinterpret_cast<sockaddr*>(&peer), &peerSize);
        if (received < 0)
            continue; // a stray error report of an earlier send; the socket stays usable
        if (onRead)
            onRead(std::string_view(buffer.data(), static_cast<size_t>(received)),
                   AddressTextOf(peer), ntohs(peer.sin_port));
    }
}

TUdpServer::TUdpServer() : FImpl(std::make_unique<TImpl>()) {}

TUdpServer::~TUdpServer() {
    Deactivate();
}

void TUdpServer::Activate() {
    if (Active())
        return;
    const sockaddr_in local = SocketAddressOf(BindAddress, DefaultPort);
    TFileDescriptor socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!socket.Valid())
        throw Exception(SystemErrorText("Cannot create a UDP socket"));
    if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0)
        throw Exception(SystemErrorText("Cannot bind a UDP socket to " + BindAddress + ":" +
                                        std::to_string(DefaultPort)));
    sockaddr_in bound{};
    socklen_t boundSize = sizeof(bound);
    if (::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&bound), &boundSize) != 0)
        throw Exception(SystemErrorText("Cannot read the port of a UDP socket"));
    TFileDescriptor wakeUp(::eventfd(0, EFD_CLOEXEC));
    if (!wakeUp.Valid())
        throw Exception(SystemErrorText("Cannot create the UDP listener's wake-up event"));

    FImpl->Socket = std::move(socket);
    FImpl->WakeUp = std::move(wakeUp);
    FImpl->Port = ntohs(bound.sin_port);
    FImpl->Listener =
        std::thread([impl = FImpl.get(), onRead = OnUDPRead] { impl->Listen(onRead); });
}

void TUdpServer::Deactivate() {
    if (!Active())
        return;
    assert(std::this_thread::get_id() != FImpl->Listener.get_id());
    const uint64_t one = 1;
    while (::write(FImpl->WakeUp.Get(), &one, sizeof(one)) < 0 && errno == EINTR) {
    }
    FImpl->Listener.join();
    std::lock_guard lock(FImpl->SendLock);
    FImpl->Socket.Reset();
    FImpl->WakeUp.Reset();
    FImpl->Port = 0;
}

bool TUdpServer::Active() const {
    return FImpl->Listener.joinable();
}

uint16_t TUdpServer::BoundPort() const {
    return FImpl->Port;
}

void TUdpServer::Send(const std::string& host, uint16_t port, std::string_view data) {
    const sockaddr_in target = SocketAddressOf(host, port);
    std::lock_guard lock(FImpl->SendLock);
    if (!FImpl->Socket.Valid())
        throw Exception("Cannot send to " + host + ":" + std::to_string(port) +
                        ": the UDP socket is not active");
    const ssize_t sent = ::sendto(FImpl->Socket.Get(), data.data(), data.size(), 0,
                                  reinterpret_cast<const sockaddr*>(&target), sizeof(target));
    if (sent < 0 || static_cast<size_t>(sent) != data.size())
        throw Exception(SystemErrorText("Cannot send to " + host + ":" + std::to_string(port)));
}
