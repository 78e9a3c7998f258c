// Tab in the last cell of a grid that hands the Tab on at its end: the grid goes back to its
// first cell and the focus moves on to the next control of the window.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridTabLeavesAtTheEnd, TheFocusMovesToTheNextControl) {
    struct Case {
        const char* Name;
        bool Editing;
        bool Editor; // the editor is open in the last cell
    };
    const Case cases[] = {
        {"browsing", false, false},
        {"editable grid", true, false},
        {"from the open editor", true, true},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        TGridOptions options = f.Grid->Options() << goTabs;
        f.Grid->SetOptions(c.Editing ? options : options >> goEditing);
        f.Grid->Navigation()->TabToNextAtEnd = true;
        f.Grid->FocusCell(4, 5, true);
        if (c.Editor) {
            f.Press(VK_F2);
            f.Type("x");
        }
        f.Press(VK_TAB, '\t');
        EXPECT_EQ(f.Focused(), f.Other) << c.Name;
        EXPECT_EQ(f.Current(), (TGridCoord{1, 1})) << c.Name;
        if (c.Editor)
            EXPECT_EQ(f.Grid->Cells(4, 5), "x") << c.Name;
    }
}

} // namespace
