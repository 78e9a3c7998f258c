// The focus frame around an edited cell, as a user opens and closes editors with keys: where it
// stands, what of it shows and what it looks like.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/GridFocusWindow.h"
#include "grid/stringgrid/GridCombo.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/PopupWindow.h"

#include <gtest/gtest.h>

namespace {

using EditingTest::TEditingForm;

struct FrameForm : TEditingForm {
    FrameForm(TEditorType Kind, bool Helper) : TEditingForm(Kind) {
        Grid->OfferFake = false;
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            Grid->AddComboString(item);
        Grid->SetCells(1, 1, "Beta");
        Grid->FocusHelper()->Enabled = Helper;
    }
    bool FrameShown() const { return Grid->FocusWindow() && Grid->FocusWindow()->Visible(); }
};

struct FrameCase {
    const char* what;
    TEditorType kind;
    bool helper;
    bool shown;
};

} // namespace

TEST(ExGridFocusFrame, ShowsOnlyAroundEditorControlsWhenTheHelperIsOn) {
    const FrameCase cases[] = {
        {"combo, helper on", edComboList, true, true},
        {"spin, helper on", edSpinEdit, true, true},
        {"combo, helper off", edComboList, false, false},
        {"text, helper on", edNormal, true, false},
    };
    for (const FrameCase& c : cases) {
        FrameForm f(c.kind, c.helper);
        InputSimulation::KeyPress(f.Grid, VK_F2);
        f.Pump();
        ASSERT_TRUE(f.Grid->EditMode || f.Grid->Combobox()->Visible()) << c.what;
        EXPECT_EQ(f.FrameShown(), c.shown) << c.what;
        EXPECT_EQ(FocusWindowGrid, c.shown ? f.Grid : nullptr) << c.what;
    }
}

TEST(ExGridFocusFrame, StandsAroundTheCellAndShowsOnlyItsEdge) {
    FrameForm f(edComboList, true);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    f.Pump();
    ASSERT_TRUE(f.FrameShown());
    const TGridFocusWindow* frame = f.Grid->FocusWindow();
    const TRect cell = f.Grid->CellRect(1, 1);
    const TPoint at = f.Grid->ClientToScreen(TPoint{cell.Left, cell.Top});
    EXPECT_EQ(frame->Left(), at.X - 4);
    EXPECT_EQ(frame->Top(), at.Y - 4);
    EXPECT_EQ(frame->Width(), cell.Width() + 9);
    EXPECT_EQ(frame->Height(), cell.Height() + 9);
    // The cell itself is left free for the editor and the mouse.
    const int middleY = 4 + cell.Height() / 2;
    for (const TPoint p :
         {TPoint{1, middleY}, TPoint{4 + cell.Width() + 2, middleY},
          TPoint{4 + cell.Width() / 2, 1}, TPoint{4 + cell.Width() / 2, 4 + cell.Height() + 2}})
        EXPECT_TRUE(WindowRegionContains(frame, p)) << p.X << "," << p.Y;
    for (const TPoint p : {TPoint{4, middleY}, TPoint{4 + cell.Width() / 2, middleY},
                           TPoint{4 + cell.Width() - 1, 4 + cell.Height() - 1}})
        EXPECT_FALSE(WindowRegionContains(frame, p)) << p.X << "," << p.Y;
}

TEST(ExGridFocusFrame, EdgeFadesFromTheFrameColourOutwards) {
    FrameForm f(edComboList, true);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    f.Pump();
    ASSERT_TRUE(f.FrameShown());
    TGridFocusWindow* frame = f.Grid->FocusWindow();
    TBitmap picture(frame->Width(), frame->Height());
    frame->PaintTo(picture.Canvas(), 0, 0);
    const int y = frame->Height() / 2;
    // Light blue next to the cell, nearly the cells' white at the outer edge.
    const TColor inner = picture.Pixel(3, y);
    const TColor outer = picture.Pixel(0, y);
    EXPECT_GT(GetBValue(inner), GetRValue(inner) + 40) << std::hex << inner;
    EXPECT_LT(GetRValue(inner), GetRValue(outer));
    EXPECT_GT(GetRValue(outer), 200) << std::hex << outer;
}

TEST(ExGridFocusFrame, GoesAwayWhenTheValueIsTakenAndComesBackWithTheNextEdit) {
    FrameForm f(edComboList, true);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    f.Pump();
    ASSERT_TRUE(f.FrameShown());
    InputSimulation::KeyPress(f.Grid->Combobox(), VK_RETURN, '\r');
    f.Pump();
    EXPECT_FALSE(f.FrameShown());
    EXPECT_EQ(FocusWindowGrid, nullptr);
    InputSimulation::KeyPress(f.Grid, VK_DOWN);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    f.Pump();
    ASSERT_TRUE(f.FrameShown());
    const TRect cell = f.Grid->CellRect(1, 2);
    EXPECT_EQ(f.Grid->FocusWindow()->Top(), f.Grid->ClientToScreen(TPoint{0, cell.Top}).Y - 4);
}

TEST(ExGridFocusFrame, FollowsTheCurrentCellWhenMoved) {
    FrameForm f(edComboList, true);
    InputSimulation::KeyPress(f.Grid, VK_F2);
    f.Pump();
    ASSERT_TRUE(f.FrameShown());
    f.Grid->SetTop(f.Grid->Top() + 30);
    f.Grid->MoveFocusWindow();
    const TRect cell = f.Grid->CellRect(1, 1);
    EXPECT_EQ(f.Grid->FocusWindow()->Top(), f.Grid->ClientToScreen(TPoint{0, cell.Top}).Y - 4);
    f.Grid->HideFocusWindow();
    f.Grid->MoveFocusWindow();
    EXPECT_FALSE(f.FrameShown()) << "a hidden frame stays hidden";
}
