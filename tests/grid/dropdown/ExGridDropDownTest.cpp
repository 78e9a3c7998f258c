// The grid drop-down: the item index and the edit text, the row search with and without items,
// the grid the popup shows, lookup, narrowing and sorting done by the string grid, choosing,
// closing and cancelling.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "grid/dropdown/ExGridDropDownGrid.h"

#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace GridDropDown;

namespace {

// Opens the protected steps a test checks by themselves.
class TTestGridDropDown : public TCustomExGridDropDown {
public:
    using TCustomExGridDropDown::AdjustDropDownHeight;
    using TCustomExGridDropDown::TCustomExGridDropDown;
};

class GridDropDownTest : public ::testing::Test {
protected:
    GridDropDownTest()
        : Form(std::make_unique<TForm>(nullptr)), Drop(new TTestGridDropDown(Form.get())),
          Other(new TEdit(Form.get())) {
        Form->SetBounds(100, 100, 500, 400);
        Other->SetParent(Form.get());
        Other->SetBounds(10, 200, 100, 21);
        Drop->SetParent(Form.get());
        Drop->SetBounds(10, 40, 200, 21);
        Form->Show();
        Drop->SetFocus();
        for (const char* header : {"Fruit", "Code"})
            Drop->Columns()->Add()->SetHeader(header);
        AddItems({{"Apple", "A1"}, {"Banana", "B2"}, {"Cherry", "C3"}, {"Mango", "M4"}});
        Drop->OnSelect = [this](TObject*) { ++Selects; };
    }
    void AddItems(const std::vector<std::vector<std::string>>& Rows) {
        Drop->BeginUpdate();
        for (const auto& texts : Rows) {
            TDropDownItem* item = Drop->Items()->Add();
            for (const std::string& text : texts)
                item->Text().Add(text);
        }
        Drop->EndUpdate();
    }
    TExColGrid* Grid() const { return Drop->GetGrid(); }
    bool PopupShown() const { return Drop->DropDownForm()->Visible(); }
    void TypeInGrid(const std::string& Keys) {
        for (char key : Keys)
            InputSimulation::TypeChar(Grid(), static_cast<TChar>(key));
    }
    void KeyInGrid(WORD Key) { InputSimulation::KeyPress(Grid(), Key); }
    // The lookup cells of the rows the grid shows, below the header.
    std::vector<std::string> ShownRows() const {
        std::vector<std::string> rows;
        for (int r = Grid()->FixedRows(); r < Grid()->RowCount(); ++r)
            rows.push_back(Grid()->TStringGrid::Cells(0, r));
        return rows;
    }

    std::unique_ptr<TForm> Form;
    TTestGridDropDown* Drop;
    TEdit* Other; // takes the focus away from the drop-down
    int Selects = 0;
};

using Rows = std::vector<std::string>;

} // namespace

TEST_F(GridDropDownTest, ANewControlHasItsVersionAndLook) {
    EXPECT_EQ(Drop->Version(), "6.0.1.1");
    EXPECT_EQ(Drop->LineColor(), 0xF1EDEB);
    EXPECT_EQ(Drop->FixedLineColor(), 0xD1BBA4);
    EXPECT_EQ(Drop->HeaderColor(), 0xFFEFE3);
    EXPECT_EQ(Drop->HeaderFont()->Color(), 0x723708);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_TRUE(Drop->UseItems());
    EXPECT_EQ(Drop->LookupMethod(), lmLookup);
    ASSERT_NE(Grid(), nullptr);
}

