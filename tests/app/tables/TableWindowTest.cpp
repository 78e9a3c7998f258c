// The table-window shape as the protocol table windows use it: a column grid described in a few
// lines, its file in the common layout, its texts, hints and row buttons.
#include "app/tables/TableWindow.h"

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A receive-frames table: Enable, a key, a type chosen from a list, a number with a fallback and
// a free text. Rows pass the check when the number is not "bad".
class TFramesWindow : public TTableWindow {
public:
    explicit TFramesWindow(std::string file) : TTableWindow(nullptr, Description()), File(file) {}

    static TTableDescription Description() {
        TTableDescription d;
        d.Form_Name = "FFrames";
        d.Client_Width = 700;
        d.Caption_Slot = 1200;
        d.Button_Hint_Slot = 1208;
        d.Delete_Question_Slot = 1248;
        d.Data_Rows = 6;
        d.Select_Row_On_Click = true;
        d.Root = "Receive_Frames";
        TTableColumn enable{"Enable", 1215, 1226, 50, 0x00B0D8FF, tcCheckBox, taCenter};
        enable.Has_Missing = true;
        enable.Missing = "Y";
        TTableColumn timeOut{"TimeOut", 1250, 1251, 75};
        timeOut.Has_Missing = true;
        timeOut.Missing = "0";
        d.Columns = {{"", 1214, 0, 40},
                     enable,
                     {"COBID", 1216, 1227, 90},
                     {"CAN_Type", 1218, 1229, 90, clWindow, tcComboList, taLeftJustify, {"A", "B"}},
                     timeOut,
                     {"Mnemonic", 1225, 1236, 185}};
        return d;
    }

    bool Controllo_dati() override {
        ++Checks;
        for (int r = 1; r <= Key_Rows(); ++r)
            if (Table_Grid()->Cells(4, r) == "bad")
                return false;
        return true;
    }

    std::vector<std::string> Row(int r) const {
        std::vector<std::string> cells;
        for (int c = 1; c < Table_Grid()->ColCount(); ++c)
            cells.push_back(Table_Grid()->Cells(c, r));
        return cells;
    }

    std::string File;
    int Checks = 0;

protected:
    std::string Table_File() const override { return File; }
};

class TableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Seam().Reset();
        AppState() = TAppState();
        Window = std::make_unique<TFramesWindow>(Temp.Path() + "/Frames.xml");
        Window->DoCreate();
    }
    void TearDown() override {
        Seam().Reset();
        AppState() = TAppState();
    }

    static TTestSeam& Seam() { return Application->TestSeam(); }
    void Write(const std::string& text) { std::ofstream(Window->File, std::ios::binary) << text; }
    std::string Read() {
        std::ifstream in(Window->File, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Shows the window; `while_shown` plays the user.
    TModalResult Show(const std::function<void()>& while_shown) {
        Seam().OnModalShow = [&](TForm*) { while_shown(); };
        const TModalResult result = Window->ShowModal();
        Seam().OnModalShow = nullptr;
        return result;
    }

    TTempFolder Temp;
    std::unique_ptr<TFramesWindow> Window;
};

TEST_F(TableWindowTest, TheShapeCarriesTheDescribedTextsButtonsAndColumns) {
    EXPECT_EQ(Window->Caption(), "HART Variables");
    EXPECT_EQ(Window->L_SW_Code->Caption(), "CT40215");
    const std::pair<TGlyphButton*, int> buttons[] = {
        {Window->Btn_OK, 16},      {Window->Btn_Cancel, 134},  {Window->Btn_DelRow, 252},
        {Window->Btn_InsRow, 370}, {Window->Btn_CopyRow, 488}, {Window->Btn_PasteRow, 606}};
    for (const auto& [button, left] : buttons) {
        EXPECT_EQ(button->Left(), left);
        EXPECT_EQ(button->Width(), 110);
    }
    EXPECT_EQ(Window->Btn_DelRow->Caption(), "Delete Row");
    EXPECT_EQ(Window->Btn_PasteRow->Hint(), "Paste the copied Row into the selected Row");
    TExColumnGrid* grid = Window->Column_Grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Cells(2, 0), "Device Address");
    EXPECT_EQ(grid->Columns()->Items(1)->Editor(), edDataCheckBox);
    EXPECT_EQ(grid->Columns()->Items(3)->Editor(), edComboList);
    EXPECT_EQ(grid->Columns()->Items(3)->ComboItems()->Count(), 2);
    std::string hint;
    Window->GridHint(grid, 0, 2, hint);
    EXPECT_EQ(hint, "Address of the HART device, from 0 to 0xFFFFFFFFFF");
    Window->GridHint(grid, 2, 2, hint);
    EXPECT_EQ(hint, "");
}

