// The arrow pair: its layout, its clicks and keys, and the auto-repeat of a held arrow, driven
// through the repeat timer's own handler so no test waits.
#include "grid/foundation/esgspin.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct SpinButtonFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TEsgSpinButton* Button = new TEsgSpinButton(Form.get());
    std::string Clicks;

    SpinButtonFixture() {
        Button->SetParent(Form.get());
        Button->OnUpClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Button);
            Clicks += 'U';
        };
        Button->OnDownClick = [this](TObject*) { Clicks += 'D'; };
    }

    static void Tick(TTimer* timer) {
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(timer->Enabled());
        timer->OnTimer()(timer);
    }
};

TEST_F(SpinButtonFixture, StartsVertical15By25WithRepeatingArrows) {
    EXPECT_EQ(Button->Width(), 15);
    EXPECT_EQ(Button->Height(), 25);
    EXPECT_FALSE(Button->TabStop());
    EXPECT_EQ(Button->FocusedButton(), Button->UpButton());
    EXPECT_EQ(Button->ButtonColor, clNone);
    for (TExTimerSpeedButton* arrow : {Button->UpButton(), Button->DownButton()}) {
        EXPECT_EQ(arrow->TimeBtnState(), TTimeBtnState{tbAllowTimer});
        EXPECT_EQ(arrow->RepeatTimer(), nullptr) << "made on the first press";
        EXPECT_EQ(arrow->Glyph()->Width(), 9);
        EXPECT_EQ(arrow->Glyph()->Height(), 6);
    }
    EXPECT_EQ(Button->UpButton()->ButtonDirection(), bdUp);
    EXPECT_EQ(Button->DownButton()->ButtonDirection(), bdDown);
}

TEST_F(SpinButtonFixture, ArrowsShareTheAreaAsTheDirectionWants) {
    struct Case {
        TSpinDirection Direction;
        int Width, Height;
        TRect Own, Up, Down;
    };
    const std::vector<Case> cases = {
        {spVertical, 15, 25, {0, 0, 15, 25}, {0, 0, 15, 12}, {0, 11, 15, 25}},
        {spVertical, 5, 20, {0, 0, 15, 20}, {0, 0, 15, 10}, {0, 9, 15, 20}},
        {spVertical, 30, 9, {0, 0, 30, 9}, {0, 0, 30, 4}, {0, 3, 30, 9}},
        {spHorizontal, 10, 17, {0, 0, 20, 17}, {11, 0, 21, 17}, {0, 0, 10, 17}},
        {spHorizontal, 31, 17, {0, 0, 31, 17}, {16, 0, 31, 17}, {0, 0, 15, 17}},
    };
    for (const Case& c : cases) {
        Button->SetDirection(c.Direction);
        Button->SetBounds(0, 0, c.Width, c.Height);
        EXPECT_EQ(Button->BoundsRect(), c.Own) << c.Width << " x " << c.Height;
        EXPECT_EQ(Button->UpButton()->BoundsRect(), c.Up) << c.Width << " x " << c.Height;
        EXPECT_EQ(Button->DownButton()->BoundsRect(), c.Down) << c.Width << " x " << c.Height;
    }
    EXPECT_EQ(Button->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(Button->DownButton()->ButtonDirection(), bdLeft);
    Button->SetDirection(spVertical);
    EXPECT_EQ(Button->Width(), 15);
    EXPECT_EQ(Button->UpButton()->ButtonDirection(), bdUp);
}

TEST_F(SpinButtonFixture, HeldArrowRepeatsFromItsTimerAndOnceMoreOnRelease) {
    TExTimerSpeedButton* up = Button->UpButton();
    InputSimulation::MouseDown(up, mbLeft, {3, 3});
    EXPECT_TRUE(up->Pressed());
    TTimer* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 400u);
    EXPECT_EQ(Clicks, "") << "a press alone does not click";

    Tick(timer);
    EXPECT_EQ(Clicks, "U");
    EXPECT_EQ(timer->Interval(), 100u) << "after the first delay the repeats come faster";
    Tick(timer);
    Tick(timer);
    EXPECT_EQ(Clicks, "UUU");

    InputSimulation::MouseUp(up, mbLeft, {3, 3});
    EXPECT_EQ(Clicks, "UUUU") << "the release over the arrow clicks once more";
    EXPECT_FALSE(timer->Enabled());
    EXPECT_FALSE(up->Pressed());

    // The next press starts with the long delay again and keeps the same timer.
    InputSimulation::MouseDown(up, mbLeft, {3, 3});
    EXPECT_EQ(up->RepeatTimer(), timer);
    EXPECT_EQ(timer->Interval(), 400u);
    InputSimulation::MouseUp(up, mbLeft, {3, 3});
}

