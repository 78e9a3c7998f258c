// The analog clock: its time, clicks on the dial, keys, the hand animation and the change event.
#include "grid/dropdown/ExWatch.h"
#include "grid/dropdown/WatchTestTimes.h"

#include "grid/foundation/GridDate.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string HourMinute(TDateTime T) {
    return TimeText(T, false);
}

class Watch : public ::testing::Test {
protected:
    Watch() : Form(std::make_unique<TForm>(nullptr)), Clock(new TExWatch(Form.get())) {
        Form->SetBounds(100, 100, 300, 300);
        Clock->SetParent(Form.get());
        Clock->SetBounds(10, 10, 180, 180);
        Form->Show();
        Clock->SetAnimation(false);
        Clock->OnChange = [this](TObject*) { Changes.push_back(HourMinute(Clock->Time())); };
    }

    void Click(TPoint P) { InputSimulation::Click(Clock, P); }
    // Runs the animation timer until the hand has arrived, keeping every time it showed.
    std::vector<std::string> RunAnimation() {
        std::vector<std::string> shown;
        std::string last = HourMinute(Clock->Time());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (Clock->Animating() && std::chrono::steady_clock::now() < deadline) {
            Application->ProcessMessages();
            const std::string now = HourMinute(Clock->Time());
            if (now != last)
                shown.push_back(now);
            last = now;
        }
        EXPECT_FALSE(Clock->Animating()) << "the animation did not end";
        return shown;
    }

    std::unique_ptr<TForm> Form;
    TExWatch* Clock;
    std::vector<std::string> Changes;
};

} // namespace

TEST_F(Watch, ANewClockIsOneHundredEightySquareAtMidnightInTheMorning) {
    TExWatch fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 180);
    EXPECT_EQ(fresh.Height(), 180);
    EXPECT_EQ(fresh.Time(), 0);
    EXPECT_TRUE(fresh.AM());
    EXPECT_TRUE(fresh.Animation());
    EXPECT_EQ(fresh.AnimationFactor(), 10);
    EXPECT_EQ(fresh.GetFaceRect(), Rect(10, 10, 170, 170));
    EXPECT_EQ(fresh.GetFaceCenter(), (TPoint{90, 90}));
    EXPECT_EQ(fresh.GetFaceRadius(), 80.0);
}

TEST_F(Watch, TimeWritesShowAtOnceFollowTheHalfOfTheDayAndFireNothing) {
    Clock->SetTime(At(14, 30));
    EXPECT_EQ(HourMinute(Clock->Time()), "14:30");
    EXPECT_FALSE(Clock->AM());
    Clock->SetTime(At(9, 5));
    EXPECT_TRUE(Clock->AM());
    EXPECT_TRUE(Changes.empty());
}

TEST_F(Watch, PointsOnTheDialGiveTheirMinuteAndHour) {
    const struct {
        TPoint P;
        int Minute;
        int HourAM;
    } cases[] = {
        {{90, 90}, 23, 5},  // the centre counts as 45 degrees down-right
        {{80, 20}, 59, 0},  // just left of the 12
        {{95, 20}, 1, 0},   // just right of it
        {{175, 90}, 15, 3}, // 3 o'clock
        {{90, 175}, 30, 6}, // 6 o'clock
        {{5, 90}, 45, 9},   // 9 o'clock
        {{2, 2}, 53, 11},   // the top-left corner
        {{150, 30}, 7, 1},  // outside, between 1 and 2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Clock->MinuteFromPoint(c.P.X, c.P.Y), c.Minute) << c.P.X << "," << c.P.Y;
        Clock->SetTime(At(1, 0));
        EXPECT_EQ(Clock->HourFromPoint(c.P.X, c.P.Y), c.HourAM) << c.P.X << "," << c.P.Y;
        Clock->SetTime(At(13, 0));
        EXPECT_EQ(Clock->HourFromPoint(c.P.X, c.P.Y), c.HourAM + 12) << c.P.X << "," << c.P.Y;
    }
}