TEST_F(TableWindowTest, ReadsEachAttributeByItselfWithTheColumnsFallback) {
    Write("<Receive_Frames><row COBID=\"0x10\" CAN_Type=\"A\" Mnemonic=\"x&#10;y\"/>"
          "<row Enable=\"N\" COBID=\"0x11\" TimeOut=\"5\"/></Receive_Frames>");
    Show([&] {
        EXPECT_EQ(Window->Row(1), (std::vector<std::string>{"Y", "0x10", "A", "0", "x y"}));
        EXPECT_EQ(Window->Row(2), (std::vector<std::string>{"N", "0x11", "", "5", ""}));
        EXPECT_EQ(Window->Row(3), (std::vector<std::string>{"Y", "", "", "", ""}));
    });
}

TEST_F(TableWindowTest, OkWritesTheRowsUpToTheFirstEmptyKey) {
    const TModalResult result = Show([&] {
        TExStringGrid* g = Window->Table_Grid();
        g->SetCells(2, 1, "0x10");
        g->SetCells(5, 1, "tab\there");
        g->SetCells(2, 2, " ");
        g->SetCells(2, 3, "0x12"); // below an empty key: not written
        Window->Btn_OKClick(Window->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(), "<Receive_Frames><row Enable=\"Y\" COBID=\"0x10\" CAN_Type=\"\" TimeOut=\"\" "
                      "Mnemonic=\"tab here\"/></Receive_Frames><!--SW_VERSION = 1.000-->");
}

TEST_F(TableWindowTest, AFailedCheckKeepsTheWindowOpenAndWritesNothing) {
    const TModalResult result = Show([&] {
        Window->Table_Grid()->SetCells(2, 1, "1");
        Window->Table_Grid()->SetCells(4, 1, "bad");
        Window->Btn_OKClick(Window->Btn_OK);
        EXPECT_EQ(Window->ModalResult(), mrNone);
    });
    EXPECT_NE(result, mrOk);
    EXPECT_EQ(Window->Checks, 1);
    EXPECT_FALSE(FileExists(Window->File));
}

TEST_F(TableWindowTest, AnUnreadableFileIsReportedAndTheTableKeepsItsDefaults) {
    Write("<Receive_Frames><row COBID=\"1\"");
    Show([&] { EXPECT_EQ(Window->Row(1), (std::vector<std::string>{"Y", "", "", "", ""})); });
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_NE(Seam().Messages()[0].Text.find("Frames.xml"), std::string::npos);
}

TEST_F(TableWindowTest, RowButtonsWorkOnTheCurrentRow) {
    Show([&] {
        TExStringGrid* g = Window->Table_Grid();
        g->SetCells(2, 1, "0x10");
        g->SetCells(2, 2, "0x11");
        g->SetRow(1);
        Seam().QueueAnswer(mrNo);
        Window->Btn_DelRowClick(Window->Btn_DelRow);
        EXPECT_EQ(Seam().Messages().back().Text, "Are you sure to delete the Row number 1");
        EXPECT_EQ(g->Cells(2, 1), "0x10");
        Seam().QueueAnswer(mrYes);
        Window->Btn_DelRowClick(Window->Btn_DelRow);
        EXPECT_EQ(g->Cells(2, 1), "0x11");
        EXPECT_EQ(g->Cells(1, 6), ""); // the column grid's delete leaves Enable empty
        Window->Btn_InsRowClick(Window->Btn_InsRow);
        EXPECT_EQ(Window->Row(1), (std::vector<std::string>{"Y", "", "", "", ""}));
        EXPECT_EQ(g->Cells(2, 2), "0x11");
        Window->ClickCell(g, 2, 0);
        EXPECT_TRUE(g->GetRowSelect(2));
    });
}

} // namespace
