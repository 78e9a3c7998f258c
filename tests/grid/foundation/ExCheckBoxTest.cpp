#include "grid/foundation/ExCheckBox.h"
#include "grid/foundation/ThemedXP.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ExCheckBoxTest : public ::testing::Test {
protected:
    ExCheckBoxTest() : Form(std::make_unique<TForm>(nullptr)) {
        Form->SetClientWidth(300);
        Form->SetClientHeight(100);
        Form->SetColor(clYellow);
        Box = new TExCheckBox(Form.get());
        Box->SetParent(Form.get());
        Box->SetTabStop(true);
        Box->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Box);
            Clicks.push_back(Box->State());
        };
        Form->Show();
    }

    // The box drawn into a bitmap.
    std::unique_ptr<TBitmap> Shot() const {
        auto shot = std::make_unique<TBitmap>(Box->Width(), Box->Height());
        Box->PaintTo(shot->Canvas(), 0, 0);
        return shot;
    }

    std::unique_ptr<TForm> Form;
    TExCheckBox* Box = nullptr;
    std::vector<TCheckBoxState> Clicks;
};

bool SamePixels(const TBitmap& a, const TBitmap& b, const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST_F(ExCheckBoxTest, StartsUncheckedWithItsClassNameInTheParentsColour) {
    TExCheckBox box(nullptr);
    EXPECT_EQ(box.Width(), 98);
    EXPECT_EQ(box.Height(), 20);
    EXPECT_EQ(box.Caption(), "TExCheckBox");
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(box.ButtonVertAlign(), tlTop);
    EXPECT_EQ(box.Alignment(), taLeftJustify);
    EXPECT_FALSE(box.ReadOnly());
    EXPECT_FALSE(box.Transparent());
    EXPECT_FALSE(box.TransparentChaching());
    EXPECT_FALSE(box.Down());
    EXPECT_FALSE(box.TabStop());
    EXPECT_TRUE(box.ParentColor());
    EXPECT_EQ(Box->Color(), clYellow) << "takes the parent's colour";
}

TEST_F(ExCheckBoxTest, ClickTogglesFirstAndThenFiresOnClick) {
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::Click(Box, Point(50, 10));
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
    EXPECT_TRUE(Box->Focused()) << "a click takes the focus";
}

TEST_F(ExCheckBoxTest, ABoxWithoutATabStopStillTogglesOnAClick) {
    // The grid's search panel leaves its boxes out of the tab order.
    auto* box = new TExCheckBox(Form.get());
    box->SetParent(Form.get());
    box->SetTop(40);
    ASSERT_FALSE(box->TabStop());
    InputSimulation::Click(box, Point(5, 5));
    EXPECT_TRUE(box->Checked());
}

TEST_F(ExCheckBoxTest, SpacePressesTheBoxAndTogglesWhenReleased) {
    Box->SetFocus();
    InputSimulation::KeyDown(Box, VK_SPACE);
    EXPECT_TRUE(Box->Down());
    EXPECT_TRUE(Clicks.empty());
    InputSimulation::KeyUp(Box, VK_SPACE);
    EXPECT_FALSE(Box->Down());
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbChecked}));
}

TEST_F(ExCheckBoxTest, ReadOnlyKeepsTheStateButStillClicks) {
    Box->SetState(cbGrayed);
    Box->SetReadOnly(true);
    InputSimulation::Click(Box, Point(5, 5));
    InputSimulation::KeyPress(Box, VK_SPACE, u' ');
    Box->Toggle();
    EXPECT_EQ(Clicks, (std::vector<TCheckBoxState>{cbGrayed, cbGrayed}));
}

TEST_F(ExCheckBoxTest, AButtonReleasedOutsideDoesNotToggle) {
    InputSimulation::MouseDown(Box, mbLeft, Point(5, 5));
    EXPECT_TRUE(Box->Down());
    InputSimulation::MouseMove(Box, Point(120, 5), {ssLeft});
    EXPECT_FALSE(Box->Down()) << "the box looks released while the mouse is away";
    InputSimulation::MouseMove(Box, Point(97, 19), {ssLeft});
    EXPECT_TRUE(Box->Down());
    InputSimulation::MouseUp(Box, mbLeft, Point(98, 5));
    EXPECT_FALSE(Box->Down());
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(Box->Checked());
}

