// The push-button and check-box editors as a user works them on a shown grid: what Escape
// leaves in the cell after a press of the button, and the fresh look each opens with, whatever
// the last edit left behind.
#include "ExGridEditingTestGrid.h"

#include "grid/stringgrid/GridButton.h"
#include "grid/stringgrid/GridCheckBox.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using EditingTest::TEditingForm;

// A form whose column 1 opens the grid's own push button; every press appends "+" to the caption
// through the ellipsis handler.
struct TButtonForm {
    TEditingForm F{edButton};

    TButtonForm() {
        F.Grid->OfferFake = false;
        for (int r = 1; r < F.Grid->RowCount(); ++r)
            F.Grid->SetCells(1, r, "Option");
        F.Grid->OnEllipsClick = [](TObject*, int, int, std::string& Value) { Value += "+"; };
    }
    TGridButton* Button() const { return F.Grid->Btn(); }
    void OpenWithF2() {
        InputSimulation::KeyPress(F.Grid, VK_F2);
        F.Pump();
        ASSERT_TRUE(F.Grid->EditMode);
        ASSERT_TRUE(Button()->Visible());
    }
};

const struct ButtonPress {
    const char* Name;
    void (*Press)(TGridButton*);
} ButtonPresses[] = {
    {"click", [](TGridButton* b) { InputSimulation::Click(b, TPoint{5, 5}); }},
    {"space", [](TGridButton* b) { InputSimulation::KeyPress(b, VK_SPACE, ' '); }},
    {"two clicks", [](TGridButton* b) {
         InputSimulation::Click(b, TPoint{5, 5});
         InputSimulation::Click(b, TPoint{5, 5});
     }},
};

// Escape never changes a cell: what the presses wrote is undone, on the first edit of the cell
// and on an edit opened again after one was left with Escape.
TEST(GridButtonEditor, EscapeAfterAPressGivesTheCellBackItsTextFromWhenTheEditBegan) {
    for (const ButtonPress& press : ButtonPresses) {
        SCOPED_TRACE(press.Name);
        TButtonForm t;
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            t.OpenWithF2();
            EXPECT_EQ(t.Button()->Text(), "Option");
            press.Press(t.Button());
            t.F.Pump();
            ASSERT_NE(t.F.Grid->Cells(1, 1), "Option") << "the press reached the cell";
            InputSimulation::KeyPress(t.Button(), VK_ESCAPE, 0x1B);
            t.F.Pump();
            EXPECT_EQ(t.F.Grid->Cells(1, 1), "Option");
            EXPECT_FALSE(t.F.Grid->EditMode);
            EXPECT_FALSE(t.Button()->Visible());
            EXPECT_EQ(t.F.Form.ActiveControl(), t.F.Grid);
        }
    }
}

// Escape undoes only the edit it ends: a press kept by leaving with an arrow stays in its cell,
// and the next cell's Escape gives that cell its own text back.
TEST(GridButtonEditor, EscapeUndoesOnlyTheEditItEnds) {
    TButtonForm t;
    t.F.Grid->SetCells(1, 2, "Other");
    t.OpenWithF2();
    InputSimulation::Click(t.Button(), TPoint{5, 5});
    InputSimulation::KeyPress(t.Button(), VK_DOWN);
    t.F.Pump();
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "Option+");
    ASSERT_EQ(t.F.Grid->Row(), 2);
    t.OpenWithF2();
    EXPECT_EQ(t.Button()->Text(), "Other");
    InputSimulation::Click(t.Button(), TPoint{5, 5});
    InputSimulation::KeyPress(t.Button(), VK_ESCAPE, 0x1B);
    t.F.Pump();
    EXPECT_EQ(t.F.Grid->Cells(1, 2), "Other");
    EXPECT_EQ(t.F.Grid->Cells(1, 1), "Option+");
}

