// Shift with Home or End selects from the current cell to the first or last column of the row
// (with heFirstLastRow: whole rows to the first or last row), whether or not the grid lets the
// mouse drag a range.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridShiftHomeEnd, SelectsToTheEdgeOfTheRowOrColumn) {
    struct Case {
        const char* Name;
        bool RangeSelect;
        THomeEndAction Action;
        WORD Key;
        TGridRect Selected;
    };
    // The current cell is (2, 3) of the 5 x 6 grid.
    const Case cases[] = {
        {"Shift+Home", false, heFirstLastColumn, VK_HOME, {1, 3, 2, 3}},
        {"Shift+End", false, heFirstLastColumn, VK_END, {2, 3, 4, 3}},
        {"Shift+End, range select", true, heFirstLastColumn, VK_END, {2, 3, 4, 3}},
        {"Shift+Home, rows", false, heFirstLastRow, VK_HOME, {1, 1, 4, 3}},
        {"Shift+End, rows", false, heFirstLastRow, VK_END, {1, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        TGridOptions options = f.Grid->Options() >> goEditing;
        f.Grid->SetOptions(c.RangeSelect ? options << goRangeSelect : options >> goRangeSelect);
        f.Grid->Navigation()->HomeEndKey = c.Action;
        f.Grid->FocusCell(2, 3, true);
        f.Press(c.Key, 0, {ssShift});
        EXPECT_EQ(f.Grid->Selection(), c.Selected) << c.Name;
    }
}

} // namespace
