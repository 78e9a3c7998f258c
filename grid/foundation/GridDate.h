#pragma once

// Dates as the framework counts them: days since 30 December 1899, the time of day as the
// fraction. Only what the grid's date parsing and stepping need.
using TDateTime = double;

class TGridDate {
public:
    // Year 1..9999, month 1..12, day within the month.
    static bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
    // Throws EConvertError "Invalid argument to date encode".
    static TDateTime EncodeDate(int Year, int Month, int Day);
    // A date outside years 1..9999 (or not a number) decodes as 0, 0, 0.
    static void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
    // Hour 0..23, minutes and seconds 0..59, milliseconds 0..999.
    static bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
    static void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
    static bool IsLeapYear(int Year);
    static int DaysInMonth(int Year, int Month);
};
