// Disabled rows are passed by the arrow keys and refuse a click: the cursor never stops on one.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridDisabledRowsRefuseTheCursor, ArrowsStepOverDisabledRows) {
    struct Case {
        const char* Name;
        int Start;
        WORD Key;
        int End;
    };
    const Case cases[] = {
        {"down over one", 2, VK_DOWN, 4},
        {"up over one", 4, VK_UP, 2},
        {"down over two", 1, VK_DOWN, 4},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        f.Grid->SetOptions(f.Grid->Options() >> goEditing);
        f.Grid->SetRowEnabled(3, false);
        if (c.Start == 1)
            f.Grid->SetRowEnabled(2, false);
        f.Grid->FocusCell(1, c.Start, true);
        f.Press(c.Key);
        EXPECT_EQ(f.Grid->Row(), c.End) << c.Name;
        EXPECT_TRUE(f.Grid->GetRowEnabled(f.Grid->Row())) << c.Name;
    }
}

TEST(ExGridDisabledRowsRefuseTheCursor, AClickOnADisabledRowLeavesTheCursorWhereItWas) {
    struct Case {
        const char* Name;
        bool Editing;
    };
    const Case cases[] = {{"browsing", false}, {"editable grid", true}};
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        if (!c.Editing)
            f.Grid->SetOptions(f.Grid->Options() >> goEditing);
        f.Grid->SetRowEnabled(3, false);
        f.Grid->FocusCell(1, 2, true);
        const TRect disabled = f.Grid->CellRect(2, 3);
        InputSimulation::Click(f.Grid, TPoint{disabled.Left + 5, disabled.Top + 5});
        f.Pump();
        EXPECT_EQ(f.Current(), (TGridCoord{1, 2})) << c.Name;
        EXPECT_FALSE(f.Grid->EditorMode()) << c.Name;
        const TRect enabled = f.Grid->CellRect(2, 4);
        InputSimulation::Click(f.Grid, TPoint{enabled.Left + 5, enabled.Top + 5});
        f.Pump();
        EXPECT_EQ(f.Current(), (TGridCoord{2, 4})) << c.Name << ": an enabled row takes the click";
    }
}

} // namespace
