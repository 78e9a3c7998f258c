// The J1939 receive and transmit tables: their fallbacks, checks with the running byte total,
// files and texts.
#include "protocols/j1939/UReceiveJ1939.h"
#include "protocols/j1939/UTransmitJ1939.h"

#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

class ReceiveJ1939Test
    : public ProtocolWindowFixture<TFReceiveJ1939, &TAppState::J1939_Rec_Frames_File> {
protected:
    std::string File_Name() const override { return "J1939_Rec_Frames.xml"; }
};

class TransmitJ1939Test
    : public ProtocolWindowFixture<TFTransmitJ1939, &TAppState::J1939_Send_Frames_File> {
protected:
    std::string File_Name() const override { return "J1939_Send_Frames.xml"; }
};

struct TJ1939CheckCase {
    const char* Row;
    const char* Error;
};

TEST_F(ReceiveJ1939Test, EachCheckReportsTheFirstFailureWithItsRowNumber) {
    // DP|PGN|SA|TP|Start|NByte|Delete|OnRequest|Time|Mnemonic in row 2.
    const TJ1939CheckCase cases[] = {
        {"0|0xFFFF|239|N|||N|N", ""},
        {"|1|1|N|||N|N", "Error in row 2!! Data Page must be 0 or 1"},
        {"1|0x10000|1|N|||N|N", "Error in row 2!! PGN must be between 0x0000 and 0xFFFF"},
        {"1| |1|N|||N|N", "Error in row 2!! PGN must be between 0x0000 and 0xFFFF"},
        {"1|1|240|N|||N|N", "Error in row 2!! Source Address must be between 0 and 239"},
        {"1|1|1|N|3||N|N", "Error in row 2!! Start Byte and Number Bytes must be both compiled"},
        {"1|1|1|N|9|1|N|N", "Error in row 2!! The Start Byte must be between 1 and 8"},
        {"1|1|1|N|1|0|N|N", "Error in row 2!! The Number Bytes must be between 1 and 8"},
        {"1|1|1|N|5|4|N|N", "Error in row 2!! The Number Bytes plus Start Byte must be minor of 9"},
        {"1|1|1|N|1|7|N|N", ""},
        {"1|1|1|Y|1000|785|N|N", ""},
        {"1|1|1|Y|1786|0|N|N", "Error in row 2!! Start Byte must be between 0 and 1785"},
        {"1|1|1|Y|1000|786|N|N",
         "Error in row 2!! Start Byte plus Number Bytes must be between 0 and 1785"},
        {"1|1|1|N|||N|Y|10000000", ""},
        {"1|1|1|N|||N|Y|0", ""},
        {"1|1|1|N|||N|Y|10000001", "Error in row 2!! Time(ms) must be between 0 and 10000000"},
        {"1|1|1|N|||N|N|-5", ""},
    };
    Show([&] {
        Set_Row(1, "0|1|1|N|||N|N");
        for (const TJ1939CheckCase& c : cases) {
            Set_Row(2, c.Row);
            EXPECT_EQ(Validation_Error(), c.Error) << c.Row;
        }
    });
}

TEST_F(ReceiveJ1939Test, TheByteTotalFailsAtTheRowThatPassesTheLimitWithoutARowPrefix) {
    Show([&] {
        Set_Row(1, "0|1|1|Y|0|800|N|N");
        Set_Row(2, "0|2|1|Y|0|640|N|N");
        EXPECT_EQ(Validation_Error(), "");
        Set_Row(2, "0|2|1|Y|0|800|N|N");
        EXPECT_EQ(Validation_Error(), "Error!! Too many bytes of data, the max number is 1440");
    });
}

