#pragma once

#include "grid/foundation/GridDate.h"
#include "platform/core/FormatSettings.h"

#include <string>
#include <string_view>

// Dates and times as cell texts, in the user's short date and long time formats (the
// framework's letters: d, dd, m, mm, yy, yyyy; h, hh, n, nn, s, ss, am/pm). Day 0 is
// 30 December 1899.
std::string DateToText(TDateTime Value, const TFormatSettings& Settings);
std::string TimeToText(TDateTime Value, const TFormatSettings& Settings);
// Reads day, month and year in the order of the short date format (the year may be left out:
// this year; two-digit years fall in 1926..2025). Throws EConvertError for a text that is no
// date.
TDateTime StrToDateText(std::string_view Text, const TFormatSettings& Settings);
// Reads hours, minutes and optional seconds with an optional AM or PM. Throws EConvertError for
// a text that is no time.
TDateTime StrToTimeText(std::string_view Text, const TFormatSettings& Settings);
