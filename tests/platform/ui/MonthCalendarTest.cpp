#include "RecordingControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MonthCalendar.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TDateTime CalendarFirstDay = -693593;  // 1 January 0001
constexpr TDateTime CalendarLastDay = 2958465;   // 31 December 9999
constexpr TDateTime CalendarLeapDay = 45351; // 29 February 2024

class MonthCalendarTest : public ::testing::Test {
protected:
    MonthCalendarTest()
        : Form(std::make_unique<TestForm>(nullptr)), Calendar(new TMonthCalendar(Form.get())) {
        Calendar->SetParent(Form.get());
        Calendar->SetDate(CalendarLeapDay);
        Calendar->OnClick = [this](TObject*) { ++Chosen; };
    }
    std::unique_ptr<TestForm> Form;
    TMonthCalendar* Calendar;
    int Chosen = 0;
};

TEST_F(MonthCalendarTest, ArrowsMoveTheDayAndEnterChoosesIt) {
    InputSimulation::KeyPress(Calendar, VK_RIGHT);
    InputSimulation::KeyPress(Calendar, VK_DOWN);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay + 8);
    EXPECT_EQ(Chosen, 0);
    InputSimulation::KeyPress(Calendar, VK_RETURN);
    EXPECT_EQ(Chosen, 1);
}

TEST_F(MonthCalendarTest, TheDayStaysWithinTheLimits) {
    Calendar->SetMaxDate(CalendarLeapDay + 1);
    InputSimulation::KeyPress(Calendar, VK_DOWN);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay + 1);
    Calendar->SetMinDate(CalendarLeapDay);
    Calendar->SetDate(CalendarLeapDay - 5);
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLeapDay);
}

TEST_F(MonthCalendarTest, TakesYearsOneToNineThousandNineHundredNinetyNineOnly) {
    for (TDateTime day : {CalendarFirstDay, CalendarLastDay, CalendarFirstDay - 0.5, CalendarLastDay + 0.5}) {
        Calendar->SetDate(day);
        EXPECT_DOUBLE_EQ(Calendar->Date(), static_cast<double>(static_cast<long long>(day)));
    }
    for (TDateTime outside : {CalendarFirstDay - 1, CalendarLastDay + 1}) {
        EXPECT_THROW(Calendar->SetDate(outside), EConvertError);
        EXPECT_THROW(Calendar->SetMinDate(outside), EConvertError);
        EXPECT_THROW(Calendar->SetMaxDate(outside), EConvertError);
    }
    EXPECT_DOUBLE_EQ(Calendar->Date(), CalendarLastDay + 0.0);
    EXPECT_EQ(Calendar->MinDate(), 0);
    EXPECT_EQ(Calendar->MaxDate(), 0);
}

TEST_F(MonthCalendarTest, ShowsAWholeMonth) {
    const TSize size = Calendar->MinimumSize();
    EXPECT_GT(size.cx, 100);
    EXPECT_GT(size.cy, 100);
    Calendar->SetWeekNumbers(true);
    EXPECT_GT(Calendar->MinimumSize().cx, size.cx) << "week numbers take a column";
}

} // namespace