TEST_F(SpinButtonFixture, ArrowDraggedOffStopsRepeatingAndReleasesWithoutClick) {
    TExTimerSpeedButton* down = Button->DownButton();
    InputSimulation::MouseDown(down, mbLeft, {3, 3});
    InputSimulation::MouseMove(down, {40, 3}, {ssLeft});
    EXPECT_FALSE(down->Pressed());
    Tick(down->RepeatTimer());
    EXPECT_EQ(Clicks, "") << "no repeat while the pointer is off the arrow";
    InputSimulation::MouseMove(down, {3, 3}, {ssLeft});
    Tick(down->RepeatTimer());
    EXPECT_EQ(Clicks, "D");
    InputSimulation::MouseMove(down, {40, 3}, {ssLeft});
    InputSimulation::MouseUp(down, mbLeft, {40, 3});
    EXPECT_EQ(Clicks, "D");
    EXPECT_FALSE(down->RepeatTimer()->Enabled());
}

TEST_F(SpinButtonFixture, ArrowWithoutAutoRepeatClicksOnlyOnRelease) {
    TExTimerSpeedButton* up = Button->UpButton();
    up->SetTimeBtnState({});
    InputSimulation::MouseDown(up, mbLeft, {3, 3});
    EXPECT_EQ(up->RepeatTimer(), nullptr);
    InputSimulation::MouseUp(up, mbLeft, {3, 3});
    EXPECT_EQ(Clicks, "U");
}

TEST_F(SpinButtonFixture, FailingClickStopsTheRepeatAndIsPassedOn) {
    Button->OnUpClick = [](TObject*) { throw Exception("step failed"); };
    TExTimerSpeedButton* up = Button->UpButton();
    InputSimulation::MouseDown(up, mbLeft, {3, 3});
    TTimer* timer = up->RepeatTimer();
    EXPECT_THROW(timer->OnTimer()(timer), Exception);
    EXPECT_FALSE(timer->Enabled());
    Button->OnUpClick = nullptr;
    InputSimulation::MouseUp(up, mbLeft, {3, 3});
}

TEST_F(SpinButtonFixture, KeysClickTheArrowsAndMoveTheMark) {
    Button->SetTabStop(true);
    Form->Show();
    Button->SetFocus();
    ASSERT_TRUE(Button->Focused());
    EXPECT_TRUE(Button->UpButton()->TimeBtnState().Contains(tbFocusRect));
    InputSimulation::KeyPress(Button, VK_DOWN);
    EXPECT_EQ(Button->FocusedButton(), Button->DownButton());
    EXPECT_TRUE(Button->DownButton()->TimeBtnState().Contains(tbFocusRect));
    EXPECT_FALSE(Button->UpButton()->TimeBtnState().Contains(tbFocusRect));
    InputSimulation::KeyPress(Button, VK_SPACE, u' ');
    InputSimulation::KeyPress(Button, VK_UP);
    InputSimulation::KeyPress(Button, VK_SPACE, u' ');
    EXPECT_EQ(Clicks, "DDUU");
}

TEST_F(SpinButtonFixture, PressingAnArrowFocusesTheControlItSteps) {
    auto* edit = new TEsgSpinEdit(Form.get());
    edit->SetParent(Form.get());
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    Form->Show();
    other->SetFocus();
    Button->SetFocusControl(edit);
    InputSimulation::Click(Button->UpButton(), {3, 3});
    EXPECT_TRUE(edit->Focused());
    Button->SetFocusControl(nullptr);
}

