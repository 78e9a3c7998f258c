// The SNMP trap tables: texts, columns, checks, the numbering of enabled values, the table file
// and what the MIB writer reads of it.
#include "protocols/snmp/USNMP_Trap_Access.h"

#include "protocols/descriptionfiles/USNMP_MIB.h"
#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

using TTrapWindow = TFSNMP_Trap_Access;

class SNMPTrapTest : public ProtocolWindowFixture<TTrapWindow, &TAppState::SNMP_Trap_File> {
protected:
    std::string File_Name() const override { return "SNMP_Trap.xml"; }

    std::string Numbers(int table, int rows) const {
        std::string text;
        for (int r = 1; r <= rows; ++r)
            text += (r > 1 ? "," : "") + Window->Table_Grid(table)->Cells(0, r);
        return text;
    }
};

// Enable|Community Name|Type|On Change|On CMD|On Timer|Time|Position|Start Bit|Num Bits/Bytes|
// Description|IP Address|Conversion|Mnemonic
const std::string Read_Row = "Y|Marble|Int|N|N|N||0|0|8|";
// Enable|Community Name|Type|Position|Start Bit|Num Bits/Bytes|Description|Conversion|Mnemonic
const std::string Write_Row = "Y|Granite|Int|0|0|8|";

TEST_F(SNMPTrapTest, TwoTablesWithTheirTextsHintsAndEditors) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Table_Page(TTrapWindow::Table_Read)->Text(), "SNMP Read");
    EXPECT_EQ(Window->Table_Page(TTrapWindow::Table_Write)->Text(), "SNMP Write");
    EXPECT_EQ(Window->ACG_SNMP_Read->Cells(TTrapWindow::Col_Read_Conversion, 0), "Conversion");
    EXPECT_EQ(Window->ACG_SNMP_Write->Cells(TTrapWindow::Col_Write_Conversion, 0), "Conversion");
    EXPECT_EQ(Window->ACG_SNMP_Read->AllColCount(), 15);
    EXPECT_EQ(Window->ACG_SNMP_Write->AllColCount(), 10);
    EXPECT_EQ(Window->Hint[0][TTrapWindow::Col_Read_Conversion - 1],
              "Conversion of the value between Float and Integer");
    EXPECT_EQ(Window->Hint[1][TTrapWindow::Col_Write_Mnemonic - 1], "Mnemonic of the value");
    for (auto [grid, community, description] :
         {std::tuple{Window->ACG_SNMP_Read, int(TTrapWindow::Col_Read_Community_Name),
                     int(TTrapWindow::Col_Read_Description)},
          std::tuple{Window->ACG_SNMP_Write, int(TTrapWindow::Col_Write_Community_Name),
                     int(TTrapWindow::Col_Write_Description)}}) {
        EXPECT_EQ(grid->Columns()->Items(community)->EditLength, 15);
        EXPECT_EQ(grid->Columns()->Items(description)->EditLength, 15);
        EXPECT_EQ(grid->RowCount(), 257);
    }
}

TEST_F(SNMPTrapTest, CommunityNamesAreLettersAndDigitsDescriptionsStartLowerCase) {
    struct Case {
        const char* Text;
        bool Community_Refused;
        bool Description_Refused;
    };
    const Case cases[] = {
        {"", false, false},          {"Marble", false, true}, {"temp1", false, false},
        {"Temp1", false, true},      {"1temp", false, true},  {"temp-1", true, true},
        {"my name", true, true},     {"a_b", true, true},     {"z9Z", false, false},
        {"caf\xc3\xa9", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TTrapWindow::Check_Error_CommName_Desc(c.Text, 0), c.Community_Refused) << c.Text;
        EXPECT_EQ(TTrapWindow::Check_Error_CommName_Desc(c.Text, 1), c.Description_Refused) << c.Text;
    }
}

