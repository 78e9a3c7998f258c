#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/EsgDateTimePicker.h"
#include "grid/foundation/ExDateTimePicker.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Purple = 0x800080;
constexpr TColor ThemedFrame = 0xB99D7F;

// Renders the picker as on screen and reads one pixel of it.
TColor PixelOf(TControl* picker, TPoint p) {
    TBitmap shot(picker->Width(), picker->Height());
    picker->PaintTo(shot.Canvas(), 0, 0);
    return shot.Canvas()->Pixel(p.X, p.Y);
}

template <typename Picker> class PickerOnForm : public ::testing::Test {
protected:
    PickerOnForm() : P(new Picker(&Form)) {
        Form.SetBounds(0, 0, 300, 100);
        P->SetParent(&Form);
        P->SetBounds(10, 10, 160, 24);
    }
    TForm Form{nullptr};
    Picker* P;
};

using EsgPaint = PickerOnForm<TEsgDateTimePicker>;
using CustomPaint = PickerOnForm<TCustomDateTimePicker>;
using ExPaint = PickerOnForm<TExDateTimePicker>;

TEST_F(CustomPaint, DrawsTheFlatBorderFromTheStart) {
    P->SetBorderStyle(bsSingle);
    EXPECT_EQ(PixelOf(P, {0, 12}), ThemedFrame);
    EXPECT_EQ(PixelOf(P, {80, 0}), ThemedFrame);
}

TEST_F(EsgPaint, DrawsNoFlatBorderWithoutABorderColor) {
    P->SetBorderStyle(bsSingle);
    P->SetCtl3D(false);
    EXPECT_NE(PixelOf(P, {0, 12}), ThemedFrame);
    P->SetBorderColor(Purple);
    EXPECT_EQ(PixelOf(P, {80, 0}), Purple) << "the coloured border covers the flat one";
}

// A point inside the custom drop-down button, and one on its arrow.
TPoint ButtonFill(TStyledDateTimePicker* p) {
    return {p->Width() - 3, 3};
}
TPoint ButtonArrow(TStyledDateTimePicker* p) {
    return {p->Width() - p->ButtonWidth() + 3 + 8, 1 + 8};
}

TEST_F(EsgPaint, MetroButtonTakesItsHotAndDownColours) {
    P->SetMetroStyle(true);
    P->SetButtonColor(Red);
    P->SetButtonColorHot(Green);
    P->SetButtonColorDown(Blue);
    P->SetButtonTextColor(Yellow);
    P->SetButtonTextColorDown(Purple);
    const TPoint over{P->Width() - 5, 12};

    EXPECT_EQ(PixelOf(P, ButtonFill(P)), Red);
    EXPECT_EQ(PixelOf(P, ButtonArrow(P)), Yellow);

    InputSimulation::MouseEnter(P);
    InputSimulation::MouseMove(P, over);
    ASSERT_TRUE(P->ButtonHover());
    EXPECT_EQ(PixelOf(P, ButtonFill(P)), Green) << "mouse over the button";

    InputSimulation::MouseDown(P, mbLeft, over);
    EXPECT_EQ(PixelOf(P, ButtonFill(P)), Blue) << "mouse button held over it";
    EXPECT_EQ(PixelOf(P, ButtonArrow(P)), Purple);

    InputSimulation::MouseUp(P, mbLeft, over); // a click on the button opens the calendar
    EXPECT_TRUE(P->DroppedDown());
    P->SetDroppedDown(false);
    InputSimulation::MouseMove(P, {5, 12});
    EXPECT_EQ(PixelOf(P, ButtonFill(P)), Red);
}

TEST_F(EsgPaint, BorderColoursShowOnlyWithTheMetroLookOrWhenSet) {
    P->SetFocusBorderColor(Green);
    EXPECT_NE(PixelOf(P, {80, 0}), Green) << "without the focus";
    P->Perform(CM_ENTER);
    EXPECT_EQ(PixelOf(P, {80, 0}), Green);
}

TEST_F(CustomPaint, NeverDrawsTheMetroButtonOnItsOwn) {
    P->SetMetroStyle(true);
    P->SetButtonColor(Red);
    P->SetBorderColor(Purple);
    EXPECT_NE(PixelOf(P, ButtonFill(P)), Red);
    EXPECT_NE(PixelOf(P, {80, 0}), Purple);
}

TEST_F(ExPaint, DrawsTheMetroButtonAndTheBorderColour) {
    P->SetMetroStyle(true);
    P->SetButtonColor(Red);
    P->SetBorderColor(Purple);
    EXPECT_EQ(PixelOf(P, ButtonFill(P)), Red);
    EXPECT_EQ(PixelOf(P, {80, 0}), Purple);
}

} // namespace