TEST(SpinGlyph, BuiltInArrowsAreBlackTrianglesOnTransparentGround) {
    TBitmap up;
    LoadSpinGlyph(&up, true);
    TBitmap down;
    LoadSpinGlyph(&down, false);
    ASSERT_TRUE(up.Transparent());
    const TColor ground = up.TransparentColor();
    // Rows from the tip: 1, 3, 5 and 7 pixels, centred on column 4.
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 4 - row && x <= 4 + row;
            EXPECT_EQ(up.Pixel(x, 1 + row), inside ? clBlack : ground) << x << "," << row;
            EXPECT_EQ(down.Pixel(x, 4 - row), inside ? clBlack : ground) << x << "," << row;
        }
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(up.Pixel(x, 0), ground);
        EXPECT_EQ(up.Pixel(x, 5), ground);
    }
}

TEST_F(SpinButtonFixture, NoGlyphGivesTheBuiltInOneBack) {
    TBitmap custom(4, 4);
    Button->SetUpGlyph(&custom);
    Button->SetUpNumGlyphs(2);
    EXPECT_EQ(Button->UpGlyph()->Width(), 4);
    Button->SetUpGlyph(nullptr);
    EXPECT_EQ(Button->UpGlyph()->Width(), 9);
    EXPECT_EQ(Button->UpNumGlyphs(), 1);
}

TEST_F(SpinButtonFixture, ADisabledArrowShowsTheSecondOfItsGlyphs) {
    // Two 9 x 6 images side by side on a white ground taken as transparent.
    TBitmap glyph(18, 6);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect({0, 0, 18, 6});
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({2, 1, 7, 4});
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect({11, 1, 16, 4});
    Button->SetBounds(0, 0, 15, 26);
    Button->SetUpGlyph(&glyph);
    Button->SetUpNumGlyphs(2);
    TExTimerSpeedButton* up = Button->UpButton();
    const int x = (up->Width() - 9) / 2 + 4;
    const int y = (up->Height() - 6) / 2 + 2;
    struct Case {
        bool Enabled;
        TColor Shown;
    };
    for (Case c : {Case{true, clRed}, Case{false, clBlue}}) {
        up->SetEnabled(c.Enabled);
        TBitmap picture(15, 26);
        Button->PaintTo(picture.Canvas(), 0, 0);
        EXPECT_EQ(picture.Pixel(up->Left() + x, up->Top() + y), c.Shown) << c.Enabled;
    }
}

TEST_F(SpinButtonFixture, ColouredArrowsPaintTheirFaceAndTriangle) {
    Button->ButtonColor = 0x00FF00;
    Button->ButtonColorHot = 0x0000FF;
    Button->ButtonColorDown = 0xFF0000;
    Button->SetBounds(0, 0, 15, 26);
    TBitmap picture(15, 26);
    Button->PaintTo(picture.Canvas(), 0, 0);
    EXPECT_EQ(picture.Pixel(1, 1), 0x00FF00);
    EXPECT_EQ(picture.Pixel(6, 3), clBlack) << "the up triangle";
    InputSimulation::MouseEnter(Button->DownButton());
    InputSimulation::MouseDown(Button->UpButton(), mbLeft, {3, 3});
    Button->PaintTo(picture.Canvas(), 0, 0);
    EXPECT_EQ(picture.Pixel(1, 1), 0xFF0000) << "pressed";
    EXPECT_EQ(picture.Pixel(1, 24), 0x0000FF) << "hot";
    InputSimulation::MouseUp(Button->UpButton(), mbLeft, {3, 3});
}

TEST_F(SpinButtonFixture, ArrowsPaintInEveryStyle) {
    Button->SetBounds(0, 0, 15, 26);
    for (bool visualStyle : {false, true}) {
        Button->SetIsWinXP(visualStyle);
        EXPECT_EQ(Button->UpButton()->IsWinXP(), visualStyle);
        TBitmap picture(15, 26);
        picture.Canvas()->Brush()->SetColor(clWhite);
        picture.Canvas()->FillRect({0, 0, 15, 26});
        Button->PaintTo(picture.Canvas(), 0, 0);
        int marked = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 15; ++x)
                marked += picture.Pixel(x, y) != clWhite ? 1 : 0;
        EXPECT_GT(marked, 15 * 26 / 2) << "visual style " << visualStyle;
    }
}

} // namespace
