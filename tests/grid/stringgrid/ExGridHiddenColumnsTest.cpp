// Hidden columns of the string grid: their cells stay in place, the display closes up over
// them, any column index can be hidden, and real and display columns map both ways.
#include "ExGridTestGrid.h"

#include "grid/foundation/IntList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Name(int c, int r) {
    return std::to_string(c) + ":" + std::to_string(r);
}

// `cols` real columns of 3 rows; cell (c, r) holds "c:r" and column c is 20 + c pixels wide.
void FillHidden(TTestExGrid& grid, int cols) {
    grid.SetColCount(cols);
    grid.SetRowCount(3);
    for (int c = 0; c < cols; ++c) {
        grid.SetColWidths(c, 20 + c % 50);
        for (int r = 0; r < 3; ++r)
            grid.SetCells(c, r, Name(c, r));
    }
}

// Every display column shows a real column on show whose cells are its own, and maps back.
void ExpectDisplayMapsBothWays(TTestExGrid& grid) {
    for (int d = 0; d < grid.ColCount(); ++d) {
        const int real = grid.RealColIndex(d);
        ASSERT_FALSE(grid.IsHiddenColumn(real)) << d;
        ASSERT_EQ(grid.DisplColIndex(real), d);
        ASSERT_EQ(grid.AllCells(real, 1), Name(real, 1));
        ASSERT_EQ(grid.ColWidths(d), 20 + real % 50) << d;
    }
}

TEST(ExGridHiddenColumns, OneHiddenColumnMapsAsTheNextOneOnShow) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 6);
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    EXPECT_EQ(grid.TotalColCount(), 6);
    EXPECT_EQ(grid.AllColCount(), 6);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.DisplColIndex(3), 2);
    EXPECT_EQ(grid.DisplColIndex(2), 2);
    EXPECT_EQ(grid.AllColWidths(2), 22);
    EXPECT_EQ(grid.AllCells(2, 1), "2:1"); // the cells stay where they are
    ExpectDisplayMapsBothWays(grid);
}

TEST(ExGridHiddenColumns, ColumnsBeyond512AreHiddenAndMappedAtEveryIndex) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 1200);
    const std::vector<int> hidden = {3, 511, 512, 513, 600, 1024, 1199};
    for (int c : hidden)
        grid.HideColumn(c);
    EXPECT_EQ(grid.ColCount(), 1200 - static_cast<int>(hidden.size()));
    EXPECT_EQ(grid.TotalColCount(), 1200);
    for (int c : hidden)
        EXPECT_TRUE(grid.IsHiddenColumn(c)) << c;
    EXPECT_FALSE(grid.IsHiddenColumn(601));
    EXPECT_EQ(grid.RealColIndex(600), 605); // five hidden columns come before it
    EXPECT_EQ(grid.DisplColIndex(605), 600);
    EXPECT_EQ(grid.AllColWidths(1024), 20 + 1024 % 50);
    ExpectDisplayMapsBothWays(grid);

    grid.UnHideColumn(600);
    EXPECT_FALSE(grid.IsHiddenColumn(600));
    EXPECT_EQ(grid.ColWidths(grid.DisplColIndex(600)), 20 + 600 % 50);
    ExpectDisplayMapsBothWays(grid);
    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.ColCount(), 1200);
    ExpectDisplayMapsBothWays(grid);
}

TEST(ExGridHiddenColumns, HidingTwiceOrTheLastColumnOnShowChangesNothing) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 3);
    grid.HideColumn(1);
    grid.HideColumn(1);
    EXPECT_EQ(grid.ColCount(), 2);
    grid.HideColumns(0, 2);
    EXPECT_EQ(grid.ColCount(), 1); // one column stays on show
    EXPECT_EQ(grid.NumHiddenColumns(), 2);
    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.ColCount(), 3);
    ExpectDisplayMapsBothWays(grid);
}

TEST(ExGridHiddenColumns, HidingTheLastDisplayColumnMovesTheCurrentColumnLeft) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 5);
    grid.SetCol(4);
    grid.HideColumn(4);
    EXPECT_EQ(grid.Col(), 3);
}

TEST(ExGridHiddenColumns, AWidthGivenToAHiddenColumnIsTheWidthItComesBackWith) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 5);
    grid.HideColumn(3);
    grid.SetAllColWidths(3, 77);
    EXPECT_EQ(grid.ColWidths(3), 24); // display column 3 is real column 4
    grid.UnHideColumn(3);
    EXPECT_EQ(grid.ColWidths(3), 77);
}

TEST(ExGridHiddenColumns, HiddenRowsKeepTheCellsOfHiddenColumns) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 5);
    grid.HideColumn(3);
    grid.HideRow(1);
    EXPECT_EQ(grid.AllCells(3, 1), "3:1");
    EXPECT_EQ(grid.AllCells(4, 1), "4:1");
    grid.UnHideColumn(3);
    grid.UnHideRow(1);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid.Cells(c, 1), Name(c, 1)) << c;
}

