// The grid button's looks, states, groups, clicks and painting, through synthesised input.
#include "grid/foundation/ExGridButton.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct GridButtonFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TExGridButton* Button = MakeButton(0);
    std::string Events;

    TExGridButton* MakeButton(int left) {
        auto* button = new TExGridButton(Form.get());
        button->SetParent(Form.get());
        button->SetLeft(left);
        return button;
    }

    std::unique_ptr<TBitmap> Painted(TExGridButton* button) {
        auto picture = std::make_unique<TBitmap>(button->Width(), button->Height());
        picture->Canvas()->Brush()->SetColor(clWhite);
        picture->Canvas()->FillRect({0, 0, button->Width(), button->Height()});
        button->PaintTo(picture->Canvas(), 0, 0);
        return picture;
    }

    void Click(TExGridButton* button, TPoint at = {5, 5}) { InputSimulation::Click(button, at); }
};

TEST_F(GridButtonFixture, StartsAsAFlatSpeedButtonInButtonFace) {
    EXPECT_EQ(Button->Width(), 22);
    EXPECT_EQ(Button->Height(), 23);
    EXPECT_TRUE(Button->Flat());
    EXPECT_EQ(Button->Color(), clBtnFace);
    EXPECT_EQ(Button->ColorTo(), clNone);
    EXPECT_EQ(Button->ColorHot, TColor{0xCAC7C7});
    EXPECT_EQ(Button->ColorDown, TColor{0xD8D3D2});
    EXPECT_EQ(Button->ColorChecked(), TColor{0x808080});
    EXPECT_EQ(Button->BorderColor(), clNone);
    EXPECT_EQ(Button->BorderDownColor, clNone);
    EXPECT_EQ(Button->BorderHotColor, clNone);
    EXPECT_EQ(Button->Margin(), -1);
    EXPECT_EQ(Button->Spacing(), 4);
    EXPECT_EQ(Button->Layout(), blGlyphLeft);
    EXPECT_EQ(Button->Style(), tasButton);
    EXPECT_TRUE(Button->Shaded());
    EXPECT_TRUE(Button->ShowCaption());
    EXPECT_TRUE(Button->ParentFont());
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->GroupIndex(), 0);
    EXPECT_TRUE(Button->Glyph()->Empty());
}

TEST_F(GridButtonFixture, FacePaintsNormalHotAndPressed) {
    EXPECT_EQ(Painted(Button)->Pixel(5, 5), ColorToRGB(clBtnFace));
    InputSimulation::MouseEnter(Button);
    ASSERT_TRUE(Button->MouseInControl());
    std::unique_ptr<TBitmap> hot = Painted(Button);
    EXPECT_EQ(hot->Pixel(5, 5), TColor{0xCAC7C7});
    EXPECT_EQ(hot->Pixel(1, 1), TColor{0xCAC7C7}) << "no border of its own";
    EXPECT_EQ(hot->Pixel(0, 0), clWhite) << "a flat face leaves a pixel all round";
    InputSimulation::MouseDown(Button, mbLeft, {5, 5});
    EXPECT_EQ(Button->DrawState(), TExGridButton::dsPressed);
    EXPECT_EQ(Painted(Button)->Pixel(5, 5), TColor{0xD8D3D2});
    InputSimulation::MouseUp(Button, mbLeft, {5, 5});
    EXPECT_EQ(Button->DrawState(), TExGridButton::dsUp);
}

TEST_F(GridButtonFixture, CheckedAndGroupedDownFacesShowTheCheckedColour) {
    TExGridButton* check = MakeButton(30);
    check->SetStyle(tasCheck);
    check->SetDown(true);
    TExGridButton* grouped = MakeButton(60);
    grouped->SetGroupIndex(3);
    grouped->SetDown(true);
    EXPECT_EQ(grouped->DrawState(), TExGridButton::dsExclusive);
    for (TExGridButton* button : {check, grouped}) {
        button->SetColorChecked(0x336699);
        EXPECT_EQ(Painted(button)->Pixel(5, 5), TColor{0x336699});
    }
    // Raised buttons draw a frame and move their content when down.
    grouped->SetFlat(false);
    std::unique_ptr<TBitmap> raised = Painted(grouped);
    EXPECT_EQ(raised->Pixel(10, 10), TColor{0x336699});
    EXPECT_NE(raised->Pixel(0, 0), TColor{0x336699});
}

