#pragma once

#include <cstdint>

// Dates as the framework counts them: days since 30 December 1899, the time of day as the
// fraction. Before that day the whole part is negative and the fraction still counts forward
// from the start of the day (-1.25 is 29 December 1899, 06:00).
using TDateTime = double;

// The framework's calendar runs from 1 January 0001 to 31 December 9999. The first day's
// times of day lie below its number (-693593.75 is 1 January 0001, 18:00).
constexpr TDateTime MinDateTimeValue = -693593.0;
constexpr TDateTime MaxDateTimeValue = 2958465.0 + 86399999.0 / 86400000.0;

// Within years 1..9999 (a NaN or an infinity is not).
bool IsValidDateTime(TDateTime value);
// Answers value, or throws EConvertError when it lies outside years 1..9999.
TDateTime CheckDateTime(TDateTime value);

// A value as its day number and millisecond of that day, rounded to the millisecond (a
// rounding that reaches midnight carries into the next day).
struct TDateTimeParts {
    int64_t Day = 0;
    int MSecOfDay = 0;
};
TDateTimeParts SplitDateTime(TDateTime value);
TDateTime ComposeDateTime(int64_t day, int msecOfDay);
