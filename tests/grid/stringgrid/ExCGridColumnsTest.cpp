// The column items follow the grid's columns and the grid follows its items: counts, headers,
// widths, moves and the items' copies.
#include "grid/stringgrid/ExCGrid.h"
#include "grid/stringgrid/GridStrings.h"

#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> HeaderList(const TExColumnGrid& grid) {
    const TGridStrings& headers = *grid.ColumnHeaders();
    return std::vector<std::string>(headers.Lines().begin(), headers.Lines().end());
}

TEST(ExCGridColumns, AGridStartsWithOneItemPerColumn) {
    TExColumnGrid grid(nullptr);
    EXPECT_EQ(grid.Columns()->Count(), grid.ColCount());
    EXPECT_EQ(grid.Columns()->GetItem(0)->Collection(), grid.Columns());
}

TEST(ExCGridColumns, MoreColumnsAddItemsWithTheVisualsOfTheLastItemAndTheGridsColourAndFont) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    TGridColumnItem* third = grid.Columns()->GetItem(2);
    third->SetAlignment(taRightJustify);
    third->SetBorders(TCellBorders{cbTop, cbBottom});
    third->SetColor(clYellow);
    third->Font()->SetName("Courier New");
    third->ComboItems()->Add("only in the third");
    third->SetHeader("Third");
    third->CheckTrue = "X";

    grid.SetColCount(5);

    ASSERT_EQ(grid.Columns()->Count(), 5);
    for (int i : {3, 4}) {
        const TGridColumnItem* item = grid.Columns()->GetItem(i);
        EXPECT_EQ(item->Alignment(), taRightJustify) << i;
        EXPECT_EQ(item->Borders(), (TCellBorders{cbTop, cbBottom})) << i;
        EXPECT_EQ(item->CheckTrue, "X") << i;
        EXPECT_EQ(item->Color(), grid.Color()) << i;
        EXPECT_EQ(item->Font()->Name(), grid.Font()->Name()) << i;
        EXPECT_EQ(item->ComboItems()->Count(), 0) << i;
        EXPECT_EQ(item->Header(), "") << i;
    }
}

TEST(ExCGridColumns, FewerColumnsFreeTheLastItems) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(6);
    grid.Columns()->GetItem(1)->Name = "kept";
    grid.SetColCount(2);
    ASSERT_EQ(grid.Columns()->Count(), 2);
    EXPECT_EQ(grid.Columns()->GetItem(1)->Name, "kept");
}

TEST(ExCGridColumns, ItemsSetTheColumnCountOnlyAboveTheFixedColumns) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(7);
    ASSERT_EQ(grid.FixedCols(), 1);
    grid.Columns()->Clear();
    EXPECT_EQ(grid.ColCount(), 7);
    grid.Columns()->Add();
    EXPECT_EQ(grid.ColCount(), 7) << "one item is not above FixedCols";
    for (int i = 0; i < 3; ++i)
        grid.Columns()->Add();
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Columns()->Count(), 4);
}

TEST(ExCGridColumns, AHeaderIsWrittenIntoRowZeroWhenTheGridHasFixedRows) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Columns()->GetItem(1)->SetHeader("Name");
    EXPECT_EQ(grid.Cells(1, 0), "Name");
    EXPECT_EQ(HeaderList(grid), (std::vector<std::string>{"", "Name", ""}));
}

TEST(ExCGridColumns, AHeaderWithoutFixedRowsChangesTheHeaderListButNoCell) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetFixedRows(0);
    grid.SetCells(1, 0, "data");
    grid.Columns()->GetItem(1)->SetHeader("Name");
    EXPECT_EQ(grid.Cells(1, 0), "data");
    EXPECT_EQ(HeaderList(grid), (std::vector<std::string>{"", "Name", ""}));
}

TEST(ExCGridColumns, AnItemChangeAdoptsRowZeroTextsAsEmptyHeaders) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetCells(0, 0, "Nr");
    grid.SetCells(2, 0, "Value");
    grid.Columns()->GetItem(1)->SetColor(clAqua);
    EXPECT_EQ(grid.Columns()->GetItem(0)->Header(), "Nr");
    EXPECT_EQ(grid.Columns()->GetItem(2)->Header(), "Value");
    EXPECT_EQ(HeaderList(grid), (std::vector<std::string>{"Nr", "", "Value"}));
}

TEST(ExCGridColumns, AHeaderListSetOnTheGridReachesTheItems) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    TStringList headers;
    for (const char* text : {"A", "B"})
        headers.Add(text);
    grid.SetColumnHeaders(headers);
    EXPECT_EQ(grid.Columns()->GetItem(0)->Header(), "A");
    EXPECT_EQ(grid.Columns()->GetItem(1)->Header(), "B");
    EXPECT_EQ(grid.Columns()->GetItem(2)->Header(), "");
}

