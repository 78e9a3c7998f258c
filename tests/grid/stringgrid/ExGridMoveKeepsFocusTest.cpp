// A column or row dragged by its header to another place leaves the keys with the grid.
#include "ExGridEditingTestGrid.h"

#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

TPoint CellCentre(EditingTest::TEditingGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

} // namespace

// The drop-position arrows shown while a header is dragged must not take the keyboard: after the
// move the grid still has the focus and the arrow keys move its cell.
TEST(ExGridMoveKeepsFocus, KeysStillReachTheGridAfterAHeaderMove) {
    struct Case {
        const char* name;
        TGridOption option;
        int fromCol, fromRow, toCol, toRow;
    } cases[] = {{"column move", goColMoving, 2, 0, 4, 0}, {"row move", goRowMoving, 0, 2, 0, 4}};
    for (const Case& c : cases) {
        EditingTest::TEditingForm f;
        f.Grid->SetOptions(f.Grid->Options() >> goEditing << c.option);
        const TPoint from = CellCentre(f.Grid, c.fromCol, c.fromRow);
        const TPoint over =
            CellCentre(f.Grid, (c.fromCol + c.toCol) / 2, (c.fromRow + c.toRow) / 2);
        const TPoint to = CellCentre(f.Grid, c.toCol, c.toRow);
        InputSimulation::MouseMove(f.Grid, from);
        InputSimulation::MouseDown(f.Grid, mbLeft, from);
        for (const TPoint p : {over, over, to, to})
            InputSimulation::MouseMove(f.Grid, p, TShiftState{ssLeft});
        InputSimulation::MouseUp(f.Grid, mbLeft, to);
        f.Pump();

        EXPECT_EQ(InputSimulation::FocusedControl(), f.Grid) << c.name;
        InputSimulation::KeyPressFocused(VK_DOWN);
        EXPECT_EQ(f.Grid->Row(), 2) << c.name;
    }
}
