#include "StringGridControlTestGrid.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

using namespace StringGridTest;

TEST(StringGridControl, StartsWithTheFrameworkDefaults) {
    TStringGrid grid(nullptr);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_TRUE(grid.Options().Contains(goRangeSelect));
    EXPECT_FALSE(grid.Options().Contains(goEditing));
}

TEST(StringGridControl, ColumnsPastTheCountKeepTheirCellsRowsDoNot) {
    auto grid = MakeGrid();
    grid->SetCells(12, 3, "hidden column");
    grid->SetCells(8, 3, "column 8");
    grid->SetCells(2, 19, "last row");
    grid->SetCells(2, 40, "written past the rows");
    grid->SetColCount(5);
    grid->SetColCount(10);
    EXPECT_EQ(grid->Cells(12, 3), "hidden column");
    EXPECT_EQ(grid->Cells(8, 3), "column 8") << "columns come back with their cells";
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cells(12, 3), "hidden column");
    grid->SetRowCount(20);
    EXPECT_EQ(grid->Cells(2, 19), "") << "rows added again start empty";
    EXPECT_EQ(grid->Cells(2, 40), "");
    EXPECT_EQ(grid->Cells(7, 7), "");
    EXPECT_EQ(grid->Objects(7, 7), nullptr);
}

TEST(StringGridControl, CountsKeepFixedAndCurrentCellInside) {
    auto grid = MakeGrid();
    grid->SetFixedRows(2);
    grid->FocusCell(8, 15, true);
    grid->SetRowCount(2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetColCount(0);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_THROW(grid->SetFixedRows(2), Exception);
    EXPECT_THROW(grid->SetRow(5), Exception);
    EXPECT_THROW(grid->SetColWidths(-1, 10), Exception);
}

TEST(StringGridControl, SelectCellHookCanRefuseAMove) {
    auto grid = MakeGrid();
    grid->OnSelectCell = [](TObject*, int col, int, bool& canSelect) { canSelect = col != 3; };
    grid->SetCol(3);
    EXPECT_EQ(grid->Col(), 1);
    grid->SetCol(4);
    EXPECT_EQ(grid->Col(), 4);
}

TEST(StringGridControl, RowSelectSpansTheRow) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goRowSelect);
    grid->FocusCell(4, 6, true);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 6, 9, 6}));
}

TEST(StringGridControl, StructuralMovesCarryCellsAndSizes) {
    auto grid = MakeGrid();
    grid->SetCells(1, 1, "a");
    grid->SetColWidths(1, 70);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->Cells(3, 1), "a");
    EXPECT_EQ(grid->ColWidths(3), 70);
    grid->SetCells(2, 4, "row four");
    grid->DeleteRow(2);
    EXPECT_EQ(grid->RowCount(), 19);
    EXPECT_EQ(grid->Cells(2, 3), "row four");
    grid->SetCells(10, 1, "past the count");
    grid->DeleteColumn(2);
    EXPECT_EQ(grid->ColCount(), 9);
    EXPECT_EQ(grid->Cells(2, 1), "a") << "the columns after it move up";
    EXPECT_EQ(grid->Cells(9, 1), "past the count") << "so do the ones past the count";
}

TEST(StringGridControl, PermuteRowsCarriesCellsObjectsAndHeights) {
    auto grid = MakeGrid();
    TObject tag;
    grid->SetCells(1, 2, "two");
    grid->SetObjects(3, 2, &tag);
    grid->SetRowHeights(2, 44);
    grid->SetCells(12, 4, "past the count");
    grid->SetCells(1, 5, "five");

    grid->PermuteRows(2, {4, 2, 3}); // row 2 takes old row 4, row 3 old row 2, row 4 old row 3

    EXPECT_EQ(grid->Cells(12, 2), "past the count");
    EXPECT_EQ(grid->Cells(1, 3), "two");
    EXPECT_EQ(grid->Objects(3, 3), &tag);
    EXPECT_EQ(grid->RowHeights(3), 44);
    EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(1, 5), "five") << "rows past the range stay";
    EXPECT_THROW(grid->PermuteRows(18, {18, 19, 20}), Exception) << "past RowCount";
    EXPECT_EQ(grid->Cells(1, 3), "two");
}
