#include "devicelink/UHART_Thread.h"

#include "platform/core/Exception.h"
#include "tests/devicelink/HART_Scan_Probe.h"
#include "tools/hart_simulator/HartGatewaySimulator.h"
#include "tools/hart_simulator/SimulatorOptions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

using TRequests = std::vector<std::string>;

TRequests Reads(int count) {
    TRequests reads;
    for (int i = 0; i < count; ++i)
        reads.push_back("F_READ" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    return reads;
}

TRequests operator+(TRequests a, const TRequests& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const TRequests Search_Then_Two_Polls = {"F_FULL_64", "F_TEST", "F_TEST"};

struct TScan_Case {
    const char* Name;
    std::function<void(TSimulatorSettings&)> Gateway;
    bool Succeeds;
    int Num_Devices;
    TRequests Requests;
    const char* Final_Status;
    const char* Failure_Status = nullptr; // shown just before a failed scan's final status
};

void PrintTo(const TScan_Case& c, std::ostream* os) {
    *os << c.Name;
}

struct TScan_Run {
    bool Ended = false;
    THART_Scan_Outcome Outcome;
    TRequests Requests;
    int Step_After = -1;
};

// Whether the simulated gateway answers its n-th command (from 0).
std::function<bool(int)> Answers_Of(const TSimulatorSettings& settings) {
    return [settings](int n) {
        return !settings.Silent && (settings.AnsweredRequests < 0 || n < settings.AnsweredRequests);
    };
}

// One scan of a simulated gateway with the default devices, as `adjust` changes it, on a
// stepped clock.
TScan_Run Scan_Simulated_Gateway(const std::function<void(TSimulatorSettings&)>& adjust) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Devices = DefaultDevices();
    adjust(settings);
    THartGatewaySimulator gateway(settings);
    gateway.Start();

    THART_Scan_Probe dialog;
    auto clock = std::make_shared<THART_Stepped_Clock>();
    auto worker = dialog.Start_Worker(gateway.Port(), clock);
    worker->HART_Discovery("127.0.0.1", "64");
    TScan_Run run;
    run.Ended = dialog.Step_To_End(*clock, Answers_Of(settings));
    run.Step_After = worker->Current_Step();
    worker.reset();
    run.Outcome = dialog.Outcome;
    run.Requests = gateway.Requests();
    return run;
}

class HART_ScanTest : public ::testing::TestWithParam<TScan_Case> {};

TEST_P(HART_ScanTest, ScanAgainstTheGatewaySimulator) {
    const TScan_Case& c = GetParam();
    const TScan_Run run = Scan_Simulated_Gateway(c.Gateway);
    ASSERT_TRUE(run.Ended) << "the scan never ended";

    const THART_Scan_Outcome& outcome = run.Outcome;
    EXPECT_EQ(outcome.Done, c.Succeeds);
    EXPECT_EQ(outcome.Failed, !c.Succeeds);
    EXPECT_EQ(outcome.Num_Devices, c.Num_Devices);
    EXPECT_EQ(run.Requests, c.Requests);
    ASSERT_FALSE(outcome.Statuses.empty());
    EXPECT_EQ(outcome.Statuses.front(), "Init Scan - Waiting...");
    EXPECT_EQ(outcome.Statuses.back(), c.Final_Status);
    if (c.Failure_Status) {
        ASSERT_GE(outcome.Statuses.size(), 2u);
        EXPECT_EQ(outcome.Statuses[outcome.Statuses.size() - 2], c.Failure_Status);
    }
    EXPECT_EQ(run.Step_After, THART_Thread::Scan_Idle);
}

const char* const Scan_Failed = "Search Finish with Errors";

// clang-format off
const TScan_Case Scan_Cases[] = {
    {"three_devices", [](TSimulatorSettings&) {}, true, 3,
     Search_Then_Two_Polls + Reads(3), "Search Finish"},
    {"no_device_found_reads_nothing", [](TSimulatorSettings& s) { s.Devices.clear(); }, true, 0,
     Search_Then_Two_Polls, "Search Finish"},
    {"finished_at_the_first_poll", [](TSimulatorSettings& s) { s.BusyPolls = 0; }, true, 3,
     TRequests{"F_FULL_64", "F_TEST"} + Reads(3), "Search Finish"},
    {"silent_gateway_gets_the_search_three_times", [](TSimulatorSettings& s) { s.Silent = true; },
     false, 0, {"F_FULL_64", "F_FULL_64", "F_FULL_64"}, Scan_Failed,
     "Devices Search Finished - Error in Devices Search Started"},
    {"gateway_silent_after_the_search_started_gets_three_polls",
     [](TSimulatorSettings& s) { s.AnsweredRequests = 1; }, false, 0,
     {"F_FULL_64", "F_TEST", "F_TEST", "F_TEST"}, Scan_Failed,
     "Devices Search Finished - Error in Search Started"},
    {"wrong_read_header_reads_the_same_device_again",
     [](TSimulatorSettings& s) { s.WrongFirstReads = 2; }, true, 3,
     Search_Then_Two_Polls + TRequests{"F_READ00", "F_READ00", "F_READ01", "F_READ01", "F_READ02"},
     "Search Finish"},
    {"read_failures_of_all_devices_share_one_budget",
     [](TSimulatorSettings& s) { s.WrongFirstReads = 3; }, false, 0,
     Search_Then_Two_Polls + TRequests{"F_READ00", "F_READ00", "F_READ01", "F_READ01", "F_READ02"},
     Scan_Failed, "Devices Search Finished - Error in Read Device"},
    {"slow_gateway_inside_the_time_outs", [](TSimulatorSettings& s) { s.ReplyDelayMs = 400; },
     true, 3, Search_Then_Two_Polls + Reads(3), "Search Finish"},
    {"garbage_reply_repeats_the_command", [](TSimulatorSettings& s) { s.GarbageReplies = 1; },
     true, 3, TRequests{"F_FULL_64"} + Search_Then_Two_Polls + Reads(3), "Search Finish"},
    {"garbage_three_times_fails_the_search", [](TSimulatorSettings& s) { s.GarbageReplies = 3; },
     false, 0, {"F_FULL_64", "F_FULL_64", "F_FULL_64"}, Scan_Failed,
     "Devices Search Finished - Error in Devices Search Started"},
    {"another_host_is_no_reply", [](TSimulatorSettings& s) { s.ForeignSender = true; }, true, 3,
     Search_Then_Two_Polls + Reads(3), "Search Finish"},
    {"the_gateway_answering_from_another_port_is_heard",
     [](TSimulatorSettings& s) { s.ReplyFromOtherPort = true; }, true, 3,
     Search_Then_Two_Polls + Reads(3), "Search Finish"},
    {"status_polls_until_finished_then_reads_each_device",
     [](TSimulatorSettings& s) {
         s.StatusReplies = {"SEARCH STATUS=1 now 2 devices", "SEARCH STATUS=1 now 2 devices",
                            "SEARCH STATUS=0 now 2 devices"};
     },
     true, 2, TRequests{"F_FULL_64", "F_TEST", "F_TEST", "F_TEST"} + Reads(2), "Search Finish"},
    {"status_that_is_no_number_counts_as_finished",
     [](TSimulatorSettings& s) { s.StatusReplies = {"SEARCH STATUS=xy now 2 devices"}; }, true, 2,
     TRequests{"F_FULL_64", "F_TEST"} + Reads(2), "Search Finish"},
    {"status_reply_with_a_leading_blank_starts_the_search_again",
     [](TSimulatorSettings& s) { s.StatusReplies = {" SEARCH STATUS=0 now 3 devices"}; }, true, 3,
     TRequests{"F_FULL_64", "F_TEST"} + Search_Then_Two_Polls + Reads(3), "Search Finish"},
    // Each restart of the search is answered, so only the status failures can end the scan.
    {"status_replies_that_are_always_wrong_end_the_scan",
     [](TSimulatorSettings& s) {
         s.StatusReplies = std::vector<std::string>(8, "SEARCH STATUS 0 now 3 devices");
     },
     false, 0, {"F_FULL_64", "F_TEST", "F_FULL_64", "F_TEST", "F_FULL_64", "F_TEST"}, Scan_Failed,
     "Devices Search Finished - Error in Search Started"},
    {"read_reply_shorter_than_its_header_reads_the_device_again",
     [](TSimulatorSettings& s) { s.ReadReplies = {"DEV 0"}; }, true, 3,
     Search_Then_Two_Polls + TRequests{"F_READ00", "F_READ00", "F_READ01", "F_READ02"},
     "Search Finish"},
    {"more_than_a_hundred_devices_reads_the_first_hundred",
     [](TSimulatorSettings& s) { s.ReportedDevices = 150; s.BusyPolls = 0; }, true, 100,
     TRequests{"F_FULL_64", "F_TEST"} + Reads(100),
     "Search Finish - only the first 100 of 150 devices were read"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Gateways, HART_ScanTest, ::testing::ValuesIn(Scan_Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

class HART_ScanRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        TSimulatorSettings settings;
        settings.Port = 0;
        settings.Devices = DefaultDevices();
        settings.ReportedDevices = 12;
        Gateway = std::make_unique<THartGatewaySimulator>(settings);
        Gateway->Start();
    }

    std::unique_ptr<THART_Thread> Start_Worker() {
        return Dialog.Start_Worker(Gateway->Port(), Clock);
    }
    bool Step_To_End() {
        return Dialog.Step_To_End(*Clock, [](int) { return true; });
    }

    std::unique_ptr<THartGatewaySimulator> Gateway;
    std::shared_ptr<THART_Stepped_Clock> Clock = std::make_shared<THART_Stepped_Clock>();
    THART_Scan_Probe Dialog;
};

TEST_F(HART_ScanRecordsTest, EachRecordIsStoredUnderItsIndexAndDecodes) {
    THART_Scan_Probe& dialog = Dialog;
    auto worker = Start_Worker();
    worker->HART_Discovery("127.0.0.1", "12");
    ASSERT_TRUE(Step_To_End());
    ASSERT_TRUE(dialog.Outcome.Done);
    ASSERT_EQ(dialog.Outcome.Records.size(), 12u);
    EXPECT_EQ(Gateway->Requests().front(), "F_FULL_12");

    const auto& first = dialog.Outcome.Records[0];
    EXPECT_EQ(HART_Device_Address(first), "0x1234ABCDEF");
    EXPECT_EQ(HART_Device_Preamble(first), 5);
    EXPECT_EQ(HART_Device_Name(first), "TT-101 REACTOR TEMP             ");
    const auto variables = HART_Device_Variables(first);
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[1].Code, 247);
    EXPECT_EQ(variables[1].Classification, 64);
    EXPECT_EQ(variables[1].Unit, 32);

    EXPECT_EQ(HART_Device_Preamble(dialog.Outcome.Records[1]), 7);
    EXPECT_EQ(HART_Device_Variables(dialog.Outcome.Records[2]).size(), 3u);
    // index 10 and up: "F_READ10" answered by "DEV10="
    EXPECT_EQ(HART_Device_Name(dialog.Outcome.Records[11]).substr(0, 13), "SIM DEVICE 11");
}

TEST(HART_ScanStatusTest, EachStepShowsItsTextWithItsNumber) {
    const TScan_Run run = Scan_Simulated_Gateway([](TSimulatorSettings& s) {
        s.StatusReplies = {"SEARCH STATUS=1 now 1 devices", "SEARCH STATUS=1 now 2 devices",
                           "SEARCH STATUS=0 now 2 devices"};
    });
    ASSERT_TRUE(run.Ended);
    EXPECT_EQ(run.Outcome.Statuses,
              (std::vector<std::string>{
                  "Init Scan - Waiting...", "Devices Search Started - Devices Found 0 - Waiting...",
                  "Devices Search Started - Devices Found 1 - Waiting...",
                  "Devices Search Started - Devices Found 2 - Waiting...",
                  "Search Finish - Devices Found 2 - Waiting...",
                  "Search Finish - Read Information Device 0 - Waiting...",
                  "Search Finish - Read Information Device 1 - Waiting...", "Search Finish"}));
}

TEST(HART_ScanRecordBytesTest, AReadReplyKeepsAtMostAThousandRecordBytesAndZeroesTheRest) {
    const std::string overlong = "DEV 0=" + std::string(1000, '\x11') + "tail";
    const std::string header_only = "DEV 1=";
    const std::string short_record = "DEV 2=" + std::string(3, '\x22');
    const TScan_Run run = Scan_Simulated_Gateway([&](TSimulatorSettings& s) {
        s.BusyPolls = 0;
        s.ReadReplies = {overlong, header_only, short_record};
    });
    ASSERT_TRUE(run.Outcome.Done);
    ASSERT_EQ(run.Outcome.Records.size(), 3u);

    THART_Device_Record expected{};
    expected.fill(0x11);
    EXPECT_EQ(run.Outcome.Records[0], expected);
    expected.fill(0);
    EXPECT_EQ(run.Outcome.Records[1], expected);
    expected[0] = expected[1] = expected[2] = 0x22;
    EXPECT_EQ(run.Outcome.Records[2], expected);
}

TEST_F(HART_ScanRecordsTest, AFinishedScanCanBeStartedAgain) {
    THART_Scan_Probe& dialog = Dialog;
    auto worker = Start_Worker();
    worker->HART_Discovery("127.0.0.1", "64");
    ASSERT_TRUE(Step_To_End());
    dialog.Outcome = {};
    worker->HART_Discovery("127.0.0.1", "05");
    ASSERT_TRUE(Step_To_End());
    EXPECT_TRUE(dialog.Outcome.Done);
    EXPECT_EQ(dialog.Outcome.Num_Devices, 12);
    const auto requests = Gateway->Requests();
    ASSERT_EQ(requests.size(), 2 * (Search_Then_Two_Polls.size() + 12));
    EXPECT_EQ(requests[Search_Then_Two_Polls.size() + 12], "F_FULL_05");
}

TEST(HART_ScanFailureTest, AGatewayAddressThatCanNotBeSentToEndsTheScanAsFailed) {
    THART_Scan_Probe dialog;
    auto clock = std::make_shared<THART_Stepped_Clock>();
    auto worker = dialog.Start_Worker(HART_Gateway_Port, clock);
    worker->HART_Discovery("192.168.2", "64");
    ASSERT_TRUE(dialog.Step_To_End(*clock, [](int) { return false; }));
    EXPECT_TRUE(dialog.Outcome.Failed);
    EXPECT_EQ(dialog.Outcome.Statuses.back(),
              "Search Finish with Errors: The gateway address is not valid: 192.168.2");
}

// The worker as the dialog runs it, on the real clock.
TEST(HART_ScanRealClockTest, AScanEndsAsItDoesOnTheSteppedClock) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Devices = DefaultDevices();
    settings.BusyPolls = 0;
    THartGatewaySimulator gateway(settings);
    gateway.Start();

    THART_Scan_Probe dialog;
    auto worker = dialog.Start_Worker(gateway.Port());
    worker->HART_Discovery("127.0.0.1", "64");
    ASSERT_TRUE(dialog.Wait_For_End());
    EXPECT_TRUE(dialog.Outcome.Done);
    EXPECT_EQ(dialog.Outcome.Num_Devices, 3);
    EXPECT_EQ(gateway.Requests(), (TRequests{"F_FULL_64", "F_TEST"} + Reads(3)));
}

