#include "app/controls/GlyphButton.h"

#include "app/controls/GlyphButtonGeometry.h"
#include "app/controls/GlyphPictures.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
#include <thread>

namespace {

// A shown form with buttons in the program's look.
class GlyphButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Form->Show();
    }

    TGlyphButton* AddButton(int top = 10) {
        auto* button = new TGlyphButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(10, top, 110, 28);
        button->SetStyle(bsEncarta);
        button->SetColor(0xEDF7F8);
        button->SetColorWhenDown(0x0080FF);
        button->SetHotTrackColor(clYellow);
        button->SetLightColor(clGray);
        button->SetCaption("OK");
        button->OnClick = [this](TObject* sender) { Clicked.push_back(sender); };
        return button;
    }

    TColor PixelOf(TGlyphButton* button, int x, int y) {
        TBitmap shot(button->Width(), button->Height());
        button->PaintTo(shot.Canvas(), 0, 0);
        return shot.Pixel(x, y);
    }

    std::unique_ptr<TForm> Form;
    std::vector<TObject*> Clicked;
};

TEST_F(GlyphButtonTest, StartsWithTheDesignedDefaults) {
    TGlyphButton button(nullptr);
    EXPECT_EQ(button.Width(), 100);
    EXPECT_EQ(button.Height(), 23);
    EXPECT_TRUE(button.TabStop());
    EXPECT_EQ(button.Alignment(), taCenter);
    EXPECT_EQ(button.Color(), clBtnFace);
    EXPECT_EQ(button.ColorWhenDown(), clNone);
    EXPECT_EQ(button.HotTrackColor(), clNone);
    EXPECT_EQ(button.LightColor(), clWhite);
    EXPECT_EQ(button.ShadowColor(), clGray);
    EXPECT_EQ(button.Style(), bsNormal);
    EXPECT_EQ(button.Kind(), bkCustom);
    EXPECT_EQ(button.Layout(), blGlyphLeft);
    EXPECT_EQ(button.NumGlyphs(), 0);
    EXPECT_FALSE(button.ControlStyle().Contains(csDoubleClicks));
}

TEST_F(GlyphButtonTest, StockKindsSetResultGlyphAndCaption) {
    struct Case {
        TGlyphButtonKind Kind;
        TModalResult Result;
        const char* Caption;
        int GlyphHeight;
    };
    const Case cases[] = {
        {bkOK, mrOk, "OK", 18},
        {bkCancel, mrCancel, "Abbrechen", 18},
        {bkHelp, mrNone, "Hilfe", 18},
        {bkYes, mrYes, "Ja", 18},
        {bkNo, mrNo, "Nein", 18},
        {bkClose, mrNone,
         "Schlie\xC3\x9F"
         "en",
         18},
        {bkAbort, mrAbort, "Abbrechen", 18},
        {bkRetry, mrRetry, "Wiederholen", 18},
        {bkIgnore, mrIgnore, "Ignorieren", 18},
        {bkAll, mrAll, "Alle", 19},
    };
    for (const Case& c : cases) {
        TGlyphButton button(nullptr);
        button.SetKind(c.Kind);
        EXPECT_EQ(button.Kind(), c.Kind);
        EXPECT_EQ(button.ModalResult(), c.Result) << c.Caption;
        EXPECT_EQ(button.Caption(), c.Caption);
        EXPECT_EQ(button.NumGlyphs(), 2);
        EXPECT_EQ(button.Glyph()->Height(), c.GlyphHeight) << c.Caption;
        EXPECT_EQ(button.Glyph()->Width(), 36) << c.Caption;
    }
}

TEST_F(GlyphButtonTest, WritingAGlyphOrAResultMakesTheKindCustom) {
    TGlyphButton button(nullptr);
    button.SetKind(bkYes);
    TBitmap strip(72, 18);
    button.SetGlyph(&strip);
    EXPECT_EQ(button.Kind(), bkCustom);
    EXPECT_EQ(button.NumGlyphs(), 4);

    button.SetKind(bkNo);
    button.SetModalResult(mrOk);
    EXPECT_EQ(button.Kind(), bkCustom);

    button.SetGlyph(nullptr);
    EXPECT_EQ(button.NumGlyphs(), 0);
    EXPECT_TRUE(button.Glyph()->Empty());
}