TEST_F(GridButtonFixture, RoundedAndBorderedFacesStayInsideTheButton) {
    for (bool rounded : {false, true}) {
        Button->SetRounded(rounded);
        Button->SetBorderColor(0x0000FF);
        Button->BorderHotColor = 0x00FF00;
        std::unique_ptr<TBitmap> normal = Painted(Button);
        EXPECT_EQ(normal->Pixel(11, rounded ? 0 : 1), TColor{0x0000FF}) << rounded;
        EXPECT_EQ(normal->Pixel(11, 11), ColorToRGB(clBtnFace)) << rounded;
        InputSimulation::MouseEnter(Button);
        std::unique_ptr<TBitmap> hot = Painted(Button);
        EXPECT_EQ(hot->Pixel(11, rounded ? 0 : 1), TColor{0x00FF00}) << rounded;
        InputSimulation::MouseLeave(Button);
    }
}

TEST_F(GridButtonFixture, StockLooksSetTheirColourSets) {
    struct Case {
        int Look;
        TColor Color, ColorTo, ColorHot, ColorDown, BorderHot;
        bool Rounded;
    };
    const std::vector<Case> cases = {
        {0, 0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE0E6E7, 0xC3CECE, true},
        {1, clBtnFace, clNone, 0xEED2C1, 0xE2B598, 0xC56A31, false},
        {2, 0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x4E91FE, 0x000000, false},
        {3, 0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x4E91FE, 0x000000, false},
        {4, 0xECE2E1, 0xB39698, 0xCCF4FF, 0x4E91FE, 0x000000, false},
        {5, clBtnFace, clNone, clBtnFace, 0xD8D3D2, clNone, false},
        {6, 0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x4DE0FB, 0x808080, false},
    };
    for (const Case& c : cases) {
        Button->SetFlat(false);
        Button->SetBorderColor(0x123456);
        Button->SetLook(c.Look);
        EXPECT_EQ(Button->Color(), c.Color) << c.Look;
        EXPECT_EQ(Button->ColorTo(), c.ColorTo) << c.Look;
        EXPECT_EQ(Button->ColorHot, c.ColorHot) << c.Look;
        EXPECT_EQ(Button->ColorDown, c.ColorDown) << c.Look;
        EXPECT_EQ(Button->BorderHotColor, c.BorderHot) << c.Look;
        EXPECT_EQ(Button->BorderColor(), clNone) << c.Look;
        EXPECT_TRUE(Button->Flat()) << c.Look;
        EXPECT_EQ(Button->Rounded(), c.Rounded) << c.Look;
        EXPECT_EQ(Button->Look(), 0);
    }
    for (int outside : {-1, 7}) {
        Button->SetLook(outside);
        EXPECT_EQ(Button->Color(), TColor{0xCAFFFF}) << outside << " changes nothing";
    }
}

TEST_F(GridButtonFixture, LookTwoPaintsItsGradientFace) {
    Button->SetLook(2);
    std::unique_ptr<TBitmap> picture = Painted(Button);
    EXPECT_EQ(picture->Pixel(5, 0), TColor{0xFDEADA}) << "the top band is the start colour";
    EXPECT_NE(picture->Pixel(5, 20), TColor{0xFDEADA});
}

TEST_F(GridButtonFixture, VisualStyleGivesTheMatchingLook) {
    Button->SetAutoThemeAdapt(true);
    // The desktop answers with the "NormalColor" scheme.
    EXPECT_EQ(Button->Color(), TColor{0xFDEADA});
    Button->SetLook(5);
    Button->Perform(WM_THEMECHANGED);
    EXPECT_EQ(Button->Color(), TColor{0xFDEADA});
}

