#include "grid/foundation/EsgCombo.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class EsgComboTest : public ::testing::Test {
protected:
    EsgComboTest() : Form(std::make_unique<TForm>(nullptr)), Combo(new TEsgComboBox(Form.get())) {
        Form->SetClientWidth(400);
        Form->SetClientHeight(200);
        Form->SetColor(clYellow);
        Combo->SetParent(Form.get());
        Combo->SetBounds(100, 50, 120, 21);
        for (const char* item : {"Alpha", "Beta", "Gamma", "Beta"})
            Combo->Items()->Add(item);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(0, 0, 50, 21);
    }

    // Shows the form with the focus on the other control.
    void ShowForm() {
        Form->Show();
        Other->SetFocus();
        ASSERT_FALSE(Combo->HasFocus());
    }

    int OwnedLabels() const {
        int count = 0;
        for (int i = 0; i < Combo->ComponentCount(); ++i)
            if (dynamic_cast<TLabel*>(Combo->Components(i)))
                ++count;
        return count;
    }

    // The control as drawn, with its own frame and button over the platform's.
    TColor PaintedPixel(int x, int y) {
        TBitmap bitmap(Combo->Width(), Combo->Height());
        Combo->PaintTo(bitmap.Canvas(), 0, 0);
        return bitmap.Pixel(x, y);
    }

    std::unique_ptr<TForm> Form;
    TEsgComboBox* Combo;
    TEdit* Other;
};

