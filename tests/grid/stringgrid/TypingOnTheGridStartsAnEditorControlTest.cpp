// A character typed on a cell whose editor is a spin, combo or unit control opens that editor
// and is the first character of the new value, replacing the cell's old text; the grid's
// OnKeyPress hears each character once.
#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/EditableGridForm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TypedOverCell {
    const char* Name;
    TEditorType Kind;
    const char* Before;
    const char* Typed;
    // The cell after Typed was typed on the grid and Enter pressed.
    const char* Stored;
};

const TypedOverCell StartKeyCases[] = {
    {"spin", edSpinEdit, "12", "56", "56"},
    {"float_spin", edFloatSpinEdit, "1.5", "56", "56.00"},
    {"time_spin", edTimeSpinEdit, "12:00", "5:06", "5:06"},
    {"date_spin", edDateSpinEdit, "1/2/20", "5/6/21", "05/06/21"},
    {"combo_edit", edComboEdit, "old", "56", "56"},
    // A list combo picks the first item starting with each typed character.
    {"combo_list", edComboList, "40", "56", "6 B"},
    {"unit", edUnitEditBtn, "12", "56", "56"},
    {"numeric_unit", edNumericUnitEditBtn, "12", "56", "56"},
    {"float_unit", edFloatUnitEditBtn, "12", "56", "56"},
};

class TypingOnAnEditorControlCell : public ::testing::TestWithParam<TypedOverCell> {};

void TypeStartKeyAt(TControl* Control, char Character) {
    InputSimulation::TypeChar(Control, static_cast<TChar>(Character));
    Application->ProcessMessages();
}

TEST_P(TypingOnAnEditorControlCell, TheFirstCharacterOpensTheEditorAndIsKept) {
    const TypedOverCell& c = GetParam();
    ScopedFormatSettings english(ScopedFormatSettings::English());
    TForm form{nullptr};
    TEdit* other = nullptr;
    auto* grid = PlaceEditableGrid<TExStringGrid>(form, 5, c.Kind, other);
    for (const char* item : {"40", "5 A", "50", "6 B", "60"})
        grid->AddComboString(item);
    grid->SetCells(1, 1, c.Before);
    std::string heard;
    grid->OnKeyPress = [&](TObject*, TChar& Key) { heard += static_cast<char>(Key); };
    ShowWithCellFocused(form, grid);

    const std::string typed = c.Typed;
    TypeStartKeyAt(InputSimulation::FocusedControl(), typed[0]);
    ASSERT_TRUE(grid->EditMode);
    // The rest goes to the form's active control: the window system names no focus widget for
    // a list combo under the offscreen platform.
    TControl* editor = form.ActiveControl();
    ASSERT_NE(editor, grid) << "the open editor has the keys";
    for (char rest : typed.substr(1))
        TypeStartKeyAt(editor, rest);
    EXPECT_EQ(heard, typed) << "OnKeyPress hears each typed character once";
    InputSimulation::KeyPress(editor, VK_RETURN, '\r');
    Application->ProcessMessages();

    EXPECT_FALSE(grid->EditMode);
    EXPECT_EQ(grid->Cells(1, 1), c.Stored);
}

INSTANTIATE_TEST_SUITE_P(GridStartKey, TypingOnAnEditorControlCell,
                         ::testing::ValuesIn(StartKeyCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
