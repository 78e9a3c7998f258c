// The scan's time on a stepped clock: time-outs and pauses counted in ticks, and the texts the
// dialog passes in. No window takes part.
#include "devicelink/UHART_Thread.h"

#include "tests/devicelink/HART_Scan_Probe.h"
#include "tests/devicelink/HART_Stepped_Clock.h"
#include "tools/hart_simulator/HartGatewaySimulator.h"
#include "tools/hart_simulator/SimulatorOptions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

using TClockRequests = std::vector<std::string>;

// A worker against a simulated gateway, stopped at its first tick before the scan starts, so
// every pass of its loop is one step of the test.
class HART_Scan_ClockTest : public ::testing::Test {
protected:
    void Start(const std::function<void(TSimulatorSettings&)>& adjust,
               THART_Scan_Texts texts = English_Scan_Texts()) {
        TSimulatorSettings settings;
        settings.Port = 0;
        settings.Devices = DefaultDevices();
        adjust(settings);
        Gateway = std::make_unique<THartGatewaySimulator>(settings);
        Gateway->Start();
        Worker = Dialog.Start_Worker(Gateway->Port(), Clock, std::move(texts));
        Clock->Wait_For_Worker();
        Worker->HART_Discovery("127.0.0.1", "64");
    }

    void TearDown() override { Worker.reset(); }

    THART_Scan_State State() const { return Worker->State(); }

    // The gateway's requests once `count` have arrived (loopback delivery runs beside the test).
    TClockRequests Requests_When(size_t count) const {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Gateway->Requests().size() < count && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return Gateway->Requests();
    }

    std::shared_ptr<THART_Stepped_Clock> Clock = std::make_shared<THART_Stepped_Clock>();
    std::unique_ptr<THartGatewaySimulator> Gateway;
    THART_Scan_Probe Dialog;
    std::unique_ptr<THART_Thread> Worker;
};

TEST_F(HART_Scan_ClockTest, NoReplyTimesOutAfterAHundredTicksAndTheCommandIsSentOnTheNext) {
    Start([](TSimulatorSettings& s) { s.Silent = true; });
    Clock->Step(); // Scan_Start
    EXPECT_EQ(State().Step, THART_Thread::Scan_Send_Full);
    EXPECT_EQ(State().Commands_Sent, 0);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Full);
    EXPECT_EQ(State().Commands_Sent, 1);

    Clock->Step(100);
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Full) << "a hundred ticks are no time-out";
    EXPECT_EQ(State().Ticks_Waited, 100);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Send_Full) << "the 101st tick times out";
    EXPECT_EQ(Dialog.Outcome.Statuses, TClockRequests{"Init Scan - Waiting..."})
        << "a failure below the limit shows nothing";
    Clock->Step();
    EXPECT_EQ(State().Commands_Sent, 2);
    EXPECT_EQ(State().Ticks_Waited, 0);

    Clock->Step(102); // the third command, sent 102 ticks after the second
    EXPECT_EQ(State().Commands_Sent, 3);
    Clock->Step(101);
    EXPECT_EQ(State().Step, THART_Thread::Scan_Finish);
    EXPECT_EQ(Dialog.Outcome.Statuses.back(),
              "Devices Search Finished - Error in Devices Search Started");
    EXPECT_FALSE(Dialog.Outcome.Failed);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Idle);
    EXPECT_TRUE(Dialog.Outcome.Failed);
    EXPECT_EQ(Dialog.Outcome.Statuses.back(), "Search Finish with Errors");
    EXPECT_EQ(Requests_When(3), (TClockRequests{"F_FULL_64", "F_FULL_64", "F_FULL_64"}));
}

TEST_F(HART_Scan_ClockTest, TheStatusIsAskedForAHundredTicksAfterTheSearchStarted) {
    Start([](TSimulatorSettings& s) { s.StatusReplies = {"SEARCH STATUS=1 now 2 devices"}; });
    Clock->Step(2);
    ASSERT_TRUE(Dialog.Wait_For_Reply(std::chrono::seconds(10)));
    Clock->Step(); // takes "FULL DEVICES SEARCH STARTED"
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Delay);
    EXPECT_EQ(State().Reply, "FULL DEVICES SEARCH STARTED");
    EXPECT_FALSE(State().Reply_Arrived);

    Clock->Step(99);
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Delay);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Send_Test);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Test);
    EXPECT_EQ(Requests_When(2), (TClockRequests{"F_FULL_64", "F_TEST"}));

    // "still searching": the next question waits another hundred ticks
    ASSERT_TRUE(Dialog.Wait_For_Reply(std::chrono::seconds(10)));
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Delay);
    EXPECT_EQ(Dialog.Outcome.Statuses.back(),
              "Devices Search Started - Devices Found 2 - Waiting...");
    Clock->Step(99);
    EXPECT_EQ(State().Step, THART_Thread::Scan_Wait_Delay);
    Clock->Step();
    EXPECT_EQ(State().Step, THART_Thread::Scan_Send_Test);
}

