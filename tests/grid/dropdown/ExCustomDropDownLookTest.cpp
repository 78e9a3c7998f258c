#include "grid/dropdown/ExCustomDropDown.h"

#include "grid/dropdown/DropDownEditButton.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class DropDownLookTest : public ::testing::Test {
protected:
    DropDownLookTest()
        : Form(std::make_unique<TForm>(nullptr)), Edit(new TExCustomDropDown(Form.get())) {
        Form->SetClientWidth(400);
        Form->SetClientHeight(200);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 160, 60, 21);
        Edit->SetParent(Form.get());
        Edit->SetBounds(150, 80, 80, 21);
        Form->Show();
    }

    TColor PaintedPixel(int x, int y) {
        TBitmap bitmap(Edit->Width(), Edit->Height());
        Edit->PaintTo(bitmap.Canvas(), 0, 0);
        return bitmap.Pixel(x, y);
    }

    std::unique_ptr<TForm> Form;
    TExCustomDropDown* Edit;
    TEdit* Other;
};

struct LabelCase {
    const char* Name;
    TLabelPosition Position;
    // Where the label's edges meet the edit's, margin m: which edge pair, and the gap.
    int (*Horizontal)(const TRect& label, const TRect& edit);
    int (*Vertical)(const TRect& label, const TRect& edit);
    int Expected;
};

class DropDownLabelPlace : public DropDownLookTest,
                           public ::testing::WithParamInterface<LabelCase> {};

TEST_P(DropDownLabelPlace, SitsAtItsPositionBesideTheEdit) {
    Edit->SetLabelMargin(4);
    Edit->SetLabelPosition(GetParam().Position);
    Edit->SetLabelCaption("Name:");
    const TRect label = Edit->Label()->BoundsRect();
    const TRect edit = Edit->BoundsRect();
    EXPECT_EQ(GetParam().Horizontal(label, edit), GetParam().Expected) << "horizontal";
    EXPECT_EQ(GetParam().Vertical(label, edit), GetParam().Expected) << "vertical";
}

