#include "protocols/descriptionfiles/UEds.h"

#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string Fixtures = std::string(VELMARO_FIXTURES) + "/protocols/descriptionfiles/";

const TFileStamp Stamp{2026, 1, 8, 18, 45};

int Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// The lines of the block named `name`, up to its empty line.
std::vector<std::string> Block(const std::vector<std::string>& lines, const std::string& name) {
    auto at = std::find(lines.begin(), lines.end(), "[" + name + "]");
    std::vector<std::string> block;
    for (; at != lines.end() && !at->empty(); ++at)
        block.push_back(*at);
    return block;
}

TEST(EdsWriter, WritesTheGoldenDataSheetFromSmallTables) {
    TTempFolder temp;
    const std::string out = temp.File("out.eds");
    EDS_Write(out, Fixtures + "PDO_CANopen.xml", Fixtures + "SDO_Server_CANopen.xml", Stamp);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(Fixtures + "golden.eds"));
}

TEST(EdsWriter, TimeIsTwelveHourWithMidnightAndNoonAsTwelve) {
    struct Case {
        int hour, minute;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, "12:00AM"}, Case{0, 5, "12:05AM"}, Case{9, 5, "09:05AM"},
                          Case{11, 59, "11:59AM"}, Case{12, 0, "12:00PM"}, Case{12, 30, "12:30PM"},
                          Case{18, 45, "06:45PM"}, Case{23, 59, "11:59PM"}})
        EXPECT_EQ(EDS_Time_Text({2026, 1, 8, c.hour, c.minute}), c.text)
            << c.hour << ":" << c.minute;
    EXPECT_EQ(EDS_Date_Text({2026, 1, 8, 0, 0}), "01-08-2026");
    EXPECT_EQ(EDS_Date_Text({2026, 12, 31, 0, 0}), "12-31-2026");
}

TEST(EdsWriter, WithoutTableFilesOnlyTheFixedObjectsAreWritten) {
    TTempFolder temp;
    TEdsTables tables;
    EDS_Read_PDO(temp.File("none.xml"), tables);
    EDS_Read_SDO_Server(temp.File("none.xml"), tables);
    const auto lines = EDS_Lines(tables, Stamp);
    EXPECT_EQ(Count(lines, "NrOfRXPDO=0"), 1);
    EXPECT_EQ(Count(lines, "SupportedObjects=8"), 1);
    EXPECT_EQ(Count(lines, "SupportedObjects=0"), 1);
    EXPECT_TRUE(Block(lines, "1400").empty());
}

TEST(EdsWriter, ReceivePdoObjectsCarryCobIdMappingAndEntryNames) {
    TEdsTables tables;
    tables.Receive_PDOs = {{0x181, 2}};
    const auto lines = EDS_Lines(tables, Stamp);
    EXPECT_EQ(Count(lines, "SupportedObjects=11"), 1);
    EXPECT_EQ(Count(lines, "9=0x1400"), 1);
    EXPECT_EQ(Count(lines, "10=0x1600"), 1);
    EXPECT_EQ(Count(lines, "11=0x7000"), 1);
    EXPECT_EQ(Block(lines, "1400sub1")[5], "DefaultValue=0x00000181");
    EXPECT_EQ(Block(lines, "1600")[1], "SubNumber=3");
    EXPECT_EQ(Block(lines, "1600sub2")[5], "DefaultValue=0x70000208");
    EXPECT_EQ(Block(lines, "7000")[2], "ParameterName=RPDO1");
    EXPECT_EQ(Block(lines, "7000sub2")[1], "ParameterName=b2");
}

TEST(EdsWriter, ThePdoListGrowsWithTheTables) {
    TEdsTables tables;
    tables.Transmit_PDOs.assign(40, TEdsPdo{0x200, 1});
    const auto lines = EDS_Lines(tables, Stamp);
    EXPECT_EQ(Count(lines, "NrOfTXPDO=40"), 1);
    EXPECT_EQ(Count(lines, "SupportedObjects=128"), 1);
    EXPECT_EQ(Block(lines, "1A27")[2], "ParameterName=Transmit PDO Mapping Parameter 40");
    EXPECT_EQ(Block(lines, "7051sub1")[1], "ParameterName=m1");
    EXPECT_EQ(Block(lines, "7077sub1")[1], "ParameterName=tpdo40_1");
}

TEST(EdsWriter, NoBlockIsWrittenTwice) {
    TEdsTables tables;
    tables.Receive_PDOs = {{0x181, 8}, {0x182, 8}};
    SDO_Index clash{0x1400, {{0, 1, true}}};
    SDO_Index app{0x2000, {{1, 1, true}}};
    tables.SDO_Index_List = {clash, app};
    const auto lines = EDS_Lines(tables, Stamp);
    std::vector<std::string> names;
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '[')
            names.push_back(line);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    EXPECT_EQ(Block(lines, "ManufacturerObjects")[1], "SupportedObjects=1");
}

TEST(EdsWriter, SdoServerObjectsKeepFirstAppearanceAndMergeRepeatedSubIndexes) {
    TEdsTables tables;
    EDS_Read_SDO_Server(Fixtures + "SDO_Server_CANopen.xml", tables);
    EDS_Sort_SubIndexes(tables);
    ASSERT_EQ(tables.SDO_Index_List.size(), 2u);
    EXPECT_EQ(tables.SDO_Index_List[0].Index, 0x2000);
    EXPECT_EQ(EDS_Find_Index(tables, 0x2100), 1);
    EXPECT_EQ(EDS_Find_Index(tables, 0x2200), -1);
    const auto& subs = tables.SDO_Index_List[0].Sub_Indexs;
    ASSERT_EQ(subs.size(), 3u);
    EXPECT_EQ(subs[0].Sub, 1);
    EXPECT_FALSE(subs[0].Readonly);
    EXPECT_EQ(subs[1].Sub, 3);
    EXPECT_FALSE(subs[1].Readonly) << "read and written: read-write";
    EXPECT_EQ(subs[2].Sub, 12);
    const auto lines = EDS_Lines(tables, Stamp);
    EXPECT_EQ(Block(lines, "2000")[1], "SubNumber=4");
    EXPECT_EQ(Block(lines, "2000sub0")[5], "DefaultValue=0x0C");
    EXPECT_FALSE(Block(lines, "2000subC").empty()) << "sub-index names are hexadecimal";
    EXPECT_EQ(Block(lines, "2100")[1], "SubNumber=1");
}

TEST(EdsWriter, AFileThatCannotBeWrittenIsReported) {
    TTempFolder temp;
    EXPECT_THROW(
        EDS_Write(temp.File("missing/out.eds"), temp.File("a.xml"), temp.File("b.xml"), Stamp),
        Exception);
}

} // namespace
