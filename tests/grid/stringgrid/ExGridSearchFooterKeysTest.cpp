// Keys on a grid with the search footer on show: the current cell stays in sight above the
// footer, and Ctrl+F takes the user to the search text.
#include "KeysOnShownGrid.h"

#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/RetEdit.h"
#include "grid/stringgrid/SearchPanel.h"

#include <gtest/gtest.h>

namespace {

// A browsing grid of 30 rows with the search footer on show.
struct BrowsingWithSearchFooter : KeysOnShownGrid {
    BrowsingWithSearchFooter() {
        Grid->SetOptions(Grid->Options() >> goEditing);
        Grid->SetRowCount(30);
        Grid->SearchFooter()->SetVisible(true);
        Pump();
    }
};

TEST(ExGridSearchFooterKeys, TheLastRowReachedByKeysStaysAboveTheFooter) {
    struct Case {
        const char* Name;
        WORD Key;
        TShiftState Shift;
        int Presses;
    };
    const Case cases[] = {
        {"Ctrl+End", VK_END, {ssCtrl}, 1},
        {"Down row by row", VK_DOWN, {}, 28},
        {"Page Down", VK_NEXT, {}, 4},
    };
    for (const Case& c : cases) {
        BrowsingWithSearchFooter f;
        for (int i = 0; i < c.Presses; ++i)
            f.Press(c.Key, 0, c.Shift);
        ASSERT_EQ(f.Grid->Row(), 29) << c.Name;
        const TRect cell = f.Grid->CellRect(f.Grid->Col(), f.Grid->Row());
        EXPECT_GT(cell.Height(), 0) << c.Name;
        EXPECT_LE(cell.Bottom, f.Grid->ClientHeight() - f.Grid->SearchPanel()->Height() + 2)
            << c.Name << ": the current cell lies under the footer";
    }
}

TEST(ExGridSearchFooterKeys, KeysAwayFromTheEndLeaveTheViewAlone) {
    BrowsingWithSearchFooter f;
    EXPECT_EQ(f.Grid->TopRow(), 1) << "showing the footer";
    f.Press(VK_DOWN);
    f.Press(VK_DOWN);
    EXPECT_EQ(f.Grid->Row(), 3);
    EXPECT_EQ(f.Grid->TopRow(), 1) << "Down in the first rows";
}

TEST(ExGridSearchFooterKeys, CtrlFPutsTheFocusInTheSearchText) {
    KeysOnShownGrid f;
    f.Grid->SearchFooter()->SetVisible(true);
    f.Pump();
    f.Press('F', 0, {ssCtrl});
    EXPECT_EQ(f.Focused(), static_cast<TControl*>(f.Grid->SearchPanel()->EditControl()));
}

} // namespace