TEST_F(EsgComboTest, StartsWithItsDocumentedValues) {
    EXPECT_EQ(Combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
    EXPECT_EQ(Combo->DropDownCount(), 8);
    EXPECT_EQ(Combo->LabelMargin(), 4);
    EXPECT_EQ(Combo->LabelPosition(), lpLeftTop);
    EXPECT_EQ(Combo->ComboLabel(), nullptr);
    EXPECT_EQ(Combo->LabelCaption(), "");
    EXPECT_TRUE(Combo->FlatParentColor());
    EXPECT_TRUE(Combo->DisabledBorder());
    EXPECT_TRUE(Combo->IsThemed());
    EXPECT_FALSE(Combo->Flat());
    EXPECT_TRUE(Combo->Ctl3D());
    EXPECT_EQ(Combo->DropWidth(), 0);
    for (TColor color :
         {Combo->BorderColor(), Combo->FocusColor(), Combo->FocusBorderColor(),
          Combo->FlatLineColor(), Combo->ButtonColor(), Combo->ButtonColorHot(),
          Combo->ButtonColorDown(), Combo->ButtonTextColor(), Combo->ButtonTextColorHot(),
          Combo->ButtonTextColorDown(), Combo->ButtonBorderColor()})
        EXPECT_EQ(color, clNone);
}

struct ButtonWidthCase {
    int Written;
    int Expected;
};

class EsgComboButtonWidth : public EsgComboTest,
                            public ::testing::WithParamInterface<ButtonWidthCase> {};

TEST_P(EsgComboButtonWidth, TakesOnlyWidthsFrom14To32) {
    Combo->SetButtonWidth(20);
    Combo->SetButtonWidth(GetParam().Written);
    EXPECT_EQ(Combo->ButtonWidth(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, EsgComboButtonWidth,
                         ::testing::Values(ButtonWidthCase{13, 20}, ButtonWidthCase{14, 14},
                                           ButtonWidthCase{16, 16}, ButtonWidthCase{32, 32},
                                           ButtonWidthCase{33, 20}, ButtonWidthCase{-1, 20}));

TEST_F(EsgComboTest, SelectItemPicksTheFirstEqualItemOrNothing) {
    Combo->SelectItem("Beta");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->SelectItem("beta");
    EXPECT_EQ(Combo->ItemIndex(), 1) << "no item is equal: the selection stays";
    Combo->SelectItem("Gamma");
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(EsgComboTest, FirstCaptionCreatesTheOneLabelLaterWritesMoveIt) {
    Combo->SetLabelCaption("Unit:");
    TLabel* label = Combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form.get());
    EXPECT_EQ(Combo->LabelCaption(), "Unit:");

    const int left = label->Left();
    Combo->SetLabelCaption("Units:");
    Combo->SetLabelPosition(lpRightTop);

    EXPECT_EQ(Combo->ComboLabel(), label);
    EXPECT_EQ(OwnedLabels(), 1);
    EXPECT_NE(label->Left(), left);
    EXPECT_EQ(label->Left(), Combo->Left() + Combo->Width() + 4);
}

struct LabelPlaceCase {
    TLabelPosition Position;
    // Expected origin from the control's bounds (l, t, w, h), the label's size (lw, lh), the
    // text width tw and the margin m.
    int (*Left)(int l, int w, int lw, int tw, int m);
    int (*Top)(int t, int h, int lh, int m);
};

int LeftOfText(int l, int, int, int tw, int m) {
    return l - tw - m;
}
int LeftMargin(int l, int, int, int, int m) {
    return l - m;
}
int SameLeft(int l, int, int, int, int) {
    return l;
}
int Centred(int l, int w, int lw, int, int) {
    return l + (w - lw) / 2;
}
int RightOf(int l, int w, int, int, int m) {
    return l + w + m;
}
int SameTop(int t, int, int, int) {
    return t;
}
int CentreTop(int t, int h, int lh, int) {
    return t + (h - lh) / 2;
}
int BottomAligned(int t, int h, int lh, int) {
    return t + h - lh;
}
int Above(int t, int, int lh, int m) {
    return t - lh - m;
}
int Below(int t, int h, int, int m) {
    return t + h + m;
}

class EsgComboLabelPlace : public EsgComboTest,
                           public ::testing::WithParamInterface<LabelPlaceCase> {};

TEST_P(EsgComboLabelPlace, SitsWhereItsPositionSays) {
    Combo->SetBounds(150, 80, 120, 30);
    Combo->SetLabelMargin(6);
    Combo->SetLabelCaption("Pressure");
    Combo->SetLabelPosition(GetParam().Position);

    TLabel* label = Combo->ComboLabel();
    TRect r = Rect(0, 0, 1000, 255);
    label->Canvas()->Font()->Assign(*label->Font());
    label->Canvas()->DrawText("Pressure", r, DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(label->Left(), GetParam().Left(150, 120, label->Width(), r.Width(), 6));
    EXPECT_EQ(label->Top(), GetParam().Top(80, 30, label->Height(), 6));
}

INSTANTIATE_TEST_SUITE_P(AllThirteen, EsgComboLabelPlace,
                         ::testing::Values(LabelPlaceCase{lpLeftTop, LeftOfText, SameTop},
                                           LabelPlaceCase{lpLeftCenter, LeftOfText, CentreTop},
                                           LabelPlaceCase{lpLeftBottom, LeftOfText, BottomAligned},
                                           LabelPlaceCase{lpTopLeft, SameLeft, Above},
                                           LabelPlaceCase{lpBottomLeft, SameLeft, Below},
                                           LabelPlaceCase{lpLeftTopLeft, LeftMargin, SameTop},
                                           LabelPlaceCase{lpLeftCenterLeft, LeftMargin, CentreTop},
                                           LabelPlaceCase{lpLeftBottomLeft, LeftMargin,
                                                          BottomAligned},
                                           LabelPlaceCase{lpTopCenter, Centred, Above},
                                           LabelPlaceCase{lpBottomCenter, Centred, Below},
                                           LabelPlaceCase{lpRightTop, RightOf, SameTop},
                                           LabelPlaceCase{lpRightCenter, RightOf, CentreTop},
                                           LabelPlaceCase{lpRighBottom, RightOf, BottomAligned}));

TEST_F(EsgComboTest, LabelFollowsMovesVisibilityAndEnabledState) {
    Combo->SetLabelCaption("Unit:");
    TLabel* label = Combo->ComboLabel();

    Combo->SetBounds(200, 100, 120, 21);
    EXPECT_EQ(label->Top(), 100);

    Combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    Combo->SetVisible(true);
    EXPECT_TRUE(label->Visible());

    Combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    Combo->SetEnabled(true);
    EXPECT_TRUE(label->Enabled());

    Combo->SetLabelAlwaysEnabled(true);
    Combo->SetEnabled(false);
    EXPECT_TRUE(label->Enabled());
}

// A combo on a form being designed.
class DesignedCombo : public TEsgComboBox {
public:
    explicit DesignedCombo(TComponent* AOwner) : TEsgComboBox(AOwner) {
        SetComponentState(csDesigning, true);
    }
};

TEST_F(EsgComboTest, DisablingWhileDesignedLeavesTheLabelEnabled) {
    auto* designed = new DesignedCombo(Form.get());
    designed->SetParent(Form.get());
    designed->SetLabelCaption("Unit:");
    designed->SetEnabled(false);
    EXPECT_FALSE(designed->Enabled());
    EXPECT_TRUE(designed->ComboLabel()->Enabled());
}

TEST_F(EsgComboTest, FocusWhileDesignedLeavesTheLookAtRest) {
    auto* designed = new DesignedCombo(Form.get());
    designed->SetParent(Form.get());
    designed->SetBounds(100, 100, 120, 21);
    ShowForm();
    designed->SetFocus();
    ASSERT_TRUE(designed->Focused());
    EXPECT_FALSE(designed->HasFocus());
}

TEST_F(EsgComboTest, LabelMadeBeforeTheParentFollowsOntoIt) {
    auto* loose = new TEsgComboBox(Form.get());
    loose->SetLabelCaption("Mode");
    loose->SetParent(Form.get());
    EXPECT_EQ(loose->ComboLabel()->Parent(), Form.get());
}

TEST_F(EsgComboTest, FocusColorShowsWhileFocusedAndTheLoadedColourReturns) {
    ShowForm();
    Combo->BeginLoad();
    Combo->SetColor(clAqua);
    Combo->Loaded();
    Combo->SetFocusColor(clLime);
    Combo->SetColor(clWhite);

    Combo->SetFocus();
    EXPECT_TRUE(Combo->HasFocus());
    EXPECT_EQ(Combo->Color(), clLime);

    Other->SetFocus();
    EXPECT_FALSE(Combo->HasFocus());
    EXPECT_EQ(Combo->Color(), clAqua) << "the colour after loading, not the one set later";
}

TEST_F(EsgComboTest, LoadedAppliesWhatWasStored) {
    Combo->SetLabelCaption("Unit:");
    Combo->BeginLoad();
    Combo->SetFlatParentColor(false);
    Combo->SetColor(clAqua);
    Combo->SetDropWidth(250);
    Combo->SetEnabled(false);
    EXPECT_TRUE(Combo->ComboLabel()->Enabled()) << "the label waits for the end of loading";

    Combo->Loaded();

    EXPECT_EQ(Combo->Color(), clAqua);
    EXPECT_EQ(Combo->DroppedWidth(), 250);
    EXPECT_FALSE(Combo->ComboLabel()->Enabled());
    Combo->SetFlat(true);
    Combo->SetFlat(false);
    EXPECT_EQ(Combo->Color(), clAqua) << "leaving the flat look gives back the loaded colour";
}

TEST_F(EsgComboTest, FocusColorOfAControlBuiltInCodeGivesBackItsColour) {
    ShowForm();
    Combo->SetColor(clWhite);
    Combo->SetFocusColor(clLime);

    Combo->SetFocus();
    EXPECT_EQ(Combo->Color(), clLime);
    Other->SetFocus();
    EXPECT_EQ(Combo->Color(), clWhite);
}

TEST_F(EsgComboTest, FocusLabelTurnsTheLabelBoldWhileFocused) {
    ShowForm();
    Combo->SetLabelCaption("Unit:");
    Combo->SetFocusLabel(true);

    Combo->SetFocus();
    EXPECT_TRUE(Combo->ComboLabel()->Font()->Style().Contains(fsBold));
    Other->SetFocus();
    EXPECT_FALSE(Combo->ComboLabel()->Font()->Style().Contains(fsBold));
}

TEST_F(EsgComboTest, ClosingTheListFiresOnDropUpOnce) {
    Form->Show();
    int dropUps = 0;
    Combo->OnDropUp = [&](TObject* sender) {
        EXPECT_EQ(sender, Combo);
        ++dropUps;
    };

    Combo->SetDroppedDown(true);
    EXPECT_EQ(dropUps, 0);
    Combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
}

TEST_F(EsgComboTest, DropWidthZeroKeepsTheListAsWideAsTheControl) {
    Combo->SetDropWidth(0);
    EXPECT_EQ(Combo->DroppedWidth(), 0);
    Combo->SetDropWidth(300);
    EXPECT_EQ(Combo->DroppedWidth(), 300);
    Combo->SetDropWidth(0);
    EXPECT_EQ(Combo->DropWidth(), 0);
    EXPECT_EQ(Combo->DroppedWidth(), 300) << "0 is not passed on to the list";
}

TEST_F(EsgComboTest, FlatTakesTheParentsColourAndGivesBackTheLoadedOne) {
    Combo->SetFlat(true);
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_FALSE(Combo->Ctl3D());

    Combo->SetFlat(false);
    EXPECT_EQ(Combo->Color(), clWindow);

    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    EXPECT_EQ(Combo->Color(), clWindow);
}

TEST_F(EsgComboTest, DisablingAFlatComboShowsTheParentColourUntilEnabledAgain) {
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetColor(clAqua);

    Combo->SetEnabled(false);
    EXPECT_EQ(Combo->Color(), clYellow);
    EXPECT_TRUE(Combo->ParentColor());

    Combo->SetEnabled(true);
    EXPECT_EQ(Combo->Color(), clAqua);
    EXPECT_FALSE(Combo->ParentColor());
}

TEST_F(EsgComboTest, AutoFocusTakesTheFocusWhenTheMouseEnters) {
    ShowForm();
    Application->ProcessMessages();
    ASSERT_TRUE(Form->Active());
    InputSimulation::MouseEnter(Combo);
    EXPECT_FALSE(Combo->Focused()) << "not without AutoFocus";
    InputSimulation::MouseLeave(Combo);

    Combo->SetAutoFocus(true);
    InputSimulation::MouseEnter(Combo);
    EXPECT_TRUE(Combo->Focused());
}

TEST_F(EsgComboTest, ButtonHoverFollowsTheMouseOverTheButtonArea) {
    Form->Show();
    InputSimulation::MouseEnter(Combo);
    EXPECT_TRUE(Combo->MouseInControl());

    struct {
        int X;
        bool Hover;
    } cases[] = {{5, false},
                 {Combo->Width() - Combo->ButtonWidth(), false},
                 {Combo->Width() - Combo->ButtonWidth() + 1, true},
                 {Combo->Width() - 1, true}};
    for (const auto& c : cases) {
        InputSimulation::MouseMove(Combo, {c.X, 10});
        EXPECT_EQ(Combo->ButtonHover(), c.Hover) << "x = " << c.X;
    }

    InputSimulation::MouseLeave(Combo);
    EXPECT_FALSE(Combo->ButtonHover());
    EXPECT_FALSE(Combo->MouseInControl());
}

struct FrameCase {
    const char* Name;
    bool Enabled;
    bool DisabledBorder;
    TColor BorderColor;
    TColor Expected;
};

class EsgComboFrame : public EsgComboTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(EsgComboFrame, IsDrawnInItsColour) {
    Combo->SetStyle(csDropDownList);
    Combo->SetDisabledBorder(GetParam().DisabledBorder);
    Combo->SetBorderColor(GetParam().BorderColor);
    Combo->SetEnabled(GetParam().Enabled);

    EXPECT_EQ(PaintedPixel(0, 0), GetParam().Expected);
    EXPECT_EQ(PaintedPixel(Combo->Width() - 1, Combo->Height() / 2), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EsgComboFrame,
                         ::testing::Values(FrameCase{"DisabledThemedWithoutDisabledBorder", false,
                                                     false, clNone, EsgComboDisabledBorderColor},
                                           FrameCase{"DisabledThemedWinsOverBorderColor", false,
                                                     false, clRed, EsgComboDisabledBorderColor},
                                           FrameCase{"BorderColor", true, true, clRed, clRed},
                                           FrameCase{"DisabledKeepingItsBorderColor", false, true,
                                                     clBlue, clBlue}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EsgComboTest, FlatFrameIsTwoRingsInTheParentsColourAndOneInItsOwn) {
    Form->Show();
    Combo->SetStyle(csDropDownList);
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetColor(clWhite);
    Combo->SetFlatLineColor(clRed);
    const int w = Combo->Width();
    const int h = Combo->Height();
    const int buttonLeft = w - Combo->ButtonWidth();
    struct Case {
        TPoint At;
        TColor Expected;
    };
    for (Case c : {Case{{0, h / 2}, clYellow}, Case{{1, h / 2}, clYellow},
                   Case{{2, h / 2}, clWhite}, Case{{w / 2, 2}, clWhite},
                   // The line under the text runs from the left edge to before the button.
                   Case{{0, h - 1}, clRed}, Case{{buttonLeft - 5, h - 1}, clRed},
                   Case{{buttonLeft - 3, h - 1}, clYellow}})
        EXPECT_EQ(PaintedPixel(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;
}

TEST_F(EsgComboTest, HotFlatFrameIsSunken) {
    Form->Show();
    Combo->SetStyle(csDropDownList);
    Combo->SetFlatParentColor(false);
    Combo->SetFlat(true);
    Combo->SetColor(clWhite);
    Combo->SetFocusBorder(true);
    InputSimulation::MouseEnter(Combo);
    const int w = Combo->Width();
    const int h = Combo->Height();
    struct Case {
        TPoint At;
        TColor Expected;
    };
    for (Case c : {Case{{0, h / 2}, ColorToRGB(clBtnShadow)},
                   Case{{w - 1, h / 2}, ColorToRGB(clBtnHighlight)},
                   Case{{1, h / 2}, ColorToRGB(clBtnFace)}, Case{{2, h / 2}, clWhite}})
        EXPECT_EQ(PaintedPixel(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;
}

TEST_F(EsgComboTest, FocusBorderColorFramesOnlyTheFocusedControl) {
    ShowForm();
    Combo->SetStyle(csDropDownList);
    Combo->SetFocusBorderColor(clRed);
    EXPECT_NE(PaintedPixel(0, 0), clRed);

    Combo->SetFocus();
    EXPECT_EQ(PaintedPixel(0, 0), clRed);
    Combo->SetBorderColor(clBlue);
    EXPECT_EQ(PaintedPixel(0, 0), clRed) << "the focus frame wins while focused";

    Other->SetFocus();
    EXPECT_EQ(PaintedPixel(0, 0), clBlue);
}

TEST_F(EsgComboTest, CustomButtonColourFillsTheButton) {
    Combo->SetStyle(csDropDownList);
    Combo->SetIsWinXP(true);
    Combo->SetButtonColor(clLime);
    Combo->SetButtonTextColor(clBlack);
    const int x = Combo->Width() - 4;
    EXPECT_EQ(PaintedPixel(x, 3), clLime);
}

TEST_F(EsgComboTest, CustomButtonHasABorderLineATriangleAndAHotColour) {
    Form->Show();
    Combo->SetStyle(csDropDownList);
    Combo->SetButtonColor(clLime);
    Combo->SetButtonColorHot(clAqua);
    Combo->SetButtonBorderColor(clBlue);
    Combo->SetButtonTextColor(clMaroon);
    // The button's rectangle starts 2 pixels right of the button area, 2 pixels down.
    const int left = Combo->ClientWidth() - Combo->ButtonWidth() + 2;
    struct Case {
        TPoint At;
        TColor Expected;
    };
    for (Case c : {Case{{left, 5}, clBlue}, Case{{left + 1, 5}, clLime},
                   Case{{left + 7, 2 + 8}, clMaroon}, Case{{left + 7, 2 + 5}, clLime}})
        EXPECT_EQ(PaintedPixel(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;

    InputSimulation::MouseEnter(Combo);
    InputSimulation::MouseMove(Combo, {Combo->Width() - 3, 10});
    EXPECT_EQ(PaintedPixel(left + 1, 5), clAqua);
}

TEST_F(EsgComboTest, VistaLeavesThePaintingToThePlatformWithoutCustomButton) {
    Combo->SetStyle(csDropDownList);
    Combo->SetIsVista(true);
    Combo->SetFlat(true);
    EXPECT_NE(PaintedPixel(0, 0), clYellow);
    Combo->SetIsVista(false);
    EXPECT_EQ(PaintedPixel(0, 0), clYellow) << "the flat frame in the parent's colour";
}

} // namespace

namespace {

struct ListKeyCase {
    const char* Name;
    WORD OpenKey;
    TShiftState OpenShift;
};

class EsgComboListKeys : public EsgComboTest, public ::testing::WithParamInterface<ListKeyCase> {};

TEST_P(EsgComboListKeys, OpeningFromTheKeyboardFiresNoDropUpClosingFiresOne) {
    ShowForm();
    Combo->SetFocus();
    int dropUps = 0;
    Combo->OnDropUp = [&](TObject*) { ++dropUps; };

    InputSimulation::KeyPress(Combo, GetParam().OpenKey, 0, GetParam().OpenShift);
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(dropUps, 0);

    Combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, EsgComboListKeys,
                         ::testing::Values(ListKeyCase{"AltDown", VK_DOWN, {ssAlt}},
                                           ListKeyCase{"F4", VK_F4, {}}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
