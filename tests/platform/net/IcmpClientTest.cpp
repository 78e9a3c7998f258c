#include "platform/net/IcmpClient.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include "tests/platform/net/PrivateNetwork.h"

#include <linux/capability.h>
#include <sys/syscall.h>

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

// Takes CAP_NET_RAW from this process, as an ordinary user lacks it.
bool DropRawSockets() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    constexpr unsigned bit = 1u << CAP_NET_RAW;
    data[0].effective &= ~bit;
    data[0].permitted &= ~bit;
    data[0].inheritable &= ~bit;
    return ::syscall(SYS_capset, &header, data) == 0;
}

enum TPermissionCheck : int {
    NotPermittedRaised = 0,
    PingWorked = 1,
    OtherError = 2,
};

TEST(IcmpClientTest, AUserWhoMayOpenNoIcmpSocketGetsItsOwnError) {
    using namespace private_network;
    switch (RunInPrivateNetwork([] {
        // No group may open datagram ICMP sockets, and no raw socket either.
        if (!WriteProcFile("/proc/sys/net/ipv4/ping_group_range", "1 0\n") || !DropRawSockets())
            return Refused;
        try {
            TIcmpClient().Ping("127.0.0.1");
            return int(PingWorked);
        } catch (const EIcmpNotPermitted& error) {
            return error.Message.find("net.ipv4.ping_group_range") != std::string::npos
                       ? int(NotPermittedRaised)
                       : int(OtherError);
        } catch (const Exception&) {
            return int(OtherError);
        }
    })) {
    case NotPermittedRaised:
        break;
    case Refused:
        GTEST_SKIP() << RefusedReason();
    case PingWorked:
        FAIL() << "the echo was sent without ICMP permission";
    default:
        FAIL() << "another error than EIcmpNotPermitted";
    }
}

TEST(IcmpClientTest, AnAddressErrorIsNoPermissionError) {
    try {
        TIcmpClient().Ping("192.168.0.256");
        ADD_FAILURE() << "no error";
    } catch (const EIcmpNotPermitted&) {
        ADD_FAILURE() << "an address error was taken for missing permission";
    } catch (const Exception&) {
    }
}

// false: whatever socket kind the namespace's defaults allow (a raw socket for root);
// true: unprivileged datagram ICMP sockets allowed.
INSTANTIATE_TEST_SUITE_P(SocketKinds, IcmpClientSilentDeviceTest, ::testing::Bool());

} // namespace
