// A character typed on the grid opens the cell's drop-down editor and is the first character
// of the new value, as with the grid's own text editor: no keystroke is lost on the way.
#include "GridWithDropDownEditor.h"

#include <gtest/gtest.h>

namespace {

struct TypedIntoEmptyCell {
    const char* Name;
    TEditorType Kind;
    // The cell after "56" was typed on the grid and Enter pressed.
    const char* Stored;
};

const TypedIntoEmptyCell TypingCases[] = {
    {"calculator", edCalculatorDropDown, "56.00"},
    {"memo", edMemoDropDown, "56"},
    {"detail", edDetailDropDown, "56"},
    {"multi_column", edGridDropDown, "56"},
    {"grid", edExGridDropDown, "56"},
};

class TypingOnTheGrid : public ::testing::TestWithParam<TypedIntoEmptyCell> {};

TEST_P(TypingOnTheGrid, TheFirstCharacterOpensTheEditorAndIsKept) {
    TGridWithDropDownEditor t(GetParam().Kind);
    t.Type("5");
    t.Pump();
    ASSERT_TRUE(t.Grid->EditMode);
    auto* editor = dynamic_cast<TExCustomDropDown*>(t.Focused());
    ASSERT_NE(editor, nullptr) << "the open editor has the keys";
    EXPECT_EQ(editor->Text(), "5") << "the key that opened the editor is typed into it";
    t.Type("6");
    InputSimulation::KeyPressFocused(VK_RETURN, '\r');
    t.Pump();
    EXPECT_FALSE(t.Grid->EditMode);
    EXPECT_EQ(t.Grid->Cells(1, 1), GetParam().Stored);
}

INSTANTIATE_TEST_SUITE_P(GridDropDown, TypingOnTheGrid, ::testing::ValuesIn(TypingCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
