// The grid's OnKeyPress hears the character that opens an editor once, when it is typed on the
// grid, and then each character typed into the editor: typing the opening key into the editor
// does not tell it again.
#include "GridWithDropDownEditor.h"

#include <gtest/gtest.h>

namespace {

const struct {
    const char* Name;
    TEditorType Kind;
} KeyPressCases[] = {
    {"calculator", edCalculatorDropDown}, {"memo", edMemoDropDown},
    {"grid", edExGridDropDown},           {"date", edDateEdit},
    {"edit_button", edEditBtn},
};

TEST(GridDropDown, TheGridsKeyPressHearsTheOpeningKeyOnce) {
    for (const auto& c : KeyPressCases) {
        SCOPED_TRACE(c.Name);
        TGridWithDropDownEditor t(c.Kind);
        std::string heard;
        t.Grid->OnKeyPress = [&](TObject*, TChar& Key) { heard += static_cast<char>(Key); };
        t.Type("5");
        t.Pump();
        ASSERT_TRUE(t.Grid->EditMode);
        ASSERT_NE(t.Focused(), t.Grid) << "the open editor has the keys";
        t.Type("6");
        t.Pump();
        EXPECT_EQ(heard, "56");
        InputSimulation::KeyPressFocused(VK_ESCAPE, 27);
        t.Pump();
    }
}

} // namespace
