#include "RecordingControl.h"

#include "platform/core/DateTimeValue.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MonthCalendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Day numbers of the framework's calendar.
constexpr TDateTime FirstDay = -693593;  // 1 January 0001
constexpr TDateTime LastDay = 2958465;   // 31 December 9999
constexpr TDateTime LeapDay2024 = 45351; // 29 February 2024
constexpr TDateTime TenTwentyThirty = (10 * 3600 + 20 * 60 + 30) / 86400.0;

// A key, or a typed character when Char is set.
struct Stroke {
    WORD Key = 0;
    TChar Char = 0;
    TShiftState Shift = {};
};
Stroke Key(WORD key, TShiftState shift = {}) {
    return {key, 0, shift};
}
std::vector<Stroke> Typed(const std::string& text) {
    std::vector<Stroke> strokes;
    for (char c : text)
        strokes.push_back({0, static_cast<TChar>(c)});
    return strokes;
}
std::vector<Stroke> operator+(std::vector<Stroke> a, const std::vector<Stroke>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class DateTimePickerTest : public ::testing::Test {
protected:
    DateTimePickerTest()
        : Form(std::make_unique<TestForm>(nullptr)), Picker(new TDateTimePicker(Form.get())) {
        Picker->SetParent(Form.get());
        Picker->SetFormat("dd/MM/yyyy");
        Picker->SetDateTime(LeapDay2024 + TenTwentyThirty);
        Picker->OnChange = [this](TObject*) { Events.push_back("change " + Picker->Text()); };
        Picker->OnDropDown = [this](TObject*) { Events.push_back("dropdown"); };
        Picker->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
    }

    void Press(TControl* target, const std::vector<Stroke>& strokes) {
        for (const Stroke& s : strokes) {
            if (s.Char != 0)
                InputSimulation::TypeChar(target, s.Char);
            else
                InputSimulation::KeyPress(target, s.Key, 0, s.Shift);
        }
    }

    std::unique_ptr<TestForm> Form;
    TDateTimePicker* Picker;
    std::vector<std::string> Events;
};

TEST_F(DateTimePickerTest, ProgramWritesShowTheValueAndFireNothing) {
    EXPECT_EQ(Picker->Text(), "29/02/2024");
    Picker->SetDate(LeapDay2024 + 1);
    EXPECT_EQ(Picker->Text(), "01/03/2024");
    EXPECT_DOUBLE_EQ(Picker->Time(), TenTwentyThirty) << "writing the date keeps the time";
    Picker->SetTime(0.5);
    EXPECT_DOUBLE_EQ(Picker->Date(), LeapDay2024 + 1) << "writing the time keeps the date";
    EXPECT_DOUBLE_EQ(Picker->DateTime(), LeapDay2024 + 1.5);
    EXPECT_TRUE(Events.empty());
}

struct KeyCase {
    const char* Name;
    std::vector<Stroke> Strokes;
    const char* Text;
};

class DateTimePickerKeys : public DateTimePickerTest,
                           public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DateTimePickerKeys, KeysWorkOnThePartWithTheCaret) {
    Press(Picker, GetParam().Strokes);
    EXPECT_EQ(Picker->Text(), GetParam().Text);
    EXPECT_DOUBLE_EQ(Picker->Time(), TenTwentyThirty) << "date keys leave the time alone";
}

