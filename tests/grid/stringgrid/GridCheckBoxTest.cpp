// The check-box editor: captioned with the cell, leaving the cell as it is.
#include "EditorControlHarness.h"
#include "ExGridEditingTestGrid.h"

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

// The user's keys and clicks on the check box over a cell: Space and a click each toggle it once
// and keep it open, as do Home and Escape; Enter, the page keys, End and the arrows hand the
// keyboard back to the grid, which moves one row only for Up and Down; Tab goes on to the next
// control. The cell keeps its text throughout.
TEST(GridCheckBox, TheKeysAndClicksOfTheUser) {
    const struct {
        const char* Name;
        WORD Key;
        TChar Char;
        bool Checked;
        bool Open;
        int Row;
    } cases[] = {
        {"space", VK_SPACE, ' ', false, true, 3}, {"click", 0, 0, false, true, 3},
        {"home", VK_HOME, 0, true, true, 3},      {"escape", VK_ESCAPE, 0x1B, true, true, 3},
        {"enter", VK_RETURN, '\r', true, false, 3}, {"page down", VK_NEXT, 0, true, false, 3},
        {"end", VK_END, 0, true, false, 3},       {"left", VK_LEFT, 0, true, false, 3},
        {"right", VK_RIGHT, 0, true, false, 3},   {"up", VK_UP, 0, true, false, 2},
        {"down", VK_DOWN, 0, true, false, 4},     {"tab", VK_TAB, '\t', true, false, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EditingTest::TEditingForm f(edCheckBox);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 3, "Option");
        f.Grid->FocusCell(1, 3, true);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        TGridCheckBox* box = f.Grid->CheckEdit();
        ASSERT_TRUE(box->Visible());
        const auto toggle = [&] { InputSimulation::Click(box, TPoint{5, box->Height() / 2}); };
        toggle();
        ASSERT_TRUE(box->Checked()) << "a click toggles once";
        if (c.Key == 0)
            toggle();
        else
            InputSimulation::KeyPress(box, c.Key, c.Char);
        f.Pump();
        EXPECT_EQ(box->Checked(), c.Checked);
        EXPECT_EQ(f.Grid->EditMode, c.Open);
        EXPECT_EQ(box->Visible(), c.Open);
        EXPECT_EQ(f.Grid->Row(), c.Row);
        EXPECT_EQ(f.Grid->Col(), 1);
        EXPECT_EQ(f.Grid->Cells(1, 3), "Option");
        TControl* expectedFocus = c.Open ? static_cast<TControl*>(box)
                                  : c.Key == VK_TAB ? static_cast<TControl*>(f.Other)
                                                    : static_cast<TControl*>(f.Grid);
        EXPECT_EQ(InputSimulation::FocusedControl(), expectedFocus);
    }
}

} // namespace