TEST(ButtonGradient, SixteenBandsRoundedHalfToEvenInsideTheRectangle) {
    TBitmap picture(20, 20);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect({0, 0, 20, 20});
    DrawButtonGradient(picture.Canvas(), 0x000000, 0x0000FF, clNone, {2, 2, 12, 18});
    struct Case {
        int Band;
        TColor Red;
    };
    // Red steps by 255 / 16 a band: 127.5 rounds to 128, 239.0625 to 239.
    for (Case c : std::vector<Case>{{0, 0}, {1, 16}, {8, 128}, {15, 239}})
        EXPECT_EQ(picture.Pixel(5, 2 + c.Band), c.Red) << "band " << c.Band;
    EXPECT_EQ(picture.Pixel(5, 18), clWhite);
    EXPECT_EQ(picture.Pixel(12, 5), clWhite);
    EXPECT_EQ(picture.Pixel(1, 5), clWhite);

    DrawButtonGradient(picture.Canvas(), 0x000000, 0x0000FF, 0x00FF00, {2, 2, 12, 18});
    EXPECT_EQ(picture.Pixel(2, 10), TColor{0x00FF00}) << "outline in the border colour";
    EXPECT_EQ(picture.Pixel(5, 10), TColor{128});
}

TEST_F(GridButtonFixture, GlyphMakesItsGreyDisabledCopyAndShade) {
    TBitmap glyph(3, 2);
    glyph.Canvas()->SetPixel(0, 0, 0xFFFFFF);
    glyph.Canvas()->SetPixel(1, 0, 0x102030);
    glyph.Canvas()->SetPixel(2, 0, 0x000000);
    glyph.Canvas()->SetPixel(0, 1, 0x00FF00); // bottom-left: the transparent colour
    glyph.Canvas()->SetPixel(1, 1, 0x00FF00);
    glyph.Canvas()->SetPixel(2, 1, 0x0000FF);
    Button->SetGlyph(&glyph);
    struct Case {
        int X, Y;
        TColor Grey, Shade;
    };
    const std::vector<Case> cases = {
        {0, 0, 0xDFDFDF, 0x808080}, // 255 -> 127 + 96
        {1, 0, 0x707070, 0x808080}, // mean 32 -> 16 + 96
        {2, 0, 0x606060, 0x808080},
        {0, 1, 0x8A8A8A, 0x00FF00}, // the transparent pixel keeps its colour in the shade
        {2, 1, 0x8A8A8A, 0x808080},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Button->GlyphDisabled()->Pixel(c.X, c.Y), c.Grey) << c.X << "," << c.Y;
        EXPECT_EQ(Button->GlyphShade()->Pixel(c.X, c.Y), c.Shade) << c.X << "," << c.Y;
    }
    // An own disabled glyph is kept.
    TBitmap other(3, 2);
    Button->SetGlyph(&other);
    EXPECT_EQ(Button->GlyphDisabled()->Pixel(0, 0), TColor{0xDFDFDF});
}

TEST_F(GridButtonFixture, GroupedButtonsReleaseEachOther) {
    TExGridButton* second = MakeButton(30);
    Button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    Click(second);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(Button->Down());
    Click(Button);
    EXPECT_TRUE(Button->Down());
    EXPECT_FALSE(second->Down());
    Click(Button);
    EXPECT_TRUE(Button->Down()) << "the down button stays down without AllowAllUp";

    Button->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp()) << "the group shares the setting";
    Click(Button);
    EXPECT_FALSE(Button->Down());
    EXPECT_FALSE(second->Down());
}

TEST_F(GridButtonFixture, DownCountsOnlyInAGroupOrForCheckButtons) {
    Button->SetDown(true);
    EXPECT_FALSE(Button->Down());
    Button->SetStyle(tasCheck);
    Button->SetDown(true);
    EXPECT_TRUE(Button->Down());
    Button->SetDown(false);
    EXPECT_FALSE(Button->Down());
}

