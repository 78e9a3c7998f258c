#pragma once

#include "grid/foundation/GridDate.h"
#include "platform/core/FormatSettings.h"

#include <string>
#include <string_view>

// Dates and times as the spin edit shows and reads them, in the user's locale settings. Format
// letters are the framework's (d, m, y; h, n, s, "am/pm"), matched without regard to case; a '/'
// in a date format stands for the date separator and a ':' in a time format for the time
// separator.
namespace SpinDateTimeText {

// The local date and time of this moment.
TDateTime Now();

std::string FormatDate(TDateTime Date, const TFormatSettings& Settings);
// Fields in the order of ShortDateFormat, split by the date separator; a year of one or two
// digits falls in the grid's century window. False when the text is no date of years 1..9999.
bool TryParseDate(std::string_view Text, const TFormatSettings& Settings, TDateTime& Date);
// Whether the short date format names the month before the day.
bool MonthFirst(const TFormatSettings& Settings);

// The time of day of Time in Format (LongTimeFormat, or "h:nn" for times without seconds).
std::string FormatTime(TDateTime Time, std::string_view Format, const TFormatSettings& Settings);
// Hours, minutes and optional seconds split by the time separator, optionally followed by "AM"
// or "PM"; false for anything else or a field out of range.
bool TryParseTime(std::string_view Text, const TFormatSettings& Settings, TDateTime& Time);

} // namespace SpinDateTimeText
