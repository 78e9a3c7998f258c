#include "app/core/HartVariablesFile.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

THartVariableRow VariableRow(std::string address, std::string mnemonic = "") {
    THartVariableRow row;
    row.Device_Address = std::move(address);
    row.Mnemonic = std::move(mnemonic);
    return row;
}

std::vector<THartVariableRow> Read_Content(const TTempFolder& temp, std::string_view content) {
    WriteFileAtomic(temp.File("HART_Variables.xml"), content);
    return Read_Hart_Variables_File(temp.File("HART_Variables.xml"));
}

} // namespace

TEST(HartVariablesFileTest, WritesTheTableLayout) {
    TTempFolder temp;
    THartVariableRow row = VariableRow("0x1A2B3C4D5E", "TT-101 - Primary Variable");
    row.Preamble_Count = "5";
    row.Var_Cmd_Number = "246";
    row.Position = " 0";
    row.Swap = false;
    row.Var_Operation = "x 10";
    row.TimeOut = "1000";
    Write_Hart_Variables_File(temp.File("HART_Variables.xml"), {row});
    EXPECT_EQ(ReadFileBytes(temp.File("HART_Variables.xml")),
              "<HART><HART_Variables><row Enable=\"Y\" Device_Address=\"0x1A2B3C4D5E\" "
              "Preamble_Count=\"5\" Var_Cmd_Type=\"Var\" Var_Cmd_Number=\"246\" Cmd_Params=\"\" "
              "Position=\" 0\" Swap=\"N\" ConvInt=\"Y\" Var_Operation=\"x 10\" TimeOut=\"1000\" "
              "Mnemonic=\"TT-101 - Primary Variable\"/></HART_Variables></HART>"
              "<!--SW_VERSION = 1.000-->");
}

TEST(HartVariablesFileTest, ARowWithoutAddressIsSkippedAndTheRowsBelowItAreKept) {
    TTempFolder temp;
    const std::string path = temp.File("HART_Variables.xml");
    Write_Hart_Variables_File(path, {VariableRow("1"), VariableRow("2"), VariableRow("3"), VariableRow("  ", "blank"), VariableRow("5")});
    const std::vector<THartVariableRow> rows = Read_Hart_Variables_File(path);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].Device_Address, "3");
    EXPECT_EQ(rows[3].Device_Address, "5");
}

TEST(HartVariablesFileTest, WrittenRowsReadBackTheSame) {
    TTempFolder temp;
    THartVariableRow command = VariableRow(" $FF ", "<&\">\xC3\xA8");
    command.Enable = false;
    command.Var_Cmd_Type = "Command";
    command.Cmd_Params = "0A1b";
    command.ConvInt = false;
    const std::vector<THartVariableRow> rows = {VariableRow("0x01"), command};
    Write_Hart_Variables_File(temp.File("HART_Variables.xml"), rows);
    EXPECT_EQ(Read_Hart_Variables_File(temp.File("HART_Variables.xml")), rows);
}

TEST(HartVariablesFileTest, EachAttributeIsReadOnItsOwn) {
    TTempFolder temp;
    const std::vector<THartVariableRow> rows =
        Read_Content(temp, "<Other><HART_Variables>"
                           "<row Device_Address=\"7\"/>"
                           "<row Enable=\"N\" Swap=\"y\" ConvInt=\"\" Var_Cmd_Type=\"var\"/>"
                           "</HART_Variables></Other>");
    ASSERT_EQ(rows.size(), 2u);
    THartVariableRow defaults = VariableRow("7");
    EXPECT_EQ(rows[0], defaults);
    EXPECT_FALSE(rows[1].Enable);
    EXPECT_TRUE(rows[1].Swap);
    EXPECT_TRUE(rows[1].ConvInt);
    EXPECT_EQ(rows[1].Var_Cmd_Type, "var");
}

TEST(HartVariablesFileTest, FilesWithoutRowsToRead) {
    TTempFolder temp;
    EXPECT_TRUE(Read_Hart_Variables_File(temp.File("HART_Variables.xml")).empty());
    EXPECT_TRUE(Read_Content(temp, "<HART><Rows><row/></Rows></HART>").empty());
    EXPECT_THROW(Read_Content(temp, "<HART><HART_Variables>"), Exception);
}

TEST(HartVariablesFileTest, FileThatIsNotWellFormedXmlIsAnErrorNamingIt) {
    const std::string rows = "<HART><HART_Variables><row Device_Address=\"$1A\"/>"
                             "</HART_Variables></HART>";
    const std::string contents[] = {"x" + rows, rows + rows, rows + "x",
                                    "<HART><HART_Variables><row Device_Address=\"$1A\"/>"};
    TTempFolder temp;
    for (const std::string& content : contents) {
        try {
            Read_Content(temp, content);
            ADD_FAILURE() << content << ": no error";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find("HART_Variables.xml"), std::string::npos) << error.Message;
        }
    }
}

TEST(HartVariablesFileTest, AtMostOneHundredRowsAreRead) {
    TTempFolder temp;
    std::string content = "<HART><HART_Variables>";
    for (int i = 0; i < 101; ++i)
        content += "<row Device_Address=\"" + std::to_string(i) + "\"/>";
    content += "</HART_Variables></HART>";
    const std::vector<THartVariableRow> rows = Read_Content(temp, content);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows.back().Device_Address, "99");
}

TEST(HartVariablesFileTest, TypedCellTextsReadBackExactly) {
    const char* const texts[] = {
        "   ", " a b ", "x]]>y", "\"'&amp;<", "\xC3\xA8\xE2\x82\xAC", "tab\tin", "line\nbreak"};
    for (const char* text : texts) {
        TTempFolder temp;
        THartVariableRow row = VariableRow("1", text);
        row.Position = text;
        row.Var_Operation = text;
        Write_Hart_Variables_File(temp.File("HART_Variables.xml"), {row});
        EXPECT_EQ(Read_Hart_Variables_File(temp.File("HART_Variables.xml")),
                  std::vector<THartVariableRow>{row})
            << "[" << text << "]";
    }
}

TEST(HartVariablesFileTest, RowsBelowAnEmptyAddressAreStillShown) {
    // A file written elsewhere may hold rows after one without an address: the table shows them
    // all, and the next save keeps every row with an address.
    TTempFolder temp;
    const std::vector<THartVariableRow> rows =
        Read_Content(temp, "<HART><HART_Variables><row Device_Address=\"1\"/>"
                           "<row Device_Address=\" \" Enable=\"N\"/><!--note-->"
                           "<row Device_Address=\"3\" Mnemonic=\"below\"/>"
                           "</HART_Variables></HART>");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[1].Enable);
    EXPECT_EQ(rows[2].Mnemonic, "below");
    Write_Hart_Variables_File(temp.File("HART_Variables.xml"), rows);
    const std::vector<THartVariableRow> saved =
        Read_Hart_Variables_File(temp.File("HART_Variables.xml"));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].Mnemonic, "below");
}