INSTANTIATE_TEST_SUITE_P(
    DateKeys, DateTimePickerKeys,
    ::testing::Values(
        KeyCase{"UpGoesRoundWithinTheMonth", {Key(VK_UP)}, "01/02/2024"},
        KeyCase{"DownStepsTheDay", {Key(VK_DOWN)}, "28/02/2024"},
        KeyCase{"RightMovesToTheMonth", {Key(VK_RIGHT), Key(VK_UP)}, "29/03/2024"},
        KeyCase{"MonthGoesRoundWithinTheYear",
                {Key(VK_RIGHT), Key(VK_DOWN), Key(VK_DOWN)},
                "29/12/2024"},
        KeyCase{"YearStepKeepsTheDayInItsMonth",
                {Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_UP)},
                "28/02/2025"},
        KeyCase{"LeftGoesRoundToTheLastPart", {Key(VK_LEFT), Key(VK_DOWN)}, "28/02/2023"},
        KeyCase{"EndAndHomeJump", {Key(VK_END), Key(VK_HOME), Key(VK_DOWN)}, "28/02/2024"},
        KeyCase{"TwoDigitsMakeTheDay", Typed("05"), "05/02/2024"},
        KeyCase{"ATooLargeNumberStartsAnew", Typed("31"), "01/02/2024"},
        KeyCase{"AFullPartStartsAnew", Typed("123"), "03/02/2024"},
        KeyCase{"TypedMonth", std::vector<Stroke>{Key(VK_RIGHT)} + Typed("12"), "29/12/2024"},
        KeyCase{"TypedYear", std::vector<Stroke>{Key(VK_END)} + Typed("1999"), "28/02/1999"},
        KeyCase{"FirstYear", std::vector<Stroke>{Key(VK_END)} + Typed("0001"), "28/02/0001"},
        KeyCase{"YearZeroIsNeverTaken", std::vector<Stroke>{Key(VK_END)} + Typed("0000"),
                "29/02/2024"},
        KeyCase{"LastYearStopsTheSteps",
                std::vector<Stroke>{Key(VK_END)} + Typed("9999") +
                    std::vector<Stroke>{Key(VK_UP), Key(VK_UP)},
                "28/02/9999"},
        KeyCase{"FirstYearStopsTheSteps",
                std::vector<Stroke>{Key(VK_END)} + Typed("1") + std::vector<Stroke>{Key(VK_DOWN)},
                "28/02/0001"},
        KeyCase{"LettersAreIgnored", Typed("ab-/"), "29/02/2024"}),
    [](const auto& info) { return info.param.Name; });

TEST_F(DateTimePickerTest, EveryUserChangeFiresOnChange) {
    Press(Picker, {Key(VK_UP), Key(VK_RIGHT)});
    Press(Picker, Typed("3"));
    EXPECT_EQ(Events, (std::vector<std::string>{"change 01/02/2024", "change 01/03/2024"}));
}

TEST_F(DateTimePickerTest, AnOpenNumberIsShownAndBecomesTheValueWithTheNextKey) {
    Press(Picker, Typed("1")); // 1 could still become 10 to 19
    EXPECT_EQ(Picker->Text(), "01/02/2024");
    EXPECT_DOUBLE_EQ(Picker->Date(), LeapDay2024);
    EXPECT_TRUE(Events.empty());

    Press(Picker, {Key(VK_RIGHT)});
    EXPECT_DOUBLE_EQ(Picker->Date(), LeapDay2024 - 28);
    EXPECT_EQ(Picker->CurrentField(), 1);
    EXPECT_EQ(Events, std::vector<std::string>{"change 01/02/2024"});
}

TEST_F(DateTimePickerTest, OnKeyDownMaySwallowThePickersKeys) {
    Picker->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_UP)
            key = 0;
    };
    Press(Picker, {Key(VK_UP), Key(VK_DOWN)});
    EXPECT_EQ(Picker->Text(), "28/02/2024");
}

TEST_F(DateTimePickerTest, OnKeyPressSeesDigitsFirstAndMaySwallowThem) {
    Picker->OnKeyPress = [](TObject*, TChar& key) {
        if (key == '7')
            key = 0;
    };
    Press(Picker, Typed("7"));
    EXPECT_EQ(Picker->Text(), "29/02/2024");
    Press(Picker, Typed("8"));
    EXPECT_EQ(Picker->Text(), "08/02/2024");
}

struct TimeCase {
    const char* Name;
    std::vector<Stroke> Strokes;
    const char* Text;
};

class TimePickerKeys : public DateTimePickerTest, public ::testing::WithParamInterface<TimeCase> {
protected:
    void SetUp() override {
        Picker->SetKind(dtkTime);
        Picker->SetFormat("HH:mm:ss");
    }
};

TEST_P(TimePickerKeys, KeysWorkOnTheTimeParts) {
    Press(Picker, GetParam().Strokes);
    EXPECT_EQ(Picker->Text(), GetParam().Text);
    EXPECT_DOUBLE_EQ(Picker->Date(), LeapDay2024) << "time keys leave the date alone";
}

INSTANTIATE_TEST_SUITE_P(
    TimeKeys, TimePickerKeys,
    ::testing::Values(
        TimeCase{"UpStepsTheHour", {Key(VK_UP)}, "11:20:30"},
        TimeCase{"RightMovesToTheMinute", {Key(VK_RIGHT), Key(VK_DOWN)}, "10:19:30"},
        TimeCase{"SecondsGoRound",
                 std::vector<Stroke>{Key(VK_END)} + Typed("59") + std::vector<Stroke>{Key(VK_UP)},
                 "10:20:00"},
        TimeCase{"HourGoesRoundWithinTheDay", Typed("00") + std::vector<Stroke>{Key(VK_DOWN)},
                 "23:20:30"},
        TimeCase{"TypedHour", Typed("23"), "23:20:30"},
        TimeCase{"HourAbove23StartsAnew", Typed("27"), "07:20:30"},
        TimeCase{"TypedMinute", std::vector<Stroke>{Key(VK_RIGHT)} + Typed("5"), "10:05:30"}),
    [](const auto& info) { return info.param.Name; });

