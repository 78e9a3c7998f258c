// The date editor's calendar settings (week numbers, the today line and today's circle) reach
// the calendar it drops down over a cell, sized to show them.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MonthCalendar.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Pixels of the today mark's red in Area of the drawn calendar.
int TodayMarkPixels(const TBitmap& Shot, const TRect& Area) {
    int count = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x) {
            const TColor c = Shot.Pixel(x, y);
            count += (c & 0xFF) > 150 && ((c >> 8) & 0xFF) < 110 && ((c >> 16) & 0xFF) < 110;
        }
    return count;
}

TEST(ExGridEditing, TheDateEditorsCalendarTakesItsLookWhenItDropsDown) {
    const ScopedFormatSettings dayFirst(ScopedFormatSettings::DayFirst());
    {
        EditingTest::TEditingForm f(edDateEdit);
        const TGridDatePicker* picker = f.Grid->DateTimePicker();
        EXPECT_FALSE(picker->Weeknumbers);
        EXPECT_TRUE(picker->ShowToday);
        EXPECT_TRUE(picker->ShowTodayCircle);
    }
    struct Case {
        const char* what;
        bool weekNumbers, today, circle;
    } cases[] = {
        {"week numbers", true, true, true},
        {"the defaults", false, true, true},
        {"no today line", false, false, true},
        {"no circle", false, true, false},
    };
    std::map<bool, int> heightWithTodayLine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditingTest::TEditingForm f(edDateEdit);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 1, "01/02/2020");
        TGridDatePicker* picker = f.Grid->DateTimePicker();
        picker->Weeknumbers = c.weekNumbers;
        picker->ShowToday = c.today;
        picker->ShowTodayCircle = c.circle;
        InputSimulation::KeyPress(f.Grid, VK_F2);
        InputSimulation::KeyPressFocused(VK_DOWN, 0, TShiftState() << ssAlt);
        f.Pump();
        ASSERT_TRUE(picker->DroppedDown());
        TMonthCalendar* calendar = picker->Calendar();
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->WeekNumbers(), c.weekNumbers);
        EXPECT_EQ(calendar->ShowToday(), c.today);
        EXPECT_EQ(calendar->ShowTodayCircle(), c.circle);
        EXPECT_EQ(calendar->Width(), calendar->MinimumSize().cx);
        EXPECT_EQ(calendar->Height(), calendar->MinimumSize().cy);
        if (!c.weekNumbers) {
            heightWithTodayLine[c.today] = calendar->Height();
            TBitmap shot(calendar->Width(), calendar->Height());
            calendar->PaintTo(shot.Canvas(), 0, 0);
            // The today line closes the calendar; with the circle, the mark's sample leads it.
            const TRect todayLine{0, calendar->Height() - 14, 40, calendar->Height()};
            if (c.today)
                EXPECT_EQ(TodayMarkPixels(shot, todayLine) > 10, c.circle);
        }
        InputSimulation::KeyPressFocused(VK_ESCAPE, 27);
        InputSimulation::KeyPressFocused(VK_ESCAPE, 27);
        f.Pump();
    }
    EXPECT_GT(heightWithTodayLine[true], heightWithTodayLine[false]);
}

} // namespace