TEST_F(GridDropDownTest, ItemIndexShowsTheLookupTextAndRefusesIndexesPastTheItems) {
    AddItems({{}}); // an item without texts
    const struct {
        int LookupColumn;
        int Value;
        int Index;
        const char* Text;
    } cases[] = {
        {0, 1, 1, "Banana"}, {1, 2, 2, "C3"},    {0, 4, 4, ""},   {0, 5, 4, ""},
        {0, 3, 3, "Mango"},  {0, 9, 3, "Mango"}, {0, -1, -1, ""},
    };
    for (const auto& c : cases) {
        Drop->SetLookupColumn(c.LookupColumn);
        Drop->SetItemIndex(c.Value);
        EXPECT_EQ(Drop->ItemIndex(), c.Index) << c.Value;
        EXPECT_EQ(Drop->Text(), c.Text) << c.Value;
    }
}

TEST_F(GridDropDownTest, FindLookupRowFindsTheFirstPrefixMatch) {
    AddItems({{}, {"apricot"}});
    const struct {
        const char* Typed;
        bool CaseSensitive;
        bool Found;
        const char* Text;
        int Row;
    } cases[] = {
        {"a", false, true, "Apple", 0},     {"AP", false, true, "Apple", 0},
        {"apr", false, true, "apricot", 5}, {"a", true, true, "apricot", 5},
        {"M", true, true, "Mango", 3},      {"x", false, false, "", -1},
        {"", false, false, "", -1},
    };
    for (const auto& c : cases) {
        Drop->SetCaseSensitive(c.CaseSensitive);
        std::string found = "?";
        int row = 7;
        EXPECT_EQ(Drop->FindLookupRow(c.Typed, found, row), c.Found) << c.Typed;
        EXPECT_EQ(found, c.Text) << c.Typed;
        EXPECT_EQ(row, c.Row) << c.Typed;
    }
}

TEST_F(GridDropDownTest, OpeningCopiesTheItemsIntoTheGridAndMakesTheChosenOneCurrent) {
    Drop->SetItemIndex(2);
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(Grid()->RowCount(), 5);
    EXPECT_EQ(Grid()->FixedRows(), 1);
    EXPECT_EQ(Grid()->TStringGrid::Cells(0, 0), "Fruit");
    EXPECT_EQ(Grid()->TStringGrid::Cells(1, 0), "Code");
    EXPECT_EQ(Grid()->TStringGrid::Cells(1, 3), "C3");
    for (int item = 0; item < 4; ++item)
        EXPECT_EQ(Grid()->ItemOfRow(item + 1), item);
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Cherry");
}

TEST_F(GridDropDownTest, TypingIntoTheGridLooksUpRowsByPrefix) {
    const struct {
        TDropDownStyle Style;
        const char* Typed;
        int Row;
        const char* Text;
        const char* Entry;
    } cases[] = {
        {dsDropDown, "b", 2, "Banana", "b"},
        {dsDropDown, "ch", 3, "Cherry", "ch"},
        {dsDropDown, "mx", 4, "Mango", ""},
        {dsDropDownList, "b", 2, "Banana", "b"},
        // Nothing starts with bx, and x alone neither: the search entry starts over.
        {dsDropDownList, "bx", 2, "Banana", ""},
        // Nothing starts with bc, but c alone does.
        {dsDropDownList, "bc", 3, "Cherry", "c"},
    };
    for (const auto& c : cases) {
        Drop->SetStyle(c.Style);
        Drop->SetItemIndex(-1);
        Drop->ShowDropDown();
        ASSERT_TRUE(PopupShown());
        TypeInGrid(c.Typed);
        EXPECT_EQ(Grid()->Row(), c.Row) << c.Typed;
        EXPECT_EQ(Drop->Text(), c.Text) << c.Typed;
        EXPECT_EQ(Drop->LookupEntry(), c.Entry) << c.Typed;
        Drop->HideDropDown(true);
        // Escape in the edit starts the search over.
        InputSimulation::KeyPress(Drop, VK_ESCAPE);
    }
}

TEST_F(GridDropDownTest, LookupFindsTheItemsRowAfterTheGridWasSorted) {
    Drop->SetSorting(gsSingleColumn);
    Grid()->SortSettings()->Column = 0;
    Grid()->SortSettings()->Direction = sdDescending;
    Drop->ShowDropDown();
    ASSERT_EQ(ShownRows(), (Rows{"Mango", "Cherry", "Banana", "Apple"}));
    TypeInGrid("b");
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
}

