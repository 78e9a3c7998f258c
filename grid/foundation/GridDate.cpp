#include "grid/foundation/GridDate.h"

#include "platform/core/Exception.h"

#include <cmath>
#include <cstdint>

namespace {
// Days from 1 January of year 1 to 30 December 1899.
constexpr int64_t DateDelta = 693594;

int64_t DaysBeforeYear(int year) {
    int64_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}
} // namespace

bool TGridDate::IsLeapYear(int Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int TGridDate::DaysInMonth(int Year, int Month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TGridDate::TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
        Day > DaysInMonth(Year, Month))
        return false;
    int64_t days = DaysBeforeYear(Year);
    for (int m = 1; m < Month; ++m)
        days += DaysInMonth(Year, m);
    days += Day;
    Date = static_cast<double>(days - DateDelta);
    return true;
}

TDateTime TGridDate::EncodeDate(int Year, int Month, int Day) {
    TDateTime date = 0;
    if (!TryEncodeDate(Year, Month, Day, date))
        throw EConvertError("Invalid argument to date encode");
    return date;
}

void TGridDate::DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
    // Outside years 1..9999 there is no calendar date; zeros make any re-encoding fail cleanly
    // instead of walking billions of years.
    constexpr double FirstDay = 1 - DateDelta;      // 1 January 0001
    constexpr double LastDay = 3652059 - DateDelta; // 31 December 9999
    if (!std::isfinite(Date) || std::trunc(Date) < FirstDay || std::trunc(Date) > LastDay) {
        Year = Month = Day = 0;
        return;
    }
    int64_t days = static_cast<int64_t>(std::trunc(Date)) + DateDelta; // 1 = 1 January of year 1
    int year = static_cast<int>(days / 366) + 1;
    while (DaysBeforeYear(year + 1) < days)
        ++year;
    int64_t dayOfYear = days - DaysBeforeYear(year);
    int month = 1;
    while (month < 12 && dayOfYear > DaysInMonth(year, month)) {
        dayOfYear -= DaysInMonth(year, month);
        ++month;
    }
    Year = year;
    Month = month;
    Day = static_cast<int>(dayOfYear);
}

bool TGridDate::TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 ||
        MSec > 999)
        return false;
    Time = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / 86400000.0;
    return true;
}

void TGridDate::DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
    double fraction = std::fabs(Time - std::trunc(Time));
    auto ms = static_cast<int64_t>(std::llround(fraction * 86400000.0)) % 86400000;
    Hour = static_cast<int>(ms / 3600000);
    Min = static_cast<int>(ms / 60000 % 60);
    Sec = static_cast<int>(ms / 1000 % 60);
    MSec = static_cast<int>(ms % 1000);
}