struct RangeCase {
    const char* Name;
    TDateTime Value;
    bool Accepted;
};

class DateTimePickerRange : public DateTimePickerTest,
                            public ::testing::WithParamInterface<RangeCase> {};

TEST_P(DateTimePickerRange, TakesYearsOneToNineThousandNineHundredNinetyNineOnly) {
    const RangeCase& c = GetParam();
    const TDateTime before = Picker->DateTime();
    if (c.Accepted) {
        Picker->SetDateTime(c.Value);
        EXPECT_DOUBLE_EQ(Picker->DateTime(), c.Value);
    } else {
        EXPECT_THROW(Picker->SetDateTime(c.Value), EConvertError);
        EXPECT_THROW(Picker->SetMinDate(c.Value), EConvertError);
        EXPECT_THROW(Picker->SetMaxDate(c.Value), EConvertError);
        EXPECT_DOUBLE_EQ(Picker->DateTime(), before) << "a refused value changes nothing";
        EXPECT_EQ(Picker->MinDate(), 0);
        EXPECT_EQ(Picker->MaxDate(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DateTimePickerRange,
    ::testing::Values(RangeCase{"FirstDay", FirstDay, true},
                      RangeCase{"LastMomentOfYear9999", LastDay + 86399.0 / 86400, true},
                      RangeCase{"LastMomentOfYear1", FirstDay - 86399.0 / 86400, true},
                      RangeCase{"LastDayOfYearZero", FirstDay - 1, false},
                      RangeCase{"FirstDayOfYear10000", LastDay + 1, false},
                      RangeCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), false},
                      RangeCase{"Infinity", std::numeric_limits<double>::infinity(), false}),
    [](const auto& info) { return info.param.Name; });

TEST_F(DateTimePickerTest, TheEdgeDaysShowAsTheyAre) {
    Picker->SetDateTime(FirstDay);
    EXPECT_EQ(Picker->Text(), "01/01/0001");
    Picker->SetDateTime(LastDay);
    EXPECT_EQ(Picker->Text(), "31/12/9999");
    Press(Picker, {Key(VK_UP)});
    EXPECT_EQ(Picker->Text(), "01/12/9999") << "the day goes round within its month";
}

TEST_F(DateTimePickerTest, MinAndMaxDateBoundTheUserAndRefuseTheProgram) {
    Picker->SetMinDate(LeapDay2024 - 1);
    Picker->SetMaxDate(LeapDay2024 + 1);

    Press(Picker, {Key(VK_RIGHT), Key(VK_UP)}); // 29 March: past the latest day
    EXPECT_EQ(Picker->Text(), "01/03/2024");
    Press(Picker, {Key(VK_DOWN), Key(VK_DOWN)});
    EXPECT_EQ(Picker->Text(), "28/02/2024");
    EXPECT_DOUBLE_EQ(Picker->Time(), TenTwentyThirty);

    EXPECT_THROW(Picker->SetDateTime(LeapDay2024 + 2), EConvertError);
    EXPECT_THROW(Picker->SetDate(LeapDay2024 - 2), EConvertError);
    EXPECT_THROW(Picker->SetMinDate(LeapDay2024 + 2), EConvertError) << "above the latest";
    EXPECT_THROW(Picker->SetMaxDate(LeapDay2024 - 2), EConvertError) << "below the earliest";
    EXPECT_EQ(Picker->Text(), "28/02/2024");
}

TEST_F(DateTimePickerTest, ANarrowerRangeMovesTheValueIntoIt) {
    Picker->SetMaxDate(LeapDay2024 - 10);
    EXPECT_DOUBLE_EQ(Picker->DateTime(), LeapDay2024 - 10 + TenTwentyThirty);
}

TEST_F(DateTimePickerTest, SpaceTogglesTheCheckBoxAndAnUncheckedValueTakesNoKeys) {
    Picker->SetShowCheckbox(true);
    ASSERT_TRUE(Picker->Checked());

    Press(Picker, {Key(VK_SPACE)});
    EXPECT_FALSE(Picker->Checked());
    Press(Picker, {Key(VK_UP), Key(VK_F4)});
    Press(Picker, Typed("5"));
    EXPECT_EQ(Picker->Text(), "29/02/2024");
    EXPECT_FALSE(Picker->DroppedDown());

    Press(Picker, {Key(VK_SPACE), Key(VK_UP)});
    EXPECT_TRUE(Picker->Checked());
    EXPECT_EQ(Events, (std::vector<std::string>{"change 29/02/2024", "change 29/02/2024",
                                                "change 01/02/2024"}));
}

TEST_F(DateTimePickerTest, TheWheelStepsTheFieldUnlessUnchecked) {
    Picker->SetDateMode(dmUpDown);
    InputSimulation::Wheel(Picker, {20, 10}, 120);
    EXPECT_EQ(Picker->Text(), "01/02/2024");
    EXPECT_EQ(Events, std::vector<std::string>{"change 01/02/2024"});

    Picker->SetShowCheckbox(true);
    Picker->SetChecked(false);
    InputSimulation::Wheel(Picker, {40, 10}, 120);
    EXPECT_EQ(Picker->Text(), "01/02/2024");
    EXPECT_EQ(Events.size(), 1u);
}

TEST_F(DateTimePickerTest, SpaceDoesNothingWithoutTheCheckBox) {
    Press(Picker, {Key(VK_SPACE)});
    EXPECT_TRUE(Picker->Checked());
    EXPECT_TRUE(Events.empty());
}

TEST_F(DateTimePickerTest, CalendarChoosesTheDayAndKeepsTheTime) {
    Press(Picker, {Key(VK_F4)});
    ASSERT_TRUE(Picker->DroppedDown());
    TMonthCalendar* calendar = Picker->Calendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_DOUBLE_EQ(calendar->Date(), LeapDay2024);

    Press(calendar, {Key(VK_RIGHT), Key(VK_RETURN)});

    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Calendar(), nullptr);
    EXPECT_DOUBLE_EQ(Picker->DateTime(), LeapDay2024 + 1 + TenTwentyThirty);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "change 01/03/2024", "closeup"}));
}

