#pragma once

#include "platform/core/FormatSettings.h"

// Pins the locale settings for one test, so results do not depend on the machine.
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(TFormatSettings settings) : FSettings(std::move(settings)) {
        OverrideFormatSettings(&FSettings);
    }
    ~ScopedFormatSettings() { OverrideFormatSettings(nullptr); }
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

    static TFormatSettings English() { return {}; }
    static TFormatSettings European() {
        TFormatSettings settings = SlashDates("dd/MM/yyyy");
        settings.DecimalSeparator = ",";
        settings.ThousandSeparator = ".";
        return settings;
    }
    // Dates day first ("dd/mm/yyyy"), times with seconds, as the date and time editor tests
    // read and write their cells.
    static TFormatSettings DayFirst() {
        TFormatSettings settings = SlashDates("dd/mm/yyyy");
        settings.TimeSeparator = ":";
        settings.LongTimeFormat = "hh:nn:ss";
        return settings;
    }

private:
    static TFormatSettings SlashDates(const char* ShortDateFormat) {
        TFormatSettings settings;
        settings.DateSeparator = "/";
        settings.ShortDateFormat = ShortDateFormat;
        return settings;
    }

    TFormatSettings FSettings;
};