// Each case reduces the label's place to the margin (4) where the position defines a gap, and to
// 4 as well for edges that line up (an offset of 0 plus 4), so one expected value serves both.
int LeftGap(const TRect& l, const TRect& e) {
    return e.Left - l.Right;
}
int RightGap(const TRect& l, const TRect& e) {
    return l.Left - e.Right;
}
int TopGap(const TRect& l, const TRect& e) {
    return e.Top - l.Bottom;
}
int BottomGap(const TRect& l, const TRect& e) {
    return l.Top - e.Bottom;
}
int SameTop(const TRect& l, const TRect& e) {
    return l.Top - e.Top + 4;
}
int SameBottom(const TRect& l, const TRect& e) {
    return l.Bottom - e.Bottom + 4;
}
int SameLeft(const TRect& l, const TRect& e) {
    return l.Left - e.Left + 4;
}
int SameRight(const TRect& l, const TRect& e) {
    return l.Right - e.Right + 4;
}
int LeftOverlap(const TRect& l, const TRect& e) {
    return e.Left - l.Left;
}
// Centres within a pixel count as centred.
int CentredX(const TRect& l, const TRect& e) {
    return std::abs((l.Left + l.Right) - (e.Left + e.Right)) <= 1 ? 4 : 0;
}
int CentredY(const TRect& l, const TRect& e) {
    return std::abs((l.Top + l.Bottom) - (e.Top + e.Bottom)) <= 1 ? 4 : 0;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DropDownLabelPlace,
    ::testing::Values(LabelCase{"LeftTop", lpLeftTop, LeftGap, SameTop, 4},
                      LabelCase{"LeftCenter", lpLeftCenter, LeftGap, CentredY, 4},
                      LabelCase{"LeftBottom", lpLeftBottom, LeftGap, SameBottom, 4},
                      LabelCase{"TopLeft", lpTopLeft, SameLeft, TopGap, 4},
                      LabelCase{"BottomLeft", lpBottomLeft, SameLeft, BottomGap, 4},
                      LabelCase{"LeftTopLeft", lpLeftTopLeft, LeftOverlap, SameTop, 4},
                      LabelCase{"LeftCenterLeft", lpLeftCenterLeft, LeftOverlap, CentredY, 4},
                      LabelCase{"LeftBottomLeft", lpLeftBottomLeft, LeftOverlap, SameBottom, 4},
                      LabelCase{"TopCenter", lpTopCenter, CentredX, TopGap, 4},
                      LabelCase{"BottomCenter", lpBottomCenter, CentredX, BottomGap, 4},
                      LabelCase{"RightTop", lpRightTop, RightGap, SameTop, 4},
                      LabelCase{"RightCenter", lpRightCenter, RightGap, CentredY, 4},
                      LabelCase{"RighBottom", lpRighBottom, RightGap, SameBottom, 4},
                      LabelCase{"TopRight", lpTopRight, SameRight, TopGap, 4},
                      LabelCase{"BottomRight", lpBottomRight, SameRight, BottomGap, 4}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownLookTest, WideLabelIsCentredOverANarrowEdit) {
    Edit->SetLabelPosition(lpTopCenter);
    Edit->SetLabelCaption("A caption much wider than the edit");
    const TRect label = Edit->Label()->BoundsRect();
    EXPECT_LT(label.Left, Edit->Left());
    EXPECT_GT(label.Right, Edit->BoundsRect().Right);
}

TEST_F(DropDownLookTest, LabelFollowsTheEditAndReportsClicks) {
    Edit->SetLabelCaption("Name:");
    TLabel* label = Edit->Label();
    EXPECT_EQ(label->Parent(), Form.get());
    Edit->SetBounds(200, 30, 80, 21);
    EXPECT_EQ(label->BoundsRect().Right, 196);
    EXPECT_EQ(label->Top(), 30);
    Edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    Edit->SetVisible(true);
    EXPECT_TRUE(label->Visible());

    std::vector<TObject*> clicks;
    Edit->OnLabelClick = [&](TObject* sender) { clicks.push_back(sender); };
    InputSimulation::Click(label, {2, 2});
    EXPECT_EQ(clicks, std::vector<TObject*>{Edit});
}

TEST_F(DropDownLookTest, LabelTakesTheCaptionAndIsMadeOnce) {
    EXPECT_EQ(Edit->Label(), nullptr);
    EXPECT_EQ(Edit->LabelCaption(), "");
    Edit->SetLabelCaption("One");
    TLabel* label = Edit->Label();
    Edit->SetLabelCaption("Two");
    EXPECT_EQ(Edit->Label(), label);
    EXPECT_EQ(Edit->LabelCaption(), "Two");
}

struct BorderCase {
    const char* Name;
    TColor Border;
    TColor FocusBorder;
    bool Focused;
    bool Enabled;
    TColor Frame;
};

class DropDownBorder : public DropDownLookTest, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(DropDownBorder, FramesTheEditInTheColourOfItsState) {
    const BorderCase& c = GetParam();
    Edit->SetBorderColor(c.Border);
    Edit->SetFocusBorderColor(c.FocusBorder);
    if (c.Focused)
        Edit->SetFocus();
    else
        Other->SetFocus();
    Edit->SetEnabled(c.Enabled);
    const TColor left = PaintedPixel(0, Edit->Height() / 2);
    if (c.Frame == clNone) {
        EXPECT_NE(left, c.FocusBorder) << "the platform's own border";
    } else {
        EXPECT_EQ(left, c.Frame);
        EXPECT_EQ(PaintedPixel(Edit->Width() / 2, Edit->Height() - 1), c.Frame);
    }
}

constexpr TColor LookRed = 0x0000FF;
constexpr TColor LookBlue = 0xFF0000;

INSTANTIATE_TEST_SUITE_P(
    States, DropDownBorder,
    ::testing::Values(BorderCase{"Unfocused", LookRed, LookBlue, false, true, LookRed},
                      BorderCase{"Focused", LookRed, LookBlue, true, true, LookBlue},
                      BorderCase{"FocusedWithoutFocusColour", LookRed, clNone, true, true, LookRed},
                      BorderCase{"OnlyFocusColourUnfocused", clNone, LookBlue, false, true, clNone},
                      BorderCase{"OnlyFocusColourFocused", clNone, LookBlue, true, true, LookBlue},
                      BorderCase{"DisabledIsSilver", LookRed, LookBlue, false, false, clSilver}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownLookTest, ButtonColoursGiveAFlatFaceWithAFixedArrow) {
    TDropDownEditButton* button = Edit->Button();
    Edit->SetBorderColor(0x00FF00);
    button->SetButtonColor(0x0000FF);
    button->SetButtonTextColor(0xFF0000);
    TBitmap bitmap(button->Width(), button->Height());
    button->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Pixel(0, 5), 0x00FF00) << "separator in the edit's border colour";
    EXPECT_EQ(bitmap.Pixel(3, 3), 0x0000FF) << "face";
    EXPECT_EQ(bitmap.Pixel(8, 8), 0xFF0000) << "arrow";
    EXPECT_EQ(bitmap.Pixel(8, 12), 0x0000FF) << "below the arrow";
}

TEST_F(DropDownLookTest, FocusedNonEditableValueIsHighlighted) {
    Edit->SetEditorEnabled(false);
    Edit->SetText("value");
    Edit->SetFocus();
    EXPECT_EQ(PaintedPixel(2, Edit->Height() / 2), clBlack) << "outline";
    EXPECT_EQ(PaintedPixel(4, 4), ColorToRGB(clHighlight));
    Edit->SetFocusDraw(false);
    EXPECT_NE(PaintedPixel(4, 4), ColorToRGB(clHighlight));
}

} // namespace
