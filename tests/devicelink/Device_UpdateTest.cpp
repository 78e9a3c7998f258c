#include "devicelink/Device_Update.h"

#include "devicelink/Ethernet_Update_Job.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"
#include "tests/devicelink/UpdaterProgramFolder.h"
#include "tests/platform/net/PrivateNetwork.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

// The update steps in a program folder of the test's own; the job names folders inside it.
class Device_UpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        Update.Updater_Time_Limit = std::chrono::seconds(60);
        Update.On_Device_Answered = [this](const TEthernet_Update_Job& job) {
            Answered = job;
            Job_Written_When_Answered = FileExists(Program_Folder.Job_File());
        };
    }

    TEthernet_Update_Job Job(int option = Update_Firmware, bool readBack = true) const {
        return {"127.0.0.1", option, readBack, Program_Folder.File("MASTER"),
                Program_Folder.File("PROJECTS/Plant")};
    }

    TDevice_Update_Result Run(const TEthernet_Update_Job& job) {
        return Update.Update_Device(job, Program_Folder.Path());
    }

    TUpdaterProgramFolder Program_Folder;
    TDevice_Update Update;
    std::optional<TEthernet_Update_Job> Answered;
    bool Job_Written_When_Answered = false;
};

TEST_F(Device_UpdateTest, AnsweringDeviceGetsTheJobAndTheUpdaterRunsToItsEnd) {
    REQUIRE_ICMP(); // the real echo, end to end
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_EXIT_CODE", "3", 1); // the updater's verdict is not used
    int waits = 0;
    Update.While_Waiting = [&] { ++waits; };

    const auto result = Run(Job(Update_Configuration, false));

    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Ended) << result.Message;
    EXPECT_EQ(Update.ping_res, 1);
    ASSERT_TRUE(Answered);
    EXPECT_EQ(Answered->IP_Address, "127.0.0.1");
    EXPECT_EQ(Answered->Update_Option_Index, Update_Configuration);
    EXPECT_FALSE(Answered->Read_Back);
    EXPECT_FALSE(Job_Written_When_Answered) << "the values are kept before the job is written";
    const std::string job = ReadFileBytes(Program_Folder.Job_File());
    EXPECT_EQ(ReadFileBytes(Program_Folder.Log_File()), job)
        << "the updater did not read the job beside it";
    TXMLDocument document;
    document.LoadFromString(job);
    EXPECT_EQ(document.DocumentElement().ChildNode("IP_Address_Dev").Text(), "127.0.0.1");
    const auto operations =
        document.DocumentElement().ChildNode("Operations").ChildElements("Operation");
    ASSERT_EQ(operations.size(), 2u);
    EXPECT_EQ(operations[0].ChildNode("Ope_FileName").Text(),
              JoinPath(JoinPath(Program_Folder.File("PROJECTS/Plant"), "bin"), "bank1.bin"));
    EXPECT_EQ(operations[0].ChildNode("Ope_Read_Back").Text(), "0");
}

struct TPing_Failure_Case {
    const char* Name;
    int Reply_Size;
    std::function<void()> Fault;
    TDevice_Update_Outcome Outcome;
    int Ping_Res;
    const char* Message_Part; // nullptr: no message
};

class Device_UpdatePingFailureTest : public Device_UpdateTest,
                                     public ::testing::WithParamInterface<TPing_Failure_Case> {};

TEST_P(Device_UpdatePingFailureTest, NothingIsWrittenKeptOrStarted) {
    const TPing_Failure_Case& c = GetParam();
    Program_Folder.Install_Updater();
    Update.Ping_Budget = std::chrono::milliseconds(50);
    TScripted_Echo echo{c.Reply_Size, c.Fault};
    echo.Install(Update);

    const auto result = Run(Job());

    EXPECT_EQ(result.Outcome, c.Outcome);
    EXPECT_EQ(Update.ping_res, c.Ping_Res);
    if (c.Message_Part)
        EXPECT_NE(result.Message.find(c.Message_Part), std::string::npos) << result.Message;
    else
        EXPECT_EQ(result.Message, "");
    EXPECT_GE(echo.Calls, 1);
    EXPECT_FALSE(Answered);
    EXPECT_FALSE(FileExists(Program_Folder.Job_File()));
    EXPECT_FALSE(FileExists(Program_Folder.Log_File())) << "the updater ran";
}

