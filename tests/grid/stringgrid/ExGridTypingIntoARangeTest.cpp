// Typing on a grid that edits only where the user types (range select and edit): every typed
// character reaches the cell, the first one included.
#include "KeysOnShownGrid.h"

#include <gtest/gtest.h>

#include <string>

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
        std::string pressed; // what the grid's key-press handler saw
        f.Grid->OnKeyPress = [&](TObject*, TChar& Key) { pressed += static_cast<char>(Key); };
        f.Type(c.Typed);
        // The later characters go to the editor; the first is offered to the grid once.
        EXPECT_EQ(pressed, std::string(1, c.Typed[0])) << c.Name;
        ASSERT_TRUE(f.Grid->EditorMode()) << c.Name;
        EXPECT_EQ(f.Editor()->Text(), c.Typed) << c.Name;
        f.Press(VK_RETURN, '\r');
        EXPECT_EQ(f.Grid->Cells(1, 1), c.Typed) << c.Name;
    }
}

} // namespace