// The pixels of a control as it shows on screen now.
std::unique_ptr<TBitmap> ShotOf(TWinControl* Control) {
    auto shot = std::make_unique<TBitmap>(Control->Width(), Control->Height());
    Control->PaintTo(shot->Canvas(), 0, 0);
    return shot;
}

int DifferingPixels(const std::unique_ptr<TBitmap>& APicture,
                    const std::unique_ptr<TBitmap>& BPicture) {
    const TBitmap& A = *APicture;
    const TBitmap& B = *BPicture;
    if (A.Width() != B.Width() || A.Height() != B.Height())
        return A.Width() * A.Height() + 1;
    int differing = 0;
    for (int y = 0; y < A.Height(); ++y)
        for (int x = 0; x < A.Width(); ++x)
            differing += A.Pixel(x, y) != B.Pixel(x, y) ? 1 : 0;
    return differing;
}

// An editor pressed down (the mouse or Space held) and closed with a key before the release
// opens on the next cell up, as one never pressed does.
TEST(GridButtonAndCheckBoxEditors, OneLeftPressedOpensUpOnTheNextCell) {
    const struct {
        const char* Name;
        TEditorType Kind;
        TWinControl* (*Control)(TExStringGrid*);
        void (*HoldDown)(TWinControl*);
        WORD LeaveKey;
        TChar LeaveChar;
    } cases[] = {
        {"button, mouse", edButton, [](TExStringGrid* g) -> TWinControl* { return g->Btn(); },
         [](TWinControl* c) { InputSimulation::MouseDown(c, mbLeft, TPoint{5, 5}); }, VK_ESCAPE, 0x1B},
        {"button, space", edButton, [](TExStringGrid* g) -> TWinControl* { return g->Btn(); },
         [](TWinControl* c) { InputSimulation::KeyDown(c, VK_SPACE); }, VK_ESCAPE, 0x1B},
        {"check box, mouse", edCheckBox,
         [](TExStringGrid* g) -> TWinControl* { return g->CheckEdit(); },
         [](TWinControl* c) { InputSimulation::MouseDown(c, mbLeft, TPoint{5, 5}); }, VK_RETURN, '\r'},
        {"check box, space", edCheckBox,
         [](TExStringGrid* g) -> TWinControl* { return g->CheckEdit(); },
         [](TWinControl* c) { InputSimulation::KeyDown(c, VK_SPACE); }, VK_RETURN, '\r'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TEditingForm fresh(c.Kind);
        fresh.Grid->OfferFake = false;
        fresh.Grid->SetCells(1, 2, "Option");
        fresh.Grid->FocusCell(1, 2, true);
        InputSimulation::KeyPress(fresh.Grid, VK_F2);
        fresh.Pump();
        TWinControl* freshControl = c.Control(fresh.Grid);
        ASSERT_TRUE(freshControl->Visible());
        const auto up = ShotOf(freshControl);

        TEditingForm f(c.Kind);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 2, "Option");
        InputSimulation::KeyPress(f.Grid, VK_F2);
        f.Pump();
        TWinControl* control = c.Control(f.Grid);
        ASSERT_TRUE(control->Visible());
        const auto beforePress = ShotOf(control);
        c.HoldDown(control);
        f.Pump();
        EXPECT_GT(DifferingPixels(ShotOf(control), beforePress), 5) << "the press shows";
        InputSimulation::KeyPress(control, c.LeaveKey, c.LeaveChar);
        InputSimulation::MouseUp(f.Grid, mbLeft, f.InsideCell(3, 4));
        f.Pump();
        ASSERT_FALSE(control->Visible());
        f.Grid->FocusCell(1, 2, true);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        f.Pump();
        ASSERT_TRUE(control->Visible());
        const auto reopened = ShotOf(control);
        reopened->SaveToFile(::testing::TempDir() + "reopened_" + std::to_string(c.Kind) + ".bmp");
        EXPECT_EQ(DifferingPixels(reopened, up), 0);
    }
}

} // namespace