TEST(ExGridHiddenColumns, HiddenColumnsAndStoredRowsFollowInsertedMovedAndRemovedColumns) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 6);
    grid.HideColumn(3);
    grid.HideRow(2);
    grid.InsertCols(1, 2); // two new real columns at 1
    EXPECT_TRUE(grid.IsHiddenColumn(5));
    EXPECT_FALSE(grid.IsHiddenColumn(3));
    EXPECT_EQ(grid.AllCells(5, 2), "3:2");
    EXPECT_EQ(grid.AllCells(1, 2), "");

    grid.SwapColumns(5, 0); // real columns, with their marks
    EXPECT_TRUE(grid.IsHiddenColumn(0));
    EXPECT_FALSE(grid.IsHiddenColumn(5));
    EXPECT_EQ(grid.AllCells(0, 2), "3:2");
    EXPECT_EQ(grid.AllCells(5, 2), "0:2");

    grid.RemoveCols(0, 1); // the hidden column itself
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.AllCells(4, 2), "0:2");
}

TEST(ExGridHiddenColumns, ColumnByHeaderFindsHiddenColumnsAndMatchesCase) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 4);
    grid.SetCells(2, 0, "Name");
    grid.SetCells(3, 0, "name");
    grid.HideColumn(2);
    struct Case {
        std::string header;
        int expected;
    };
    const Case cases[] = {{"Name", 2}, {"name", 3}, {"NAME", -1}, {"1:0", 1}, {"", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(grid.ColumnByHeader(c.header), c.expected) << c.header;
}

TEST(ExGridColumnOrder, AnEmptyOrderIsRecordedOnFirstUse) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 4);
    grid.ColumnOrder()->Clear();
    EXPECT_EQ(grid.ColumnAtPosition(2), 2);
    EXPECT_EQ(grid.ColumnOrder()->Count(), 4);
    EXPECT_EQ(grid.ColumnAtPosition(9), 9); // past the recorded order
    EXPECT_EQ(grid.ColumnPosition(3), 3);
}

TEST(ExGridColumnOrder, AGroupingColumnShiftsPositionsAfterIt) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 6);
    grid.SetColumnOrder();
    grid.FGroupColumn = 2;
    struct Case {
        int position;
        int column;
    };
    // The grouping column is out of the display: the positions from it on name the next one.
    for (const Case c : {Case{1, 1}, Case{2, 3}, Case{4, 5}})
        EXPECT_EQ(grid.ColumnAtPosition(c.position), c.column) << c.position;
    for (const Case c : {Case{1, 1}, Case{2, 3}, Case{4, 5}})
        EXPECT_EQ(grid.ColumnPosition(c.column), c.position) << c.column;
}

// The row-0 texts from left to right: which real column stands where.
std::string HeaderRow(TTestExGrid& grid) {
    std::string text;
    for (int c = 0; c < grid.ColCount(); ++c)
        text += (c ? " " : "") + grid.Cells(c, 0);
    return text;
}

TEST(ExGridColumnOrder, ResetMovesEveryColumnBackAndShowsTheHiddenOnes) {
    struct Move {
        int from, to;
    };
    struct Case {
        const char* what;
        std::vector<Move> moves;
        int hide; // real column hidden after the moves, -1 none
        const char* arranged;
    } cases[] = {
        {"one move right", {{0, 3}}, -1, "1:0 2:0 3:0 0:0 4:0"},
        {"moves both ways", {{4, 0}, {1, 3}}, -1, "4:0 1:0 2:0 0:0 3:0"},
        {"reversed", {{4, 0}, {4, 1}, {4, 2}, {4, 3}}, -1, "4:0 3:0 2:0 1:0 0:0"},
        {"moved and hidden", {{1, 4}, {0, 2}}, 1, "2:0 3:0 0:0 4:0"},
    };
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        FillHidden(grid, 5);
        for (const Move& m : c.moves)
            grid.MoveColumn(m.from, m.to);
        if (c.hide >= 0)
            grid.HideColumn(c.hide);
        ASSERT_EQ(HeaderRow(grid), c.arranged) << c.what;
        grid.ResetColumnOrder();
        EXPECT_EQ(HeaderRow(grid), "0:0 1:0 2:0 3:0 4:0") << c.what;
        EXPECT_EQ(grid.NumHiddenColumns(), 0) << c.what;
        EXPECT_EQ(grid.ColumnAtPosition(3), 3) << c.what;
    }
}

TEST(ExGridColumnOrder, ResetWithoutAnOrderRecordsTheOrderAsItStands) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 4);
    grid.ColumnOrder()->Clear();
    grid.ResetColumnOrder();
    EXPECT_EQ(grid.ColumnOrder()->Count(), 4);
    EXPECT_EQ(HeaderRow(grid), "0:0 1:0 2:0 3:0");
}

// Columns removed after the order was recorded leave entries no column can follow; the reset
// still ends, with the columns that are left in their order.
TEST(ExGridColumnOrder, ResetAfterColumnsWentAwayEnds) {
    TTestExGrid grid(nullptr);
    FillHidden(grid, 6);
    grid.MoveColumn(5, 0);
    grid.SetColCount(4);
    ASSERT_EQ(HeaderRow(grid), "5:0 0:0 1:0 2:0");
    grid.ResetColumnOrder();
    EXPECT_EQ(HeaderRow(grid), "0:0 1:0 2:0 5:0");
}

} // namespace
