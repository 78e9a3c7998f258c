// Inserting, removing, merging, moving and swapping columns.
#include "ExGridRowsColsTestGrid.h"

#include "grid/foundation/IntList.h"

#include <gtest/gtest.h>

namespace {

// --- columns -----------------------------------------------------------------------------------

TEST(ExGridInsertCols, OpensEmptyColumnsWithTheDefaultWidth) {
    struct Case {
        int At, Count;
        Texts Expected; // row 1
    };
    const Case cases[] = {
        {1, 1, {"", "", "a", "A"}}, {2, 2, {"", "a", "", "", "A"}}, {3, 1, {"", "a", "A", ""}},
        {9, 1, {"", "a", "A", ""}}, {1, 0, {"", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.SetColWidths(1, 99);
        grid.InsertCols(c.At, c.Count);
        EXPECT_EQ(grid.RowTexts(1), c.Expected) << c.At << " " << c.Count;
        if (c.At == 1 && c.Count == 1) {
            EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
            EXPECT_EQ(grid.ColWidths(2), 99);
        }
    }
}

TEST(ExGridInsertCols, NeverShowTextsOfColumnsCutOffBefore) {
    RowsColsGrid grid;
    grid.SetColCount(2); // column 2 keeps its cells past the count
    grid.AddColumn();
    EXPECT_EQ(grid.RowTexts(1), (Texts{"", "a", ""}));
}

TEST(ExGridRemoveCols, RemovesTheColumnsThatExistAndKeepsTheLastNormalColumn) {
    struct Case {
        int At, Count;
        Texts Expected; // row 1
    };
    const Case cases[] = {
        {1, 1, {"", "A", "c1"}},      {2, 100, {"", "a"}}, // cut at the last column
        {1, 100, {"", "c1"}},                              // one normal column stays
        {4, 1, {"", "a", "A", "c1"}}, {1, 0, {"", "a", "A", "c1"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.AddColumn();
        grid.SetCells(3, 1, "c1");
        grid.RemoveCols(c.At, c.Count);
        EXPECT_EQ(grid.RowTexts(1), c.Expected) << c.At << " " << c.Count;
        EXPECT_EQ(grid.FixedCols(), 1);
    }
}

TEST(ExGridRemoveCols, PropertiesGoWithTheirCellsAndAreFreedWithRemovedCells) {
    RowsColsGrid grid;
    grid.SetColors(1, 1, clRed);
    grid.SetColors(2, 3, clBlue);
    grid.RemoveCols(1, 1);
    EXPECT_EQ(grid.Colors(1, 3), clBlue);
    EXPECT_EQ(grid.CellProperties(1, 3)->OwnerCol(), 1);
    EXPECT_EQ(grid.GetGridObject(1, 1), nullptr);
}

TEST(ExGridMergeCols, JoinsTheTextsAndRemovesTheSecondColumn) {
    RowsColsGrid grid;
    grid.SetCells(2, 3, "");
    grid.MergeCols(1, 2, " ");
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a A", "b B", "c", "d D", "e E"}));
    EXPECT_EQ(grid.ColCount(), 2);
}

TEST(ExGridMoveColumn, CurrentColumnAndColumnOrderFollow) {
    struct Case {
        int From, To, Current, CurrentAfter;
        Texts Row1;
    };
    const Case cases[] = {
        {1, 3, 1, 3, {"", "A", "c1", "a"}},
        {1, 3, 3, 2, {"", "A", "c1", "a"}},
        {3, 1, 2, 3, {"", "c1", "a", "A"}},
        {3, 1, 0, 0, {"", "c1", "a", "A"}},
    };
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.AddColumn();
        grid.SetCells(3, 1, "c1");
        grid.FocusCell(c.Current, 1, true);
        std::vector<std::pair<int, int>> moves;
        grid.OnColumnMoved = [&](TObject*, int From, int To) { moves.emplace_back(From, To); };
        grid.MoveColumn(c.From, c.To);
        EXPECT_EQ(grid.RowTexts(1), c.Row1) << c.From << " " << c.To;
        EXPECT_EQ(grid.Col(), c.CurrentAfter) << c.From << " " << c.To << " " << c.Current;
        EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{c.From, c.To}}));
        EXPECT_EQ((*grid.ColumnOrder())[c.To], c.From);
    }
}

TEST(ExGridSwapColumns, ExchangesTextsPropertiesAndWidths) {
    RowsColsGrid grid;
    grid.SetColors(1, 2, clRed);
    grid.SetColWidths(1, 99);
    grid.SwapColumns(1, 2);
    EXPECT_EQ(grid.RowTexts(2), (Texts{"", "B", "b"}));
    EXPECT_EQ(grid.Colors(2, 2), clRed);
    EXPECT_EQ(grid.ColWidths(2), 99);
}

TEST(ExGridRemoveSelectedCols, RemovesTheColumnsOfTheSelectionOrTheOthers) {
    struct Case {
        bool Selected;
        Texts Expected; // row 1
    };
    const Case cases[] = {{true, {"", "a", "c1"}}, {false, {"", "A"}}};
    for (const Case& c : cases) {
        RowsColsGrid grid;
        grid.AddColumn();
        grid.SetCells(3, 1, "c1");
        grid.SetSelection(TGridRect{2, 1, 2, 3});
        if (c.Selected)
            grid.RemoveSelectedCols();
        else
            grid.RemoveUnSelectedCols();
        EXPECT_EQ(grid.RowTexts(1), c.Expected) << c.Selected;
    }
}

TEST(ExGridClearSelection, ClearsTheSelectionRectangle) {
    RowsColsGrid grid;
    grid.SetSelection(TGridRect{2, 1, 2, 2});
    grid.ClearSelection();
    EXPECT_EQ(grid.ColumnTexts(2), (Texts{"H", "", "", "C", "D", "E"}));
    EXPECT_EQ(grid.ColumnTexts(1), (Texts{"h", "a", "b", "c", "d", "e"}));
}

} // namespace