TEST_F(HART_Scan_ClockTest, AReplyWaitsForTheNextTickToBeTaken) {
    Start([](TSimulatorSettings& s) { s.BusyPolls = 0; });
    Clock->Step(2);
    ASSERT_TRUE(Dialog.Wait_For_Reply(std::chrono::seconds(10)));
    Clock->Step(101); // the search started, the pause passed
    ASSERT_EQ(State().Step, THART_Thread::Scan_Send_Test);
    Clock->Step();
    ASSERT_TRUE(Dialog.Wait_For_Reply(std::chrono::seconds(10)));
    Clock->Step(2); // "SEARCH STATUS=0 now 3 devices" taken, F_READ00 sent
    ASSERT_EQ(State().Step, THART_Thread::Scan_Wait_Read);
    ASSERT_TRUE(Dialog.Wait_For_Reply(std::chrono::seconds(10)));

    const THART_Scan_State arrived = State();
    EXPECT_EQ(arrived.Step, THART_Thread::Scan_Wait_Read) << "no tick, no step";
    EXPECT_EQ(arrived.Reply, "DEV 0=");
    EXPECT_EQ(arrived.Record_Buffer, DeviceRecordOf(DefaultDevices()[0]));
    Clock->Step();
    EXPECT_FALSE(State().Reply_Arrived);
    EXPECT_EQ(State().Step, THART_Thread::Scan_Send_Read);
}

// The worker reads no language list: every text it shows is one the dialog passed in.
THART_Scan_Texts Marked_Texts() {
    THART_Scan_Texts texts;
    texts.Init_Scan = "[init]";
    texts.Search_Started = "[started %d]";
    texts.Error_Search_Start = "[error start]";
    texts.Search_Finished = "[finished %d]";
    texts.Still_Searching = "[still %d]";
    texts.Error_Status = "[error status]";
    texts.Reading_Device = "[reading %d]";
    texts.Error_Read = "[error read]";
    texts.Scan_Done = "[done]";
    texts.Scan_Failed = "[failed]";
    texts.Devices_Cut_Short = "[%d of %d]";
    return texts;
}

TEST(HART_Scan_TextsTest, EveryStatusOfAScanIsATextTheCallerPassed) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Devices = DefaultDevices();
    settings.ReportedDevices = 101;
    settings.StatusReplies = {"SEARCH STATUS=1 now 1 devices", "SEARCH STATUS=0 now 101 devices"};
    THartGatewaySimulator gateway(settings);
    gateway.Start();
    THART_Scan_Probe dialog;
    auto clock = std::make_shared<THART_Stepped_Clock>();
    auto worker = dialog.Start_Worker(gateway.Port(), clock, Marked_Texts());
    worker->HART_Discovery("127.0.0.1", "64");
    ASSERT_TRUE(dialog.Step_To_End(*clock, [](int) { return true; }));

    std::vector<std::string> expected = {"[init]", "[started 0]", "[still 1]", "[finished 101]"};
    for (int i = 0; i < HART_Max_Devices; ++i)
        expected.push_back("[reading " + std::to_string(i) + "]");
    expected.push_back("[done][100 of 101]");
    EXPECT_EQ(dialog.Outcome.Statuses, expected);
}

TEST(HART_Scan_TextsTest, AFailedScanShowsTheCallersFailureTexts) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Silent = true;
    THartGatewaySimulator gateway(settings);
    gateway.Start();
    THART_Scan_Probe dialog;
    auto clock = std::make_shared<THART_Stepped_Clock>();
    auto worker = dialog.Start_Worker(gateway.Port(), clock, Marked_Texts());
    worker->HART_Discovery("127.0.0.1", "64");
    ASSERT_TRUE(dialog.Step_To_End(*clock, [](int) { return false; }));
    EXPECT_EQ(dialog.Outcome.Statuses,
              (std::vector<std::string>{"[init]", "[error start]", "[failed]"}));
}

TEST(HART_Real_ClockTest, TicksEveryTenMillisecondsUntilStopped) {
    THART_Real_Clock clock;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        clock.Wait_Tick();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));

    std::thread waiter([&] {
        clock.Wait_Tick(); // let go by Stop
        for (int i = 0; i < 1000; ++i)
            clock.Wait_Tick(); // would take ten seconds on a running clock
    });
    clock.Stop();
    waiter.join();
}

} // namespace