// On the real clock: the worker as the dialog runs it.
TEST(HART_ScanCloseTest, ClosingWhileTheWorkerWaitsOnAReportDoesNotDeadlock) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Devices = DefaultDevices();
    THartGatewaySimulator gateway(settings);
    gateway.Start();

    THART_Scan_Probe dialog;
    auto worker = dialog.Start_Worker(gateway.Port());
    worker->HART_Discovery("127.0.0.1", "64");
    // Nothing runs the reports now: the worker's report of the started search has to wait.
    while (gateway.Requests().empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    worker.reset(); // the dialog closes; returns only once the worker has ended

    EXPECT_EQ(dialog.Outcome.Statuses, std::vector<std::string>{"Init Scan - Waiting..."})
        << "a report of the closed worker reached the dialog";
    EXPECT_FALSE(dialog.Outcome.Done || dialog.Outcome.Failed);
}

TEST(HART_ScanCloseTest, AWorkerEndedByAFailingReportClosesItsSocket) {
    TSimulatorSettings settings;
    settings.Port = 0;
    settings.Silent = true;
    THartGatewaySimulator gateway(settings);
    gateway.Start();

    THART_Scan_Reports reports;
    reports.Sync_Scan_Failed = [] { throw Exception("the failed panel could not be shown"); };
    auto clock = std::make_shared<THART_Stepped_Clock>();
    THART_Thread worker(reports, English_Scan_Texts(),
                        THART_Scan_Link{gateway.Port(), "127.0.0.1", clock});
    worker.HART_Discovery("127.0.0.1", "64");
    while (!clock->Stopped() && clock->Ticks() < 100000)
        clock->Step();
    worker.WaitFor();
    ASSERT_TRUE(worker.Finished());

    // The simulator's listener thread may not have taken the worker's datagram yet.
    for (int i = 0; i < 1000 && gateway.Requests().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    // The listener would otherwise keep filling the worker's fields until they are destroyed.
    TUdpServer same_port;
    same_port.BindAddress = "127.0.0.1";
    same_port.DefaultPort = gateway.Last_Peer_Port();
    ASSERT_NE(same_port.DefaultPort, 0);
    EXPECT_NO_THROW(same_port.Activate()) << "the ended worker still holds its socket";
}

} // namespace
