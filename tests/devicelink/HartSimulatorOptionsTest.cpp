#include "tools/hart_simulator/SimulatorOptions.h"

#include "devicelink/HART_Device_Record.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(HartSimulatorDevicesTest, ALineGivesAddressPreambleNameAndVariables) {
    const auto devices = ParseDeviceList("# list\n"
                                         "\n"
                                         "  0x1234ABCDEF | 7 | TT-101 | 246:64:32 7:0:200  \n"
                                         "0x26A0000001|5|PT 2|\n");
    ASSERT_EQ(devices.size(), 2u);
    const THART_Device_Record record = DeviceRecordOf(devices[0]);
    EXPECT_EQ(HART_Device_Address(record), "0x1234ABCDEF");
    EXPECT_EQ(HART_Device_Preamble(record), 7);
    EXPECT_EQ(HART_Device_Name(record), "TT-101" + std::string(26, ' '));
    const auto variables = HART_Device_Variables(record);
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[1].Code, 7);
    EXPECT_EQ(variables[1].Unit, 200);
    EXPECT_TRUE(HART_Device_Variables(DeviceRecordOf(devices[1])).empty());
}

struct TBad_List_Case {
    const char* Text;
    const char* Message_Part;
};

class HartSimulatorBadDevicesTest : public ::testing::TestWithParam<TBad_List_Case> {};

TEST_P(HartSimulatorBadDevicesTest, SaysWhichLineIsWrongAndWhy) {
    try {
        ParseDeviceList(GetParam().Text);
        FAIL() << "accepted: " << GetParam().Text;
    } catch (const ESimulatorOptions& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().Message_Part), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HartSimulatorBadDevicesTest,
    ::testing::Values(TBad_List_Case{"0x1 | 5 | A\n", "line 1: expected"},
                      TBad_List_Case{"\n0x10000000000 | 5 | A | \n", "line 2: the address"},
                      TBad_List_Case{"0x1 | 256 | A | \n", "line 1 preamble"},
                      TBad_List_Case{"0x1 | 5 | A | 246:64\n", "code:classification:unit"},
                      TBad_List_Case{"0x1 | 5 | A | 246:64:999\n", "unit: '999'"},
                      TBad_List_Case{"0x1 | 5 | 123456789012345678901234567890123 | \n",
                                     "longer than 32"}));

TEST(HartSimulatorArgumentsTest, OptionsSetTheGatewaysBehaviour) {
    const TTempFolder folder;
    WriteFileAtomic(folder.File("devices.txt"), "0x0102030405 | 5 | ONE | 246:64:32\n");
    const auto command = ParseSimulatorArguments({"--port",
                                                  "0",
                                                  "--bind",
                                                  "127.0.0.1",
                                                  "--devices",
                                                  folder.File("devices.txt"),
                                                  "--report-devices",
                                                  "120",
                                                  "--busy-polls",
                                                  "3",
                                                  "--delay",
                                                  "250",
                                                  "--silent",
                                                  "--garbage-replies",
                                                  "2",
                                                  "--foreign-sender",
                                                  "--other-reply-port",
                                                  "--answer-only",
                                                  "4",
                                                  "--wrong-first-reads",
                                                  "2"});
    const TSimulatorSettings& s = command.Settings;
    EXPECT_FALSE(command.ShowUsage);
    EXPECT_EQ(s.Port, 0);
    ASSERT_EQ(s.Devices.size(), 1u);
    EXPECT_EQ(s.Devices[0].Name, "ONE");
    EXPECT_EQ(s.ReportedDevices, 120);
    EXPECT_EQ(s.BusyPolls, 3);
    EXPECT_EQ(s.ReplyDelayMs, 250);
    EXPECT_TRUE(s.Silent);
    EXPECT_EQ(s.GarbageReplies, 2);
    EXPECT_TRUE(s.ForeignSender);
    EXPECT_TRUE(s.ReplyFromOtherPort);
    EXPECT_EQ(s.AnsweredRequests, 4);
    EXPECT_EQ(s.WrongFirstReads, 2);
}

TEST(HartSimulatorArgumentsTest, DefaultsServeAPersonAtTheGatewaysPort) {
    const auto command = ParseSimulatorArguments({});
    EXPECT_EQ(command.Settings.Port, 10000);
    EXPECT_EQ(command.Settings.BindAddress, "127.0.0.1");
    EXPECT_EQ(command.Settings.Devices.size(), 3u);
    EXPECT_TRUE(ParseSimulatorArguments({"--help"}).ShowUsage);
}

TEST(HartSimulatorArgumentsTest, RefusesWhatItCanNotUse) {
    const TTempFolder folder;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--port"},
                                               {"--port", "65536"},
                                               {"--delay", "-1"},
                                               {"--frobnicate"},
                                               {"--devices", folder.File("missing.txt")}}) {
        EXPECT_THROW(ParseSimulatorArguments(arguments), ESimulatorOptions) << arguments[0];
    }
}

} // namespace