TEST_F(DateTimePickerTest, EscapeClosesTheCalendarWithoutAChange) {
    Press(Picker, {Key(VK_DOWN, {ssAlt})});
    ASSERT_TRUE(Picker->DroppedDown());
    Press(Picker->Calendar(), {Key(VK_RIGHT), Key(VK_ESCAPE)});
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Text(), "29/02/2024");
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(DateTimePickerTest, TheCalendarKeepsToTheLimits) {
    Picker->SetMaxDate(LeapDay2024);
    Picker->SetDroppedDown(true);
    Press(Picker->Calendar(), {Key(VK_RIGHT), Key(VK_RETURN)});
    EXPECT_EQ(Picker->Text(), "29/02/2024");
}

TEST_F(DateTimePickerTest, TheCalendarExistsWhileOnDropDownRuns) {
    bool sawCalendar = false;
    Picker->OnDropDown = [&](TObject*) {
        sawCalendar = Picker->Calendar() != nullptr;
        Picker->Calendar()->SetWeekNumbers(true);
    };
    Picker->SetDroppedDown(true);
    EXPECT_TRUE(sawCalendar);
    EXPECT_TRUE(Picker->Calendar()->WeekNumbers());
    Picker->SetDroppedDown(false);
    EXPECT_EQ(Events, std::vector<std::string>{"closeup"});
}

TEST_F(DateTimePickerTest, OnlyADatePickerWithACalendarDropsDown) {
    Picker->SetDateMode(dmUpDown);
    Press(Picker, {Key(VK_F4)});
    EXPECT_FALSE(Picker->DroppedDown());
    Picker->SetDateMode(dmComboBox);
    Picker->SetKind(dtkTime);
    Picker->SetDroppedDown(true);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_TRUE(Events.empty());
}

TEST_F(DateTimePickerTest, TextReadsInTheDisplayFormat) {
    Picker->SetText("24/12/2030");
    EXPECT_DOUBLE_EQ(Picker->Date(), 47841);
    EXPECT_DOUBLE_EQ(Picker->Time(), TenTwentyThirty);
    Picker->SetText("not a date");
    EXPECT_EQ(Picker->Text(), "24/12/2030");
}

TEST_F(DateTimePickerTest, AnEmptyFormatFollowsTheUserSettings) {
    TFormatSettings settings;
    settings.ShortDateFormat = "yyyy-mm-dd";
    settings.LongTimeFormat = "hh:nn";
    OverrideFormatSettings(&settings);
    Picker->SetFormat("");
    EXPECT_EQ(Picker->Text(), "2024-02-29");
    Picker->SetKind(dtkTime);
    EXPECT_EQ(Picker->Text(), "10:20");
    OverrideFormatSettings(nullptr);
}

} // namespace
