#include "devicelink/Ethernet_Update_Job.h"

#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct TGolden_Case {
    const char* Golden;
    int Update_Option_Index;
    bool Read_Back;
};

void PrintTo(const TGolden_Case& c, std::ostream* os) {
    *os << c.Golden;
}

class Ethernet_Update_JobGoldenTest : public ::testing::TestWithParam<TGolden_Case> {};

TEST_P(Ethernet_Update_JobGoldenTest, WritesTheJobFileOfTheChoice) {
    const TGolden_Case& c = GetParam();
    const TTempFolder folder;
    const std::string written = folder.File(Ethernet_Update_Job_File);
    const TEthernet_Update_Job job{"192.168.2.205", c.Update_Option_Index, c.Read_Back,
                                   "/opt/velmaro/MASTER", "/opt/velmaro/PROJECTS/Plant A"};
    Save_Ethernet_Update_Job(job, written);
    const std::string actual = ReadFileBytes(written);
    const std::string golden =
        ReadFileBytes(std::string(VELMARO_FIXTURES) + "/devicelink/" + c.Golden);
    EXPECT_EQ(actual, golden) << c.Golden;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Ethernet_Update_JobGoldenTest,
    ::testing::Values(TGolden_Case{"job_firmware_and_configuration.xml", 0, true},
                      TGolden_Case{"job_firmware_and_configuration_no_read_back.xml", 0, false},
                      TGolden_Case{"job_firmware.xml", 1, true},
                      TGolden_Case{"job_firmware_no_read_back.xml", 1, false},
                      TGolden_Case{"job_configuration.xml", 2, true},
                      TGolden_Case{"job_configuration_no_read_back.xml", 2, false}),
    [](const auto& info) {
        std::string name = info.param.Golden;
        name = name.substr(4, name.size() - 8);
        return name;
    });

} // namespace
