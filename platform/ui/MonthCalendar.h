#pragma once

#include "platform/core/DateTimeValue.h"
#include "platform/ui/Control.h"

#include <memory>

// A month calendar: one month of days to choose from, with the keyboard (arrows move the day,
// Page Up and Page Down the month, Enter chooses) or the mouse. Choosing a day fires OnClick.
// Dates are the framework's date numbers; MinDate and MaxDate 0 mean no limit. Dates outside
// years 1..9999 are refused with EConvertError.
class TMonthCalendar : public TWinControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);
    ~TMonthCalendar() override;

    // The selected day (whole days).
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime value);
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool value);
    // The line "Today: " and today's date in the short date format, under the days.
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool value);
    // A circle around today's day, and its sample before the today line.
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool value);
    // The smallest size that shows a whole month (and the today line when shown).
    TSize MinimumSize() const;

private:
    void ApplyRange();

    struct Impl;
    std::unique_ptr<Impl> FImpl;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};
