#include "tools/hart_simulator/HartGatewaySimulator.h"

#include <chrono>
#include <thread>

namespace {

std::string ReadHeader(int index) {
    return (index < 10 ? "DEV " : "DEV") + std::to_string(index) + "=";
}

std::string AsText(const TDeviceRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.data()), record.size());
}

bool ParseIndex(std::string_view digits, int& index) {
    if (digits.size() != 2 || digits[0] < '0' || digits[0] > '9' || digits[1] < '0' ||
        digits[1] > '9')
        return false;
    index = (digits[0] - '0') * 10 + (digits[1] - '0');
    return true;
}

} // namespace

THartGatewaySimulator::THartGatewaySimulator(TSimulatorSettings settings)
    : FSettings(std::move(settings)) {}

THartGatewaySimulator::~THartGatewaySimulator() {
    Stop();
}

void THartGatewaySimulator::Start() {
    FSocket.BindAddress = FSettings.BindAddress;
    FSocket.DefaultPort = FSettings.Port;
    FSocket.OnUDPRead = [this](std::string_view data, const std::string& address, uint16_t port) {
        Answer(data, address, port);
    };
    if (FSettings.ForeignSender) {
        FForeignSocket.BindAddress = FSettings.ForeignAddress;
        FForeignSocket.Activate();
    }
    if (FSettings.ReplyFromOtherPort) {
        FReplySocket.BindAddress = FSettings.BindAddress;
        FReplySocket.Activate();
    }
    FSocket.Activate();
}

void THartGatewaySimulator::Stop() {
    FSocket.Deactivate();
    FForeignSocket.Deactivate();
    FReplySocket.Deactivate();
}

std::vector<std::string> THartGatewaySimulator::Requests() const {
    std::lock_guard lock(FLock);
    return FRequests;
}

uint16_t THartGatewaySimulator::Last_Peer_Port() const {
    std::lock_guard lock(FLock);
    return FLastPeerPort;
}

void THartGatewaySimulator::Answer(std::string_view request, const std::string& peerAddress,
                                   uint16_t peerPort) {
    size_t requestNumber = 0;
    {
        std::lock_guard lock(FLock);
        FRequests.emplace_back(request);
        requestNumber = FRequests.size();
        FLastPeerPort = peerPort;
    }
    if (FSettings.Silent || (FSettings.AnsweredRequests >= 0 &&
                             requestNumber > static_cast<size_t>(FSettings.AnsweredRequests)))
        return;
    auto [reply, wrongReply] = RepliesTo(request);
    if (reply.empty())
        return;
    if (requestNumber <= static_cast<size_t>(FSettings.GarbageReplies))
        reply = std::string("\x00\xff\x13garbage\x80\x7f", 12);
    if (FSettings.ReplyDelayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(FSettings.ReplyDelayMs));
    if (FSettings.ForeignSender) {
        FForeignSocket.Send(peerAddress, peerPort, wrongReply);
        // The foreign datagram must arrive first to prove it is not taken for the reply.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    (FSettings.ReplyFromOtherPort ? FReplySocket : FSocket).Send(peerAddress, peerPort, reply);
}

std::pair<std::string, std::string> THartGatewaySimulator::RepliesTo(std::string_view request) {
    if (request.starts_with("F_FULL_")) {
        std::lock_guard lock(FLock);
        FStatusPolls = 0;
        return {"FULL DEVICES SEARCH STARTED", "FULL DEVICES SEARCH STARTED"};
    }
    if (request == "F_TEST") {
        const std::string wrongReply = "SEARCH STATUS=0 now 0 devices";
        if (auto scripted = TakeScripted(FSettings.StatusReplies, FStatusRepliesUsed))
            return {*scripted, wrongReply};
        return {StatusReply(), wrongReply};
    }
    int index = 0;
    if (request.starts_with("F_READ") && ParseIndex(request.substr(6), index)) {
        const std::string wrongReply = ReadHeader(index) + std::string(DeviceRecordSize, '\0');
        if (auto scripted = TakeScripted(FSettings.ReadReplies, FReadRepliesUsed))
            return {*scripted, wrongReply};
        if (TakeWrongRead(index))
            return {ReadHeader((index + 1) % 100) + AsText(TDeviceRecord{}), wrongReply};
        return {ReadReply(index), wrongReply};
    }
    return {};
}

std::optional<std::string>
THartGatewaySimulator::TakeScripted(const std::vector<std::string>& replies, size_t& used) {
    std::lock_guard lock(FLock);
    if (used >= replies.size())
        return std::nullopt;
    return replies[used++];
}

bool THartGatewaySimulator::TakeWrongRead(int index) {
    if (index >= FSettings.WrongFirstReads)
        return false;
    std::lock_guard lock(FLock);
    FWrongReadDone.resize(static_cast<size_t>(FSettings.WrongFirstReads), false);
    if (FWrongReadDone[static_cast<size_t>(index)])
        return false;
    FWrongReadDone[static_cast<size_t>(index)] = true;
    return true;
}

std::string THartGatewaySimulator::StatusReply() {
    const int reported = FSettings.ReportedDevices >= 0
                             ? FSettings.ReportedDevices
                             : static_cast<int>(FSettings.Devices.size());
    std::lock_guard lock(FLock);
    if (FStatusPolls < FSettings.BusyPolls) {
        const int foundSoFar = reported * FStatusPolls / (FSettings.BusyPolls + 1);
        ++FStatusPolls;
        return "SEARCH STATUS=1 now " + std::to_string(foundSoFar) + " devices";
    }
    return "SEARCH STATUS=0 now " + std::to_string(reported) + " devices";
}

std::string THartGatewaySimulator::ReadReply(int index) const {
    const bool configured = index < static_cast<int>(FSettings.Devices.size());
    const TSimulatedDevice device =
        configured ? FSettings.Devices[static_cast<size_t>(index)] : GeneratedDevice(index);
    return ReadHeader(index) + AsText(DeviceRecordOf(device));
}