TEST_F(GlyphButtonTest, ColorPresetAppliesColoursButReadsBackAsCustom) {
    TGlyphButton button(nullptr);
    button.SetFlat(true);
    button.SetColorStyle(lcsGold);
    EXPECT_EQ(button.ColorStyle(), lcsCustom);
    EXPECT_EQ(button.Color(), 0x00C0C0);
    EXPECT_EQ(button.LightColor(), 0x00FFFF);
    EXPECT_EQ(button.ShadowColor(), 0x008080);
    EXPECT_EQ(button.HotTrackColor(), 0x00DFDF);
    EXPECT_EQ(button.Style(), bsModern);
    EXPECT_FALSE(button.Flat());
    // The preset sets the style field only; the window's transparency stays as it was.
    EXPECT_FALSE(button.TransparentWindow());

    button.SetColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(button.Flat());
    EXPECT_EQ(button.Style(), bsNormal);
    EXPECT_EQ(button.ColorWhenDown(), 0x24DABC);

    button.SetColorStyle(lcsQuicken);
    EXPECT_EQ(button.Font()->Color(), clWhite);
    EXPECT_EQ(button.Style(), bsQuicken);

    const TColor before = button.Color();
    button.SetColorStyle(lcsCustom);
    EXPECT_EQ(button.Color(), before);
}

TEST_F(GlyphButtonTest, StyleDecidesWhetherTheParentShowsThrough) {
    TGlyphButton button(nullptr);
    for (TGlyphButtonStyle style : {bsNormal, bsEncarta, bsOld}) {
        button.SetStyle(style);
        EXPECT_FALSE(button.TransparentWindow()) << style;
    }
    for (TGlyphButtonStyle style : {bsModern, bsShape, bsQuicken}) {
        button.SetStyle(style);
        EXPECT_TRUE(button.TransparentWindow()) << style;
    }
}

// The rounded styles leave their corners unpainted: through them shows the parent's
// background when the style was written, the button's own background after a colour preset
// (which leaves the window's transparency alone) - never the off-screen bitmap's fill.
TEST_F(GlyphButtonTest, CornersOfRoundedStylesShowWhatLiesBehind) {
    Form->SetColor(0x123456);
    struct Case {
        bool ByPreset;
        TGlyphButtonStyle Style;
        TGlyphColorStyle Preset;
    };
    const Case cases[] = {{false, bsModern, lcsCustom},
                          {false, bsQuicken, lcsCustom},
                          {true, bsModern, lcsGold},
                          {true, bsQuicken, lcsQuicken}};
    for (const Case& c : cases) {
        TGlyphButton* button = AddButton();
        button->SetCaption("");
        if (c.ByPreset)
            button->SetColorStyle(c.Preset);
        else
            button->SetStyle(c.Style);
        const TColor behind = c.ByPreset ? button->Color() : Form->Color();
        EXPECT_EQ(PixelOf(button, 0, 0), behind) << c.Style << " preset " << c.ByPreset;
        delete button;
    }
}

TEST_F(GlyphButtonTest, PressAndReleaseOutsideStillClicks) {
    TGlyphButton* button = AddButton();
    InputSimulation::MouseDown(button, mbLeft, {5, 5});
    EXPECT_TRUE(button->IsDown());
    InputSimulation::MouseUp(button, mbLeft, {500, 500});
    EXPECT_EQ(Clicked.size(), 1u);
    EXPECT_FALSE(button->IsDown());
}

TEST_F(GlyphButtonTest, RightButtonAndDisabledButtonDoNotClick) {
    TGlyphButton* button = AddButton();
    InputSimulation::Click(button, {5, 5}, mbRight);
    EXPECT_TRUE(Clicked.empty());
    button->SetEnabled(false);
    InputSimulation::Click(button, {5, 5});
    EXPECT_FALSE(button->IsDown());
    button->Click();
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(GlyphButtonTest, AClickThatCannotHappenLeavesTheButtonUnpressed) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    button->SetDefault(true);
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 100, 100, 21);
    Form->SetActiveControl(edit);
    button->SetVisible(false);
    button->Click();
    InputSimulation::KeyPress(edit, VK_RETURN);
    EXPECT_TRUE(Clicked.empty());
    // Shown again later, it must not look held down.
    button->SetVisible(true);
    EXPECT_FALSE(button->IsDown());
    EXPECT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), 0xEDF7F8);
}

