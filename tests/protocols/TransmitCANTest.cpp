// The CAN transmit table: its fallbacks, checks, file and texts.
#include "protocols/can/UTransmitCAN.h"

#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

class TransmitCANTest
    : public ProtocolWindowFixture<TFTransmitCAN, &TAppState::CAN_Send_Frames_File> {
protected:
    std::string File_Name() const override { return "CAN_Send_Frames.xml"; }
};

TEST_F(TransmitCANTest, MissingAttributesTakeTheirFallbacksAndATimedFrameItsTime) {
    Write("<Transmit_Frames><row COBID=\"1\" Dim=\"2\"/>"
          "<row COBID=\"2\" OnTimer=\"Y\"/><row COBID=\"3\" OnTimer=\"Y\" Time=\"\"/>"
          "<row Enable=\"N\" COBID=\"4\" CAN_Type=\"2.0B (29 bits)\" OnChange=\"N\" OnCMD=\"Y\" "
          "Byte8=\"7\" Mnemonic=\"m\"/></Transmit_Frames>");
    Show([&] {
        EXPECT_EQ(Row(1), "Y|1|2.0A (11 bits)|2|Y|N|N||||||||||");
        EXPECT_EQ(Row(2), "Y|2|2.0A (11 bits)||Y|N|Y|0|||||||||");
        EXPECT_EQ(Row(3), "Y|3|2.0A (11 bits)||Y|N|Y||||||||||");
        EXPECT_EQ(Row(4), "N|4|2.0B (29 bits)||N|Y|N|||||||||7|m");
        EXPECT_EQ(Row(5), "Y||||N|N|N||||||||||");
        for (int c : {1, 5, 6, 7})
            EXPECT_EQ(Window->ACG_CAN_Transmit->Columns()->Items(c)->Editor(), edDataCheckBox);
        EXPECT_EQ(Window->ACG_CAN_Transmit->Columns()->Items(16)->ComboItems()->Count(), 1441);
    });
}

TEST_F(TransmitCANTest, EachCheckReportsTheFirstFailureWithItsRowNumber) {
    // Enable|CobID|Type|Dimension|OnChange|OnCMD|OnTimer|Time|Byte1..Byte8|Mnemonic in row 4.
    const std::pair<const char*, const char*> cases[] = {
        {"Y|2047|2.0A (11 bits)|1|Y|N|N", ""},
        {"Y|2048|2.0A (11 bits)|1|Y|N|N", "Error row 4!! CobID must be between 0 and 2047"},
        {"Y|-1|2.0B (29 bits)|1|Y|N|N",
         "Error row 4!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        {"Y|1||9|Y|N|N", "Error row 4!! Dimension must be between 1 and 8"},
        {"Y|1||1|Y|N|N|abc", ""},
        {"Y|1||1|Y|N|Y|abc", "Error row 4!! Time must be between 0 and 100000000 milliseconds"},
        {"Y|1||1|Y|N| y |100000001",
         "Error row 4!! Time must be between 0 and 100000000 milliseconds"},
        {"Y|1||1|Y|N|Y|0", ""},
        {"Y|1||2|Y|N|N||None|1439|9999", ""},
        {"Y|1||8|Y|N|N|||||||||1440", "Error row 4!! Byte8 must be between 0 and 1439 or None"},
        {"N|bad||99|Y|N|Y|abc", ""},
    };
    Show([&] {
        for (int r = 1; r <= 3; ++r)
            Set_Row(r, "Y|" + std::to_string(r) + "||1|Y|N|N");
        for (const auto& [row, error] : cases) {
            Set_Row(4, row);
            EXPECT_EQ(Validation_Error(), error) << row;
        }
    });
}

TEST_F(TransmitCANTest, OKWritesTheRowsDownToTheFirstEmptyCobIDAndReadsThemBack) {
    const TModalResult result = Show([&] {
        Set_Row(1, "Y|0x100|2.0A (11 bits)|2|Y|N|Y|250|3|None|||||||out");
        Set_Row(2, "N|x|2.0B (29 bits)|1|N|Y|N|||||||||");
        Set_Row(4, "Y|5");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("CAN_Send_Frames.xml"));
    Show([&] {
        EXPECT_EQ(Row(1), "Y|0x100|2.0A (11 bits)|2|Y|N|Y|250|3|None|||||||out");
        EXPECT_EQ(Row(2), "N|x|2.0B (29 bits)|1|N|Y|N||||||||||");
        EXPECT_EQ(Grid()->Cells(TFTransmitCAN::Col_CobID, 4), "");
    });
}

TEST_F(TransmitCANTest, SetLangGivesEveryCaptionHeaderAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Grid()->Cells(TFTransmitCAN::Col_OnCMD, 0), "OnCMD");
    EXPECT_EQ(Window->Hint[0][TFTransmitCAN::Col_OnCMD - 1],
              "Enable or Disable the possibility to send the CAN Frame by Command");
    EXPECT_EQ(Grid()->Cells(TFTransmitCAN::Col_Mnemonic, 0), "Mnemonic");
}

} // namespace
