#pragma once

#include "platform/net/UdpServer.h"
#include "tools/hart_simulator/SimulatedDevice.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// How the simulated gateway behaves, faults included.
struct TSimulatorSettings {
    std::string BindAddress = "127.0.0.1";
    uint16_t Port = 10000; // 0: the system picks one (tests)
    std::vector<TSimulatedDevice> Devices;
    int ReportedDevices = -1;  // the count the search reports; -1: the number of Devices
    int BusyPolls = 1;         // status requests answered "still searching" before "finished"
    int ReplyDelayMs = 0;      // pause before every reply
    bool Silent = false;       // never answers
    int GarbageReplies = 0;    // the first N requests get bytes that are no reply at all
    int AnsweredRequests = -1; // answers only the first N requests; -1: all
    int WrongFirstReads = 0;   // the first read of each of devices 0..N-1 gets another header
    // Before each reply a plausible wrong reply comes from another host, ForeignAddress (the
    // loopback range gives every test host an address of its own).
    bool ForeignSender = false;
    std::string ForeignAddress = "127.0.0.2";
    bool ReplyFromOtherPort = false; // replies leave from another port than the one asked
    // Sent in place of the usual answer, in order, to the first F_TEST requests.
    std::vector<std::string> StatusReplies;
    // Sent in place of the usual answer, in order, to the first F_READnn requests.
    std::vector<std::string> ReadReplies;
};

// Answers the gateway's scan commands "F_FULL_nn", "F_TEST" and "F_READnn" on one UDP port, on
// the port's listener thread.
class THartGatewaySimulator {
public:
    explicit THartGatewaySimulator(TSimulatorSettings settings);
    ~THartGatewaySimulator();

    // Throws Exception when the port can not be bound.
    void Start();
    void Stop();
    uint16_t Port() const { return FSocket.BoundPort(); }

    // Every command received, in order.
    std::vector<std::string> Requests() const;
    // The port the last command came from, 0 before the first.
    uint16_t Last_Peer_Port() const;

private:
    void Answer(std::string_view request, const std::string& peerAddress, uint16_t peerPort);
    // The proper reply, and the wrong one a foreign sender offers in its place.
    std::pair<std::string, std::string> RepliesTo(std::string_view request);
    std::string StatusReply();
    std::string ReadReply(int index) const;
    // True once for each of the first WrongFirstReads device indexes.
    bool TakeWrongRead(int index);
    // The next scripted reply of `replies`, counting with `used`; nullopt once they are spent.
    std::optional<std::string> TakeScripted(const std::vector<std::string>& replies, size_t& used);

    TSimulatorSettings FSettings;
    TUdpServer FSocket;
    TUdpServer FForeignSocket;
    TUdpServer FReplySocket; // with ReplyFromOtherPort
    mutable std::mutex FLock;
    std::vector<std::string> FRequests;
    int FStatusPolls = 0;
    std::vector<bool> FWrongReadDone; // per device index, while WrongFirstReads lasts
    size_t FStatusRepliesUsed = 0;
    size_t FReadRepliesUsed = 0;
    uint16_t FLastPeerPort = 0;
};
