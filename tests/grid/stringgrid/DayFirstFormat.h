// The date and time editor tests read and write their cells day first ("dd/mm/yyyy"), times
// with seconds, whatever the machine's own locale says.
#pragma once

#include "platform/core/FormatSettings.h"

inline TFormatSettings DayFirstSettings() {
    TFormatSettings settings;
    settings.ShortDateFormat = "dd/mm/yyyy";
    settings.DateSeparator = "/";
    settings.TimeSeparator = ":";
    settings.LongTimeFormat = "hh:nn:ss";
    return settings;
}
