// The date editor's Weeknumbers setting reaches the calendar it drops down over a cell.
#include "ExGridEditingTestGrid.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MonthCalendar.h"

#include <gtest/gtest.h>

namespace {

TEST(ExGridEditing, TheDateEditorsCalendarShowsWeekNumbersWhenAskedTo) {
    const ScopedFormatSettings dayFirst(ScopedFormatSettings::DayFirst());
    for (const bool weekNumbers : {true, false}) {
        SCOPED_TRACE(weekNumbers);
        EditingTest::TEditingForm f(edDateEdit);
        f.Grid->OfferFake = false;
        f.Grid->SetCells(1, 1, "01/02/2020");
        TGridDatePicker* picker = f.Grid->DateTimePicker();
        picker->Weeknumbers = weekNumbers;
        InputSimulation::KeyPress(f.Grid, VK_F2);
        InputSimulation::KeyPressFocused(VK_DOWN, 0, TShiftState() << ssAlt);
        f.Pump();
        ASSERT_TRUE(picker->DroppedDown());
        ASSERT_NE(picker->Calendar(), nullptr);
        EXPECT_EQ(picker->Calendar()->WeekNumbers(), weekNumbers);
        InputSimulation::KeyPressFocused(VK_ESCAPE, 27);
        InputSimulation::KeyPressFocused(VK_ESCAPE, 27);
        f.Pump();
    }
}

} // namespace
