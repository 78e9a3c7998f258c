#include "BaseGridTestGrid.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {
struct Area {
    int c, r, spanx, spany;
};
} // namespace

TEST(BaseGridNavigation, KeysKeepTheCurrentCellOnBaseCells) {
    struct Case {
        const char* name;
        Area area;
        TPoint start;
        WORD key;
        TPoint end;
    };
    // The grid has 8 columns and 12 rows, one of each fixed.
    const Case cases[] = {
        {"right leaves a 3-column area", {2, 2, 3, 1}, {2, 2}, VK_RIGHT, {5, 2}},
        {"right into an area lands on its base", {3, 1, 2, 3}, {2, 2}, VK_RIGHT, {3, 1}},
        {"down leaves a 2-row area", {2, 2, 1, 2}, {2, 2}, VK_DOWN, {2, 4}},
        {"down at an area reaching the last row", {2, 10, 1, 2}, {2, 10}, VK_DOWN, {2, 10}},
        {"right at an area reaching the last column", {6, 3, 2, 1}, {6, 3}, VK_RIGHT, {6, 3}},
        {"left from inside an area leaves it", {2, 2, 3, 1}, {4, 2}, VK_LEFT, {1, 2}},
        {"up from inside an area leaves it", {2, 2, 1, 3}, {2, 4}, VK_UP, {2, 1}},
        {"up into an area lands on its base", {2, 2, 2, 2}, {3, 4}, VK_UP, {2, 2}},
    };
    for (const Case& c : cases) {
        auto grid = MakeBaseGrid();
        grid->FocusCell(c.start.X, c.start.Y, true); // before the merge: may be inside it
        ASSERT_TRUE(grid->MergeCells(c.area.c, c.area.r, c.area.spanx, c.area.spany)) << c.name;
        InputSimulation::KeyDown(grid.get(), c.key);
        EXPECT_EQ(Point(grid->Col(), grid->Row()), c.end) << c.name;
        EXPECT_TRUE(grid->IsBaseCell(grid->Col(), grid->Row())) << c.name;
    }
}

TEST(BaseGridNavigation, PagingAndWheelStopBeforeAHiddenLastRow) {
    struct Case {
        const char* name;
        bool wheel;
        int startRow;
        int endRow;
    };
    const Case cases[] = {
        {"page down near the end", false, 9, 10},
        {"page down from the top", false, 1, 10},
        {"wheel at the second-to-last row", true, 10, 10},
        {"wheel before it", true, 9, 10},
    };
    for (const Case& c : cases) {
        auto grid = MakeBaseGrid();
        grid->FHideLastRow = true;
        grid->SetRow(c.startRow);
        if (c.wheel)
            InputSimulation::Wheel(grid.get(), Point(60, 60), -120);
        else
            InputSimulation::KeyDown(grid.get(), VK_NEXT);
        EXPECT_EQ(grid->Row(), c.endRow) << c.name;
    }
}

TEST(BaseGridNavigation, WheelSnapsIntoMergedAreas) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 2, 2, 3);
    grid->SetCol(2);
    InputSimulation::Wheel(grid.get(), Point(60, 60), -120);
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(1, 2));
}

TEST(BaseGridNavigation, ShiftArrowKeepsTheRangeAnchor) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(3, 1, 1, 3);
    grid->FocusCell(2, 2, true);
    InputSimulation::KeyDown(grid.get(), VK_RIGHT, {ssShift});
    EXPECT_EQ(Point(grid->Col(), grid->Row()), Point(3, 1));
    const TGridRect selection = grid->Selection();
    EXPECT_EQ(selection.Left, 2);
    EXPECT_EQ(selection.Bottom, 2) << "the anchor stays on the cell the range started from";
}
