// Clearing, trimming, colouring, merging runs of cells, finding cells, the used and saved ranges,
// scrolling into view and the sizing-border hit test.
#include "ExGridRowsColsTestGrid.h"

#include <gtest/gtest.h>

namespace {

// --- rectangles --------------------------------------------------------------------------------

TEST(ExGridClear, ShortcutsClearTheirRanges) {
    struct Case {
        const char* Name;
        void (*Clear)(RowsColsGrid&);
        Texts Column1;
        Texts Row1;
    };
    const Case cases[] = {
        {"ClearRows",
         [](RowsColsGrid& g) { g.ClearRows(1, 2); },
         {"h", "", "", "c", "d", "e"},
         {"", "", ""}},
        {"ClearCols",
         [](RowsColsGrid& g) { g.ClearCols(1, 1); },
         {"", "", "", "", "", ""},
         {"r1", "", "A"}},
        {"ClearNormalCols",
         [](RowsColsGrid& g) { g.ClearNormalCols(1, 1); },
         {"h", "", "", "", "", ""},
         {"r1", "", "A"}},
        {"ClearNormalCells",
         [](RowsColsGrid& g) { g.ClearNormalCells(); },
         {"h", "", "", "", "", ""},
         {"r1", "", ""}},
        {"ClearRows nothing",
         [](RowsColsGrid& g) { g.ClearRows(1, 0); },
         {"h", "a", "b", "c", "d", "e"},
         {"r1", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetCells(0, 1, "r1");
        c.Clear(grid);
        EXPECT_EQ(grid.ColumnTexts(1), c.Column1) << c.Name;
        EXPECT_EQ(grid.RowTexts(1), c.Row1) << c.Name;
    }
}

TEST(ExGridClear, FreesPropertiesUnlessOnlyTextsAreCleared) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.ClearTextOnly = true;
    grid.ClearRect(1, 1, 1, 1);
    EXPECT_EQ(grid.GetGridCell(1, 1), "");
    EXPECT_EQ(grid.Colors(1, 1), clRed);
    grid.ClearTextOnly = false;
    grid.ClearRect(1, 1, 2, 2);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
}

TEST(ExGridClear, OnlyTheWholeGridForgetsThatCellsHadProperties) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.ClearRect(1, 1, 2, 5);
    EXPECT_TRUE(grid.FHasCellProps);
    grid.SetColors(1, 1, clRed);
    grid.Clear();
    EXPECT_FALSE(grid.FHasCellProps);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
    EXPECT_EQ(grid.ColumnTexts(2), Texts(6, ""));
}

TEST(ExGridClear, KeepsKnowingOfPropertiesInColumnsPastTheCount) {
    RowsColsGrid grid;
    grid.SetColors(2, 1, clRed);
    grid.SetColCount(2); // column 2 keeps its cells and properties past the count
    grid.Clear();
    EXPECT_TRUE(grid.FHasCellProps); // so that they are still freed with the grid
}

TEST(ExGridTrim, RemovesBlanksAtBothEndsOfTheRange) {
    RowsColsGrid grid;
    grid.SetCells(1, 1, "  a b ");
    grid.SetCells(2, 1, " x ");
    grid.SetCells(1, 2, " y ");
    grid.TrimRow(1);
    EXPECT_EQ(grid.RowTexts(1), (Texts{"", "a b", "x"}));
    EXPECT_EQ(grid.GetGridCell(1, 2), " y ");
    grid.TrimAll();
    EXPECT_EQ(grid.GetGridCell(1, 2), "y");
}

TEST(ExGridColorRect, ColoursEveryCellOfTheRectangle) {
    RowsColsGrid grid;
    grid.ColorRect(1, 1, 2, 2, clGreen);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(grid.Colors(c, r), clGreen);
    EXPECT_EQ(grid.GetGridObject(1, 3), nullptr);
}

TEST(ExGridMergeColumnCells, RunsOfEqualTextsBecomeOneAreaEach) {
    RowsColsGrid grid;
    const Texts values = {"h", "A", "A", "B", "B", "B"};
    for (int r = 0; r < 6; ++r)
        grid.SetCells(1, r, values[r]);
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(grid.CellSpan(1, 1), (TPoint{0, 1}));
    EXPECT_EQ(grid.CellSpan(1, 3), (TPoint{0, 2}));
    grid.SplitColumnCells(1);
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_FALSE(grid.IsMergedCell(1, 3));
}

TEST(ExGridMergeRowCells, RunsOfEqualTextsBecomeOneAreaEach) {
    RowsColsGrid grid;
    grid.SetColCount(5);
    const Texts values = {"", "x", "x", "x", "y"};
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 2, values[c]);
    grid.MergeRowCells(2, true);
    EXPECT_EQ(grid.CellSpan(1, 2), (TPoint{2, 0}));
    EXPECT_FALSE(grid.IsMergedCell(4, 2));
    grid.SplitAllCells();
    EXPECT_FALSE(grid.IsMergedCell(1, 2));
}