TEST_F(Watch, ClicksInsideTheDialSetTheHourOutsideItTheMinute) {
    const struct {
        TDateTime Start;
        TPoint P;
        const char* Expected;
        size_t Changes;
    } cases[] = {
        {At(10, 20), {90, 90}, "05:20", 1},  // centre: the 5
        {At(22, 20), {90, 90}, "17:20", 1},  // afternoon keeps the half
        {At(10, 20), {80, 20}, "00:20", 1},  // left of the 12 in the morning
        {At(22, 20), {95, 20}, "12:20", 1},  // right of it in the afternoon
        {At(10, 20), {2, 2}, "10:53", 1},    // a corner outside the round dial
        {At(10, 20), {175, 90}, "10:15", 1}, // outside at 3 o'clock
        {At(10, 20), {130, 30}, "01:20", 1}, // inside, towards 1
        {At(1, 20), {130, 30}, "01:20", 0},  // the hour already shown
        {At(10, 45), {90, 2}, "11:00", 1},   // to the 12 from above 30: the hour goes on
        {At(10, 20), {90, 2}, "10:00", 1},   // from below 30 it stays
    };
    for (const auto& c : cases) {
        Clock->SetTime(c.Start);
        Changes.clear();
        Click(c.P);
        EXPECT_EQ(HourMinute(Clock->Time()), c.Expected) << c.P.X << "," << c.P.Y;
        EXPECT_EQ(Changes.size(), c.Changes) << c.P.X << "," << c.P.Y;
    }
}

TEST_F(Watch, ASquareFaceStillTakesCornerClicksAsMinutes) {
    Clock->Appearance()->SetShape(wsRect);
    Clock->SetTime(At(10, 20));
    Click({2, 2});
    EXPECT_EQ(HourMinute(Clock->Time()), "10:53");
}

TEST_F(Watch, TheAMPMBoxSwitchesTheHalfOfTheDayAtOnce) {
    const TRect box = Clock->GetAMPMRect();
    ASSERT_FALSE(box.IsEmpty());
    const TPoint inBox{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
    Clock->SetTime(At(10, 15));
    Click(inBox);
    EXPECT_EQ(HourMinute(Clock->Time()), "22:15");
    EXPECT_FALSE(Clock->AM());
    // Animated, the box scrolls but the hand does not go round.
    Clock->SetAnimation(true);
    Click(inBox);
    EXPECT_FALSE(Clock->Animating());
    EXPECT_EQ(HourMinute(Clock->Time()), "10:15");
    EXPECT_TRUE(Clock->AM());
    EXPECT_EQ(Changes, (std::vector<std::string>{"22:15", "10:15"}));

    Clock->SetShowAMPM(false);
    EXPECT_EQ(Clock->GetAMPMRect(), Rect(-1, -1, -1, -1));
}

TEST_F(Watch, KeysStepHoursAndMinutesAndEveryChangeIsReported) {
    const struct {
        TDateTime Start;
        WORD Key;
        const char* Expected;
    } cases[] = {
        {At(10, 59), VK_RIGHT, "11:00"}, {At(10, 15), VK_RIGHT, "10:16"},
        {At(11, 0), VK_LEFT, "10:59"},   {At(0, 0), VK_LEFT, "23:59"},
        {At(10, 15), VK_LEFT, "10:14"},  {At(23, 15), VK_PRIOR, "00:15"},
        {At(10, 15), VK_PRIOR, "11:15"}, {At(0, 15), VK_NEXT, "23:15"},
        {At(10, 15), VK_NEXT, "09:15"},  {At(10, 15), VK_HOME, "12:15"},
        {At(10, 15), VK_END, "10:00"},   {At(14, 15), 'A', "02:15"},
        {At(2, 15), 'P', "14:15"},       {At(2, 15), 'A', "02:15"},
        {At(14, 15), 'P', "14:15"},      {At(10, 15), VK_UP, "10:15"},
        {At(10, 15), VK_DOWN, "10:15"},
    };
    for (const auto& c : cases) {
        Clock->SetTime(c.Start);
        Changes.clear();
        Clock->HandleWatchKey(c.Key);
        EXPECT_EQ(HourMinute(Clock->Time()), c.Expected) << HourMinute(c.Start) << " " << c.Key;
        const bool changed = HourMinute(c.Start) != c.Expected;
        EXPECT_EQ(Changes,
                  changed ? std::vector<std::string>{c.Expected} : std::vector<std::string>{})
            << HourMinute(c.Start) << " " << c.Key;
    }
}

TEST_F(Watch, OutOfRangeHoursAndMinutesAreRefusedWithoutAChange) {
    Clock->SetTime(At(10, 15));
    Clock->SetAnimation(true);
    for (int hour : {24, 25, 255}) {
        try {
            Clock->SetHour(static_cast<uint8_t>(hour));
            ADD_FAILURE() << hour;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Invalid time");
        }
    }
    try {
        Clock->SetMinute(60);
        ADD_FAILURE() << "minute 60";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Invalid time");
    }
    EXPECT_FALSE(Clock->Animating());
    EXPECT_EQ(HourMinute(Clock->Time()), "10:15");
    EXPECT_TRUE(Changes.empty());
}

TEST_F(Watch, AnAnimatedChangeMovesStepByStepAndReportsOnceOnArrival) {
    Clock->SetAnimation(true);
    Clock->SetTime(At(1, 20));
    Click({90, 90}); // the 5
    EXPECT_TRUE(Changes.empty()) << "nothing before the hand arrives";
    const std::vector<std::string> shown = RunAnimation();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), "02:20") << "the first step covers one hour";
    EXPECT_EQ(shown.back(), "05:20");
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(Changes, std::vector<std::string>{"05:20"});
}