TEST_F(GridDropDownTest, NarrowingDownKeepsTheRowsContainingTheTypedText) {
    Drop->SetLookupMethod(lmNarrowDown);
    Drop->ShowDropDown();
    const struct {
        const char* Typed;
        Rows Shown;
        const char* Text;
    } steps[] = {
        {"a", {"Apple", "Banana", "Mango"}, "Apple"},
        {"n", {"Banana", "Mango"}, "Banana"},
        {"g", {"Mango"}, "Mango"},
    };
    for (const auto& step : steps) {
        TypeInGrid(step.Typed);
        EXPECT_EQ(ShownRows(), step.Shown) << step.Typed;
        EXPECT_EQ(Grid()->Row(), 1) << step.Typed;
        EXPECT_EQ(Drop->Text(), step.Text) << step.Typed;
    }
    Drop->HideDropDown(false);
    Other->SetFocus();
    Drop->SetFocus();
    EXPECT_EQ(ShownRows(), (Rows{"Apple", "Banana", "Cherry", "Mango"}));
    EXPECT_EQ(Drop->LookupEntry(), "");
}

TEST_F(GridDropDownTest, WithoutALookupMethodTypingMovesNothing) {
    Drop->SetLookupMethod(lmNone);
    Drop->SetItemIndex(0);
    Drop->ShowDropDown();
    TypeInGrid("ch");
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Drop->LookupEntry(), "");
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(GridDropDownTest, ASortingHeaderClickKeepsTheChosenItemCurrent) {
    Drop->SetSorting(gsSingleColumn);
    Drop->SetItemIndex(0);
    Drop->ShowDropDown();
    ASSERT_EQ(Grid()->Row(), 1);
    const TRect header = Grid()->CellRect(0, 0);
    // The first click sorts ascending (nothing moves), the second descending.
    for (int click = 0; click < 2; ++click)
        InputSimulation::Click(Grid(), {header.Left + 10, header.Top + 5});
    EXPECT_EQ(ShownRows(), (Rows{"Mango", "Cherry", "Banana", "Apple"}));
    EXPECT_EQ(Grid()->Row(), 4);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(GridDropDownTest, ReopenedAfterASortItShowsTheEditsItemAndEnterKeepsIt) {
    Drop->SetSorting(gsSingleColumn);
    Drop->SetItemIndex(3);
    Drop->ShowDropDown();
    const TRect header = Grid()->CellRect(0, 0);
    for (int click = 0; click < 2; ++click)
        InputSimulation::Click(Grid(), {header.Left + 10, header.Top + 5});
    ASSERT_EQ(ShownRows(), (Rows{"Mango", "Cherry", "Banana", "Apple"}));
    KeyInGrid(VK_ESCAPE);
    ASSERT_FALSE(PopupShown());

    InputSimulation::KeyPress(Drop, VK_F4);
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(ShownRows(), (Rows{"Mango", "Cherry", "Banana", "Apple"}));
    EXPECT_EQ(Grid()->Row(), 1);
    KeyInGrid(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 3);
    EXPECT_EQ(Drop->Text(), "Mango");
}

TEST_F(GridDropDownTest, EscapeRestoresTheTextAndTheItemOfTheOpening) {
    Drop->SetItemIndex(0);
    Drop->ShowDropDown();
    KeyInGrid(VK_DOWN);
    KeyInGrid(VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Cherry");
    KeyInGrid(VK_ESCAPE);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 0);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(GridDropDownTest, EnterInTheGridChoosesTheRowAndCloses) {
    Drop->ShowDropDown();
    ASSERT_EQ(Grid()->Row(), 1) << "no item chosen: the first row";
    KeyInGrid(VK_DOWN);
    KeyInGrid(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(Selects, 1);
    // Opened again, the chosen row is current and Enter at once keeps it.
    Drop->ShowDropDown();
    EXPECT_EQ(Grid()->Row(), 2);
    KeyInGrid(VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
}

TEST_F(GridDropDownTest, EnterInTheEditAtOnceKeepsTheItemTheOpeningShowed) {
    Drop->SetItemIndex(2);
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    Drop->Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Cherry");
}

TEST_F(GridDropDownTest, AMouseChoiceClosesUnlessTheGridIsEditable) {
    for (const bool editable : {false, true}) {
        Drop->SetGridEditable(editable);
        Selects = 0;
        Drop->ShowDropDown();
        ASSERT_TRUE(PopupShown());
        const TRect cell = Grid()->CellRect(0, 3);
        InputSimulation::Click(Grid(), {cell.Left + 5, cell.Top + 5});
        EXPECT_EQ(Selects, 1) << editable;
        EXPECT_EQ(Drop->ItemIndex(), 2) << editable;
        EXPECT_EQ(PopupShown(), editable);
        Drop->HideDropDown(false);
        Drop->SetItemIndex(-1);
    }
}

TEST_F(GridDropDownTest, TheEditsArrowKeysStepThroughTheItems) {
    const struct {
        WORD Key;
        int Index;
    } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1},  {VK_NEXT, 3}, {VK_DOWN, 3},
                 {VK_UP, 2},   {VK_PRIOR, 0}, {VK_UP, 0}};
    for (const auto& step : steps) {
        InputSimulation::KeyPress(Drop, step.Key);
        EXPECT_EQ(Drop->ItemIndex(), step.Index) << step.Key;
    }
}

TEST_F(GridDropDownTest, TypingIntoTheEditFindsTheItemByItsLookupText) {
    const struct {
        char Typed;
        const char* Text;
        int Index;
    } steps[] = {{'c', "Cherry", 2}, {'h', "Cherry", 2}};
    for (const auto& step : steps) {
        InputSimulation::TypeChar(Drop, static_cast<TChar>(step.Typed));
        EXPECT_EQ(Drop->Text(), step.Text) << step.Typed;
        EXPECT_EQ(Drop->ItemIndex(), step.Index) << step.Typed;
    }
    EXPECT_EQ(Drop->SelStart(), 2) << "the rest of the text is selected";
    EXPECT_EQ(Drop->SelLength(), 4);
}

// Whichever item the edit holds at the first opening, the popup opens with its row wholly in
// view, also the row just below the last whole row.
TEST_F(GridDropDownTest, TheChosenRowOpensWhollyInView) {
    for (int item = 0; item < 20; ++item) {
        auto* drop = new TTestGridDropDown(Form.get());
        drop->SetParent(Form.get());
        drop->SetBounds(10, 40, 200, 21);
        drop->Columns()->Add()->SetHeader("Fruit");
        for (int i = 0; i < 20; ++i)
            drop->Items()->Add()->Text().Add("Fig " + std::to_string(i));
        drop->SetItemIndex(item);
        drop->SetFocus();
        InputSimulation::KeyPress(drop, VK_F4);
        ASSERT_TRUE(drop->DroppedDown());
        TExColGrid& grid = *drop->GetGrid();
        ASSERT_LT(grid.VisibleRowCount() + grid.FixedRows(), grid.RowCount());
        EXPECT_EQ(grid.Row(), item + 1);
        EXPECT_GE(grid.Row(), grid.TopRow()) << item;
        EXPECT_LT(grid.Row(), grid.TopRow() + grid.VisibleRowCount()) << item;
        EXPECT_LE(grid.CellRect(0, grid.Row()).Bottom, grid.ClientHeight()) << item;
        InputSimulation::KeyPress(&grid, VK_ESCAPE);
        EXPECT_FALSE(drop->DroppedDown());
        delete drop;
    }
}

TEST_F(GridDropDownTest, ThePopupHeightIsRoundedToWholeRows) {
    Drop->DropDownHeader()->SetVisible(true);
    Drop->DropDownFooter()->SetVisible(true);
    int height = 200;
    Drop->AdjustDropDownHeight(height);
    EXPECT_EQ(height, 185);
}

// --- without items: the grid holds the program's rows
// -----------------------------------------------

class GridDropDownOwnRows : public GridDropDownTest {
protected:
    GridDropDownOwnRows() {
        Drop->Items()->Clear();
        Drop->EndUpdate();
        Drop->SetUseItems(false);
        TExColGrid& grid = *Grid();
        grid.SetColCount(2);
        grid.SetRowCount(4);
        const char* rows[][2] = {{"Name", "Id"}, {"Oslo", "1"}, {"Bergen", "2"}, {"Bodo", "3"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c)
                grid.SetCells(c, r, rows[r][c]);
    }
};

TEST_F(GridDropDownOwnRows, ItemIndexCountsTheGridsDataRows) {
    const struct {
        int Value;
        int Index;
        const char* Text;
    } cases[] = {{2, 2, "Bodo"}, {0, 0, "Oslo"}, {3, 0, "Oslo"}, {-1, -1, ""}};
    for (const auto& c : cases) {
        Drop->SetItemIndex(c.Value);
        EXPECT_EQ(Drop->ItemIndex(), c.Index) << c.Value;
        EXPECT_EQ(Drop->Text(), c.Text) << c.Value;
    }
    EXPECT_EQ(Drop->RowCount(), 3);
}

TEST_F(GridDropDownOwnRows, TheRowSearchAnswersGridRows) {
    std::string found;
    int row = -1;
    EXPECT_TRUE(Drop->FindLookupRow("bo", found, row));
    EXPECT_EQ(found, "Bodo");
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(Drop->FindLookupRow("Name", found, row)) << "the header row is not searched";
}

TEST_F(GridDropDownOwnRows, OpeningKeepsTheCellsAndFindsTheRowOfTheText) {
    Drop->SetTextDirect("Bergen");
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(ShownRows(), (Rows{"Oslo", "Bergen", "Bodo"}));
    EXPECT_EQ(Grid()->Row(), 2);
    EXPECT_EQ(Drop->Columns()->Count(), 2);
}

TEST_F(GridDropDownOwnRows, TypingIntoTheGridChoosesADataRow) {
    Drop->ShowDropDown();
    TypeInGrid("bo");
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Drop->Text(), "Bodo");
    EXPECT_EQ(Drop->ItemIndex(), 2) << "the index counts data rows";
    KeyInGrid(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Bodo");
}

TEST_F(GridDropDownOwnRows, TypingIntoTheEditFindsADataRow) {
    const struct {
        char Typed;
        const char* Text;
        int Index;
    } steps[] = {{'b', "Bergen", 1}, {'o', "Bodo", 2}};
    for (const auto& step : steps) {
        InputSimulation::TypeChar(Drop, static_cast<TChar>(step.Typed));
        EXPECT_EQ(Drop->Text(), step.Text) << step.Typed;
        EXPECT_EQ(Drop->ItemIndex(), step.Index) << step.Typed;
    }
}

TEST_F(GridDropDownOwnRows, NarrowingWorksOnTheProgramsRows) {
    Drop->SetLookupMethod(lmNarrowDown);
    Drop->ShowDropDown();
    TypeInGrid("e");
    EXPECT_EQ(ShownRows(), (Rows{"Bergen"}));
    EXPECT_EQ(Drop->Text(), "Bergen");
    KeyInGrid(VK_ESCAPE);
    EXPECT_EQ(Drop->Text(), "");
}

TEST_F(GridDropDownTest, AnEmptyListOpensWithTheHeaderRowOnly) {
    Drop->Items()->Clear();
    Drop->EndUpdate();
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(Grid()->TStringGrid::Cells(0, 0), "Fruit");
    EXPECT_EQ(ShownRows(), Rows{});
    TypeInGrid("a");
    KeyInGrid(VK_DOWN);
    KeyInGrid(VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), -1);
    EXPECT_EQ(Drop->Text(), "");
}

TEST_F(GridDropDownTest, TheColumnsShareThePopupWidthInProportion) {
    Drop->Columns()->Add()->SetHeader("Third");
    Drop->SetDropDownAutoWidth(false);
    Drop->SetAutoSizeColumns(false);
    Drop->SetDropDownWidth(200);
    Drop->ShowDropDown();
    ASSERT_TRUE(PopupShown());
    ASSERT_EQ(Drop->DropDownForm()->Width(), 200);
    // 80 * 200 / 241 each; the carry past one pixel widens the third column.
    EXPECT_EQ(Grid()->ColWidths(0), 66);
    EXPECT_EQ(Grid()->ColWidths(1), 66);
    EXPECT_EQ(Grid()->ColWidths(2), 67);
    EXPECT_EQ(Drop->Columns()->GetItem(0)->Width(), 80) << "the designed widths stay";
}

TEST_F(GridDropDownTest, StylePresetsSetTheHeaderAndLineColours) {
    const struct {
        TULKStyle Style;
        TColor Header, HeaderTo, Font, Line, FixedLine, SelectionText;
    } cases[] = {
        {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, 0},
        {tsOffice2003Silver, 0xBDA4A5, 0x957475, 0xFFFFFF, 0x947C7C, 0x947C7C, 0},
        {tsWindowsXP, clBtnFace, clBtnFace, 0, 0xC0C0C0, 0, clHighlightText},
        {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0},
        // The Office 2010 presets and tsCustom leave the drop-down's own colours.
        {tsOffice2010Blue, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0},
        {tsCustom, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0},
    };
    for (const auto& c : cases) {
        Drop->SetComponentStyle(c.Style);
        EXPECT_EQ(Drop->HeaderColor(), c.Header) << c.Style;
        EXPECT_EQ(Drop->HeaderColorTo(), c.HeaderTo) << c.Style;
        EXPECT_EQ(Drop->HeaderFont()->Color(), c.Font) << c.Style;
        EXPECT_EQ(Drop->LineColor(), c.Line) << c.Style;
        EXPECT_EQ(Drop->FixedLineColor(), c.FixedLine) << c.Style;
        EXPECT_EQ(Drop->SelectionTextColor(), c.SelectionText) << c.Style;
    }
    Drop->SetComponentStyle(tsTerminal);
    EXPECT_EQ(Drop->SelectionColor(), clHighlight);
    EXPECT_EQ(Drop->SelectionColorTo(), clHighlight);
}

TEST_F(GridDropDownTest, ARowHeightBelowOneIsRefused) {
    for (const int refused : {0, -5})
        Drop->SetDropDownRowHeight(refused);
    EXPECT_EQ(Drop->DropDownRowHeight(), 22);
    int height = 200;
    Drop->AdjustDropDownHeight(height);
    EXPECT_GT(height, 0);
}

TEST_F(GridDropDownTest, EnterEndsAnEditInTheGridAndTakesItsLookupText) {
    Drop->SetGridEditable(true);
    Drop->SetRowSelect(false); // a grid selecting whole rows edits no cell
    Drop->SetItemIndex(1);
    Drop->ShowDropDown();
    ASSERT_EQ(Grid()->Row(), 2);
    Grid()->SetCol(0);
    Grid()->ShowInplaceEdit();
    ASSERT_TRUE(Grid()->EditMode);
    Drop->SetTextDirect("typed");
    InputSimulation::KeyPress(Drop, VK_RETURN);
    EXPECT_FALSE(Grid()->EditMode);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_TRUE(PopupShown()) << "the Enter ended the edit only";
}
