// The HART gateway routing table: no checks, a file with a section, its delete question and
// header double-click.
#include "protocols/hart_gateway/UHART_Gateway.h"

#include "app/core/AppState.h"
#include "tests/protocols/ProtocolWindowFixture.h"

namespace {

class HARTGatewayTest
    : public ProtocolWindowFixture<TFHART_Gateway, &TAppState::HART_Gateway_File> {
protected:
    std::string File_Name() const override { return "HART_Gateway.xml"; }
};

TEST_F(HARTGatewayTest, AnEmptyTableSavesTheRootItsSectionAndTheComment) {
    EXPECT_EQ(Show([&] {
                  EXPECT_EQ(Grid()->RowCount(), 101);
                  EXPECT_EQ(Row(100), "Y||||||");
                  Window->Btn_OKClick(Window->Btn_OK);
              }),
              mrOk);
    EXPECT_EQ(Read(), Golden("HART_Gateway_Empty.xml"));
    Show([&] { EXPECT_EQ(Row(1), "Y||||||"); });
}

TEST_F(HARTGatewayTest, EveryRowIsSavedAsTypedAndMissingAttributesTakeTheirFallbacks) {
    EXPECT_EQ(Show([&] {
                  Set_Row(1, "N|x|y|z|w|v|any text");
                  Set_Row(2, "Y|1|2|3|4|5|m");
                  Window->Btn_OKClick(Window->Btn_OK);
              }),
              mrOk);
    EXPECT_EQ(Read(), Golden("HART_Gateway.xml"));
    Write("<HART_Gateway><HART_Gateway><row Address=\"7\" Gateway_Card=\"1\"/>"
          "</HART_Gateway></HART_Gateway>");
    Show([&] { EXPECT_EQ(Row(1), "Y|7||1|||"); });
    // Without its section the file holds no rows.
    Write("<HART_Gateway><row Address=\"7\"/></HART_Gateway>");
    Show([&] { EXPECT_EQ(Row(1), "Y||||||"); });
    EXPECT_TRUE(Shown_Messages().empty());
}

TEST_F(HARTGatewayTest, DeleteAsksWithItsTextAndAHeaderDoubleClickFitsTheColumn) {
    AppState().Double_Click_Auto_Size = true;
    Show([&] {
        Set_Row(1, "Y|1");
        Set_Row(2, "Y|2");
        Grid()->SetRow(1);
        Seam().QueueAnswer(mrYes);
        Window->Btn_DelRowClick(Window->Btn_DelRow);
        EXPECT_EQ(Shown_Messages().back(), "Are you sure to delete the Row number 1");
        EXPECT_EQ(Row(1), "Y|2|||||");
        Grid()->SetCells(TFHART_Gateway::Col_Mnemonic, 1, std::string(80, 'W'));
        const int before = Grid()->ColWidths(TFHART_Gateway::Col_Mnemonic);
        Window->DblClickCell(Grid(), 0, TFHART_Gateway::Col_Mnemonic);
        EXPECT_GT(Grid()->ColWidths(TFHART_Gateway::Col_Mnemonic), before);
    });
}

TEST_F(HARTGatewayTest, SetLangGivesEveryCaptionHeaderAndHintAText) {
    Expect_All_Texts_Set();
    Expect_Editable_Through_Column_Editors();
    std::string hint;
    Window->GridHint(Grid(), 0, TFHART_Gateway::Col_Gateway_Card, hint);
    EXPECT_EQ(hint, "Insert the Gateway Card of HART Gateway Rule");
}

} // namespace