TEST_F(ReceiveJ1939Test, MissingAttributesTakeTheirFallbacksAndTheFileRoundTrips) {
    Write("<Receive_J1939><row PGN=\"0xFEF1\" DP=\"0\" SA=\"1\"/><row PGN=\"2\" TP=\"Y\" "
          "OnReq_Time=\"5\" Mnemonic=\"m\"/></Receive_J1939>");
    const TModalResult result = Show([&] {
        EXPECT_EQ(Row(1), "0|0xFEF1|1|N|||N|N|1000|");
        EXPECT_EQ(Row(2), "|2||Y|||N|N|5|m");
        EXPECT_EQ(Row(3), "|||N|||N|N||");
        Set_Row(2, "1|2|3|Y|0|10|Y|Y|5|m");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("J1939_Rec_Frames.xml"));
}

TEST_F(ReceiveJ1939Test, SetLangGivesEveryCaptionHeaderAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Caption(), "Receive J1939 Frames");
    EXPECT_EQ(Grid()->Cells(TFReceiveJ1939::Col_OnReq_Time, 0), "Time(ms)");
}

TEST_F(TransmitJ1939Test, EachCheckReportsTheFirstFailureWithItsRowNumber) {
    // Priority|DP|PGN|SA|NBytes|Request|DataChange|OnTimer|SendTimer|Mnemonic in row 2.
    const TJ1939CheckCase cases[] = {
        {"7|1|0x1FFFF|255|8|N|N|N", ""},
        {"8|1|1|1|8|N|N|N", "Error in row 2!! Priority must be between 0 and 7"},
        {"1||1|1|8|N|N|N", "Error in row 2!! Data Page must be 0 or 1"},
        {"1|1|0x20000|1|8|N|N|N", "Error in row 2!! PGN must be between 0x00000 and 0x1FFFF"},
        {"1|1|1|256|8|N|N|N", "Error in row 2!! Source Address must be between 0 and 255"},
        {"1|1|1|1|1441|N|N|N", "Error in row 2!! Num Byte must be between 0 and 1440"},
        {"1|1|1|1||N|N|N", "Error in row 2!! Num Byte must be between 0 and 1440"},
        {"1|1|1|1|0|N|N|N", ""},
        {"1|1|1|1|8|N|N|Y|0", "Error in row 2!! Send Timer must be between 1 and 65535 ms"},
        {"1|1|1|1|8|N|N|Y|65535", ""},
        {"1|1|1|1|8|N|N|N|0", ""},
        {"1|1|1|1|1433|N|N|N", "Error!! Too many bytes of data, the max number is 1440"},
    };
    Show([&] {
        Set_Row(1, "0|0|1|1|8|N|N|N");
        for (const TJ1939CheckCase& c : cases) {
            Set_Row(2, c.Row);
            EXPECT_EQ(Validation_Error(), c.Error) << c.Row;
        }
    });
}

TEST_F(TransmitJ1939Test, TheRowsCheckedAreTheRowsSaved) {
    const TModalResult result = Show([&] {
        Set_Row(1, "3|0|0xFEF1|1|8|Y|N|Y|100|speed");
        // No PGN: the end of the table, neither checked nor saved.
        Set_Row(2, "9||||");
        Set_Row(3, "1|0|2|1|8|N|N|N");
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), Golden("J1939_Send_Frames.xml"));
}

TEST_F(TransmitJ1939Test, OlderRowsWithOneSendTypeAndRowsWithoutALengthLoad) {
    Write("<Transmit_J1939><row PGN=\"1\" T_Type=\"on timer\" On_Request=\"Y\"/>"
          "<row PGN=\"2\" T_Type=\"On Data Change\" TP_NByte=\"\"/>"
          "<row PGN=\"3\" T_Type=\"other\" TP_NByte=\"4\"/>"
          "<row PGN=\"4\" On_Data_Change=\"Y\" SendTimer=\"7\"/></Transmit_J1939>");
    Show([&] {
        EXPECT_EQ(Row(1), "||1||8|N|N|Y||");
        EXPECT_EQ(Row(2), "||2||8|N|Y|N||");
        EXPECT_EQ(Row(3), "||3||4|N|N|N||");
        EXPECT_EQ(Row(4), "||4||8|N|Y|N|7|");
    });
}

TEST_F(TransmitJ1939Test, SetLangGivesEveryCaptionHeaderAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    EXPECT_EQ(Window->Btn_OK->Hint(), "Confirm and save the Transmit J1939 Frames List");
}

} // namespace
