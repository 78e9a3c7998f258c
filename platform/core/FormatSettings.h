#pragma once

#include <string>

// The user's number, date and time conventions, in the framework's terms. Separators are UTF-8
// texts (a locale may use a multi-byte space); formats use the framework's letters: d, m, y for
// the date and h, n (minutes), s, "am/pm" for the time.
struct TFormatSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    std::string ShortDateFormat = "mm/dd/yy";
    std::string LongTimeFormat = "hh:nn:ss";
};

// The settings of the user's locale at this moment (LC_NUMERIC and LC_TIME of the environment),
// or the override when one is set. A locale that cannot be loaded gives the defaults above.
TFormatSettings CurrentFormatSettings();

// Makes CurrentFormatSettings answer `settings` until called with nullptr; for tests and for
// callers that must not depend on the machine.
void OverrideFormatSettings(const TFormatSettings* settings);

// Translates a C date or time pattern ("%d.%m.%Y", "%H:%M:%S") into the framework's letters.
std::string FrameworkFormatFromStrftime(const std::string& pattern);

// The separator of a format in the framework's letters: its first character that is no field
// letter (a whole UTF-8 character), or `fallback` when it has none.
std::string FormatSeparator(const std::string& frameworkFormat, const std::string& fallback);
