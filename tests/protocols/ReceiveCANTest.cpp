// The CAN receive table: its defaults, checks, file and texts.
#include "protocols/can/UReceiveCAN.h"

#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

class ReceiveCANTest : public ProtocolWindowFixture<TFReceiveCAN, &TAppState::CAN_Rec_Frames_File> {
protected:
    std::string File_Name() const override { return "CAN_Rec_Frames.xml"; }
};

const std::string Empty_Row = "Y||||||||||||";

TEST_F(ReceiveCANTest, WithoutAFileTheTableHas512EnabledEmptyRowsAndOKWritesAnEmptyTable) {
    const TModalResult result = Show([&] {
        EXPECT_EQ(Grid()->RowCount(), 513);
        EXPECT_EQ(Grid()->Cells(0, 512), "512");
        EXPECT_EQ(Row(1), Empty_Row + "|");
        EXPECT_EQ(Row(512), Empty_Row + "|");
        TGridColumnItem* byte1 = Window->ACG_CAN_Receive->Columns()->Items(TFReceiveCAN::Col_Byte1);
        EXPECT_EQ(byte1->Editor(), edComboList);
        ASSERT_EQ(byte1->ComboItems()->Count(), 1441);
        EXPECT_EQ((*byte1->ComboItems())[0], "None");
        EXPECT_EQ((*byte1->ComboItems())[1440], "1439");
        EXPECT_EQ(Window->ACG_CAN_Receive->Columns()->Items(1)->Editor(), edDataCheckBox);
        EXPECT_TRUE(Grid()->Options().Contains(goEditing));
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("CAN_Rec_Frames_Empty.xml"));
}

struct TCheckCase {
    const char* Row;
    const char* Error;
};

TEST_F(ReceiveCANTest, EachCheckReportsTheFirstFailureWithItsRowNumber) {
    // Enable|CobID|Type|Dimension|TimeOut|Byte1..Byte8|Mnemonic, checked in row 3 under two
    // valid rows.
    const TCheckCase cases[] = {
        {"Y|2047|2.0A (11 bits)|1|0", ""},
        {"Y|0x7FF|2.0A (11 bits)|1|0", ""},
        {"Y|$7FF|2.0A (11 bits)|1|0", ""},
        {"Y| 2047|2.0A (11 bits)|1|0", ""},
        {"Y|2047 |2.0A (11 bits)|1|0", "Error row 3!! CobID must be between 0 and 2047"},
        {"Y|4000|2.0A (11 bits)|1|0", "Error row 3!! CobID must be between 0 and 2047"},
        {"Y|4000||1|0", ""},
        {"Y|0x20000000|2.0B (29 bits)|1|0",
         "Error row 3!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        {"Y|1||0|0", "Error row 3!! Dimension must be between 1 and 8"},
        {"Y|1||9|0", "Error row 3!! Dimension must be between 1 and 8"},
        {"Y|1||8|100000001", "Error row 3!! TimeOut must be between 0 and 100000000 milliseconds"},
        {"Y|1||8|", "Error row 3!! TimeOut must be between 0 and 100000000 milliseconds"},
        {"Y|1||3|0|None||1439|5000", ""},
        {"Y|1||3|0|0|1440", "Error row 3!! Byte2 must be between 0 and 1439 or None"},
        {"Y|1||1|0|x", "Error row 3!! Byte1 must be between 0 and 1439 or None"},
        {"Y|1||8|0|||||||| 1440", "Error row 3!! Byte8 must be between 0 and 1439 or None"},
        {"N|bad|||", ""},
        {"n |bad|||", ""},
        {" y|bad|||", "Error row 3!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
    };
    Show([&] {
        Set_Row(1, "Y|1||1|0");
        Set_Row(2, "Y|2||1|0");
        for (const TCheckCase& c : cases) {
            Set_Row(3, c.Row);
            EXPECT_EQ(Validation_Error(), c.Error) << c.Row;
        }
    });
}

TEST_F(ReceiveCANTest, TheTableEndsAtTheFirstEmptyCobIDForChecksAndFile) {
    const TModalResult result = Show([&] {
        Set_Row(1, "Y|0x10|2.0A (11 bits)|2|100|0|1|||||||first");
        Set_Row(2, "N|bad|2.0A (11 bits)|1|0|||||||||not checked");
        Set_Row(4, "Y|bad|||||||||||after the end");
        EXPECT_EQ(Validation_Error(), "");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("CAN_Rec_Frames.xml"));
    Show([&] {
        EXPECT_EQ(Row(1), "Y|0x10|2.0A (11 bits)|2|100|0|1|||||||first");
        EXPECT_EQ(Row(2), "N|bad|2.0A (11 bits)|1|0|||||||||not checked");
        EXPECT_EQ(Row(4), Empty_Row + "|");
    });
}

TEST_F(ReceiveCANTest, MissingAttributesTakeTheirFallbacksAndTheOthersAreStillRead) {
    Write("<Receive_Frames><row COBID=\"5\" Byte1=\"7\"/>"
          "<row Enable=\"N\" COBID=\"6\" TimeOut=\"9\" Mnemonic=\"m\" Byte5=\"\"/>"
          "</Receive_Frames><!--SW_VERSION = 1.000-->");
    Show([&] {
        EXPECT_EQ(Row(1), "Y|5|||0|7||||||||");
        EXPECT_EQ(Row(2), "N|6|||9|||||||||m");
        EXPECT_EQ(Row(3), Empty_Row + "|");
    });
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(ReceiveCANTest, AFileWithMoreRowsThanTheTableIsReportedAndOKAsksBeforeOverwriting) {
    std::string file = "<Receive_Frames>";
    for (int r = 1; r <= 513; ++r)
        file += "<row COBID=\"" + std::to_string(r) + "\" Dim=\"1\"/>";
    file += "</Receive_Frames>";
    Write(file);
    Seam().QueueAnswer(mrOk);
    Seam().QueueAnswer(mrNo);
    const TModalResult refused = Show([&] {
        EXPECT_EQ(Grid()->Cells(TFReceiveCAN::Col_CobID, 512), "512");
        Window->Btn_OKClick(Window->Btn_OK);
        EXPECT_EQ(Window->ModalResult(), mrNone);
        Window->Btn_Cancel->Click();
    });
    EXPECT_EQ(refused, mrCancel);
    EXPECT_EQ(Read(), file);
    EXPECT_EQ(Shown_Messages(),
              (std::vector<std::string>{
                  "The table file holds more rows than the table: the rows after row 512 were "
                  "not read",
                  "The table file was not read completely. Do you want to overwrite it?"}));
    Seam().QueueAnswer(mrOk);
    Seam().QueueAnswer(mrYes);
    EXPECT_EQ(Show([&] { Window->Btn_OKClick(Window->Btn_OK); }), mrOk);
    EXPECT_NE(Read().find("COBID=\"512\""), std::string::npos);
    EXPECT_EQ(Read().find("COBID=\"513\""), std::string::npos);
}

TEST_F(ReceiveCANTest, ABrokenFileIsReportedKeptAndOverwrittenOnlyWhenTheUserAgrees) {
    Write("<Receive_Frames><row COBID=\"5\"");
    Seam().QueueAnswer(mrOk);
    Seam().QueueAnswer(mrNo);
    Show([&] {
        EXPECT_EQ(Row(1), Empty_Row + "|");
        Window->Btn_OKClick(Window->Btn_OK);
        Window->Btn_Cancel->Click();
    });
    ASSERT_EQ(Shown_Messages().size(), 2u);
    EXPECT_EQ(Shown_Messages()[1],
              "The table file was not read completely. Do you want to overwrite it?");
    EXPECT_EQ(Read(), "<Receive_Frames><row COBID=\"5\"");
}

TEST_F(ReceiveCANTest, RowButtonsInsertEnabledRowsAndAskBeforeDeleting) {
    Show([&] {
        Set_Row(1, "N|1");
        Set_Row(2, "N|2");
        Grid()->SetRow(1);
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(Row(1), Empty_Row + "|");
        EXPECT_EQ(Grid()->Cells(2, 2), "1");
        Seam().QueueAnswer(mrYes);
        Window->Btn_DelRowClick(Window->Btn_DelRow);
        EXPECT_EQ(Shown_Messages().back(), "Are you sure to delete the Row number 1");
        EXPECT_EQ(Grid()->Cells(2, 1), "1");
        Window->Btn_CopyRowClick(Window->Btn_CopyRow);
        Grid()->SetRow(5);
        Window->Btn_PasteRowClick(Window->Btn_PasteRow);
        EXPECT_EQ(Row(5), Row(1));
    });
}

TEST_F(ReceiveCANTest, SetLangGivesEveryCaptionHeaderAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Caption(), "Receive CAN Frames Set Access");
    std::string hint;
    Window->GridHint(Grid(), 0, TFReceiveCAN::Col_TimeOut, hint);
    EXPECT_EQ(hint, "Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do "
                    "disable the function");
    Window->GridHint(Grid(), 1, TFReceiveCAN::Col_TimeOut, hint);
    EXPECT_EQ(hint, "");
}

} // namespace