INSTANTIATE_TEST_SUITE_P(
    Echoes, Device_UpdatePingFailureTest,
    ::testing::Values(
        TPing_Failure_Case{"no_reply_is_a_device_not_found", 0, nullptr,
                           TDevice_Update_Outcome::Device_Not_Found, 2, nullptr},
        TPing_Failure_Case{"a_socket_error_asks_to_check_the_address", 0,
                           [] { throw Exception("Cannot send an echo request to 127.0.0.1"); },
                           TDevice_Update_Outcome::Check_Ip_Address, 0, nullptr},
        TPing_Failure_Case{"no_icmp_permission_is_told_apart", 0,
                           [] { throw EIcmpNotPermitted("ICMP echo is not allowed"); },
                           TDevice_Update_Outcome::Ping_Not_Permitted, 0,
                           "ICMP echo is not allowed"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Device_UpdateTest, TwoRepliesAreAwaitedBeforeTheUpdate) {
    TScripted_Echo echo;
    echo.Install(Update);
    const auto result = Run(Job());
    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Not_Started);
    EXPECT_EQ(echo.Calls, 2);
    EXPECT_EQ(Update.ping_res, 1);
}

TEST_F(Device_UpdateTest, AMissingUpdaterIsReportedAfterTheJobWasWritten) {
    TScripted_Echo echo;
    echo.Install(Update);
    const auto result = Run(Job());
    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Not_Started);
    EXPECT_NE(result.Message.find(Ethernet_Update_Program(Program_Folder.Path())),
              std::string::npos)
        << result.Message;
    EXPECT_TRUE(FileExists(Program_Folder.Job_File()));
    ASSERT_TRUE(Answered);
    EXPECT_EQ(Answered->IP_Address, "127.0.0.1");
}

TEST_F(Device_UpdateTest, AJobFileThatCanNotBeWrittenRaisesAndStartsNoUpdater) {
    TScripted_Echo echo;
    echo.Install(Update);
    Program_Folder.Install_Updater();
    std::filesystem::create_directories(Program_Folder.Job_File()); // a folder in its place
    EXPECT_THROW(Run(Job()), EFileError);
    EXPECT_FALSE(FileExists(Program_Folder.Log_File()));
}

TEST_F(Device_UpdateTest, ASlowUpdaterIsLeftRunningWhenTheLimitPasses) {
    TScripted_Echo echo;
    echo.Install(Update);
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_DELAY_MS", "30000", 1);
    Update.Updater_Time_Limit = std::chrono::milliseconds(300);
    const auto result = Run(Job());
    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Timed_Out);
    ASSERT_GT(result.Updater_Process_Id, 0);
    EXPECT_EQ(::kill(result.Updater_Process_Id, 0), 0) << "the updater was not left running";
    ::kill(result.Updater_Process_Id, SIGKILL);
}

TEST_F(Device_UpdateTest, ASilentDeviceIsNotFoundAndNothingIsWrittenOrKept) {
    enum { Not_Found = 0, Other_Outcome = 1, Ping_Result_Wrong = 2, Something_Kept = 3 };
    Update.Ping.ReceiveTimeout = 100;
    Update.Ping_Budget = std::chrono::milliseconds(500);
    const int verdict = private_network::RunInPrivateNetwork([&] {
        if (!private_network::IgnoreEchoRequests())
            return private_network::Refused;
        const auto result = Run(Job());
        // No ICMP socket inside the namespace.
        if (result.Outcome == TDevice_Update_Outcome::Ping_Not_Permitted ||
            (result.Outcome == TDevice_Update_Outcome::Check_Ip_Address && Update.ping_res == 0))
            return private_network::Refused;
        if (result.Outcome != TDevice_Update_Outcome::Device_Not_Found)
            return int(Other_Outcome);
        if (Update.ping_res != 2)
            return int(Ping_Result_Wrong);
        const bool kept = FileExists(Program_Folder.Job_File()) || Answered.has_value();
        return int(kept ? Something_Kept : Not_Found);
    });
    if (verdict == private_network::Refused)
        GTEST_SKIP() << private_network::RefusedReason();
    EXPECT_EQ(verdict, Not_Found) << "1: another outcome, 2: ping_res not 2, 3: values were kept";
}

} // namespace
