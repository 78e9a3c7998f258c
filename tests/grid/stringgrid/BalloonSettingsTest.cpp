#include "grid/stringgrid/BalloonSettings.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Control.h"

#include <gtest/gtest.h>

namespace {
int BalloonWindowsOf(const TWinControl& tool) {
    int count = 0;
    for (int i = 0; i < tool.ComponentCount(); ++i)
        count += dynamic_cast<TBalloonWindow*>(tool.Components(i)) != nullptr;
    return count;
}
} // namespace

TEST(BalloonSettings, Defaults) {
    TBalloonSettings balloon;
    EXPECT_FALSE(balloon.Enable());
    EXPECT_EQ(balloon.BackgroundColor, clNone);
    EXPECT_EQ(balloon.TextColor, clNone);
    EXPECT_EQ(balloon.InitialDelay, -1);
    EXPECT_EQ(balloon.ReshowDelay, -1);
    EXPECT_EQ(balloon.AutoHideDelay, -1);
    EXPECT_EQ(balloon.Transparency, 0);
    EXPECT_FALSE(balloon.BalloonWindowCreated());
}

TEST(BalloonSettings, EveryWriteOfEnableNotifies) {
    TBalloonSettings balloon;
    int fired = 0;
    balloon.OnEnableChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &balloon);
        ++fired;
    };
    for (bool value : {true, true, false, false})
        balloon.SetEnable(value);
    EXPECT_EQ(fired, 4);
    EXPECT_FALSE(balloon.Enable());
}

TEST(BalloonSettings, AssignCopiesAllButTheTransparencyWithoutNotifying) {
    TBalloonSettings source;
    source.SetEnable(true);
    source.BackgroundColor = clYellow;
    source.TextColor = clNavy;
    source.InitialDelay = 100;
    source.ReshowDelay = 200;
    source.AutoHideDelay = 3000;
    source.Transparency = 40;
    TBalloonSettings target;
    int fired = 0;
    target.OnEnableChange = [&](TObject*) { ++fired; };
    target.Assign(&source);
    EXPECT_TRUE(target.Enable());
    EXPECT_EQ(target.BackgroundColor, clYellow);
    EXPECT_EQ(target.TextColor, clNavy);
    EXPECT_EQ(target.InitialDelay, 100);
    EXPECT_EQ(target.ReshowDelay, 200);
    EXPECT_EQ(target.AutoHideDelay, 3000);
    EXPECT_EQ(target.Transparency, 0);
    EXPECT_EQ(fired, 0);
    target.Assign(nullptr);
    EXPECT_TRUE(target.Enable());
}

TEST(BalloonSettings, CreatesOneBalloonWindowWithItsSettings) {
    TCustomControl tool(nullptr);
    TBalloonSettings balloon;
    balloon.InitialDelay = 50;
    balloon.AutoHideDelay = 9000;
    balloon.Transparency = 55;
    TBalloonWindow* window = balloon.CreateBalloonWindow(&tool);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Tool(), &tool);
    EXPECT_EQ(window->InitialDelay(), 50);
    EXPECT_EQ(window->ReshowDelay(), TBalloonWindow::DefaultReshowDelay);
    EXPECT_EQ(window->AutoPopDelay(), 9000);
    EXPECT_EQ(window->Alpha(), 200);
    EXPECT_EQ(window->TitleIcon(), TTI_ERROR);
    EXPECT_EQ(window->Title(), "ToolTipText");
    EXPECT_TRUE(balloon.BalloonWindowCreated());

    EXPECT_EQ(balloon.CreateBalloonWindow(&tool), nullptr) << "once until released";
    EXPECT_EQ(BalloonWindowsOf(tool), 1);
    // Off and on again: still exactly one window.
    balloon.ReleaseBalloonWindow(window);
    EXPECT_EQ(BalloonWindowsOf(tool), 0);
    EXPECT_FALSE(balloon.BalloonWindowCreated());
    TBalloonWindow* again = balloon.CreateBalloonWindow(&tool);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(BalloonWindowsOf(tool), 1);
    EXPECT_EQ(again->Alpha(), 200);
}
