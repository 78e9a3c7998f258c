#include "StringGridControlTestGrid.h"

#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

using namespace StringGridTest;

TEST(StringGridControl, CellRectAndMouseToCellAgree) {
    auto grid = MakeGrid();
    grid->SetColWidths(2, 80);
    grid->SetRowHeights(3, 0); // a hidden row takes no pixels
    struct Case {
        int col, row;
        TRect rect;
    };
    // Each cell is followed by a one-pixel line.
    const Case cases[] = {
        {0, 0, Rect(0, 0, 50, 20)},     {1, 1, Rect(51, 21, 101, 41)},
        {2, 2, Rect(102, 42, 182, 62)}, {3, 4, Rect(183, 64, 233, 84)},
        {3, 3, Rect(183, 63, 233, 63)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid->CellRect(c.col, c.row), c.rect) << c.col << "," << c.row;
        if (c.rect.IsEmpty())
            continue;
        for (TPoint p : {c.rect.TopLeft(), Point(c.rect.Right, c.rect.Bottom)}) {
            int col, row;
            grid->MouseToCell(p.X, p.Y, col, row);
            EXPECT_EQ(col, c.col) << "x " << p.X;
            EXPECT_EQ(row, c.row) << "y " << p.Y;
        }
    }
    EXPECT_EQ(grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
}

TEST(StringGridControl, ScrolledCellsMoveAndHideUnderTheFixedArea) {
    auto grid = MakeGrid();
    grid->SetTopRow(5);
    grid->SetLeftCol(3);
    EXPECT_EQ(grid->CellRect(3, 5), Rect(51, 21, 101, 41));
    EXPECT_TRUE(grid->CellRect(2, 5).IsEmpty()) << "scrolled out to the left";
    EXPECT_TRUE(grid->CellRect(3, 4).IsEmpty()) << "scrolled out to the top";
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 50, 20)) << "fixed cells do not scroll";
    EXPECT_EQ(grid->MouseCoord(60, 30), (TGridCoord{3, 5}));
}

TEST(StringGridControl, TopLeftStaysWithinItsRange) {
    auto grid = MakeGrid();
    // 200 pixels show the fixed row and 8 full rows of 21 pixels (fixed row included: 21).
    EXPECT_EQ(grid->VisibleRowCount(), 8);
    EXPECT_EQ(grid->VisibleColCount(), 4);
    int changes = 0;
    grid->OnTopLeftChanged = [&](TObject*) { ++changes; };
    grid->SetTopRow(1000);
    EXPECT_EQ(grid->TopRow(), 12) << "the last row ends the view";
    grid->SetTopRow(-5);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(changes, 2);
    grid->SetLeftCol(1000);
    EXPECT_EQ(grid->LeftCol(), 6);
}

TEST(StringGridControl, ScrollMessagesMoveTheView) {
    struct Case {
        int code;
        int position;
        int topRow;
    };
    const Case cases[] = {{SB_LINEDOWN, 0, 6}, {SB_LINEUP, 0, 4},     {SB_PAGEDOWN, 0, 12},
                          {SB_PAGEUP, 0, 1},   {SB_THUMBTRACK, 7, 8}, {SB_BOTTOM, 0, 12},
                          {SB_TOP, 0, 1}};
    for (const Case& c : cases) {
        auto grid = MakeGrid();
        grid->SetTopRow(5);
        grid->Perform(WM_VSCROLL, static_cast<WPARAM>(c.code | (c.position << 16)));
        EXPECT_EQ(grid->TopRow(), c.topRow) << "code " << c.code;
    }
}

TEST(StringGridControl, MovingTheCurrentCellScrollsItIntoView) {
    auto grid = MakeGrid();
    grid->SetRow(15);
    EXPECT_EQ(grid->TopRow(), 8);
    EXPECT_EQ(grid->CellRect(1, 15).Bottom, 21 + 8 * 21 - 1);
    grid->SetRow(2);
    EXPECT_EQ(grid->TopRow(), 2);
}

TEST(StringGridControl, ScrollBarsAppearWhenTheCellsDoNotFit) {
    auto grid = MakeGrid();
    EXPECT_EQ(grid->ClientWidth(), 300);
    grid->SetScrollBars(ssVertical);
    EXPECT_LT(grid->ClientWidth(), 300) << "a vertical bar takes room";
    EXPECT_EQ(grid->ClientHeight(), 200) << "no horizontal bar was asked for";
    grid->SetRowCount(3);
    EXPECT_EQ(grid->ClientWidth(), 300) << "all rows fit: no bar";
}
