#pragma once

#include "grid/foundation/GridDate.h"
#include "platform/core/FormatSettings.h"

#include <string>
#include <string_view>

// Date-and-time cell texts as the date editors read and write them: a date in the short date
// format, optionally followed by a blank and a time.
namespace CellDateTimeText {
// False for a text that is no date (an unreadable time after the date fails too).
bool TryRead(std::string_view Text, const TFormatSettings& Settings, TDateTime& Value);
// The short date, a blank and the time in TimeFormat (the framework's letters).
std::string Write(TDateTime Value, const TFormatSettings& Settings, std::string_view TimeFormat);
// Value kept inside MinDate..MaxDate, both inclusive; a limit of 0 is no limit.
TDateTime Clamp(TDateTime Value, TDateTime MinDate, TDateTime MaxDate);
} // namespace CellDateTimeText
