#include "app/core/UProfibus_GSD.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

const std::string GsdFixtures = std::string(VELMARO_FIXTURES) + "/app/core/gsd/";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The lines from the module list to the end of the slot list.
std::vector<std::string> Modules_And_Slots(const TGSD_Lengths& lengths) {
    const std::vector<std::string> lines = Lines(GSD_Text(lengths));
    std::vector<std::string> tail(lines.begin() + 189, lines.end());
    tail.erase(std::remove(tail.begin(), tail.end(), ""), tail.end());
    return tail;
}

class ProfibusGsdTest : public ::testing::Test {
protected:
    void SetUp() override {
        Load_Default_Language();
        Set_Program_Folders(Temp.Path());
        Select_Project("Plant");
        ForceDirectories(AppState().Project_Path);
    }
    void Write_ParGen(std::string_view elements) {
        WriteFileAtomic(AppState().ParGen_File, "<Par_Gen>" + std::string(elements) +
                                                    "</Par_Gen><!--SW_VERSION = 1.000-->");
    }

    TTempFolder Temp;
};

} // namespace

TEST_F(ProfibusGsdTest, WritesTheGoldenFileOfEachConfiguration) {
    struct Case {
        const char* ParGen;
        const char* Golden;
    };
    const Case cases[] = {
        {"<PROFINET_NB_IN>244</PROFINET_NB_IN><PROFINET_NB_OUT>244</PROFINET_NB_OUT>",
         "Gateway_244_244.gsd"},
        {"<PROFINET_NB_OUT>10</PROFINET_NB_OUT><PROFINET_NB_IN>0</PROFINET_NB_IN>",
         "Gateway_10_0.gsd"},
    };
    for (const Case& c : cases) {
        Write_ParGen(c.ParGen);
        const std::string path = Temp.File("Device.gsd");
        GSD_Write(path);
        EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(GsdFixtures + c.Golden)) << c.Golden;
    }
}

TEST_F(ProfibusGsdTest, ModulesOfAtMost64BytesNumberedOnAcrossDirections) {
    struct Case {
        TGSD_Lengths Lengths;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {{64, 0},
         {"Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01", "1", "EndModule", "SlotDefinition",
          "Slot(1) = \"Slot 1\" 1 1", "EndSlotDefinition"}},
        {{1, 65},
         {"Module=\"DI  (PORT1)    \" 0x42,0x00,0x00,0x01", "1", "EndModule",
          "Module=\"DO  (PORT2)    \" 0x82,0x3F,0x00,0x02", "2", "EndModule",
          "Module=\"DO  (PORT3)    \" 0x82,0x00,0x00,0x03", "3", "EndModule", "SlotDefinition",
          "Slot(1) = \"Slot 1\" 1 1", "Slot(2) = \"Slot 2\" 2 2", "Slot(3) = \"Slot 3\" 3 3",
          "EndSlotDefinition"}},
        {{0, 0}, {"SlotDefinition", "EndSlotDefinition"}},
        {{-5, 0}, {"SlotDefinition", "EndSlotDefinition"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Modules_And_Slots(c.Lengths), c.Lines)
            << c.Lengths.Input_Length << "/" << c.Lengths.Output_Length;
    }
}

TEST_F(ProfibusGsdTest, LengthLinesSumBothDirections) {
    const std::vector<std::string> lines = Lines(GSD_Text({130, 20}));
    EXPECT_EQ(lines[152], "Max_Module=4");
    EXPECT_EQ(lines[154], "Max_Input_Len=130");
    EXPECT_EQ(lines[155], "Max_Output_Len=20");
    EXPECT_EQ(lines[156], "Max_Data_Len=150");
}

TEST_F(ProfibusGsdTest, LengthsComeFromTheByteCountsOfTheGeneralParameters) {
    struct Case {
        const char* Elements;
        int Input;
        int Output;
    };
    const Case cases[] = {
        {"<PROFINET_NB_OUT>10</PROFINET_NB_OUT><PROFINET_NB_IN>20</PROFINET_NB_IN>", 10, 20},
        {"", 0, 0},
        {"<PROFINET_NB_OUT>ten</PROFINET_NB_OUT><PROFINET_NB_IN>0x10</PROFINET_NB_IN>", 0, 16},
    };
    for (const Case& c : cases) {
        Write_ParGen(c.Elements);
        const TGSD_Lengths lengths = GSD_Read_Lengths(AppState().ParGen_File);
        EXPECT_EQ(lengths.Input_Length, c.Input) << c.Elements;
        EXPECT_EQ(lengths.Output_Length, c.Output) << c.Elements;
    }
}

TEST_F(ProfibusGsdTest, ByteCountsBeyondWhatPROFIBUSCarriesAreRefused) {
    struct Case {
        const char* Elements;
        const char* Named; // in the message; empty when the counts are taken
    };
    const Case cases[] = {
        {"<PROFINET_NB_OUT>244</PROFINET_NB_OUT><PROFINET_NB_IN>0</PROFINET_NB_IN>", ""},
        {"<PROFINET_NB_OUT>245</PROFINET_NB_OUT>", "PROFINET_NB_OUT"},
        {"<PROFINET_NB_IN>-1</PROFINET_NB_IN>", "PROFINET_NB_IN"},
        // The largest 32-bit count must neither overflow nor make millions of modules.
        {"<PROFINET_NB_IN>$7FFFFFFF</PROFINET_NB_IN>", "PROFINET_NB_IN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Elements);
        Write_ParGen(c.Elements);
        const std::string path = Temp.File("Device.gsd");
        if (*c.Named == 0) {
            EXPECT_NO_THROW(GSD_Read_Lengths(AppState().ParGen_File));
            continue;
        }
        try {
            GSD_Write(path);
            FAIL() << "no error";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find(c.Named), std::string::npos) << error.Message;
            EXPECT_NE(error.Message.find("between 0 and 244"), std::string::npos) << error.Message;
        }
        EXPECT_FALSE(FileExists(path));
    }
}

TEST_F(ProfibusGsdTest, LengthsOutsideTheRangeAreNotWritten) {
    const TGSD_Lengths refused[] = {{245, 0}, {0, 245}, {-1, 10}, {INT32_MAX, INT32_MAX}};
    for (const TGSD_Lengths& lengths : refused) {
        const std::string path = Temp.File("Device.gsd");
        EXPECT_THROW(GSD_Write(path, lengths), Exception)
            << lengths.Input_Length << "/" << lengths.Output_Length;
        EXPECT_FALSE(FileExists(path));
    }
}

TEST_F(ProfibusGsdTest, WithoutGeneralParametersNothingIsWritten) {
    const std::string path = Temp.File("Device.gsd");
    try {
        GSD_Write(path);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(
            error.Message,
            "Error! Please set the Set Communication Parameter before to create the GSD file");
    }
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ProfibusGsdTest, FileThatCannotBeWrittenIsAnError) {
    Write_ParGen("");
    EXPECT_THROW(GSD_Write(Temp.File("missing/Device.gsd")), EFileError);
}

TEST(GsdFileNameTest, GsdExtensionIsAddedUnlessPresent) {
    EXPECT_EQ(GSD_File_Name("/p/Device.GSD"), "/p/Device.GSD");
    EXPECT_EQ(GSD_File_Name("/p/Device.gsd"), "/p/Device.gsd");
    EXPECT_EQ(GSD_File_Name("/p/Device"), "/p/Device.gsd");
    EXPECT_EQ(GSD_File_Name("/p/Device.gs"), "/p/Device.gs.gsd");
    EXPECT_EQ(GSD_File_Name("gsd"), "gsd.gsd");
}
