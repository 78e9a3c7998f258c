#include "devicelink/Device_Update.h"

#include "app/core/AppState.h"
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

namespace {

namespace fs = std::filesystem;

using TOctets = std::array<std::string, 4>;

// The update steps in a program folder of the test's own, starting from known last choices.
class Device_UpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppState().Last_IP_Address = "192.168.2.205";
        AppState().Update_Option_Index = 0;
        AppState().Update_Read_Back = true;
        Update.Updater_Time_Limit = std::chrono::seconds(60);
    }

    TUpdaterProgramFolder Program_Folder;
    TDevice_Update Update;
};

TEST_F(Device_UpdateTest, AnAddressSplit_IPRefusesIsNeverPinged) {
    for (const TOctets& octets : {TOctets{"192", "168", "0", "256"}, TOctets{"", "168", "0", "1"},
                                  TOctets{"a", "b", "c", "d"}, TOctets{"1", "2", "3", "4.5"}}) {
        const auto result = Update.Btn_UpdateClick(octets, Update_Firmware, false);
        EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Check_Ip_Address) << octets[3];
        EXPECT_EQ(result.Message, "Error!!! Check the Ip Address");
        EXPECT_EQ(Update.ping_res, 0) << "an echo was sent to " << octets[0];
    }
    EXPECT_FALSE(FileExists(Program_Folder.Job_File()));
    EXPECT_EQ(AppState().Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(AppState().Update_Option_Index, 0);
}

TEST_F(Device_UpdateTest, AnsweringDeviceGetsTheJobAndTheUpdaterRunsToItsEnd) {
    REQUIRE_ICMP();
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_EXIT_CODE", "3", 1); // the updater's verdict is not used
    int waits = 0;
    Update.While_Waiting = [&] { ++waits; };

    // Blanks and a hex part pass Split_IP; the device and the updater get plain dotted decimal.
    const auto result =
        Update.Btn_UpdateClick({" 127", "0", "0x0", "1 "}, Update_Configuration, false);

    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Ended) << result.Message;
    EXPECT_EQ(Update.ping_res, 1);
    EXPECT_EQ(AppState().Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(AppState().Update_Option_Index, Update_Configuration);
    EXPECT_FALSE(AppState().Update_Read_Back);
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
              JoinPath(JoinPath(AppState().Project_Path, "bin"), "bank1.bin"));
    EXPECT_EQ(operations[0].ChildNode("Ope_Read_Back").Text(), "0");
}

TEST_F(Device_UpdateTest, AMissingUpdaterIsReportedAfterTheJobWasWritten) {
    REQUIRE_ICMP();
    const auto result = Update.Btn_UpdateClick({"127", "0", "0", "1"}, Update_Firmware, true);
    EXPECT_EQ(result.Outcome, TDevice_Update_Outcome::Updater_Not_Started);
    EXPECT_NE(result.Message.find("Ethernet_Update"), std::string::npos) << result.Message;
    EXPECT_TRUE(FileExists(Program_Folder.Job_File()));
    EXPECT_EQ(AppState().Last_IP_Address, "127.0.0.1");
}

TEST_F(Device_UpdateTest, ASlowUpdaterIsLeftRunningWhenTheLimitPasses) {
    REQUIRE_ICMP();
    Program_Folder.Install_Updater();
    ::setenv("ETHERNET_UPDATE_STUB_DELAY_MS", "30000", 1);
    Update.Updater_Time_Limit = std::chrono::milliseconds(300);
    const auto result = Update.Btn_UpdateClick({"127", "0", "0", "1"}, Update_Firmware, true);
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
        const auto result = Update.Btn_UpdateClick({"127", "0", "0", "1"}, Update_Firmware, true);
        if (result.Outcome == TDevice_Update_Outcome::Check_Ip_Address && Update.ping_res == 0)
            return private_network::Refused; // no ICMP socket inside the namespace
        if (result.Outcome != TDevice_Update_Outcome::Device_Not_Found ||
            result.Message != "Device Not Found!")
            return int(Other_Outcome);
        if (Update.ping_res != 2)
            return int(Ping_Result_Wrong);
        const bool kept = FileExists(Program_Folder.Job_File()) ||
                          AppState().Last_IP_Address != "192.168.2.205" ||
                          AppState().Update_Option_Index != 0;
        return int(kept ? Something_Kept : Not_Found);
    });
    if (verdict == private_network::Refused)
        GTEST_SKIP() << private_network::RefusedReason();
    EXPECT_EQ(verdict, Not_Found) << "1: another outcome, 2: ping_res not 2, 3: values were kept";
}

} // namespace