TEST_F(SNMPTrapTest, EachCheckOfAnEnabledValueReportsTheFirstFailure) {
    const std::string r = "!! [SNMP Read] ";
    const std::string w = "!! [SNMP Write] ";
    struct Case {
        int Table;
        std::string Cells; // row 3
        std::string Error; // after "Error row 3"
    };
    const Case cases[] = {
        {0, Read_Row + "temp3|10.0.0.1|None", ""},
        {0, "Y|Marble_1|Int|N|N|N||0|0|8|temp3|10.0.0.1|None",
         r + "Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
             "and \"0\"..\"9\")"},
        {0, "Y|Marble||N|N|N||0|0|8|temp3|10.0.0.1|None", r + "Type must be selected"},
        {0, "Y|Marble|Int|N|N|N||0|0|8|temp3|10.0.0.1|None", ""},
        {0, "Y|Marble|Int|N|N|Y|0|0|0|8|temp3|10.0.0.1|None",
         r + "Time must be between 1 and 1000000000 ms"},
        {0, "Y|Marble|Int|N|N|Y|1000000000|0|0|8|temp3|10.0.0.1|None", ""},
        {0, "Y|Marble|Int|N|N|Y|1000000001|0|0|8|temp3|10.0.0.1|None",
         r + "Time must be between 1 and 1000000000 ms"},
        {0, "Y|Marble|Int|N|N|N|||0|8|temp3|10.0.0.1|None", r + "Position must be selected"},
        {0, "Y|Marble|Int|N|N|N||0||8|temp3|10.0.0.1|None", r + "Start Bit must be selected"},
        {0, "Y|Marble|String|N|N|N||0|3|8|temp3|10.0.0.1|None",
         r + "Start Bit must be 0 if Type is String"},
        {0, "Y|Marble|String|N|N|N||0|0|17|temp3|10.0.0.1|None",
         r + "Num Bits/Bytes must be between 1 and 16 bytes"},
        {0, "Y|Marble|Int|N|N|N||0|0|64|temp3|10.0.0.1|None", ""},
        {0, "Y|Marble|Int|N|N|N||0|0|65|temp3|10.0.0.1|None",
         r + "Num Bits/Bytes must be between 1 and 64 bits"},
        {0, Read_Row + "Temp3|10.0.0.1|None",
         r + "Description is not correct (the first character must be \"a\"..\"z\", the others "
             "\"a\"..\"z\", \"A\"..\"Z\" or \"0\"..\"9\")"},
        {0, Read_Row + "temp3|192.168.1.256|None",
         r + "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {0, Read_Row + "temp3| 10.0.0.1 |None", ""},
        {0, Read_Row + "temp3|10.0.0.1|", r + "Conversion must be selected"},
        {0, "N|Marble|Int|N|N|N||0|0|8|temp3|bad|", ""},
        {1, Write_Row + "temp3|None", ""},
        {1, "Y|Gran ite|Int|0|0|8|temp3|None",
         w + "Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
             "and \"0\"..\"9\")"},
        {1, "Y|Granite||0|0|8|temp3|None", w + "Type must be selected"},
        {1, "Y|Granite|Int||0|8|temp3|None", w + "Position must be selected"},
        {1, "Y|Granite|Int|0||8|temp3|None", w + "Start Bit must be selected"},
        {1, "Y|Granite|String|0|1|8|temp3|None", w + "Start Bit must be 0 if Type is String"},
        {1, "Y|Granite|Int|0|0|0|temp3|None", w + "Num Bits/Bytes must be between 1 and 64 bits"},
        {1, "Y|Granite|String|0|0|17|temp3|None",
         w + "Num Bits/Bytes must be between 1 and 16 bytes"},
        {1, Write_Row + "1temp|None",
         w + "Descrtiption is not correct (the first character must be \"a\"..\"z\", the others "
             "\"a\"..\"z\", \"A\"..\"Z\" or \"0\"..\"9\")"},
        {1, Write_Row + "temp3|", w + "Conversion must be selected"},
    };
    Show([&] {
        for (const Case& c : cases) {
            for (int t : {0, 1})
                for (int row = 1; row <= 3; ++row)
                    Set_Table_Row(t, row, "");
            const std::string& valid = c.Table == 0 ? Read_Row : Write_Row;
            const std::string tail = c.Table == 0 ? "|10.0.0.1|None" : "|None";
            Set_Table_Row(c.Table, 1, valid + "one" + tail);
            Set_Table_Row(c.Table, 2, valid + "two" + tail);
            Set_Table_Row(c.Table, 3, c.Cells);
            EXPECT_EQ(Validation_Error(), c.Error.empty() ? "" : "Error row 3" + c.Error)
                << c.Table << " " << c.Cells;
        }
    });
}

TEST_F(SNMPTrapTest, DescriptionsOfEnabledValuesMustAllDiffer) {
    const std::string error = "Error!! The Descriptions must be all differents";
    struct Case {
        const char* Read2;
        const char* Write1;
        std::string Error;
    };
    const Case cases[] = {
        {"Y|Marble|Int|N|N|N||0|0|8|temp2|10.0.0.1|None", "Y|Granite|Int|0|0|8|temp1|None", error},
        {"Y|Marble|Int|N|N|N||0|0|8|temp2|10.0.0.1|None", "N|Granite|Int|0|0|8|temp1|None", ""},
        {"Y|Marble|Int|N|N|N||0|0|8|Temp1|10.0.0.1|None", "",
         std::string(
             "Error row 2!! [SNMP Read] "
             "Description is not correct (the first character must be \"a\"..\"z\", the others "
             "\"a\"..\"z\", \"A\"..\"Z\" or \"0\"..\"9\")")},
        {"Y|Marble|Int|N|N|N||0|0|8||10.0.0.1|None", "Y|Granite|Int|0|0|8||None", error},
        {"Y|Marble|Int|N|N|N||0|0|8|temp2|10.0.0.1|None", "Y|Granite|Int|0|0|8|tEMP1|None", ""},
    };
    Show([&] {
        for (const Case& c : cases) {
            Set_Table_Row(0, 1, Read_Row + "temp1|10.0.0.1|None");
            Set_Table_Row(0, 2, c.Read2);
            Set_Table_Row(1, 1, c.Write1);
            EXPECT_EQ(Validation_Error(), c.Error) << c.Read2 << " / " << c.Write1;
        }
    });
}

TEST_F(SNMPTrapTest, ColumnZeroNumbersTheEnabledValuesAsTheMIBDoes) {
    Show([&] {
        EXPECT_EQ(Numbers(0, 5), "1,2,3,4,5");
        TExColumnGrid* grid = Window->ACG_SNMP_Read;
        grid->SetCells(TTrapWindow::Col_Read_Enable, 3, "N");
        Window->ACG_SNMP_ReadCheckBoxClick(grid, TTrapWindow::Col_Read_Enable, 3, false);
        EXPECT_EQ(Numbers(0, 5), "1,2,,3,4");
        grid->SetCells(TTrapWindow::Col_Read_Community_Name, 1, "a");
        grid->SetRowEx(1);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(grid->Cells(TTrapWindow::Col_Read_Enable, 1), "Y");
        EXPECT_EQ(Numbers(0, 5), "1,2,3,,4");
        grid->SetCells(TTrapWindow::Col_Read_On_Timer, 5, "Y");
        Window->ACG_SNMP_ReadCheckBoxClick(grid, TTrapWindow::Col_Read_On_Timer, 5, true);
        EXPECT_EQ(Numbers(0, 5), "1,2,3,,4");
    });
}

TEST_F(SNMPTrapTest, MissingAttributesTakeTheirFallbacksAndTheNumbersFollowTheFile) {
    Write("<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"Marble\" Time=\"5\"/>"
          "<row Enable=\"N\" Community_Name=\"c\" On_Timer=\"Y\"/>"
          "<row Community_Name=\"d\"/></SNMP_Trap_Read>"
          "<SNMP_Trap_Write><row Enable=\"N\" Community_Name=\"Granite\" Type=\"String\"/>"
          "<row Community_Name=\"e\"/></SNMP_Trap_Write></SNMP_Trap>");
    Show([&] {
        EXPECT_EQ(Table_Row(0, 1), "Y|Marble||N|N|N|5||||||None|");
        EXPECT_EQ(Table_Row(0, 2), "N|c||N|N|Y|||||||None|");
        EXPECT_EQ(Numbers(0, 4), "1,,2,3");
        EXPECT_EQ(Table_Row(1, 1), "N|Granite|String|||||None|");
        EXPECT_EQ(Numbers(1, 3), ",1,2");
    });
}

TEST_F(SNMPTrapTest, AFileWithoutOneOfItsSectionsIsReported) {
    const char* file = "<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"a\"/></SNMP_Trap_Read>"
                       "</SNMP_Trap>";
    Write(file);
    Show([&] {
        EXPECT_TRUE(Window->Load_Incomplete);
        EXPECT_EQ(Table_Row(0, 1), "Y|||N|N|N||||||||");
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("SNMP_Trap_Write"), std::string::npos);
    EXPECT_EQ(Read(), file);
}

TEST_F(SNMPTrapTest, OKWritesEveryRowToTheKeyEndAndTheMIBWriterReadsTheEnabledOnes) {
    const TModalResult result = Show([&] {
        Set_Table_Row(0, 1, Read_Row + "temp|10.0.0.1|Float * 10|boiler");
        Set_Table_Row(0, 2, "N|Marble|String|N|Y|N||4|0|16|label|bad|None|");
        Set_Table_Row(0, 3, "Y|Granite|String|Y|N|Y|1000|8|0|16|name|192.168.2.1|None|");
        Set_Table_Row(0, 5, Read_Row + "lost|10.0.0.1|None|");
        Set_Table_Row(1, 1, Write_Row + "setpoint|Float / 100|valve");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("SNMP_Trap.xml"));
    const TMibEntries entries = MIB_Read_Traps(File());
    ASSERT_EQ(entries.Read.size(), 2u);
    EXPECT_EQ(entries.Read[0].Description, "temp");
    EXPECT_TRUE(entries.Read[0].Is_Int);
    EXPECT_EQ(entries.Read[1].Description, "name");
    EXPECT_FALSE(entries.Read[1].Is_Int);
    ASSERT_EQ(entries.Write.size(), 1u);
    EXPECT_EQ(entries.Write[0].Description, "setpoint");
    Show([&] {
        EXPECT_EQ(Table_Row(0, 2), "N|Marble|String|N|Y|N||4|0|16|label|bad|None|");
        EXPECT_EQ(Numbers(0, 4), "1,,2,3");
        EXPECT_EQ(Table_Row(0, 5), "Y|||N|N|N||||||||");
    });
}

TEST_F(SNMPTrapTest, InsertingIntoAFullTableAsksBeforeItsLastValueFallsOff) {
    Show([&] {
        TExColumnGrid* grid = Window->ACG_SNMP_Read;
        grid->SetCells(TTrapWindow::Col_Read_Community_Name, 256, "last");
        grid->SetRowEx(1);
        Seam().QueueAnswer(mrNo);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(grid->Cells(TTrapWindow::Col_Read_Community_Name, 256), "last");
        EXPECT_EQ(Numbers(0, 2), "1,2");
    });
    ASSERT_EQ(Shown_Messages().size(), 1u);
    EXPECT_NE(Shown_Messages()[0].find("256"), std::string::npos) << Shown_Messages()[0];
}

} // namespace
