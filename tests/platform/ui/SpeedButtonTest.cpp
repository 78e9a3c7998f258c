#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/SpeedButton.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SpeedButtonTest : public ::testing::Test {
protected:
    SpeedButtonTest()
        : Form(std::make_unique<TestForm>(nullptr)), Button(new TSpeedButton(Form.get())) {
        Button->SetParent(Form.get());
        Button->SetBounds(10, 10, 24, 22);
        Button->OnClick = [this](TObject*) { ++Clicks; };
    }

    std::unique_ptr<TestForm> Form;
    TSpeedButton* Button;
    int Clicks = 0;
};

TEST_F(SpeedButtonTest, IsDownWhileHeldOverIt) {
    InputSimulation::MouseDown(Button, mbLeft, {5, 5});
    EXPECT_EQ(Button->State(), bsDown);
    InputSimulation::MouseMove(Button, {50, 5}, {ssLeft});
    EXPECT_EQ(Button->State(), bsUp) << "off the button it lifts";
    InputSimulation::MouseMove(Button, {6, 6}, {ssLeft});
    EXPECT_EQ(Button->State(), bsDown) << "back over it, it is pressed again";
    InputSimulation::MouseUp(Button, mbLeft, {6, 6});
    EXPECT_EQ(Button->State(), bsUp);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(SpeedButtonTest, ReleaseOutsideDoesNotClick) {
    InputSimulation::MouseDown(Button, mbLeft, {5, 5});
    InputSimulation::MouseUp(Button, mbLeft, {50, 5});
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Button->State(), bsUp);
}

TEST_F(SpeedButtonTest, DisabledButtonStaysUp) {
    Button->SetEnabled(false);
    EXPECT_EQ(Button->State(), bsDisabled);
    InputSimulation::Click(Button, {5, 5});
    EXPECT_EQ(Clicks, 0);
}

TEST_F(SpeedButtonTest, GlyphIsCopiedAndDrawnCentredWithoutItsTransparentColour) {
    TBitmap glyph(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(1, 0, 3, 3));
    Button->SetGlyph(&glyph);
    glyph.SetSize(1, 1);
    EXPECT_EQ(Button->Glyph()->Width(), 4);

    Button->SetFlat(true);
    Button->SetColor(clWhite);
    TBitmap shot(Button->Width(), Button->Height());
    Button->PaintTo(shot.Canvas(), 0, 0);
    const int left = (24 - 4) / 2;
    const int top = (22 - 4) / 2;
    EXPECT_EQ(shot.Pixel(left + 1, top), clRed);
    EXPECT_EQ(shot.Pixel(left, top), clWhite) << "the bottom-left colour is transparent";
}

} // namespace
