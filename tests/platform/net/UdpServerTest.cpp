#include "platform/net/UdpServer.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct TDatagram {
    std::string Data;
    std::string PeerAddress;
    uint16_t PeerPort = 0;
};

// Collects what a server receives so a test can wait for it.
class TInbox {
public:
    TUdpServer::TReadEvent Handler() {
        return [this](std::string_view data, const std::string& address, uint16_t port) {
            std::lock_guard lock(FLock);
            FReceived.push_back({std::string(data), address, port});
            FArrived.notify_all();
        };
    }

    // Waits (generously, so a loaded machine does not fail the test) for count datagrams.
    std::vector<TDatagram> WaitFor(size_t count) {
        std::unique_lock lock(FLock);
        FArrived.wait_for(lock, std::chrono::seconds(10),
                          [&] { return FReceived.size() >= count; });
        return FReceived;
    }

private:
    std::mutex FLock;
    std::condition_variable FArrived;
    std::vector<TDatagram> FReceived;
};

class UdpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Receiver.BindAddress = "127.0.0.1";
        Receiver.OnUDPRead = Inbox.Handler();
        Receiver.Activate();
        Sender.BindAddress = "127.0.0.1";
        Sender.Activate();
    }

    TInbox Inbox;
    TUdpServer Receiver;
    TUdpServer Sender;
};

TEST_F(UdpServerTest, ActivateBindsAnEphemeralPort) {
    EXPECT_TRUE(Receiver.Active());
    EXPECT_NE(Receiver.BoundPort(), 0);
    EXPECT_NE(Receiver.BoundPort(), Sender.BoundPort());
}

TEST_F(UdpServerTest, DeliversEachDatagramWithItsSender) {
    const std::string binary("DEV 0=\0\x01\xff", 9);
    Sender.Send("127.0.0.1", Receiver.BoundPort(), "F_FULL_64");
    Sender.Send("127.0.0.1", Receiver.BoundPort(), binary);

    const auto received = Inbox.WaitFor(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].Data, "F_FULL_64");
    EXPECT_EQ(received[1].Data, binary);
    for (const auto& datagram : received) {
        EXPECT_EQ(datagram.PeerAddress, "127.0.0.1");
        EXPECT_EQ(datagram.PeerPort, Sender.BoundPort());
    }
}

TEST_F(UdpServerTest, AnEmptyDatagramArrivesAsEmptyData) {
    Sender.Send("127.0.0.1", Receiver.BoundPort(), "");
    const auto received = Inbox.WaitFor(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_TRUE(received[0].Data.empty());
}

TEST_F(UdpServerTest, DeactivateReturnsWhileNothingArrivesAndAllowsReactivation) {
    Receiver.Deactivate();
    EXPECT_FALSE(Receiver.Active());
    EXPECT_EQ(Receiver.BoundPort(), 0);
    Receiver.Activate();
    Sender.Send("127.0.0.1", Receiver.BoundPort(), "again");
    EXPECT_EQ(Inbox.WaitFor(1).size(), 1u);
}

TEST_F(UdpServerTest, SendRefusesWhatCanNotBeSent) {
    EXPECT_THROW(Sender.Send("192.168.2", 10000, "x"), Exception);
    EXPECT_THROW(Sender.Send("gateway.local", 10000, "x"), Exception);
    Sender.Deactivate();
    EXPECT_THROW(Sender.Send("127.0.0.1", Receiver.BoundPort(), "x"), Exception);
}

TEST_F(UdpServerTest, APortInUseIsReportedOnActivate) {
    TUdpServer second;
    second.BindAddress = "127.0.0.1";
    second.DefaultPort = Receiver.BoundPort();
    try {
        second.Activate();
        FAIL() << "a second bind to the same port succeeded";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message.find(std::to_string(Receiver.BoundPort())), std::string::npos)
            << error.Message;
    }
    EXPECT_FALSE(second.Active());
}

TEST(UdpServerLifetimeTest, DestroyingAnActiveServerStopsItsListenerAndFreesItsPort) {
    // The listener holds a copy of the read handler until its thread ends.
    auto handlerState = std::make_shared<int>(0);
    auto server = std::make_unique<TUdpServer>();
    server->BindAddress = "127.0.0.1";
    server->OnUDPRead = [handlerState](std::string_view, const std::string&, uint16_t) {};
    server->Activate();
    const uint16_t port = server->BoundPort();
    ASSERT_GT(handlerState.use_count(), 1);

    server.reset(); // would hang here if the listener were not stopped
    EXPECT_EQ(handlerState.use_count(), 1) << "the listener thread is gone";

    TUdpServer successor;
    successor.BindAddress = "127.0.0.1";
    successor.DefaultPort = port;
    EXPECT_NO_THROW(successor.Activate()) << "the socket was closed";
    EXPECT_EQ(successor.BoundPort(), port);
}

} // namespace
