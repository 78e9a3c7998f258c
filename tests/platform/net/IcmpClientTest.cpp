#include "platform/net/IcmpClient.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include "tests/platform/net/PrivateNetwork.h"

#include <string>

namespace {

TEST(IcmpClientTest, LoopbackAnswersWithTheWholeEchoMessage) {
    TIcmpClient client;
    int received = 0;
    try {
        received = client.Ping("127.0.0.1");
    } catch (const Exception& error) {
        GTEST_SKIP() << "no ICMP socket for this user: " << error.Message;
    }
    EXPECT_EQ(received, 8 + client.PacketSize); // echo header and the 1024 data bytes
}

TEST(IcmpClientTest, AnAddressThatCanNotBeUsedRaises) {
    TIcmpClient client;
    for (const char* address : {"192.168.0.256", "192.168.0", "", "device.local"}) {
        try {
            client.Ping(address);
            ADD_FAILURE() << "no error for '" << address << "'";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find(address), std::string::npos) << error.Message;
        }
    }
}

enum TSilentCheck : int {
    SilentCheckOk = 0,
    LoopbackDidNotAnswer = 1,
    IgnoredEchoWasAnswered = 2,
};

int PingLoopbackBeforeAndAfterIgnoringEchoes(bool allowDatagramSockets) {
    using namespace private_network;
    if (allowDatagramSockets && !WriteProcFile("/proc/sys/net/ipv4/ping_group_range", "0 0\n"))
        return Refused;
    TIcmpClient client;
    client.ReceiveTimeout = 200;
    try {
        if (client.Ping("127.0.0.1") <= 0)
            return LoopbackDidNotAnswer;
        if (!IgnoreEchoRequests())
            return Refused;
        return client.Ping("127.0.0.1") == 0 ? SilentCheckOk : IgnoredEchoWasAnswered;
    } catch (const Exception&) {
        return Refused;
    }
}

class IcmpClientSilentDeviceTest : public ::testing::TestWithParam<bool> {};

TEST_P(IcmpClientSilentDeviceTest, ASilentDeviceGivesZeroAfterTheTimeOut) {
    const bool allowDatagramSockets = GetParam();
    switch (private_network::RunInPrivateNetwork(
        [&] { return PingLoopbackBeforeAndAfterIgnoringEchoes(allowDatagramSockets); })) {
    case SilentCheckOk:
        break;
    case private_network::Refused:
        GTEST_SKIP() << private_network::RefusedReason();
    case LoopbackDidNotAnswer:
        FAIL() << "the private loopback did not answer before echoes were ignored";
    case IgnoredEchoWasAnswered:
        FAIL() << "an ignored echo request was reported as answered";
    default:
        FAIL() << "the check's child process failed";
    }
}

// false: whatever socket kind the namespace's defaults allow (a raw socket for root);
// true: unprivileged datagram ICMP sockets allowed.
INSTANTIATE_TEST_SUITE_P(SocketKinds, IcmpClientSilentDeviceTest, ::testing::Bool());

} // namespace
