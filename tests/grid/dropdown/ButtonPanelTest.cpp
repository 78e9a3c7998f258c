// The button panel: the calculator keypad's keys and placement, hot and pressed buttons, and
// clicks reported only on a release over the pressed button.
#include "grid/dropdown/ButtonPanel.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

class ButtonPanel : public ::testing::Test {
protected:
    void SetUp() override {
        panel.SetBounds(0, 0, 230, 150);
        panel.Loaded();
        panel.OnButtonClick = [this](TObject*, int index) { clicks.push_back(index); };
    }
    TPoint CentreOf(int index) const {
        const TRect r = panel.GetButtonRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    int IndexOf(const std::string& caption) const {
        for (int i = 0; i < panel.Buttons()->Count(); ++i)
            if (panel.Buttons()->GetItem(i)->Caption() == caption)
                return i;
        return -1;
    }

    TCustomButtonPanel panel{nullptr};
    std::vector<int> clicks;
};

} // namespace

TEST_F(ButtonPanel, TheCalculatorKeysCarryTheirOperationCodes) {
    ASSERT_EQ(panel.Buttons()->Count(), 28);
    struct Case {
        int Index;
        const char* Caption;
        const char* Name;
        int Tag;
        bool Special;
    };
    const std::vector<Case> cases = {
        {0, "", "BTN_ON", 30, false},  {1, "Back", "BTN_BACK", 31, true},
        {3, "C", "BTN_C", 16, true},   {7, "M+", "BTN_M+", 36, true},
        {8, "0", "BTN_0", 0, false},   {15, "+/-", "BTN_+/-", 14, false},
        {16, ".", "BTN_.", 15, false}, {20, "/", "BTN_/", 13, true},
        {24, "=", "BTN_=", 17, true},  {25, "1/x", "BTN_1/x", 38, false},
        {26, "%", "BTN_%", 18, false}, {27, "sqrt", "BTN_sqrt", 37, true},
    };
    for (const Case& c : cases) {
        const TButtonItem* item = panel.Buttons()->GetItem(c.Index);
        EXPECT_EQ(item->Caption(), c.Caption) << c.Index;
        EXPECT_EQ(item->Name(), c.Name) << c.Index;
        EXPECT_EQ(item->Tag(), c.Tag) << c.Index;
        EXPECT_EQ(item->Special(), c.Special) << c.Index;
        EXPECT_EQ(item->CaptionColor(), c.Special ? 0x000080u : 0xFFFFFFu) << c.Index;
    }
}