TEST_F(ExCheckBoxTest, EnterActsAsTabWhenAsked) {
    auto* next = new TExCheckBox(Form.get());
    next->SetParent(Form.get());
    next->SetTabStop(true);
    next->SetTop(30);
    for (bool returnIsTab : {false, true}) {
        Box->SetReturnIsTab(returnIsTab);
        Box->SetFocus();
        WORD seen = 0;
        Box->OnKeyDown = [&seen](TObject*, WORD& key, TShiftState) { seen = key; };
        InputSimulation::KeyPress(Box, VK_RETURN, u'\r');
        Application->ProcessMessages();
        EXPECT_EQ(seen, returnIsTab ? VK_TAB : VK_RETURN);
        EXPECT_EQ(next->Focused(), returnIsTab);
    }
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(ExCheckBoxTest, TheCaptionsAcceleratorToggles) {
    Box->SetCaption("Match &case");
    struct Case {
        TChar Key;
        bool Taken;
    };
    for (Case c : {Case{u'x', false}, Case{u'c', true}, Case{u'C', true}}) {
        const bool before = Box->Checked();
        EXPECT_EQ(Box->Perform(CM_DIALOGCHAR, c.Key) != 0, c.Taken) << char(c.Key);
        EXPECT_EQ(Box->Checked() != before, c.Taken) << char(c.Key);
    }
    EXPECT_TRUE(Box->Focused()) << "focused, as it is a tab stop";
    Box->SetCaption("Fish && chips");
    EXPECT_EQ(Box->Perform(CM_DIALOGCHAR, u'c'), 0) << "a doubled ampersand is no accelerator";
}

TEST_F(ExCheckBoxTest, TheMouseOverTheBoxMakesItHot) {
    InputSimulation::MouseEnter(Box);
    EXPECT_TRUE(Box->Hot());
    InputSimulation::MouseLeave(Box);
    EXPECT_FALSE(Box->Hot());
}

TEST(ExCheckBoxThemeState, StateAndConditionPickTheVisualStylesState) {
    struct Case {
        TCheckBoxState State;
        bool Enabled, Down, Hot;
        int Expected;
    };
    const Case cases[] = {
        {cbUnchecked, true, false, false, 1}, {cbUnchecked, true, false, true, 2},
        {cbUnchecked, true, true, true, 3},   {cbUnchecked, false, true, true, 4},
        {cbChecked, true, false, false, 5},   {cbChecked, true, false, true, 6},
        {cbChecked, true, true, false, 7},    {cbChecked, false, false, false, 8},
        {cbGrayed, true, false, false, 9},    {cbGrayed, true, false, true, 10},
        {cbGrayed, true, true, true, 11},     {cbGrayed, false, true, false, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckBoxThemeState(c.State, c.Enabled, c.Down, c.Hot), c.Expected)
            << c.State << c.Enabled << c.Down << c.Hot;
}

TEST_F(ExCheckBoxTest, EachStateDrawsItsOwnBox) {
    const TRect box = Rect(0, 4, 14, 18);
    std::vector<std::unique_ptr<TBitmap>> shots;
    for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
        Box->SetState(state);
        shots.push_back(Shot());
    }
    EXPECT_FALSE(SamePixels(*shots[0], *shots[1], box));
    EXPECT_FALSE(SamePixels(*shots[0], *shots[2], box));
    EXPECT_FALSE(SamePixels(*shots[1], *shots[2], box));
    EXPECT_TRUE(SamePixels(*shots[0], *shots[2], Rect(20, 0, 98, 20))) << "caption unchanged";
}

TEST_F(ExCheckBoxTest, AlignmentPutsTheBoxAtTheRight) {
    Box->SetCaption("");
    auto left = Shot();
    Box->SetAlignment(taRightJustify);
    auto right = Shot();
    EXPECT_FALSE(SamePixels(*left, *right, Rect(0, 4, 14, 18)));
    EXPECT_TRUE(SamePixels(*left, *right, Rect(20, 0, 70, 20)));
    EXPECT_FALSE(SamePixels(*left, *right, Rect(83, 4, 98, 18)));
}

TEST_F(ExCheckBoxTest, ADisabledCaptionIsEmbossed) {
    Box->SetCaption("Embossed");
    Box->Font()->SetColor(clBlack);
    Box->SetEnabled(false);
    auto shot = Shot();
    int white = 0;
    int grey = 0;
    for (int y = 0; y < shot->Height(); ++y)
        for (int x = 15; x < shot->Width(); ++x) {
            white += shot->Pixel(x, y) == clWhite;
            grey += shot->Pixel(x, y) == TColor(0x808080);
        }
    EXPECT_GT(white, 0);
    EXPECT_GT(grey, 0);
}

TEST_F(ExCheckBoxTest, TheBackgroundCacheLastsUntilTheBoxMovesOrChanges) {
    Box->SetTransparent(true);
    Box->SetTransparentChaching(true);
    Shot();
    EXPECT_TRUE(Box->BackgroundCached());
    Box->SetLeft(10);
    EXPECT_FALSE(Box->BackgroundCached()) << "moved";
    Shot();
    EXPECT_TRUE(Box->BackgroundCached());
    Box->SetTransparent(false);
    EXPECT_FALSE(Box->BackgroundCached()) << "no longer transparent";
}

TEST_F(ExCheckBoxTest, ATransparentBoxShowsItsParentThrough) {
    Box->SetColor(clAqua);
    Box->SetCaption("");
    auto opaque = Shot();
    EXPECT_EQ(opaque->Pixel(60, 10), clAqua);
    Box->SetTransparent(true);
    auto transparent = Shot();
    EXPECT_NE(transparent->Pixel(60, 10), clAqua) << "not erased";
}

// The parent's yellow shows where the box itself draws nothing, taken from the cache or
// drawn afresh; the cache keeps what the parent showed until the box moves.
TEST_F(ExCheckBoxTest, ATransparentBoxDrawsItsParentUnderIt) {
    Box->SetCaption("");
    for (const bool caching : {false, true}) {
        Box->SetTransparentChaching(caching);
        Box->SetTransparent(false);
        Box->SetColor(clAqua);
        EXPECT_EQ(Shot()->Pixel(60, 10), clAqua) << caching;
        Box->SetTransparent(true);
        EXPECT_EQ(Shot()->Pixel(60, 10), clYellow) << caching;
        EXPECT_EQ(Box->BackgroundCached(), caching);
    }
    Form->SetColor(clLime);
    EXPECT_EQ(Shot()->Pixel(60, 10), clYellow) << "kept while the box stays";
    Box->SetLeft(Box->Left() + 1);
    EXPECT_EQ(Shot()->Pixel(60, 10), clLime) << "taken again once it moved";
}

namespace {

// The first and last rows that differ from an empty box's background in the given columns.
std::pair<int, int> DrawnRows(const TBitmap& shot, int fromX, int toX) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = fromX; x < toX; ++x)
            if (shot.Pixel(x, y) != shot.Pixel(shot.Width() / 2, 0)) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

} // namespace

