// The popup's header and footer bars: buttons built from the drop-down's collections, their
// placement and size limits, which footer buttons close the popup, the size grip, and painting
// handed over to the drop-down.
#include "grid/dropdown/DropDownBarHost.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/dropdown/FooterPanel.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Screen.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A drop-down as far as its bars see it, recording what they ask of it.
class FakeDropDown : public TDropDownBarHost {
public:
    THeaderAppearance* DropDownHeader() const override { return &Header; }
    TFooterAppearance* DropDownFooter() const override { return &Footer; }
    TExButtonAppearance* ButtonAppearance() const override { return &Buttons; }
    TImageList* Images() const override { return nullptr; }
    bool DropDownSizeable() const override { return Sizeable; }
    int DropDownBorderWidth() const override { return 1; }
    TColor DropDownBorderColor() const override { return clGray; }
    void DoHideDropDown(bool Cancelled) override { Hides.push_back(Cancelled); }
    void DropDownHeaderButtonClick(int ButtonIndex) override {
        Clicks.push_back("header " + std::to_string(ButtonIndex));
    }
    void DropDownFooterButtonClick(int ButtonIndex) override {
        Clicks.push_back("footer " + std::to_string(ButtonIndex));
    }

    mutable THeaderAppearance Header{nullptr};
    mutable TFooterAppearance Footer{nullptr};
    mutable TExButtonAppearance Buttons;
    bool Sizeable = true;
    std::vector<bool> Hides;
    std::vector<std::string> Clicks;
};

class DropDownBars : public ::testing::Test {
protected:
    void SetUp() override {
        popup.SetBounds(0, 0, 200, 150);
        popup.SetSizeable(true);
    }
    void Attach(TDropDownBar& bar, int top, int height) {
        bar.SetParent(&popup);
        bar.SetBounds(0, top, 200, height);
        bar.SetExDropDown(&dropDown);
        bar.BuildButtons();
    }
    TPoint CentreOf(const TControl* c) const { return {c->Width() / 2, c->Height() / 2}; }

    TDropDownForm popup{nullptr};
    FakeDropDown dropDown;
    TExHeader header{&popup};
    TExFooter footer{&popup};
};

} // namespace

TEST_F(DropDownBars, RightAlignedButtonsStandSideBySideFromTheAreasRightEdge) {
    for (int width : {30, 20, 25})
        dropDown.Header.Buttons()->Add()->SetWidth(width);
    Attach(header, 0, 22);
    ASSERT_EQ(header.ButtonCount(), 3);
    EXPECT_EQ(header.GetButtonArea(), Rect(2, 2, 198, 19));
    const int lefts[3] = {168, 148, 123};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(header.Button(i)->Left(), lefts[i]) << i;
    dropDown.Header.SetButtonAlignment(baLeft);
    header.SetExDropDown(&dropDown);
    header.ArrangeButtons();
    const int leftAligned[3] = {2, 32, 52};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(header.Button(i)->Left(), leftAligned[i]) << i;
}

TEST_F(DropDownBars, AButtonIsNeverTallerThanTheButtonArea) {
    THeaderButton* item = dropDown.Header.Buttons()->Add();
    item->SetCaption("Tall");
    item->SetHeight(40);
    Attach(header, 0, 22);
    EXPECT_EQ(header.Button(0)->Height(), 17);
    EXPECT_EQ(header.Button(0)->Top(), 2);
}

TEST_F(DropDownBars, EveryBuildReplacesTheButtonsWithTheCollectionAsItIsNow) {
    dropDown.Footer.Buttons()->Add()->SetCaption("One");
    Attach(footer, 120, 30);
    EXPECT_EQ(footer.ButtonCount(), 1);
    dropDown.Footer.Buttons()->Add()->SetCaption("Two");
    EXPECT_EQ(footer.ButtonCount(), 1);
    footer.BuildButtons();
    ASSERT_EQ(footer.ButtonCount(), 2);
    EXPECT_EQ(footer.Button(1)->Caption(), "Two");
    footer.SetExDropDown(nullptr);
    footer.BuildButtons();
    EXPECT_EQ(footer.ButtonCount(), 2) << "a bar without a drop-down builds nothing";
    EXPECT_EQ(footer.Buttons(), nullptr);
}

TEST_F(DropDownBars, FooterButtonsCloseThePopupByTheirModalResult) {
    struct Case {
        TModalResult Result;
        std::optional<bool> Cancelled;
    };
    const std::vector<Case> cases = {{mrCancel, true}, {mrOk, false}, {mrRetry, {}}, {mrNone, {}}};
    for (const Case& c : cases)
        static_cast<TFooterButton*>(dropDown.Footer.Buttons()->Add())->SetModalResult(c.Result);
    Attach(footer, 120, 30);
    for (size_t i = 0; i < cases.size(); ++i) {
        dropDown.Hides.clear();
        dropDown.Clicks.clear();
        TExButton* button = footer.Button(static_cast<int>(i));
        InputSimulation::Click(button, CentreOf(button));
        if (cases[i].Cancelled)
            EXPECT_EQ(dropDown.Hides, std::vector<bool>{*cases[i].Cancelled}) << i;
        else
            EXPECT_TRUE(dropDown.Hides.empty()) << i;
        EXPECT_EQ(dropDown.Clicks, std::vector<std::string>{"footer " + std::to_string(i)});
    }
}