TEST_F(GlyphButtonTest, ClickHandsTheModalResultToTheForm) {
    TGlyphButton* button = AddButton();
    button->SetModalResult(mrYes);
    button->Click();
    EXPECT_EQ(Form->ModalResult(), mrYes);
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(GlyphButtonTest, SpaceAndEnterClickTheFocusedButtonOnKeyUp) {
    TGlyphButton* button = AddButton();
    button->SetFocus();
    for (WORD key : {VK_SPACE, VK_RETURN}) {
        Clicked.clear();
        InputSimulation::KeyDown(button, key);
        EXPECT_TRUE(button->IsDown()) << key;
        EXPECT_TRUE(Clicked.empty()) << key;
        InputSimulation::KeyUp(button, key);
        EXPECT_EQ(Clicked.size(), 1u) << key;
    }
}

TEST_F(GlyphButtonTest, AKeyReleasedWithoutItsPressOnTheButtonDoesNotClick) {
    // The Enter that closes a modal dialog is released over the button that opened it.
    TGlyphButton* button = AddButton();
    button->SetFocus();
    for (WORD key : {VK_SPACE, VK_RETURN}) {
        InputSimulation::KeyUp(button, key);
        EXPECT_TRUE(Clicked.empty()) << key;
        EXPECT_FALSE(button->IsDown()) << key;
    }
}

TEST_F(GlyphButtonTest, DefaultAndCancelButtonsTakeEnterAndEscapeFromAnEdit) {
    TGlyphButton* okButton = AddButton(10);
    TGlyphButton* cancelButton = AddButton(50);
    okButton->SetDefault(true);
    cancelButton->SetCancel(true);
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 100, 100, 21);
    Form->SetActiveControl(edit);
    struct Case {
        WORD Key;
        TShiftState Shift;
        TGlyphButton* Expected;
    };
    const Case cases[] = {
        {VK_RETURN, {}, okButton},
        {VK_ESCAPE, {}, cancelButton},
        {VK_ESCAPE, {ssShift}, nullptr},
    };
    for (const Case& c : cases) {
        Clicked.clear();
        InputSimulation::KeyPress(edit, c.Key, 0, c.Shift);
        if (c.Expected) {
            ASSERT_EQ(Clicked.size(), 1u) << c.Key;
            EXPECT_EQ(Clicked[0], c.Expected) << c.Key;
        } else {
            EXPECT_TRUE(Clicked.empty()) << c.Key;
        }
    }
}

TEST_F(GlyphButtonTest, AFocusedButtonTakesEnterBeforeTheDefaultButton) {
    TGlyphButton* okButton = AddButton(10);
    TGlyphButton* other = AddButton(50);
    okButton->SetDefault(true);
    other->SetFocus();
    InputSimulation::KeyPress(other, VK_RETURN);
    ASSERT_EQ(Clicked.size(), 1u);
    EXPECT_EQ(Clicked[0], other);
}

TEST_F(GlyphButtonTest, EscapeReachesTheCancelButtonWhileAnotherButtonHasTheFocus) {
    TGlyphButton* cancelButton = AddButton(10);
    TGlyphButton* other = AddButton(50);
    cancelButton->SetCancel(true);
    other->SetFocus();
    InputSimulation::KeyPress(other, VK_ESCAPE);
    ASSERT_EQ(Clicked.size(), 1u);
    EXPECT_EQ(Clicked[0], cancelButton);
}