TEST_F(ButtonPanel, TheKeypadFillsTheClientAreaInOverlappingRowsAndColumns) {
    struct Case {
        const char* Caption;
        TRect R;
    };
    const std::vector<Case> cases = {
        {"", Bounds(8, 8, 34, 26)},       {"Back", Bounds(46, 8, 54, 26)},
        {"CE", Bounds(104, 8, 54, 26)},   {"C", Bounds(162, 8, 55, 26)},
        {"MC", Bounds(8, 38, 34, 26)},    {"7", Bounds(46, 38, 34, 26)},
        {"8", Bounds(79, 38, 34, 26)},    {"9", Bounds(112, 38, 34, 26)},
        {"/", Bounds(150, 38, 34, 26)},   {"sqrt", Bounds(183, 38, 34, 26)},
        {"MR", Bounds(8, 63, 34, 26)},    {"5", Bounds(79, 63, 34, 26)},
        {"%", Bounds(183, 63, 34, 26)},   {"1", Bounds(46, 88, 34, 26)},
        {"1/x", Bounds(183, 88, 34, 26)}, {"M+", Bounds(8, 113, 34, 26)},
        {"0", Bounds(46, 113, 34, 26)},   {"+/-", Bounds(79, 113, 34, 26)},
        {".", Bounds(112, 113, 34, 26)},  {"+", Bounds(150, 113, 34, 26)},
        {"=", Bounds(183, 113, 34, 26)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(panel.GetButtonRect(IndexOf(c.Caption)), c.R) << c.Caption;
    EXPECT_EQ(panel.GetButtonRect(28), Rect(-1, -1, -1, -1));
}

TEST_F(ButtonPanel, AResizeReplacesTheKeysButCreateButtonsLeavesThem) {
    panel.SetBounds(0, 0, 290, 200);
    const TRect resized = panel.GetButtonRect(IndexOf("="));
    // W = (274 - 8) div 6 = 44, H = (184 - 4) div 5 = 36.
    EXPECT_EQ(resized, Bounds(233, 153, 44, 36));
    panel.Buttons()->GetItem(5)->SetButtonRect(Bounds(1, 2, 3, 4));
    panel.CreateButtons();
    EXPECT_EQ(panel.GetButtonRect(5), Bounds(1, 2, 3, 4));
    panel.ResetButtons();
    EXPECT_EQ(panel.Buttons()->Count(), 28);
    EXPECT_NE(panel.GetButtonRect(5), Bounds(1, 2, 3, 4));
}

TEST_F(ButtonPanel, AnIncompleteKeypadIsNotPlaced) {
    panel.Buttons()->Delete(27);
    panel.Buttons()->GetItem(0)->SetButtonRect(Bounds(1, 2, 3, 4));
    panel.SetBounds(0, 0, 300, 300);
    EXPECT_EQ(panel.GetButtonRect(0), Bounds(1, 2, 3, 4));
    panel.SetBounds(0, 0, 2, 2);
    panel.ResetButtons();
    EXPECT_EQ(panel.Buttons()->Count(), 28) << "the default set comes back";
    EXPECT_EQ(panel.ButtonAtPos(1, 1), -1) << "keys too small to hold a point";
}

TEST_F(ButtonPanel, CustomModeLeavesEveryButtonWhereItsUserPutIt) {
    panel.SetButtonPanelType(plCustom);
    panel.ClearButtons();
    panel.CreateButtons();
    EXPECT_EQ(panel.Buttons()->Count(), 0);
    TButtonItem* item = panel.Buttons()->Add();
    item->SetButtonRect(Bounds(10, 10, 40, 20));
    panel.SetBounds(0, 0, 400, 300);
    EXPECT_EQ(panel.GetButtonRect(0), Bounds(10, 10, 40, 20));
    InputSimulation::Click(&panel, {20, 20});
    EXPECT_EQ(clicks, (std::vector<int>{0}));
}

TEST_F(ButtonPanel, AClickIsReportedOnlyForAReleaseOverThePressedButton) {
    const int five = IndexOf("5");
    ASSERT_EQ(five, 13);
    struct Case {
        const char* PressOn;
        const char* ReleaseOn;
        std::vector<int> Clicks;
    };
    const std::vector<Case> cases = {
        {"5", "5", {13}},
        {"5", "6", {}},
        {"=", "=", {24}},
    };
    for (const Case& c : cases) {
        clicks.clear();
        InputSimulation::MouseDown(&panel, mbLeft, CentreOf(IndexOf(c.PressOn)));
        EXPECT_EQ(panel.ButtonDown(), IndexOf(c.PressOn));
        InputSimulation::MouseMove(&panel, CentreOf(IndexOf(c.ReleaseOn)));
        InputSimulation::MouseUp(&panel, mbLeft, CentreOf(IndexOf(c.ReleaseOn)));
        EXPECT_EQ(panel.ButtonDown(), -1);
        EXPECT_EQ(clicks, c.Clicks) << c.PressOn << " to " << c.ReleaseOn;
    }
    clicks.clear();
    InputSimulation::MouseDown(&panel, mbLeft, CentreOf(five));
    InputSimulation::MouseMove(&panel, {1, 1});
    InputSimulation::MouseMove(&panel, CentreOf(five));
    InputSimulation::MouseUp(&panel, mbLeft, CentreOf(five));
    EXPECT_EQ(clicks, (std::vector<int>{13})) << "moving off and back still clicks";
    clicks.clear();
    InputSimulation::MouseDown(&panel, mbLeft, {1, 1});
    InputSimulation::MouseUp(&panel, mbLeft, CentreOf(five));
    EXPECT_TRUE(clicks.empty()) << "a press outside every button presses nothing";
}

TEST_F(ButtonPanel, ADisabledButtonIsNeverHotPressedOrClicked) {
    const int five = IndexOf("5");
    panel.Buttons()->GetItem(five)->SetEnabled(false);
    InputSimulation::MouseMove(&panel, CentreOf(five));
    EXPECT_EQ(panel.ButtonHot(), -1);
    InputSimulation::Click(&panel, CentreOf(five));
    EXPECT_EQ(panel.ButtonDown(), -1);
    EXPECT_TRUE(clicks.empty());
    panel.SetButtonHot(five);
    panel.SetButtonDown(five);
    EXPECT_EQ(panel.ButtonHot(), -1);
    EXPECT_EQ(panel.ButtonDown(), -1);
}

TEST_F(ButtonPanel, TheHotButtonFollowsThePointerAndGoesWhenItLeaves) {
    InputSimulation::MouseMove(&panel, CentreOf(IndexOf("8")));
    EXPECT_EQ(panel.ButtonHot(), IndexOf("8"));
    InputSimulation::MouseMove(&panel, {2, 2});
    EXPECT_EQ(panel.ButtonHot(), -1);
    InputSimulation::MouseMove(&panel, CentreOf(IndexOf("9")));
    InputSimulation::MouseLeave(&panel);
    EXPECT_EQ(panel.ButtonHot(), -1);
}

TEST_F(ButtonPanel, CaptionsAreDrawnInTheirAppearanceColours) {
    TFont big;
    big.SetSize(20);
    big.SetStyle(TFontStyles{fsBold});
    panel.ButtonAppearance()->SetFont(big);
    panel.ButtonAppearance()->SetTextColor(clBlue);
    panel.ButtonAppearance()->SetSpecialTextColor(clRed);
    TBitmap bitmap;
    bitmap.SetSize(panel.Width(), panel.Height());
    panel.PaintTo(bitmap.Canvas(), 0, 0);
    const auto count = [&bitmap](const TRect& r, TColor colour) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += bitmap.Pixel(x, y) == colour;
        return n;
    };
    const TRect eight = panel.GetButtonRect(IndexOf("8"));
    const TRect plus = panel.GetButtonRect(IndexOf("+"));
    EXPECT_GT(count(eight, clBlue), 10);
    EXPECT_EQ(count(eight, clRed), 0);
    EXPECT_GT(count(plus, clRed), 10);
    EXPECT_EQ(count(plus, clBlue), 0);
    EXPECT_EQ(bitmap.Pixel(0, 0), clBlack) << "a stand-alone panel draws its frame";
}

TEST(ButtonAppearance, StartsWithItsColoursAndCopiesThemAll) {
    TButtonAppearance source;
    EXPECT_EQ(source.ColorChecked(), 0xF5D8CAu);
    EXPECT_EQ(source.ColorCheckedTo(), 0xF9BDA0u);
    EXPECT_EQ(source.ColorDisabled(), 0xF2F2F2u);
    EXPECT_EQ(source.SpecialTextColor(), 0x000080u);
    EXPECT_EQ(source.Font()->Size(), 10);
    source.SetColorHot(clRed);
    source.SetBorderColorChecked(clGreen);
    source.GlowColorDown = clYellow;
    source.SetShineColor(clBlue);
    TButtonAppearance copy;
    int changes = 0;
    copy.OnChange = [&changes](TObject*) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(copy.ColorHot(), clRed);
    EXPECT_EQ(copy.BorderColorChecked(), clGreen);
    EXPECT_EQ(copy.GlowColorDown, clYellow);
    EXPECT_EQ(copy.ShineColor(), clBlue);
    EXPECT_EQ(changes, 2) << "only the changed colours notify, the shine colour never";
}

TEST(ButtonAppearance, EveryStyleTakesTheDropDownsButtonColoursAndItsOwnGlow) {
    TExButtonAppearance source;
    source.SetBorderColor(0x000001);
    source.SetBorderColorHot(0x000002);
    source.SetBorderColorDown(0x000003);
    source.SetBorderColorDisabled(0x000004);
    source.SetColor(0x000005);
    source.SetColorTo(0x000006);
    source.SetColorDown(0x000007);
    source.SetColorDownTo(0x000008);
    source.SetColorDisabled(0x000009);
    source.SetColorDisabledTo(0x00000A);
    source.SetColorHot(0x00000B);
    source.SetColorHotTo(0x00000C);
    for (int s = tsOffice2003Blue; s <= tsOffice2010Black; ++s) {
        const auto style = static_cast<TULKStyle>(s);
        const bool office2010 =
            style == tsOffice2010Blue || style == tsOffice2010Silver || style == tsOffice2010Black;
        TButtonAppearance keys;
        keys.TakeStyleColors(source, style);
        const std::vector<std::pair<TColor, TColor>> expected = {
            {keys.BorderColor(), 0x000001},
            {keys.BorderColorHot(), 0x000002},
            {keys.BorderColorDown(), 0x000003},
            {keys.BorderColorChecked(), 0x000004},
            {keys.Color(), 0x000005},
            {keys.ColorTo(), 0x000006},
            {keys.ColorDown(), 0x000007},
            {keys.ColorDownTo(), 0x000008},
            {keys.ColorDisabled(), 0x000009},
            {keys.ColorDisabledTo(), 0x00000A},
            {keys.ColorChecked(), 0x00000A},
            {keys.ColorHot(), 0x00000B},
            {keys.ColorHotTo(), 0x00000C},
            {keys.ColorCheckedTo(), 0x00000C},
            {keys.GlowColorDown, office2010 ? 0x00000Bu : 0xD5C244u},
            {keys.GlowColorHot, office2010 ? 0x00000Bu : 0x000008u},
        };
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(expected[i].first, expected[i].second) << "style " << s << " colour " << i;
    }
}
