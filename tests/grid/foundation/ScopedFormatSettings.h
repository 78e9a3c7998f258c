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
        TFormatSettings settings;
        settings.DecimalSeparator = ",";
        settings.ThousandSeparator = ".";
        settings.DateSeparator = "/";
        settings.ShortDateFormat = "dd/MM/yyyy";
        return settings;
    }

private:
    TFormatSettings FSettings;
};