// --- finding and ranges ------------------------------------------------------------------------

TEST(ExGridIsCell, FindsWholeTextsRowByRow) {
    RowsColsGrid grid;
    grid.SetCells(2, 1, "c");
    int col = -1;
    int row = -1;
    EXPECT_TRUE(grid.IsCell("c", col, row));
    EXPECT_EQ((TPoint{col, row}), (TPoint{2, 1}));
    EXPECT_FALSE(grid.IsCell("ab", col, row));
    EXPECT_FALSE(grid.IsCell("C ", col, row));
}

TEST(ExGridIsWideCell, TellsPackedWideTexts) {
    RowsColsGrid grid;
    grid.SetCells(1, 1, "|\\0041");
    EXPECT_TRUE(grid.IsWideCell(1, 1));
    EXPECT_FALSE(grid.IsWideCell(1, 2));
}

TEST(ExGridUsedCells, SpansTheNonEmptyCells) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.UsedCells(), (TRect{0, 0, 0, 0}));
    grid.SetCells(3, 1, "x");
    grid.SetCells(1, 4, "y");
    EXPECT_EQ(grid.UsedCells(), Rect(1, 1, 3, 4));
}

TEST(ExGridSaveRange, FollowsTheSaveFlags) {
    struct Case {
        bool FixedCells, FixedRows, FixedCols;
        TRect Expected; // start column, start row, end column, end row
    };
    const Case cases[] = {
        {true, false, false, Rect(0, 0, 4, 5)},
        {false, false, false, Rect(1, 1, 3, 4)},
        {false, true, false, Rect(1, 0, 3, 5)},
        {false, false, true, Rect(0, 1, 4, 4)},
    };
    for (const Case& c : cases) {
        TExStringGrid grid(nullptr);
        grid.SetColCount(5);
        grid.SetRowCount(6);
        grid.SetFixedRightCols(1);
        grid.SetFixedFooters(1);
        grid.SaveFixedCells = c.FixedCells;
        grid.SaveFixedRows = c.FixedRows;
        grid.SaveFixedCols = c.FixedCols;
        EXPECT_EQ(
            Rect(grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow()),
            c.Expected);
        EXPECT_EQ(grid.SaveColCount(), c.Expected.Right - c.Expected.Left + 1);
        EXPECT_EQ(grid.SaveRowCount(), c.Expected.Bottom - c.Expected.Top + 1);
    }
}

// --- view --------------------------------------------------------------------------------------

TEST(ExGridScrollInView, BringsAFarCellIntoViewAndLeavesAVisibleOneAlone) {
    TExStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(4);
    grid.SetRowCount(200);
    grid.ScrollInView(1, 3);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.ScrollInView(1, 150);
    EXPECT_EQ(grid.Row(), 150);
    EXPECT_LE(grid.TopRow(), 150);
    EXPECT_GT(grid.TopRow() + grid.VisibleRowCount(), 150);
}

TEST(ExGridIsOnSizingBorder, NearTheBordersOfTheFixedCells) {
    TExStringGrid grid(nullptr);
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    TGridOptions options = grid.Options();
    options << goColSizing << goRowSizing;
    grid.SetOptions(options);
    const TRect header = grid.CellRect(2, 0);
    const TRect normal = grid.CellRect(2, 2);
    const TRect fixedCol = grid.CellRect(0, 2);
    EXPECT_TRUE(grid.IsOnSizingBorder(header.Right - 2, header.Top + 5));
    EXPECT_FALSE(grid.IsOnSizingBorder(header.Left + 20, header.Top + 5));
    EXPECT_FALSE(grid.IsOnSizingBorder(normal.Right - 2, normal.Top + 5));
    EXPECT_TRUE(grid.IsOnSizingBorder(fixedCol.Left + 10, fixedCol.Bottom - 1));
    EXPECT_FALSE(grid.IsOnSizingBorder(fixedCol.Left + 10, fixedCol.Top + 10));
}

} // namespace