TEST_F(ExCheckBoxTest, TheRepaintedAreaHoldsTheBoxWhereverItSits) {
    Box->SetHeight(40);
    for (bool themed : {true, false}) {
        if (!themed)
            ExXPVS().FreeThemeLibrary();
        for (TAlignment alignment : {taLeftJustify, taRightJustify})
            for (TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
                Box->SetAlignment(alignment);
                Box->SetButtonVertAlign(layout);
                const TRect box = Box->BoxRect();
                const TRect area = Box->BoxArea();
                EXPECT_TRUE(area.Left <= box.Left && box.Right <= area.Right &&
                            area.Top <= box.Top && box.Bottom <= area.Bottom)
                    << "themed " << themed << " alignment " << alignment << " layout " << layout;
            }
    }
    ExXPVS().LoadThemeLibrary();
}

TEST_F(ExCheckBoxTest, ButtonVertAlignPlacesTheBox) {
    struct Case {
        TTextLayout Layout;
        int Top; // of the 14-pixel themed box in a 40-pixel box
    };
    Box->SetCaption("");
    Box->SetHeight(40);
    ASSERT_TRUE(IsThemedXP());
    for (Case c : {Case{tlTop, 4}, Case{tlCenter, 14}, Case{tlBottom, 26}}) {
        Box->SetButtonVertAlign(c.Layout);
        // Left of the focus frame, which starts 2 pixels before the caption.
        auto [first, last] = DrawnRows(*Shot(), 0, 13);
        EXPECT_GE(first, c.Top) << c.Layout;
        EXPECT_LE(last, c.Top + 13) << c.Layout;
        EXPECT_GT(last - first, 6) << c.Layout;
    }
}

TEST_F(ExCheckBoxTest, WithoutVisualStylesTheClassicBoxShowsItsState) {
    ExXPVS().FreeThemeLibrary();
    ASSERT_FALSE(IsThemedXP());
    Box->SetCaption("");
    const TRect box = Rect(0, 4, 13, 17);
    auto unchecked = Shot();
    Box->SetState(cbChecked);
    auto checked = Shot();
    Box->SetState(cbGrayed);
    auto grayed = Shot();
    ExXPVS().LoadThemeLibrary();

    EXPECT_FALSE(SamePixels(*unchecked, *checked, box));
    EXPECT_FALSE(SamePixels(*unchecked, *grayed, box)) << "grayed is drawn inactive";
    EXPECT_EQ(unchecked->Pixel(6, 10), clWhite) << "a white well";
    EXPECT_EQ(unchecked->Pixel(0, 4), ColorToRGB(clBtnShadow)) << "a sunken frame";
    auto [first, last] = DrawnRows(*unchecked, 0, 13);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 16);
}

TEST_F(ExCheckBoxTest, TheFocusIsFramedAroundTheCaption) {
    auto* other = new TExCheckBox(Form.get());
    other->SetParent(Form.get());
    other->SetTabStop(true);
    other->SetTop(40);
    Box->SetCaption("Caption");
    Box->SetFocus();
    auto focused = Shot();
    other->SetFocus();
    auto unfocused = Shot();
    EXPECT_FALSE(SamePixels(*focused, *unfocused, Rect(13, 4, 14, 20))) << "left edge";
    EXPECT_TRUE(SamePixels(*focused, *unfocused, Rect(0, 0, 13, 20))) << "the box is unchanged";
}
