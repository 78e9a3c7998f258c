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
#include "platform/ui/PageControl.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A receive-frames table: Enable, a key, a type chosen from a list, a number with a fallback and
// a free text. Rows pass the check when the number is not "bad".
class TFramesWindow : public TTableWindow {
public:
    explicit TFramesWindow(std::string file, bool focusGrid = false)
        : TTableWindow(nullptr, Description(focusGrid)), File(file) {}

    static TTableDescription Description(bool focusGrid) {
        TTableDescription d;
        d.Focus_Grid_On_Show = focusGrid;
        TTableGridDescription& t = d.Tables.emplace_back();
        d.Form_Name = "FFrames";
        d.Client_Width = 700;
        d.Caption_Slot = 1200;
        d.Button_Hint_Slot = 1208;
        d.Delete_Question_Slot = 1248;
        t.Data_Rows = 6;
        d.Select_Row_On_Click = true;
        d.Root = "Receive_Frames";
        TTableColumn enable{"Enable", 1215, 1226, 50, 0x00B0D8FF, tcCheckBox, taCenter};
        enable.Has_Missing = true;
        enable.Missing = "Y";
        TTableColumn timeOut{"TimeOut", 1250, 1251, 75};
        timeOut.Has_Missing = true;
        timeOut.Missing = "0";
        t.Columns = {{"", 1214, 0, 40},
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

// Some windows give their grid the focus at each showing, the others leave it where it goes.
TEST_F(TableWindowTest, TheGridTakesTheFocusOnlyWhereTheWindowSaysSo) {
    for (const bool focusGrid : {false, true}) {
        Window = std::make_unique<TFramesWindow>(Temp.Path() + "/Frames.xml", focusGrid);
        Window->DoCreate();
        bool focused = !focusGrid;
        Show([&] { focused = Window->Table_Grid()->Focused(); });
        EXPECT_EQ(focused, focusGrid);
    }
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

// A window of two tables: one grid per page, one section per table in one file.
class TTwoTablesWindow : public TTableWindow {
public:
    explicit TTwoTablesWindow(std::string file)
        : TTableWindow(nullptr, Description()), File(std::move(file)) {}

    static TTableDescription Description() {
        TTableDescription d = TFramesWindow::Description(false);
        d.Form_Name = "FTwoTables";
        d.Root = "Frames";
        TTableGridDescription read = d.Tables.front();
        read.Page_Name = "TS_Read";
        read.Page_Caption_Slot = 1215;
        read.Grid_Name = "sga";
        read.Section = "Read";
        TTableGridDescription write = read;
        write.Page_Name = "TS_Write";
        write.Page_Caption_Slot = 1216;
        write.Grid_Name = "sgb";
        write.Section = "Write";
        write.Data_Rows = 3;
        write.Columns.resize(3);
        d.Tables = {read, write};
        return d;
    }

    bool Controllo_dati() override { return true; }

    std::string File;

protected:
    std::string Table_File() const override { return File; }
};

class TwoTablesWindowTest : public TableWindowTest {
protected:
    void SetUp() override {
        TableWindowTest::SetUp();
        Two = std::make_unique<TTwoTablesWindow>(Temp.Path() + "/Two.xml");
        Two->DoCreate();
    }
    TModalResult ShowTwo(const std::function<void()>& while_shown) {
        Seam().OnModalShow = [&](TForm*) { while_shown(); };
        const TModalResult result = Two->ShowModal();
        Seam().OnModalShow = nullptr;
        return result;
    }
    std::unique_ptr<TTwoTablesWindow> Two;
};

TEST_F(TwoTablesWindowTest, EachTableHasItsPageGridAndSection) {
    ASSERT_NE(Two->PageControl1, nullptr);
    ASSERT_EQ(Two->PageControl1->PageCount(), 2);
    EXPECT_EQ(Two->Table_Page(1)->Name(), "TS_Write");
    EXPECT_EQ(Two->Table_Page(0)->Text(), "Enable");
    EXPECT_EQ(Two->Table_Grid(1)->Name(), "sgb");
    EXPECT_EQ(Two->Table_Grid(1)->ColCount(), 3);
    EXPECT_EQ(Two->Table_Grid(1)->RowCount(), 4);
    EXPECT_EQ(Window->PageControl1, nullptr);

    std::ofstream(Two->File, std::ios::binary)
        << "<Frames><Read><row COBID=\"1\"/></Read><Write><row COBID=\"2\"/></Write></Frames>";
    const TModalResult result = ShowTwo([&] {
        EXPECT_EQ(Two->Active_Table(), 0);
        EXPECT_EQ(Two->Table_Grid(0)->Cells(2, 1), "1");
        EXPECT_EQ(Two->Table_Grid(1)->Cells(2, 1), "2");
        Two->Table_Grid(1)->SetCells(2, 2, "3");
        Two->Btn_OKClick(Two->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    std::ifstream in(Two->File, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "<Frames><Read><row Enable=\"Y\" COBID=\"1\" CAN_Type=\"\" TimeOut=\"0\" "
              "Mnemonic=\"\"/></Read><Write><row Enable=\"Y\" COBID=\"2\"/><row Enable=\"Y\" "
              "COBID=\"3\"/></Write></Frames><!--SW_VERSION = 1.000-->");
}

TEST_F(TwoTablesWindowTest, RowButtonsActOnThePageShownAndARowNeverCrossesTables) {
    ShowTwo([&] {
        TExStringGrid* read = Two->Table_Grid(0);
        TExStringGrid* write = Two->Table_Grid(1);
        read->SetCells(2, 1, "0x10");
        read->SetRow(1);
        Two->Btn_CopyRowClick(Two->Btn_CopyRow);
        Two->Show_Table(1);
        EXPECT_EQ(Two->Table_Grid(), write);
        write->SetRow(2);
        Two->Btn_PasteRowClick(Two->Btn_PasteRow);
        EXPECT_EQ(write->Cells(2, 2), "");
        EXPECT_EQ(Seam().Messages().back().Text, Lang_Str(1102));
        write->SetCells(2, 1, "0x20");
        write->SetRow(1);
        Two->Btn_CopyRowClick(Two->Btn_CopyRow);
        write->SetRow(2);
        Two->Btn_PasteRowClick(Two->Btn_PasteRow);
        EXPECT_EQ(write->Cells(2, 2), "0x20");
        Two->Show_Table(0);
        read->SetRow(2);
        Two->Btn_PasteRowClick(Two->Btn_PasteRow);
        EXPECT_EQ(read->Cells(2, 2), ""); // the copy came from the other table
        std::string hint;
        Two->GridHint(write, 0, 2, hint);
        EXPECT_EQ(hint, "Address of the HART device, from 0 to 0xFFFFFFFFFF");
    });
}

} // namespace
