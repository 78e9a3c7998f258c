#include "StringGridControlTestGrid.h"

#include "platform/ui/Form.h"
#include "platform/ui/InplaceEdit.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <utility>

using namespace StringGridTest;

TEST(StringGridControl, KeyboardMovesTheCurrentCell) {
    struct Case {
        const char* name;
        WORD key;
        TShiftState shift;
        TGridCoord start;
        TGridCoord end;
        TGridRect selection;
    };
    const Case cases[] = {
        {"down", VK_DOWN, {}, {2, 2}, {2, 3}, {2, 3, 2, 3}},
        {"up stops at the fixed row", VK_UP, {}, {2, 1}, {2, 1}, {2, 1, 2, 1}},
        {"left stops at the fixed column", VK_LEFT, {}, {1, 2}, {1, 2}, {1, 2, 1, 2}},
        {"right stops at the last column", VK_RIGHT, {}, {9, 2}, {9, 2}, {9, 2, 9, 2}},
        {"home", VK_HOME, {}, {5, 5}, {1, 5}, {1, 5, 1, 5}},
        {"ctrl end", VK_END, {ssCtrl}, {5, 5}, {9, 19}, {9, 19, 9, 19}},
        {"page down", VK_NEXT, {}, {2, 2}, {2, 10}, {2, 10, 2, 10}},
        {"page down at the end", VK_NEXT, {}, {2, 17}, {2, 19}, {2, 19, 2, 19}},
        {"shift extends", VK_RIGHT, {ssShift}, {2, 2}, {3, 2}, {2, 2, 3, 2}},
        {"tab wraps to the next row", VK_TAB, {}, {9, 2}, {1, 3}, {1, 3, 1, 3}},
        {"shift tab wraps back", VK_TAB, {ssShift}, {1, 3}, {9, 2}, {9, 2, 9, 2}},
        {"tab stops at the last cell", VK_TAB, {}, {9, 19}, {9, 19}, {9, 19, 9, 19}},
    };
    for (const Case& c : cases) {
        auto grid = MakeGrid();
        grid->SetOptions(grid->Options() << goTabs);
        grid->FocusCell(c.start.X, c.start.Y, true);
        InputSimulation::KeyDown(grid.get(), c.key, c.shift);
        EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.end) << c.name;
        EXPECT_EQ(grid->Selection(), c.selection) << c.name;
    }
}

TEST(StringGridControl, WheelMovesTheCurrentRow) {
    auto grid = MakeGrid();
    InputSimulation::Wheel(grid.get(), Point(60, 60), -120);
    EXPECT_EQ(grid->Row(), 2);
    InputSimulation::Wheel(grid.get(), Point(60, 60), 240);
    EXPECT_EQ(grid->Row(), 1) << "two notches up stop at the first row";
}

TEST(StringGridControl, MouseSelectsAndDragsARange) {
    auto grid = MakeGrid();
    InputSimulation::MouseDown(grid.get(), mbLeft, Point(60, 30));    // cell (1, 1)
    InputSimulation::MouseMove(grid.get(), Point(160, 70), {ssLeft}); // cell (3, 3)
    InputSimulation::MouseUp(grid.get(), mbLeft, Point(160, 70));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(grid->GridState(), gsNormal);
    InputSimulation::Click(grid.get(), Point(5, 5)); // a fixed cell selects nothing
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
}

TEST(StringGridControl, DraggingAColumnBorderSizesIt) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goColSizing);
    InputSimulation::MouseDown(grid.get(), mbLeft, Point(101, 10)); // border after column 1
    InputSimulation::MouseMove(grid.get(), Point(131, 10), {ssLeft});
    InputSimulation::MouseUp(grid.get(), mbLeft, Point(131, 10));
    EXPECT_EQ(grid->ColWidths(1), 80);
    EXPECT_EQ(grid->Col(), 1);
}

TEST(StringGridControl, DraggingARowBorderSizesIt) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goRowSizing);
    InputSimulation::MouseDown(grid.get(), mbLeft, Point(10, 41)); // border after row 1
    InputSimulation::MouseMove(grid.get(), Point(10, 51), {ssLeft});
    InputSimulation::MouseUp(grid.get(), mbLeft, Point(10, 51));
    EXPECT_EQ(grid->RowHeights(1), 30);
}

TEST(StringGridControl, DraggingAHeaderMovesTheColumn) {
    auto grid = MakeGrid();
    grid->SetOptions(grid->Options() << goColMoving);
    grid->SetCells(1, 1, "moving");
    std::pair<int, int> moved;
    grid->OnColumnMoved = [&](TObject*, int from, int to) { moved = {from, to}; };
    InputSimulation::MouseDown(grid.get(), mbLeft, Point(75, 10)); // header of column 1
    InputSimulation::MouseMove(grid.get(), Point(175, 10), {ssLeft});
    InputSimulation::MouseUp(grid.get(), mbLeft, Point(175, 10)); // over column 3
    EXPECT_EQ(moved, std::make_pair(1, 3));
    EXPECT_EQ(grid->Cells(3, 1), "moving");
}

TEST(StringGridControl, ColumnBordersShowTheSizingCursor) {
    auto grid = MakeGrid();
    grid->SetCursor(crHandPoint);
    InputSimulation::MouseMove(grid.get(), Point(101, 10));
    EXPECT_EQ(grid->Cursor(), crHandPoint) << "sizing is off";
    grid->SetOptions(grid->Options() << goColSizing);
    InputSimulation::MouseMove(grid.get(), Point(101, 10));
    EXPECT_EQ(grid->Cursor(), crHSplit);
    InputSimulation::MouseMove(grid.get(), Point(75, 10));
    EXPECT_EQ(grid->Cursor(), crHandPoint) << "the grid's own cursor comes back";
}

TEST(StringGridControl, OnAFormTheGridKeepsItsOwnKeys) {
    TForm form(nullptr);
    auto* grid = new TRecordingGrid(&form);
    grid->SetParent(&form);
    grid->SetOptions(grid->Options() << goTabs << goEditing);
    form.Show();
    grid->SetFocus();
    InputSimulation::KeyPress(grid, VK_TAB, u'\t');
    EXPECT_EQ(grid->Col(), 2) << "Tab walks the cells";
    EXPECT_TRUE(grid->Focused());
    InputSimulation::KeyPress(grid, VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);
    InputSimulation::TypeChar(grid, u'7');
    ASSERT_TRUE(grid->EditorMode()) << "typing opens the editor";
    EXPECT_EQ(grid->Cells(3, 1), "7");
    InputSimulation::KeyPress(grid->InplaceEditor(), VK_ESCAPE, 27);
    EXPECT_FALSE(grid->EditorMode()) << "Escape ends the edit, the form stays";
    EXPECT_EQ(grid->Cells(3, 1), "");
    form.Hide();
}