TEST(ExCGridColumns, WidthIsTheGridsColumnWidth) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Columns()->GetItem(2)->SetWidth(77);
    EXPECT_EQ(grid.ColWidths(2), 77);
    grid.SetColWidths(1, 33);
    EXPECT_EQ(grid.Columns()->GetItem(1)->Width(), 33);
    EXPECT_EQ(TGridColumnItem(nullptr).Width(), 0);
}

TEST(ExCGridColumns, AssignCopiesAllButThePopupTypeAndThePrintCustomFlags) {
    TGridColumnItem source(nullptr);
    source.SetHeader("H");
    source.Name = "n";
    source.SetEditor(edComboList);
    source.ComboItems()->Add("a");
    source.SetStoredWidth(90);
    source.DefIdx = 4;
    source.ColumnPopupType = cpAllCellsLClick;
    source.PrintFontCustom = false;
    TGridColumnItem copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.Header(), "H");
    EXPECT_EQ(copy.Name, "n");
    EXPECT_EQ(copy.Editor(), edComboList);
    EXPECT_EQ(copy.ComboItems()->Count(), 1);
    EXPECT_EQ(copy.StoredWidth(), 90);
    EXPECT_EQ(copy.DefIdx, 4);
    EXPECT_EQ(copy.ColumnPopupType, cpFixedCellsRClick);
    EXPECT_TRUE(copy.PrintFontCustom);
}

TEST(ExCGridColumns, ColumnsAreFoundByTheirExactName) {
    TExColumnGrid grid(nullptr);
    grid.Columns()->GetItem(2)->Name = "Address";
    EXPECT_EQ(grid.GetColumnByName("Address"), grid.Columns()->GetItem(2));
    EXPECT_EQ(grid.GetColumnByName("address"), nullptr);
}

TEST(ExCGridColumns, DisplayNameShowsIndexAndName) {
    TExColumnGrid grid(nullptr);
    grid.Columns()->GetItem(1)->Name = "Unit";
    EXPECT_EQ(grid.Columns()->GetItem(1)->DisplayName(), "Col 1: Unit");
    EXPECT_EQ(grid.Columns()->GetItem(2)->DisplayName(), "Column 2");
}

TEST(ExCGridColumns, MovingAColumnMovesItsItemAndReportsTheRealIndexes) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(5);
    for (int i = 0; i < 5; ++i)
        grid.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
    std::vector<std::pair<int, int>> moves;
    grid.OnAfterColumnMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };

    grid.MoveColumn(1, 3);

    std::vector<std::string> names;
    for (int i = 0; i < grid.Columns()->Count(); ++i)
        names.push_back(grid.Columns()->GetItem(i)->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"c0", "c2", "c3", "c1", "c4"}));
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(grid.ColCount(), 5);
}

TEST(ExCGridColumns, InsertedAndRemovedColumnsCarryTheirItems) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    for (int i = 0; i < 4; ++i)
        grid.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
    grid.RemoveCols(1, 2);
    ASSERT_EQ(grid.Columns()->Count(), 2);
    EXPECT_EQ(grid.Columns()->GetItem(1)->Name, "c3");
    EXPECT_EQ(grid.ColCount(), grid.Columns()->Count());
}

TEST(ExCGridColumns, AClippedRemovalTakesOnlyTheItemsOfTheColumnsRemoved) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    for (int i = 0; i < 4; ++i)
        grid.Columns()->GetItem(i)->Name = "c" + std::to_string(i);
    grid.RemoveCols(1, 10); // the fixed column and one normal column stay
    ASSERT_EQ(grid.ColCount(), 2);
    ASSERT_EQ(grid.Columns()->Count(), 2);
    EXPECT_EQ(grid.Columns()->GetItem(0)->Name, "c0");
    EXPECT_EQ(grid.Columns()->GetItem(1)->Name, "c3");
}

TEST(ExCGridColumns, VersionStringListsTheVersionBytesFromTheHighest) {
    TExColumnGrid grid(nullptr);
    EXPECT_EQ(grid.GetVersionNr(), 0x03010301u);
    EXPECT_EQ(grid.GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(ExCGridColumns, AFreedPopupMenuOrEditorIsForgottenByEveryItem) {
    TExColumnGrid grid(nullptr);
    auto* menu = new TPopupMenu(&grid);
    grid.Columns()->GetItem(1)->ColumnPopup = menu;
    grid.Columns()->GetItem(2)->ColumnPopup = menu;
    delete menu;
    EXPECT_EQ(grid.Columns()->GetItem(1)->ColumnPopup, nullptr);
    EXPECT_EQ(grid.Columns()->GetItem(2)->ColumnPopup, nullptr);
}

} // namespace

namespace {

TEST(ExCGridColumns, AHeaderOfAnItemAddedAheadOfItsColumnBringsTheColumnAlong) {
    TExColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Columns()->BeginUpdate();
    TGridColumnItem* item = grid.Columns()->Add();
    item->SetHeader("Later");
    EXPECT_EQ(grid.ColCount(), 3) << "the collection is updating";
    grid.Columns()->EndUpdate();
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(3, 0), "Later");
}

} // namespace

