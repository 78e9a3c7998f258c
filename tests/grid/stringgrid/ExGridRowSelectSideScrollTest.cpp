// With whole rows selected, the arrow keys scroll the columns sideways one column per press.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridRowSelectSideScroll, OneColumnPerPress) {
    struct Case {
        const char* Name;
        bool LeftRightRowSelect;
        WORD Key;
        TShiftState Shift;
        int LeftColAfter;
    };
    // LeftCol starts at 4.
    const Case cases[] = {
        {"Right", true, VK_RIGHT, {}, 5},
        {"Ctrl+Right", true, VK_RIGHT, {ssCtrl}, 5},
        {"Ctrl+Left", true, VK_LEFT, {ssCtrl}, 3},
        {"Right without left-right row select", false, VK_RIGHT, {}, 5},
        {"Ctrl+Left without left-right row select", false, VK_LEFT, {ssCtrl}, 3},
        {"Left", true, VK_LEFT, {}, 3},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        f.Grid->SetColCount(14);
        f.Grid->SetOptions((f.Grid->Options() >> goEditing) << goRowSelect);
        f.Grid->Navigation()->LeftRightRowSelect = c.LeftRightRowSelect;
        f.Grid->SetLeftCol(4);
        f.Pump();
        f.Press(c.Key, 0, c.Shift);
        EXPECT_EQ(f.Grid->LeftCol(), c.LeftColAfter) << c.Name;
    }
}

} // namespace
