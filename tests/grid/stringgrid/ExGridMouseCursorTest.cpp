// The cursor the grid shows as the mouse moves over it, read from the widget the platform
// shows it on: what a press there would select or size, a cell's own cursor, and panning.
#include "ExGridMouseTestGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/GridCursors.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

namespace {

TCursor ShownAt(TMouseTestGrid& grid, TPoint p) {
    grid.Move(p);
    return InputSimulation::CursorShown(&grid);
}

TEST(ExGridMouseCursor, FixedCellsShowWhatAPressThereSelects) {
    struct Case {
        const char* name;
        bool colSelect, rowSelect, allSelect;
        int col, row;
        TCursor expected;
    } cases[] = {
        {"column header", true, false, false, 3, 0, crGridColSelect},
        {"row header", false, true, false, 0, 3, crGridRowSelect},
        {"top-left corner", false, false, true, 0, 0, crGridSelectAll},
        {"column header without ColSelect", false, true, true, 3, 0, crDefault},
        {"row header without RowSelect", true, false, true, 0, 3, crDefault},
        {"a normal cell", true, true, true, 3, 3, crDefault},
    };
    for (const Case& c : cases) {
        TMouseTestGrid grid;
        grid.SetOptions(grid.Options() << goRangeSelect);
        grid.MouseActions()->ColSelect = c.colSelect;
        grid.MouseActions()->RowSelect = c.rowSelect;
        grid.MouseActions()->AllSelect = c.allSelect;
        EXPECT_EQ(ShownAt(grid, grid.Centre(c.col, c.row)), c.expected) << c.name;
        EXPECT_EQ(grid.Cursor(), crDefault) << c.name << ": the grid's own cursor stays";
    }
}

TEST(ExGridMouseCursor, TheSelectCursorGoesWhenTheMouseLeavesTheHeader) {
    TMouseTestGrid grid;
    grid.MouseActions()->ColSelect = true;
    grid.SetCursor(crCross);
    EXPECT_EQ(ShownAt(grid, grid.Centre(2, 0)), crGridColSelect);
    EXPECT_EQ(ShownAt(grid, grid.Centre(2, 2)), crCross);
}

TEST(ExGridMouseCursor, OnGetCellCursorChoosesPerCellStartingFromTheGridsCursor) {
    TMouseTestGrid grid;
    grid.SetCursor(crCross);
    std::vector<TCursor> offered;
    grid.OnGetCellCursor = [&](TObject*, int ACol, int ARow, int, int, TCursor& ACursor) {
        offered.push_back(ACursor);
        if (ACol == 2 && ARow >= 1)
            ACursor = crHandPoint;
    };
    EXPECT_EQ(ShownAt(grid, grid.Centre(2, 3)), crHandPoint);
    EXPECT_EQ(ShownAt(grid, grid.Centre(3, 3)), crCross);
    EXPECT_EQ(offered, (std::vector<TCursor>{crCross, crCross}));
    EXPECT_EQ(Screen->Cursor(), crDefault) << "no cursor is forced on the whole program";
    grid.Move(TPoint{450, 250}); // right of the last column: no cell asks
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(InputSimulation::CursorShown(&grid), crCross);
}

TEST(ExGridMouseCursor, ASizableFixedBorderShowsTheSplitter) {
    TMouseTestGrid grid;
    grid.SetFixedCols(2);
    grid.MouseActions()->SizeFixedCol = true;
    grid.MouseActions()->SizeFixedRow = true;
    const int colBorder = grid.ColWidths(0);
    const int rowBorder = grid.RowHeights(0);
    EXPECT_EQ(ShownAt(grid, TPoint{colBorder + 1, 100}), crHSplit);
    EXPECT_EQ(ShownAt(grid, TPoint{300, rowBorder}), crVSplit);
    EXPECT_EQ(ShownAt(grid, TPoint{300, 100}), crDefault);
}

TEST(ExGridMouseCursor, CellSelectorModeShowsTheCellSelector) {
    TMouseTestGrid grid;
    grid.FCellSelectorMode = true;
    EXPECT_EQ(ShownAt(grid, grid.Centre(3, 3)), crGridCellSelector);
    grid.FCellSelectorMode = false;
    EXPECT_EQ(ShownAt(grid, grid.Centre(3, 3)), crDefault);
}

TEST(ExGridMouseCursor, PanningShowsWhereItPansAndMarksItsStart) {
    TMouseTestGrid grid;
    grid.IntelliPan = TExStringGrid::ipBoth;
    grid.SetRowCount(40);
    grid.SetColCount(20);
    const TPoint start{200, 100};
    InputSimulation::MouseDown(&grid, mbMiddle, start);
    ASSERT_TRUE(grid.Panning());
    EXPECT_EQ(InputSimulation::CursorShown(&grid), crGridPan);
    struct Case {
        TPoint mouse;
        TCursor expected;
    } cases[] = {
        {{200, 120}, crGridPanDown},      {{200, 80}, crGridPanUp},
        {{220, 100}, crGridPanRight},     {{180, 100}, crGridPanLeft},
        {{220, 120}, crGridPanDownRight}, {{180, 80}, crGridPanUpLeft},
        {{220, 80}, crGridPanUpRight},    {{180, 120}, crGridPanDownLeft},
        {{203, 103}, crGridPan},
    };
    for (const auto& c : cases) {
        grid.Move(c.mouse);
        grid.Perform(WM_TIMER, 999);
        EXPECT_EQ(InputSimulation::CursorShown(&grid), c.expected) << c.mouse.X << "," << c.mouse.Y;
    }
    // The mark sits where the middle button went down.
    TBitmap shot(500, 300);
    grid.PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(shot.Pixel(start.X + 16, start.Y + 16), clBlack) << "the centre dot";
    EXPECT_EQ(shot.Pixel(start.X + 16, start.Y + 6), clBlack) << "the up arrow";
    EXPECT_EQ(shot.Pixel(start.X + 6, start.Y + 16), clBlack) << "the left arrow";

    InputSimulation::MouseDown(&grid, mbLeft, TPoint{300, 200});
    EXPECT_FALSE(grid.Panning());
    EXPECT_EQ(InputSimulation::CursorShown(&grid), crDefault);
    TBitmap after(500, 300);
    grid.PaintTo(after.Canvas(), 0, 0);
    EXPECT_NE(after.Pixel(start.X + 16, start.Y + 6), clBlack) << "the mark is gone";
}

} // namespace
