// Disabled rows are passed by the arrow keys: the cursor never stops on one.
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

} // namespace
