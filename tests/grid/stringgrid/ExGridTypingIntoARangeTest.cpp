// Typing on a grid that edits only where the user types (range select and edit): every typed
// character reaches the cell, the first one included.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridTypingIntoARange, EveryTypedCharacterReachesTheCell) {
    struct Case {
        const char* Name;
        const char* Typed;
    };
    const Case cases[] = {
        {"one character", "q"},
        {"a word", "qrs"},
        {"digits", "42"},
    };
    for (const Case& c : cases) {
        KeysOnShownGrid f;
        f.Grid->SetOptions(f.Grid->Options() >> goEditing);
        f.Grid->MouseActions()->RangeSelectAndEdit = true;
        f.Type(c.Typed);
        ASSERT_TRUE(f.Grid->EditorMode()) << c.Name;
        EXPECT_EQ(f.Editor()->Text(), c.Typed) << c.Name;
        f.Press(VK_RETURN, '\r');
        EXPECT_EQ(f.Grid->Cells(1, 1), c.Typed) << c.Name;
    }
}

} // namespace