TEST_F(GridButtonFixture, CheckButtonTogglesOnClicksInsideOnly) {
    Button->SetStyle(tasCheck);
    int clicks = 0;
    Button->OnClick = [&](TObject*) { ++clicks; };
    Click(Button);
    EXPECT_TRUE(Button->Down());
    Click(Button);
    EXPECT_FALSE(Button->Down());
    InputSimulation::MouseDown(Button, mbLeft, {5, 5});
    InputSimulation::MouseMove(Button, {40, 5}, {ssLeft});
    InputSimulation::MouseUp(Button, mbLeft, {40, 5});
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(clicks, 2);
}

TEST_F(GridButtonFixture, PushButtonClicksOnReleaseInside) {
    Button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, Button);
        Events += 'C';
    };
    Click(Button);
    InputSimulation::MouseDown(Button, mbLeft, {5, 5});
    InputSimulation::MouseMove(Button, {5, 40}, {ssLeft});
    EXPECT_EQ(Button->DrawState(), TExGridButton::dsUp) << "dragged off, it shows up";
    InputSimulation::MouseUp(Button, mbLeft, {5, 40});
    EXPECT_EQ(Events, "C");
}

TEST_F(GridButtonFixture, MarginBelowMinusOneIsIgnored) {
    Button->SetMargin(-2);
    EXPECT_EQ(Button->Margin(), -1);
    Button->SetMargin(3);
    EXPECT_EQ(Button->Margin(), 3);
    Button->SetMargin(-5);
    EXPECT_EQ(Button->Margin(), 3);
}

TEST_F(GridButtonFixture, DropDownPartOpensItsMenuInsteadOfClicking) {
    TTestSeam& seam = Application->TestSeam();
    seam.Reset();
    auto* menu = new TPopupMenu(Form.get());
    Button->SetDropDownButton(true);
    Button->SetDropDownMenu(menu);
    Button->OnClick = [this](TObject*) { Events += 'C'; };
    Button->OnDropDown = [this](TObject*) { Events += 'D'; };
    Click(Button, {15, 5});
    EXPECT_EQ(Events, "D");
    ASSERT_EQ(seam.Popups().size(), 1u);
    EXPECT_EQ(seam.Popups()[0].Menu, menu);
    EXPECT_EQ(seam.Popups()[0].Point, Button->ClientToScreen({0, Button->Height()}));
    Click(Button, {5, 5});
    EXPECT_EQ(Events, "DC");
    seam.Reset();
}

TEST_F(GridButtonFixture, DoubleClickReportsOnlyWhileDown) {
    Button->OnDblClick = [this](TObject*) { Events += 'W'; };
    InputSimulation::DoubleClick(Button, {5, 5});
    EXPECT_EQ(Events, "");
    Button->SetStyle(tasCheck);
    Button->SetDown(true);
    Button->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Events, "W");
    Button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(GridButtonFixture, AcceleratorClicksWhileShownAndEnabled) {
    Button->SetCaption("&Find");
    Button->OnClick = [this](TObject*) { Events += 'C'; };
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'f'), 0) << "its form is not shown";
    Form->Show();
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'x'), 0);
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'f'), 1);
    Button->SetEnabled(false);
    EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'F'), 0);
    EXPECT_EQ(Events, "C");
}

