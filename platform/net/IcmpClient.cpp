#include "platform/net/IcmpClient.h"

#include "platform/core/Exception.h"
#include "platform/net/PosixSocket.h"

#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr size_t IcmpHeaderSize = 8;

struct TIcmpSocket {
    TFileDescriptor Fd;
    bool Raw = false; // a raw socket also delivers the IP header and every other echo
};

// The unprivileged datagram kind where the system allows it, else a raw socket.
TIcmpSocket OpenIcmpSocket() {
    TIcmpSocket icmp;
    icmp.Fd.Reset(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (icmp.Fd.Valid())
        return icmp;
    const bool datagramRefused = errno == EACCES || errno == EPERM;
    const std::string datagramError = SystemErrorText("datagram ICMP socket");
    icmp.Fd.Reset(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
    icmp.Raw = true;
    if (icmp.Fd.Valid())
        return icmp;
    const bool rawRefused = errno == EACCES || errno == EPERM;
    const std::string reasons = datagramError + "; " + SystemErrorText("raw ICMP socket");
    if (datagramRefused && rawRefused)
        throw EIcmpNotPermitted("ICMP echo is not allowed for this user (" + reasons +
                                "); allow it with the sysctl net.ipv4.ping_group_range");
    // Out of descriptors or memory, say: no matter of permission.
    throw Exception("Cannot open an ICMP socket (" + reasons + ")");
}

uint16_t InternetChecksum(const uint8_t* data, size_t size) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2 != 0)
        sum += static_cast<uint32_t>(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

std::vector<uint8_t> EchoRequest(uint16_t identifier, uint16_t sequence, size_t dataSize) {
    std::vector<uint8_t> packet(IcmpHeaderSize + dataSize);
    packet[0] = ICMP_ECHO;
    packet[4] = static_cast<uint8_t>(identifier >> 8);
    packet[5] = static_cast<uint8_t>(identifier);
    packet[6] = static_cast<uint8_t>(sequence >> 8);
    packet[7] = static_cast<uint8_t>(sequence);
    for (size_t i = 0; i < dataSize; ++i)
        packet[IcmpHeaderSize + i] = static_cast<uint8_t>('A' + i % 23);
    const uint16_t checksum = InternetChecksum(packet.data(), packet.size());
    packet[2] = static_cast<uint8_t>(checksum >> 8);
    packet[3] = static_cast<uint8_t>(checksum);
    return packet;
}

// The size of the ICMP message when it is the reply to our request, else 0.
size_t MatchingReplySize(const uint8_t* data, size_t size, const TIcmpSocket& icmp,
                         uint16_t identifier, uint16_t sequence) {
    if (icmp.Raw) {
        if (size < sizeof(ip))
            return 0;
        const size_t ipHeaderSize = static_cast<size_t>(data[0] & 0x0F) * 4;
        if (ipHeaderSize > size)
            return 0;
        data += ipHeaderSize;
        size -= ipHeaderSize;
    }
    if (size < IcmpHeaderSize || data[0] != ICMP_ECHOREPLY)
        return 0;
    // The kernel chooses the identifier of a datagram socket and filters by it itself.
    const bool identifierMatches = !icmp.Raw || (data[4] << 8 | data[5]) == identifier;
    const bool sequenceMatches = (data[6] << 8 | data[7]) == sequence;
    return identifierMatches && sequenceMatches ? size : 0;
}

} // namespace

int TIcmpClient::Ping(const std::string& host) {
    const sockaddr_in target = SocketAddressOf(host, 0);
    const TIcmpSocket icmp = OpenIcmpSocket();
    const uint16_t identifier = static_cast<uint16_t>(::getpid());
    // One counter for the whole process: a raw socket sees the replies to every client in it.
    static std::atomic<uint16_t> lastSequence{0};
    const uint16_t sequence = ++lastSequence;
    const std::vector<uint8_t> request =
        EchoRequest(identifier, sequence, static_cast<size_t>(PacketSize > 0 ? PacketSize : 0));
    if (::sendto(icmp.Fd.Get(), request.data(), request.size(), 0,
                 reinterpret_cast<const sockaddr*>(&target), sizeof(target)) < 0)
        throw Exception(SystemErrorText("Cannot send an echo request to " + host));

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ReceiveTimeout);
    std::vector<uint8_t> buffer(IcmpHeaderSize + request.size() + 128);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return 0;
        pollfd watched{icmp.Fd.Get(), POLLIN, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR)
            throw Exception(SystemErrorText("Cannot wait for the echo reply of " + host));
        if (ready <= 0)
            continue;
        const ssize_t received = ::recv(icmp.Fd.Get(), buffer.data(), buffer.size(), 0);
        if (received < 0)
            continue;
        const size_t replySize = MatchingReplySize(buffer.data(), static_cast<size_t>(received),
                                                   icmp, identifier, sequence);
        if (replySize > 0)
            return static_cast<int>(replySize);
    }
}
