// The check-box editor: captioned with the cell, leaving the cell as it is.
#include "EditorControlHarness.h"

#include "grid/stringgrid/GridCheckBox.h"
#include "grid/stringgrid/GridEditorFactory.h"
#include "platform/core/Exception.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

namespace {

TEST(GridCheckBox, ShowsTheCellTextUncheckedAndKeepsTheCell) {
    TEditorControlHarness harness;
    TCellEditor* editor = harness.Open(edCheckBox, 2, 3, "<b>Option</b>");
    auto* checkBox = dynamic_cast<TGridCheckBox*>(editor);
    ASSERT_NE(checkBox, nullptr);
    EXPECT_EQ(checkBox->Text(), "<b>Option</b>");
    EXPECT_FALSE(checkBox->Checked());
    EXPECT_TRUE(checkBox->Visible());
    InputSimulation::KeyPress(checkBox, VK_SPACE, ' ');
    EXPECT_TRUE(checkBox->Checked()) << "one Space toggles once";
    EXPECT_EQ(editor->ApplyCellText(), "<b>Option</b>");
    editor->EndCellEdit();
    EXPECT_FALSE(checkBox->Visible());
}

TEST(GridCheckBox, OwnerMustBeAStringGrid) {
    TForm form(nullptr);
    EXPECT_THROW(TGridCheckBox box(&form), Exception);
}

} // namespace
