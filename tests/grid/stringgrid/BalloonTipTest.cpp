#include "grid/stringgrid/BalloonTip.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string Repeat(const std::string& piece, size_t times) {
    std::string result;
    for (size_t i = 0; i < times; ++i)
        result += piece;
    return result;
}
} // namespace

TEST(BalloonTip, CellTextAsTheBalloonShowsIt) {
    struct Case {
        std::string Text, Expected;
    };
    const std::vector<Case> cases = {
        {"plain", "plain"},
        {"a\tb\tc", "a b c"},
        {"ends with a tab\t", "ends with a tab\t"},
        {"\r\n\r\nafter breaks", "after breaks"},
        // Tabs become blanks first, so leading tabs stay as blanks.
        {"\t\tx", "  x"},
        {"\r\t\n", " \n"},
        {"", ""},
        {Repeat("a", 2048), Repeat("a", 2048)},
        {Repeat("a", 3000), Repeat("a", 2045) + "..."},
        {"\n" + Repeat("b", 2049), Repeat("b", 2045) + "..."},
        // Characters, not bytes, are counted and cut whole.
        {Repeat("\xC3\xA4", 2100), Repeat("\xC3\xA4", 2045) + "..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BalloonCellText(c.Text), c.Expected) << c.Text.substr(0, 20);
}

TEST(BalloonTip, TitlesAreCutAtAHundredCharacters) {
    EXPECT_EQ(BalloonTitleText(Repeat("t", 100)), Repeat("t", 100));
    EXPECT_EQ(BalloonTitleText(Repeat("t", 120)), Repeat("t", 97) + "...");
    EXPECT_EQ(BalloonTitleText(""), "");
}

TEST(BalloonTip, ACellWithoutBalloonGetsABlankTitleAndTheInfoIcon) {
    TBalloonTip tip;
    EXPECT_EQ(tip.Title, " ");
    EXPECT_EQ(tip.Icon, biInfo);
    EXPECT_EQ(static_cast<int>(biInfo), TTI_INFO);
    EXPECT_EQ(static_cast<int>(biError), TTI_ERROR);
}

TEST(BalloonTip, PrepareBalloonSetsWidthColoursAndTitle) {
    TCustomControl tool(nullptr);
    TBalloonWindow window(&tool);
    window.SetTipTextColor(clGreen);
    TBalloonSettings settings;
    TBalloonTip tip;
    tip.Text = "Cell text";
    EXPECT_EQ(PrepareBalloon(&window, settings, tip), "Cell text");
    EXPECT_EQ(window.MaxTipWidth(), 300);
    EXPECT_EQ(window.TipTextColor(), clGreen) << "clNone keeps the window's colour";
    EXPECT_EQ(window.Title(), " ");
    EXPECT_EQ(window.TitleIcon(), TTI_INFO);

    settings.TextColor = clWindowText;
    settings.BackgroundColor = clYellow;
    tip.Title = Repeat("T", 150);
    tip.Icon = biWarning;
    PrepareBalloon(&window, settings, tip);
    EXPECT_EQ(window.TipTextColor(), ColorToRGB(clWindowText));
    EXPECT_EQ(window.TipBkColor(), clYellow);
    EXPECT_EQ(window.Title(), Repeat("T", 97) + "...");
    EXPECT_EQ(window.TitleIcon(), TTI_WARNING);
    EXPECT_EQ(PrepareBalloon(nullptr, settings, tip), "Cell text");
}

TEST(BalloonTip, TheBalloonShowsThePreparedText) {
    TCustomControl tool(nullptr);
    TBalloonWindow window(&tool);
    TBalloonSettings settings;
    window.OnGetText = [&](TBalloonWindow* sender, TPoint, std::string& text) {
        TBalloonTip tip;
        tip.Text = BalloonCellText("\r\nLine\twith tab");
        text = PrepareBalloon(sender, settings, tip);
    };
    ASSERT_TRUE(window.Popup({100, 100}));
    EXPECT_EQ(window.TipText(), "Line with tab");
    EXPECT_FALSE(window.Layout().Title.IsEmpty());
    EXPECT_FALSE(window.Layout().Icon.IsEmpty());
}