TEST_F(Watch, MinuteAnimationsToTheTwelveRunForwardFromAboveHalfPastOnly) {
    const struct {
        TDateTime Start;
        const char* Expected;
        bool Forward;
    } cases[] = {
        {At(10, 50), "11:00", true},
        {At(10, 20), "10:00", false},
        {At(23, 40), "00:00", true},
    };
    Clock->SetAnimation(true);
    for (const auto& c : cases) {
        Clock->SetTime(c.Start);
        Changes.clear();
        Clock->SetMinute(0);
        const std::vector<std::string> shown = RunAnimation();
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown.back(), c.Expected);
        EXPECT_EQ(Changes, std::vector<std::string>{c.Expected});
        // The first step shows the side the hand goes.
        const int firstMinute = std::stoi(shown[0].substr(3));
        const int startMinute = std::stoi(HourMinute(c.Start).substr(3));
        EXPECT_EQ(firstMinute > startMinute || shown[0] == c.Expected, c.Forward)
            << HourMinute(c.Start);
    }
}

TEST_F(Watch, AnAnimationFactorOfZeroJumpsToTheTargetInOneStep) {
    Clock->SetAnimation(true);
    Clock->SetAnimationFactor(0);
    Clock->SetTime(At(1, 20));
    Click({90, 90});
    EXPECT_EQ(RunAnimation(), std::vector<std::string>{"05:20"});
    Clock->SetMinute(50);
    EXPECT_EQ(RunAnimation(), std::vector<std::string>{"05:50"});
    EXPECT_EQ(Changes, (std::vector<std::string>{"05:20", "05:50"}));
}

TEST_F(Watch, ARunningClockIgnoresClicksAndKeys) {
    Clock->Settings()->SetAuto(true);
    const TDateTime shown = Clock->Time();
    EXPECT_NE(shown, 0);
    Click({90, 90});
    Click({2, 2});
    Clock->HandleWatchKey(VK_PRIOR);
    Clock->HandleWatchKey(VK_END);
    EXPECT_EQ(Clock->Time(), shown);
    EXPECT_TRUE(Changes.empty());
    Clock->Settings()->SetAuto(false);
}