TEST_F(GlyphButtonTest, AcceleratorOfTheCaptionClicks) {
    TGlyphButton* button = AddButton();
    button->SetCaption("&Apply");
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, u'x'), 0);
    EXPECT_TRUE(Clicked.empty());
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, u'a'), 1);
    EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(GlyphButtonTest, ProgramLookPaintsFaceHotAndPressedColours) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    const int x = button->Width() - 3;
    const int y = button->Height() / 2;
    EXPECT_EQ(PixelOf(button, x, y), 0xEDF7F8);
    // A one-pixel grey frame on all four sides.
    EXPECT_EQ(PixelOf(button, 0, y), clGray);
    EXPECT_EQ(PixelOf(button, button->Width() - 1, y), clGray);
    EXPECT_EQ(PixelOf(button, x, 0), clGray);
    EXPECT_EQ(PixelOf(button, x, button->Height() - 1), clGray);
    EXPECT_EQ(PixelOf(button, 1, y), 0xEDF7F8);

    InputSimulation::MouseEnter(button);
    EXPECT_TRUE(button->CursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_EQ(PixelOf(button, x, y), clYellow);

    InputSimulation::MouseDown(button, mbLeft, {5, 5});
    EXPECT_EQ(PixelOf(button, x, y), 0x0080FF);

    InputSimulation::MouseUp(button, mbLeft, {5, 5});
    InputSimulation::MouseLeave(button);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->CursorOnButton());
}

TEST_F(GlyphButtonTest, PointerEventsFireEnterAndExit) {
    TGlyphButton* button = AddButton();
    int entered = 0;
    int exited = 0;
    button->OnMouseEnter = [&](TObject*) { ++entered; };
    button->OnMouseExit = [&](TObject*) { ++exited; };
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);

    button->SetEnabled(false);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);
    EXPECT_FALSE(button->CursorOnButton());
}

// One tick of the fade timer, as the event loop would run it.
void TickFade(TGlyphButton* button) {
    TTimer* timer = button->FadeTimer();
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->Enabled());
    timer->OnTimer()(timer);
}

TEST_F(GlyphButtonTest, SlowDeceaseFadesTheBlendOutInEightTimedSteps) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    button->SetSlowDecease(true);
    ASSERT_NE(button->FadeTimer(), nullptr);
    EXPECT_EQ(button->FadeTimer()->Interval(), 30u);
    EXPECT_FALSE(button->FadeTimer()->Enabled()) << "no fade before the pointer has been there";

    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->FadeTimer()->Enabled());

    const int x = button->Width() - 3;
    const int y = button->Height() / 2;
    for (int step = 7; step >= 0; --step) {
        TickFade(button);
        EXPECT_EQ(button->HotTrackStep(), step);
        EXPECT_EQ(PixelOf(button, x, y), BlendHotTrack(0xEDF7F8, clYellow, step)) << step;
    }
    EXPECT_FALSE(button->FadeTimer()->Enabled()) << "the timer rests once the blend is gone";
    EXPECT_EQ(PixelOf(button, x, y), 0xEDF7F8);
}

TEST_F(GlyphButtonTest, HalfwayThroughTheFadeTheFaceIsTheHalfBlend) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    button->SetSlowDecease(true);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    for (int tick = 0; tick < 4; ++tick)
        TickFade(button);
    EXPECT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), 0x76FBFB);
}

TEST_F(GlyphButtonTest, TheFadeRunsUnderTheEventLoop) {
    TGlyphButton* button = AddButton();
    button->SetSlowDecease(true);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    // Bounded only so that a broken timer cannot hang the test.
    for (int round = 0; round < 2000 && button->HotTrackStep() > 0; ++round) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->FadeTimer()->Enabled());
}

TEST_F(GlyphButtonTest, PointerBackDuringTheFadeMakesTheButtonFullyHotAgain) {
    TGlyphButton* button = AddButton();
    button->SetSlowDecease(true);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    TickFade(button);
    TickFade(button);
    InputSimulation::MouseEnter(button);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_FALSE(button->FadeTimer()->Enabled()) << "no fade while the pointer rests on it";
}

TEST_F(GlyphButtonTest, WithoutSlowDeceaseLeavingDropsTheBlendAtOnce) {
    TGlyphButton* button = AddButton();
    button->SetSlowDecease(true);
    button->SetSlowDecease(false);
    EXPECT_EQ(button->FadeTimer(), nullptr);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    EXPECT_EQ(button->HotTrackStep(), 0);
}