namespace {

// Six real columns, each with its own text in row 1, width, cell colour and item (name, colour,
// alignment), so that whatever lands on a wrong column shows.
struct TTaggedColumn {
    std::string Text;
    int Width;
    TColor CellColor;
    TColor ItemColor;
};

TTaggedColumn Tag(int c) {
    return {"c" + std::to_string(c), 20 + 7 * c, static_cast<TColor>(0x010101 * (c + 1)),
            static_cast<TColor>(0x100000 * (c + 1))};
}

void TagColumns(TExColumnGrid& grid) {
    grid.SetColCount(6);
    grid.SetRowCount(3);
    for (int c = 0; c < 6; ++c) {
        const TTaggedColumn tag = Tag(c);
        grid.SetCells(c, 1, tag.Text);
        grid.SetColWidths(c, tag.Width);
        grid.SetColors(c, 1, tag.CellColor);
        TGridColumnItem* item = grid.Columns()->GetItem(c);
        item->Name = tag.Text;
        item->SetColor(tag.ItemColor);
        item->SetAlignment(c % 2 ? taRightJustify : taCenter);
    }
}

// Every real column's text, width, cell colour, item and hidden mark belong to one column.
void ExpectColumnsInOnePiece(TExColumnGrid& grid, const std::string& hiddenText,
                             const std::string& what) {
    ASSERT_EQ(grid.TotalColCount(), 6) << what;
    ASSERT_EQ(grid.Columns()->Count(), 6) << what;
    for (int c = 0; c < 6; ++c) {
        const std::string text = grid.AllCells(c, 1);
        ASSERT_EQ(text.size(), 2u) << what << ": column " << c;
        const int tagged = text[1] - '0';
        const TTaggedColumn tag = Tag(tagged);
        const TGridColumnItem* item = grid.Columns()->GetItem(c);
        EXPECT_EQ(item->Name, text) << what << ": column " << c;
        EXPECT_EQ(item->Color(), tag.ItemColor) << what << ": column " << c;
        EXPECT_EQ(item->Alignment(), tagged % 2 ? taRightJustify : taCenter) << what;
        EXPECT_EQ(grid.AllColWidths(c), tag.Width) << what << ": column " << c;
        EXPECT_EQ(item->Width(), tag.Width) << what << ": column " << c;
        EXPECT_EQ(grid.Colors(c, 1), tag.CellColor) << what << ": column " << c;
        EXPECT_EQ(grid.IsHiddenColumn(c), text == hiddenText) << what << ": column " << c;
    }
    for (int d = 0; d < grid.ColCount(); ++d)
        EXPECT_EQ(grid.ColWidths(d), grid.AllColWidths(grid.RealColIndex(d))) << what;
}

TEST(ExCGridColumns, MovesAndSwapsWithAHiddenColumnKeepEachColumnInOnePiece) {
    struct Case {
        const char* name;
        void (*change)(TExColumnGrid&);
        std::vector<std::string> order; // row 1 by real column afterwards
    };
    // Column "c2" is hidden in each case: display columns 0..4 show c0 c1 c3 c4 c5.
    const Case cases[] = {
        {"move right across the hidden one",
         [](TExColumnGrid& g) { g.MoveColumn(1, 3); },
         {"c0", "c2", "c3", "c4", "c1", "c5"}},
        {"move left across the hidden one",
         [](TExColumnGrid& g) { g.MoveColumn(4, 1); },
         {"c0", "c5", "c1", "c2", "c3", "c4"}},
        {"move after the hidden one",
         [](TExColumnGrid& g) { g.MoveColumn(3, 4); },
         {"c0", "c1", "c2", "c3", "c5", "c4"}},
        {"swap the hidden one",
         [](TExColumnGrid& g) { g.SwapColumns(2, 4); },
         {"c0", "c1", "c4", "c3", "c2", "c5"}},
        {"swap across the hidden one",
         [](TExColumnGrid& g) { g.SwapColumns(1, 5); },
         {"c0", "c5", "c2", "c3", "c4", "c1"}},
        {"swap next to each other",
         [](TExColumnGrid& g) { g.SwapColumns(3, 4); },
         {"c0", "c1", "c2", "c4", "c3", "c5"}},
    };
    for (const Case& c : cases) {
        TExColumnGrid grid(nullptr);
        TagColumns(grid);
        grid.HideColumn(2);
        c.change(grid);
        std::vector<std::string> order;
        for (int col = 0; col < grid.TotalColCount(); ++col)
            order.push_back(grid.AllCells(col, 1));
        EXPECT_EQ(order, c.order) << c.name;
        ExpectColumnsInOnePiece(grid, "c2", c.name);
        // Shown again, the hidden column comes back with its own width.
        const int hidden =
            static_cast<int>(std::find(order.begin(), order.end(), "c2") - order.begin());
        grid.UnHideColumn(hidden);
        ExpectColumnsInOnePiece(grid, "", std::string(c.name) + ", shown again");
    }
}

} // namespace
