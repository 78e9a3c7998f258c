// The grid's own sizing: the stretch column, user sizing of one column or row taking the others
// along, widths kept in step with the grid, the grid following its form, zoom and numbering.
#include "ExGridTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ColumnSize.h"
#include "platform/core/Exception.h"
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The user sizing state the mouse leaves behind, open to the tests.
class TSizingGrid : public TTestExGrid {
public:
    using TExStringGrid::Colclicked;
    using TExStringGrid::Colclickedsize;
    using TExStringGrid::ColSized;
    using TExStringGrid::InitOrigColSizes;
    using TExStringGrid::Rowclicked;
    using TExStringGrid::Rowclickedsize;
    using TExStringGrid::Rowsized;
    using TTestExGrid::TTestExGrid;
};

std::vector<int> Widths(const TExStringGrid& grid) {
    std::vector<int> widths;
    for (int c = 0; c < grid.ColCount(); ++c)
        widths.push_back(grid.ColWidths(c));
    return widths;
}

std::vector<int> Heights(const TExStringGrid& grid) {
    std::vector<int> heights;
    for (int r = 0; r < grid.RowCount(); ++r)
        heights.push_back(grid.RowHeights(r));
    return heights;
}

// Four columns of 50 pixels in a grid 300 pixels wide without scroll bars, on a form.
class ExGridSizing : public ::testing::Test {
protected:
    ExGridSizing() {
        Form.SetBounds(0, 0, 500, 400);
        Grid = new TSizingGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 300, 200);
    }

    TForm Form{nullptr};
    TSizingGrid* Grid = nullptr; // owned by the form
};

struct StretchCase {
    std::string Name;
    int StretchColumn;
    std::vector<int> WidthsBefore;
    std::vector<int> Expected;
};

class StretchColumn : public ExGridSizing, public ::testing::WithParamInterface<StretchCase> {};