TEST_F(DropDownBars, EnterOnAFooterButtonClosesWithoutReportingAClick) {
    static_cast<TFooterButton*>(dropDown.Footer.Buttons()->Add())->SetModalResult(mrOk);
    Attach(footer, 120, 30);
    InputSimulation::KeyPress(footer.Button(0), VK_RETURN, '\r');
    EXPECT_EQ(dropDown.Hides, std::vector<bool>{false});
    EXPECT_TRUE(dropDown.Clicks.empty());
}

TEST_F(DropDownBars, HeaderButtonsReportClicksButNeverClose) {
    dropDown.Header.Buttons()->Add()->SetCaption("A");
    dropDown.Header.Buttons()->Add()->SetCaption("B");
    Attach(header, 0, 22);
    InputSimulation::Click(header.Button(1), CentreOf(header.Button(1)));
    EXPECT_EQ(dropDown.Clicks, std::vector<std::string>{"header 1"});
    EXPECT_TRUE(dropDown.Hides.empty());
}

TEST_F(DropDownBars, TheSizeGripNeedsASizeablePopup) {
    struct Case {
        bool Sizeable;
        bool Grip;
        int AreaRight;
    };
    const std::vector<Case> cases = {{true, true, 186}, {false, false, 198}};
    for (const Case& c : cases) {
        dropDown.Sizeable = c.Sizeable;
        Attach(footer, 120, 30);
        EXPECT_EQ(footer.SizeGripVisible(), c.Grip);
        EXPECT_EQ(footer.GetButtonArea().Right, c.AreaRight);
    }
    dropDown.Footer.SetSizeGrip(false);
    dropDown.Sizeable = true;
    footer.SetExDropDown(&dropDown);
    EXPECT_FALSE(footer.SizeGripVisible());
}

TEST_F(DropDownBars, DraggingTheGripResizesThePopup) {
    Attach(footer, 120, 30);
    InputSimulation::MouseMove(&footer, {195, 25});
    EXPECT_EQ(Screen->Cursor(), crSizeNWSE);
    InputSimulation::MouseDown(&footer, mbLeft, {195, 25});
    InputSimulation::MouseMove(&footer, {225, 45});
    InputSimulation::MouseUp(&footer, mbLeft, {225, 45});
    EXPECT_EQ(popup.Width(), 230);
    EXPECT_EQ(popup.Height(), 170);
    EXPECT_NE(Screen->Cursor(), crSizeNWSE);
    Screen->SetCursor(crDefault);
}

TEST_F(DropDownBars, APaintHandlerReplacesAllOfTheBarsOwnPainting) {
    dropDown.Footer.SetCaption("Caption");
    Attach(footer, 120, 30);
    int calls = 0;
    footer.OnDrawBackGround = [&calls](TObject*, TCanvas* canvas, TRect r) {
        ++calls;
        canvas->Brush()->SetColor(clGreen);
        canvas->FillRect(r);
    };
    TBitmap bitmap;
    bitmap.SetSize(200, 30);
    footer.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_GE(calls, 1);
    for (int y = 0; y < 30; ++y)
        for (int x = 180; x < 200; ++x)
            ASSERT_EQ(bitmap.Pixel(x, y), clGreen) << "no grip at " << x << "," << y;
}

TEST_F(DropDownBars, AnEmptiedCaptionDrawsNoText) {
    dropDown.Header.SetCaption("WWWWWWWW");
    dropDown.Header.SetColor(clWhite);
    dropDown.Header.SetColorTo(clNone);
    dropDown.Header.SetBorderColor(clNone);
    TFont font;
    font.SetColor(clBlack);
    font.SetSize(12);
    dropDown.Header.SetFont(&font);
    Attach(header, 0, 22);
    const auto blackPixels = [this] {
        TBitmap bitmap;
        bitmap.SetSize(200, 22);
        header.PaintTo(bitmap.Canvas(), 0, 0);
        int n = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 200; ++x)
                n += bitmap.Pixel(x, y) == clBlack;
        return n;
    };
    EXPECT_GT(blackPixels(), 20);
    header.OnGetText = [](TObject*, std::string& text) { text.clear(); };
    EXPECT_EQ(blackPixels(), 0);
}

TEST_F(DropDownBars, ANewAppearanceSetsVisibleAndHeightAtOnce) {
    THeaderAppearance look(nullptr);
    look.SetHeight(31);
    look.SetVisible(false);
    header.SetAppearance(look);
    EXPECT_EQ(header.Height(), 31);
    EXPECT_FALSE(header.Visible());
}