TEST_F(GridButtonFixture, HoverFollowsThePointerWhileEnabled) {
    Button->OnMouseEnter = [this](TObject*) { Events += 'E'; };
    Button->OnMouseLeave = [this](TObject*) { Events += 'L'; };
    InputSimulation::MouseEnter(Button);
    EXPECT_TRUE(Button->MouseInControl());
    InputSimulation::MouseLeave(Button);
    EXPECT_FALSE(Button->MouseInControl());
    Button->SetEnabled(false);
    InputSimulation::MouseEnter(Button);
    EXPECT_FALSE(Button->MouseInControl());
    EXPECT_EQ(Events, "ELE");
    EXPECT_EQ(Painted(Button)->Pixel(5, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(Button->DrawState(), TExGridButton::dsDisabled);
}

TEST(ButtonContentLayout, GlyphAndCaptionPlacedAlongTheLayout) {
    struct Case {
        const char* Name;
        TExGridButtonLayout Layout;
        int Margin, Spacing;
        bool RightToLeft;
        TSize Glyph, Caption;
        TPoint GlyphPos, CaptionPos;
    };
    const TSize area{100, 40};
    const std::vector<Case> cases = {
        {"left, centred", blGlyphLeft, -1, 4, false, {16, 16}, {40, 12}, {20, 12}, {40, 14}},
        {"left, spread", blGlyphLeft, -1, -1, false, {16, 16}, {40, 12}, {14, 12}, {44, 14}},
        {"left, margin", blGlyphLeft, 5, 4, false, {16, 16}, {40, 12}, {5, 12}, {25, 14}},
        {"left, margin spread", blGlyphLeft, 5, -1, false, {16, 16}, {40, 12}, {5, 12}, {40, 14}},
        {"right", blGlyphRight, -1, 4, false, {16, 16}, {40, 12}, {64, 12}, {20, 14}},
        {"right to left", blGlyphLeft, -1, 4, true, {16, 16}, {40, 12}, {64, 12}, {20, 14}},
        {"top", blGlyphTop, -1, 4, false, {16, 16}, {40, 12}, {42, 4}, {30, 24}},
        {"bottom", blGlyphBottom, 2, 4, false, {16, 16}, {40, 12}, {42, 22}, {30, 6}},
        {"glyph alone", blGlyphLeft, -1, 4, false, {16, 16}, {0, 0}, {42, 12}, {58, 20}},
        {"caption alone", blGlyphLeft, -1, 4, false, {0, 0}, {40, 12}, {30, 20}, {30, 14}},
    };
    for (const Case& c : cases) {
        TButtonContentLayout got = LayoutButtonContent(area, c.Glyph, c.Caption, c.Layout, c.Margin,
                                                       c.Spacing, c.RightToLeft);
        EXPECT_EQ(got.GlyphPos, c.GlyphPos) << c.Name;
        EXPECT_EQ(got.CaptionPos, c.CaptionPos) << c.Name;
    }
}

TEST_F(GridButtonFixture, AnActionGivesItsCaptionCheckedStateAndGroupAndRunsOnClick) {
    TAction action(Form.get());
    action.SetCaption("Find");
    action.SetGroupIndex(3);
    action.SetChecked(true);
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };
    Button->SetAllowAllUp(true);
    Button->SetAction(&action);
    EXPECT_EQ(Button->Caption(), "Find");
    EXPECT_EQ(Button->GroupIndex(), 3);
    EXPECT_TRUE(Button->Down());

    action.SetCaption("Find next");
    action.SetChecked(false);
    action.SetGroupIndex(4);
    EXPECT_EQ(Button->Caption(), "Find next");
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->GroupIndex(), 4);

    Click(Button);
    EXPECT_EQ(executed, 1) << "a click without OnClick runs the action";
    EXPECT_TRUE(Button->Down());
}

TEST_F(GridButtonFixture, WhatTheButtonChangedItselfNoLongerFollowsTheAction) {
    TAction action(Form.get());
    action.SetCaption("Find");
    action.SetGroupIndex(3);
    Button->SetAction(&action);
    Button->SetCaption("Search");
    Button->SetGroupIndex(5);
    action.SetCaption("Find next");
    action.SetGroupIndex(6);
    EXPECT_EQ(Button->Caption(), "Search");
    EXPECT_EQ(Button->GroupIndex(), 5);
    action.SetChecked(true);
    EXPECT_FALSE(Button->Down()) << "a group that does not allow all up keeps its own state";
}

TEST_F(GridButtonFixture, AButtonReleasedByItsGroupUnchecksItsAction) {
    TExGridButton* other = MakeButton(30);
    TAction action(Form.get());
    action.SetGroupIndex(1);
    action.SetChecked(true);
    Button->SetAllowAllUp(true);
    Button->SetAction(&action);
    other->SetGroupIndex(1);
    ASSERT_TRUE(Button->Down());
    Click(other);
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(Button->Down());
    EXPECT_FALSE(action.Checked());
}

} // namespace