TEST_F(GlyphButtonTest, SwitchingSlowDeceaseOffEndsARunningFade) {
    TGlyphButton* button = AddButton();
    button->SetSlowDecease(true);
    InputSimulation::MouseEnter(button);
    InputSimulation::MouseLeave(button);
    button->SetSlowDecease(false);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(button->FadeTimer(), nullptr);
    EXPECT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), 0xEDF7F8);
}

// A button does not light up under the pointer when it cannot be used: disabled itself, or on
// a panel or window that is disabled (as the windows are while a started program runs).
TEST_F(GlyphButtonTest, AButtonThatCannotBeUsedDoesNotLightUpUnderThePointer) {
    enum Disabled { Button, Panel, Window };
    for (Disabled which : {Button, Panel, Window}) {
        auto* panel = new TPanel(Form.get());
        panel->SetParent(Form.get());
        panel->SetBounds(0, 0, 200, 100);
        TGlyphButton* button = AddButton();
        button->SetParent(panel);
        button->SetCaption("");
        int entered = 0;
        button->OnMouseEnter = [&](TObject*) { ++entered; };
        if (which == Button)
            button->SetEnabled(false);
        else if (which == Panel)
            panel->SetEnabled(false);
        else
            Form->SetEnabled(false);

        InputSimulation::MouseEnter(button);

        EXPECT_FALSE(button->CursorOnButton()) << which;
        EXPECT_EQ(button->HotTrackStep(), 0) << which;
        EXPECT_EQ(entered, 0) << which;
        EXPECT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), 0xEDF7F8) << which;
        InputSimulation::MouseLeave(button);
        Form->SetEnabled(true);
        delete panel;
    }
}

TEST_F(GlyphButtonTest, ADisabledButtonLosesItsHotStateAndStaysPlainWhenEnabledAgain) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    InputSimulation::MouseEnter(button);
    ASSERT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), clYellow);
    button->SetEnabled(false);
    EXPECT_FALSE(button->CursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 0);
    button->SetEnabled(true);
    EXPECT_EQ(PixelOf(button, button->Width() - 3, button->Height() / 2), 0xEDF7F8);
}

TEST_F(GlyphButtonTest, DisabledButtonDrawsItsGreyPicture) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    TBitmap strip;
    ASSERT_TRUE(Load_Stock_Glyph(strip, "LBOK"));
    button->SetGlyph(&strip);
    button->SetAlignment(taLeftJustify);
    auto inkColours = [&] {
        TBitmap shot(button->Width(), button->Height());
        button->PaintTo(shot.Canvas(), 0, 0);
        std::set<TColor> colours;
        for (int y = 5; y < 23; ++y)
            for (int x = 4; x < 22; ++x)
                if (shot.Pixel(x, y) != 0xEDF7F8)
                    colours.insert(shot.Pixel(x, y));
        return colours;
    };
    const std::set<TColor> enabled = inkColours();
    ASSERT_FALSE(enabled.empty());
    button->SetEnabled(false);
    const std::set<TColor> disabled = inkColours();
    ASSERT_FALSE(disabled.empty());
    for (TColor c : disabled)
        EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << std::hex << c;
    EXPECT_NE(enabled, disabled);
}

TEST_F(GlyphButtonTest, DisabledButtonWithASinglePictureStillShowsIt) {
    TGlyphButton* button = AddButton();
    button->SetCaption("");
    TBitmap picture(18, 18);
    picture.Canvas()->Brush()->SetColor(clFuchsia);
    picture.Canvas()->FillRect(Rect(0, 0, 18, 18));
    picture.Canvas()->Brush()->SetColor(clGreen);
    picture.Canvas()->FillRect(Rect(4, 4, 14, 14));
    picture.SetTransparent(true);
    button->SetGlyph(&picture);
    ASSERT_EQ(button->NumGlyphs(), 1);
    button->SetEnabled(false);
    // Centred: the picture's middle is the button's middle.
    EXPECT_EQ(PixelOf(button, button->Width() / 2, button->Height() / 2), clGreen);
}

} // namespace
