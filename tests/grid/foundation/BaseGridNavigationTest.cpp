#include "BaseGridTestGrid.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
struct Area {
    int c, r, spanx, spany;
};

// A grid whose current cell is `start`, with `area` merged afterwards (so possibly around it).
std::unique_ptr<TTestBaseGrid> GridWithArea(const Area& area, TPoint start, const char* name) {
    auto grid = MakeBaseGrid();
    grid->FocusCell(start.X, start.Y, true);
    EXPECT_TRUE(grid->MergeCells(area.c, area.r, area.spanx, area.spany)) << name;
    return grid;
}
} // namespace

TEST(BaseGridNavigation, KeysAndWheelKeepTheCurrentCellOnBaseCells) {
    constexpr WORD WheelDown = 0; // one notch of the wheel instead of a key
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
        // Like the Down key, the wheel passes an area whole instead of snapping back into it.
        {"wheel leaves a 3-row area", {2, 3, 1, 3}, {2, 3}, WheelDown, {2, 6}},
        {"wheel leaves a 2 x 2 area", {2, 3, 2, 2}, {2, 3}, WheelDown, {2, 5}},
        {"wheel at an area reaching the last row", {2, 9, 1, 3}, {2, 9}, WheelDown, {2, 9}},
    };
    for (const Case& c : cases) {
        auto grid = GridWithArea(c.area, c.start, c.name);
        if (c.key == WheelDown)
            InputSimulation::Wheel(grid.get(), Point(60, 60), -120);
        else
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