TEST_P(StretchColumn, TakesTheWidthTheOthersLeave) {
    const StretchCase& c = GetParam();
    for (int i = 0; i < 4; ++i)
        Grid->SetColWidths(i, c.WidthsBefore[i]);
    Grid->ColumnSize()->StretchColumn = c.StretchColumn;
    Grid->ColumnSize()->Stretch = true;
    // A width change applies the stretch, whoever makes it.
    Grid->SetColWidths(0, c.WidthsBefore[0] + 1);
    Grid->SetColWidths(0, c.WidthsBefore[0]);
    EXPECT_EQ(Widths(*Grid), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    ExGridSizing, StretchColumn,
    ::testing::Values(StretchCase{"LastColumnByMinusOne", -1, {50, 50, 50, 50}, {50, 50, 50, 149}},
                      StretchCase{"MiddleColumn", 1, {50, 50, 50, 50}, {50, 149, 50, 50}},
                      // The others fill the client width and the grid is not scrolled sideways.
                      StretchCase{
                          "OthersFillTheWidth", 3, {100, 100, 100, 70}, {100, 100, 100, 50}}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ExGridSizing, StretchedSingleColumnIsExactlyTheClientWidth) {
    Grid->SetFixedCols(0);
    Grid->SetColCount(1);
    Grid->ColumnSize()->Stretch = true;
    Grid->StretchRightColumn();
    EXPECT_EQ(Grid->ColWidths(0), Grid->ClientWidth());
}

TEST_F(ExGridSizing, StretchColumnKeepsItsWidthWhileScrolledSideways) {
    Grid->SetColCount(8);
    for (int c = 0; c < 8; ++c)
        Grid->SetColWidths(c, 100);
    Grid->SetLeftCol(3);
    ASSERT_EQ(Grid->LeftCol(), 3);
    Grid->ColumnSize()->Stretch = true;
    Grid->StretchRightColumn();
    EXPECT_EQ(Grid->ColWidths(7), 100);
}

TEST_F(ExGridSizing, StretchFollowsTheGridWidth) {
    int resized = 0;
    Grid->OnResize = [&](TObject*) { ++resized; };
    Grid->ColumnSize()->Stretch = true;
    Grid->SetBounds(0, 0, 400, 200);
    EXPECT_EQ(Grid->ColWidths(3), 400 - 150 - 1);
    EXPECT_EQ(resized, 1);
}

TEST_F(ExGridSizing, StretchColumnOutsideTheGridIsRefusedAndNothingChanges) {
    for (const int index : {4, 9, -2, -50}) {
        SCOPED_TRACE(index);
        Grid->ColumnSize()->Stretch = true;
        Grid->ColumnSize()->StretchColumn = index;
        const std::vector<int> before = Widths(*Grid);
        try {
            Grid->SetBounds(0, 0, 320 + index, 200);
            FAIL() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Stretch column index out of range");
        }
        EXPECT_EQ(Widths(*Grid), before);
        Grid->ColumnSize()->Stretch = false;
    }
}

// An index that no longer fits the columns must not break every width change while the
// stretch is off.
TEST_F(ExGridSizing, WidthChangesIgnoreTheStretchColumnWhileTheStretchIsOff) {
    Grid->ColumnSize()->StretchColumn = 9;
    EXPECT_NO_THROW(Grid->SetColWidths(1, 70));
    EXPECT_NO_THROW(Grid->SetBounds(0, 0, 280, 200));
    EXPECT_EQ(Grid->ColWidths(1), 70);
}

// Inserting and removing columns change the count half-way through their work.
TEST_F(ExGridSizing, ColumnCountBelowTheStretchColumnDoesNotFailTheCountChange) {
    Grid->ColumnSize()->StretchColumn = 3;
    Grid->ColumnSize()->Stretch = true;
    Grid->SetCells(3, 1, "last");
    EXPECT_NO_THROW(Grid->RemoveCols(3, 1));
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->Cells(3, 1), "") << "the removal finished";
}

TEST_F(ExGridSizing, SizingOneColumnWithAllColumnSizeScalesTheNormalColumns) {
    Grid->SetColCount(5);
    const std::vector<int> start{40, 45, 50, 35, 51};
    for (int c = 0; c < 5; ++c)
        Grid->SetColWidths(c, start[c]);
    Grid->MouseActions()->AllColumnSize = true;
    std::vector<int> ended;
    Grid->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    Grid->Colclicked = 2;
    Grid->Colclickedsize = 50;
    Grid->ColSized = true;
    Grid->SetColWidths(2, 75);
    // 1.5 times, halves to even; the fixed column keeps its width.
    EXPECT_EQ(Widths(*Grid), (std::vector<int>{40, 68, 75, 52, 76}));
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(Grid->Colclicked, -1);
    EXPECT_FALSE(Grid->ColSized);
}

TEST_F(ExGridSizing, UpdateColumnSizeHandlerSetsTheWidthOfAUserSizing) {
    Grid->OnUpdateColumnSize = [](TObject*, int ACol, int& AWidth) {
        if (ACol == 2)
            AWidth = 90;
    };
    Grid->Colclicked = 2;
    Grid->Colclickedsize = 50;
    Grid->ColSized = true;
    Grid->SetColWidths(2, 60);
    EXPECT_EQ(Grid->ColWidths(2), 90);
    EXPECT_EQ(Grid->Colclicked, 2) << "the nested change does not reset the sized column";
}

TEST_F(ExGridSizing, SizingOneRowWithAllRowSizeScalesTheNormalRows) {
    Grid->MouseActions()->AllRowSize = true;
    std::vector<int> ended;
    Grid->OnEndRowSize = [&](TObject*, int ARow) { ended.push_back(ARow); };
    Grid->SetRowHeights(3, 25);
    Grid->Rowclicked = 1;
    Grid->Rowclickedsize = 20;
    Grid->Rowsized = true;
    Grid->SetRowHeights(1, 30);
    EXPECT_EQ(Heights(*Grid), (std::vector<int>{20, 30, 30, 38, 30}));
    EXPECT_EQ(ended, std::vector<int>{1});
    EXPECT_EQ(Grid->Rowclicked, -1);
}

TEST_F(ExGridSizing, ChangesWithoutUserSizingFireNoEndEvents) {
    int ended = 0;
    Grid->OnEndColumnSize = [&](TObject*, int) { ++ended; };
    Grid->OnEndRowSize = [&](TObject*, int) { ++ended; };
    Grid->SetColWidths(1, 70);
    Grid->SetRowHeights(1, 30);
    EXPECT_EQ(ended, 0);
}

struct SizingSynchCase {
    std::string Name;
    bool NormalOnly;
    std::vector<int> Expected;
};

class SynchWithGrid : public ExGridSizing, public ::testing::WithParamInterface<SizingSynchCase> {};

TEST_P(SynchWithGrid, ScalesTheRememberedWidthsByTheGridWidth) {
    Grid->SetColWidths(1, 60);
    Grid->InitOrigColSizes();
    Grid->ColumnSize()->SynchWithGrid = true;
    Grid->ColumnSize()->SynchNormalCellsOnly = GetParam().NormalOnly;
    Grid->SetColWidths(1, 10); // the remembered widths are the reference, not the present ones
    Grid->SetBounds(0, 0, 450, 200);
    // The new client width with the single border, 452, over the remembered 300.
    EXPECT_EQ(Widths(*Grid), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(ExGridSizing, SynchWithGrid,
                         ::testing::Values(SizingSynchCase{"AllColumns", false, {75, 90, 75, 75}},
                                           SizingSynchCase{"NormalColumnsOnly", true, {50, 90, 75, 75}}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ExGridSizing, SynchWithGridWaitsForRememberedWidths) {
    Grid->ColumnSize()->SynchWithGrid = true;
    Grid->SetBounds(0, 0, 450, 200);
    EXPECT_EQ(Widths(*Grid), (std::vector<int>{50, 50, 50, 50}));
}

TEST_F(ExGridSizing, GridFollowsItsFormAndKeepsTheFormsOwnHandler) {
    int formHandlerRuns = 0;
    Form.OnResize = [&](TObject*) { ++formHandlerRuns; };
    Grid->SetSizeWithForm(true);
    Form.SetBounds(0, 0, 540, 430);
    EXPECT_EQ(Grid->Width(), 340);
    EXPECT_EQ(Grid->Height(), 230);
    EXPECT_EQ(formHandlerRuns, 1);
    // A shrink that would leave the grid no width is ignored, the remembered size included.
    Form.SetBounds(0, 0, 190, 430);
    EXPECT_EQ(Grid->Width(), 340);
    Form.SetBounds(0, 0, 500, 400);
    EXPECT_EQ(Grid->Width(), 300);
}

TEST_F(ExGridSizing, FormHandlerThatThrowsDoesNotStopTheStretch) {
    Form.OnResize = [](TObject*) { throw std::runtime_error("form handler"); };
    Grid->ColumnSize()->Stretch = true;
    Grid->SetSizeWithForm(true);
    EXPECT_NO_THROW(Form.SetBounds(0, 0, 560, 400));
    EXPECT_EQ(Grid->Width(), 360);
    EXPECT_EQ(Grid->ColWidths(3), 360 - 150 - 1);
}

TEST_F(ExGridSizing, FormOutlivingTheGridRunsItsOwnHandlerAlone) {
    int formHandlerRuns = 0;
    Form.OnResize = [&](TObject*) { ++formHandlerRuns; };
    Grid->SetSizeWithForm(true);
    delete Grid;
    Grid = nullptr;
    Form.SetBounds(0, 0, 520, 400);
    EXPECT_EQ(formHandlerRuns, 1);
}

TEST_F(ExGridSizing, ZoomOutsideTenPointsIsIgnoredAsAWhole) {
    Grid->ZoomFactor = 10;
    Grid->Zoom(1);
    EXPECT_EQ(Grid->ZoomFactor, 10);
    EXPECT_EQ(Widths(*Grid), (std::vector<int>{50, 50, 50, 50}));
    Grid->ZoomFactor = -8;
    Grid->Zoom(-3);
    EXPECT_EQ(Grid->ZoomFactor, -8);
}

TEST_F(ExGridSizing, ZoomLeavesColumnsAndRowsThatWouldVanishAlone) {
    Grid->SetColWidths(1, 5);
    Grid->SetColWidths(2, 0); // a hidden column stays hidden
    Grid->SetRowHeights(4, 3);
    Grid->Zoom(-5);
    EXPECT_EQ(Grid->ZoomFactor, -5);
    EXPECT_EQ(Widths(*Grid), (std::vector<int>{45, 5, 0, 45}));
    EXPECT_EQ(Heights(*Grid), (std::vector<int>{15, 15, 15, 15, 3}));
    Grid->Zoom(7);
    EXPECT_EQ(Grid->ZoomFactor, 2);
    EXPECT_EQ(Widths(*Grid), (std::vector<int>{52, 12, 0, 52}));
}

struct NumberCase {
    std::string Name;
    TSortDirection Direction;
    int Start;
    int Offset;
    std::vector<std::string> Column; // rows 0 .. 10
};

class AutoNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(AutoNumber, NumbersTheNormalRowsOfAColumn) {
    const NumberCase& c = GetParam();
    TTestExGrid grid(nullptr);
    grid.SetRowCount(11);
    for (int r = 0; r < 11; ++r)
        grid.SetCells(1, r, "x");
    grid.AutoNumberStart = c.Start;
    grid.AutoNumberOffset = c.Offset;
    grid.AutoNumberDirection = c.Direction;
    grid.AutoNumberCol(1);
    std::vector<std::string> column;
    for (int r = 0; r < 11; ++r)
        column.push_back(grid.Cells(1, r));
    EXPECT_EQ(column, c.Column);
}

INSTANTIATE_TEST_SUITE_P(
    ExGridSizing, AutoNumber,
    ::testing::Values(NumberCase{"Ascending",
                                 sdAscending,
                                 0,
                                 0,
                                 {"x", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
                      NumberCase{"AscendingFromTheThirdRow",
                                 sdAscending,
                                 2,
                                 0,
                                 {"x", "x", "x", "3", "4", "5", "6", "7", "8", "9", "10"}},
                      NumberCase{"DescendingFromTheThirdRow",
                                 sdDescending,
                                 2,
                                 0,
                                 {"x", "10", "9", "8", "7", "6", "5", "4", "3", "x", "x"}},
                      NumberCase{"WithOffset",
                                 sdAscending,
                                 0,
                                 100,
                                 {"x", "101", "102", "103", "104", "105", "106", "107", "108",
                                  "109", "110"}},
                      NumberCase{"StartBeyondTheEnd",
                                 sdAscending,
                                 20,
                                 0,
                                 {"x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x"}}),
    [](const auto& info) { return info.param.Name; });

TEST(ExGridSizingNumbers, RowNumberingSkipsFixedAndFixedRightColumns) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetFixedRightCols(1);
    grid.AutoNumberDirection = sdDescending;
    grid.AutoNumberRow(2);
    std::vector<std::string> row;
    for (int c = 0; c < 6; ++c)
        row.push_back(grid.Cells(c, 2));
    EXPECT_EQ(row, (std::vector<std::string>{"", "4", "3", "2", "1", ""}));
}

} // namespace