TEST_F(Watch, StylesApplyTheirPresetOnlyWhenTheStyleChanges) {
    Clock->SetStyle(wsClassic);
    EXPECT_EQ(Clock->Appearance()->HourMarkLength(), 0) << "a new clock already holds wsClassic";
    Clock->SetStyle(wsSuperNova);
    EXPECT_EQ(Clock->Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(Clock->Appearance()->MinuteMarkLength(), 60);
    EXPECT_FALSE(Clock->ShowAMPM());
    Clock->SetStyle(wsSports);
    EXPECT_EQ(Clock->Appearance()->CenterPointSize(), 50);
    Clock->SetStyle(wsClassic);
    EXPECT_EQ(Clock->Appearance()->HourMarkLength(), 8);
    EXPECT_EQ(Clock->Appearance()->HourPointerSize(), 5);
    EXPECT_TRUE(Clock->ShowAMPM());
    EXPECT_TRUE(Clock->ShowNumbers());
}

TEST_F(Watch, ComponentStylesColourTheFaceAndCustomOnlyBlackensRingAndFonts) {
    TWatchAppearance& a = *Clock->Appearance();
    Clock->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(a.BackgroundColor(), TColor{0xFFEFE3});
    EXPECT_EQ(a.HourPointer(), TColor{0x723708});
    EXPECT_EQ(a.AMPMColor(), TColor{0xF0DED0});
    EXPECT_EQ(a.MinutePointerShadow(), clWhite);
    Clock->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(a.HourFont()->Color(), TColor{0xF2F1F0});
    EXPECT_EQ(a.AMPMFont()->Color(), TColor{0xF2F1F0});
    a.SetCenterPointOuterBorderColor(clRed);
    Clock->SetComponentStyle(tsCustom);
    EXPECT_EQ(a.BackgroundColor(), TColor{0x5C534C}) << "custom keeps the colours";
    EXPECT_EQ(a.CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(a.HourFont()->Color(), clBlack);
    EXPECT_EQ(a.AMPMFont()->Color(), clBlack);
}

TEST_F(Watch, AppearanceAssignCopiesEveryValueAndSettingsAssignReportsAuto) {
    TWatchAppearance source;
    source.SetSize(120);
    source.SetPointerStyle(psPointer);
    source.SetTickMarks(tmQuartHours);
    source.SetAMPMColor(clNone);
    TFont font;
    font.SetName("Arial");
    source.SetHourFont(font);
    int changes = 0;
    TWatchAppearance target;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Size(), 120);
    EXPECT_EQ(target.PointerStyle(), psPointer);
    EXPECT_EQ(target.TickMarks(), tmQuartHours);
    EXPECT_EQ(target.AMPMColor(), clNone);
    EXPECT_EQ(target.HourFont()->Name(), "Arial");
    EXPECT_GT(changes, 0);

    TWatchSettings settings;
    settings.SetAuto(true);
    settings.SetTimeOffset(30);
    TWatchSettings copy;
    int settingChanges = 0;
    copy.OnChange = [&](TObject*) { ++settingChanges; };
    copy.Assign(settings);
    EXPECT_TRUE(copy.Auto());
    EXPECT_EQ(copy.TimeOffset(), 30);
    EXPECT_EQ(settingChanges, 1);
}

TEST_F(Watch, ThePointerIsAHandOverTheAMPMBoxAndArrowsAreWantedWithTabStop) {
    const TRect box = Clock->GetAMPMRect();
    InputSimulation::MouseMove(Clock, {(box.Left + box.Right) / 2, box.Top + 1});
    EXPECT_EQ(Clock->Cursor(), crHandPoint);
    InputSimulation::MouseMove(Clock, {20, 90});
    EXPECT_EQ(Clock->Cursor(), crDefault);

    Clock->SetTabStop(true);
    EXPECT_EQ(Clock->Perform(WM_GETDLGCODE), 5);
    Clock->SetTabStop(false);
    EXPECT_EQ(Clock->Perform(WM_GETDLGCODE), 0);
}
