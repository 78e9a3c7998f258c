#include "grid/foundation/SpinDateTimeText.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/Text.h"

#include <array>
#include <cctype>
#include <cmath>
#include <ctime>
#include <vector>

namespace SpinDateTimeText {
namespace {

char LowerAscii(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Padded(int value, size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

// Length of the run of the same letter (either case) starting at i.
size_t RunLength(std::string_view format, size_t i) {
    size_t n = 1;
    while (i + n < format.size() && LowerAscii(format[i + n]) == LowerAscii(format[i]))
        ++n;
    return n;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    size_t start = 0;
    for (;;) {
        size_t found = text.find(separator, start);
        if (found == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
}

bool TryDigits(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// The order of day, month and year in the short date format, as indexes 0 (day), 1 (month),
// 2 (year); letters the format lacks keep the order day, month, year after those it names.
std::array<int, 3> DateFieldOrder(const std::string& format) {
    std::array<int, 3> order{};
    int count = 0;
    bool seen[3] = {false, false, false};
    for (char c : format) {
        int field = LowerAscii(c) == 'd'   ? 0
                    : LowerAscii(c) == 'm' ? 1
                    : LowerAscii(c) == 'y' ? 2
                                           : -1;
        if (field >= 0 && !seen[field]) {
            seen[field] = true;
            order[static_cast<size_t>(count++)] = field;
        }
    }
    for (int field = 0; field < 3; ++field)
        if (!seen[field])
            order[static_cast<size_t>(count++)] = field;
    return order;
}

} // namespace

TDateTime Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    TDateTime date = TGridDate::EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return date + ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) / 86400.0;
}

std::string FormatDate(TDateTime Date, const TFormatSettings& Settings) {
    int year = 0;
    int month = 0;
    int day = 0;
    TGridDate::DecodeDate(Date, year, month, day);
    const std::string& format = Settings.ShortDateFormat;
    std::string text;
    for (size_t i = 0; i < format.size();) {
        char letter = LowerAscii(format[i]);
        size_t n = RunLength(format, i);
        if (letter == 'd')
            text += Padded(day, n >= 2 ? 2 : 1);
        else if (letter == 'm')
            text += Padded(month, n >= 2 ? 2 : 1);
        else if (letter == 'y')
            text += n <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
        else if (format[i] == '/')
            text += Settings.DateSeparator, n = 1;
        else
            text += format[i], n = 1;
        i += n;
    }
    return text;
}

bool TryParseDate(std::string_view Text, const TFormatSettings& Settings, TDateTime& Date) {
    std::vector<std::string> parts = Split(Trim(Text), Settings.DateSeparator);
    if (parts.size() != 3)
        return false;
    std::array<int, 3> order = DateFieldOrder(Settings.ShortDateFormat);
    int values[3] = {0, 0, 0};
    for (size_t i = 0; i < 3; ++i) {
        std::string field = Trim(parts[i]);
        int value = 0;
        if (!TryDigits(field, value))
            return false;
        values[order[i]] = order[i] == 2 ? WindowedYear(field, value) : value;
    }
    return TGridDate::TryEncodeDate(values[2], values[1], values[0], Date);
}

bool MonthFirst(const TFormatSettings& Settings) {
    std::string upper = Settings.ShortDateFormat;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    size_t month = upper.find('M');
    size_t day = upper.find('D');
    return month != std::string::npos && (day == std::string::npos || month < day);
}

std::string FormatTime(TDateTime Time, std::string_view Format, const TFormatSettings& Settings) {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    TGridDate::DecodeTime(Time, hour, minute, second, msec);
    std::string lowerFormat;
    for (char c : Format)
        lowerFormat += LowerAscii(c);
    bool twelveHours = lowerFormat.find("am/pm") != std::string::npos;
    std::string text;
    for (size_t i = 0; i < Format.size();) {
        char letter = LowerAscii(Format[i]);
        size_t n = RunLength(Format, i);
        if (lowerFormat.compare(i, 5, "am/pm") == 0) {
            text += hour < 12 ? "AM" : "PM";
            n = 5;
        } else if (letter == 'h') {
            int shown = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            text += Padded(shown, n >= 2 ? 2 : 1);
        } else if (letter == 'n') {
            text += Padded(minute, n >= 2 ? 2 : 1);
        } else if (letter == 's') {
            text += Padded(second, n >= 2 ? 2 : 1);
        } else if (Format[i] == ':') {
            text += Settings.TimeSeparator;
            n = 1;
        } else {
            text += Format[i];
            n = 1;
        }
        i += n;
    }
    return text;
}

bool TryParseTime(std::string_view Text, const TFormatSettings& Settings, TDateTime& Time) {
    std::string text = Trim(Text);
    int halfDay = -1;
    if (text.size() >= 2) {
        std::string suffix{LowerAscii(text[text.size() - 2]), LowerAscii(text.back())};
        if (suffix == "am" || suffix == "pm") {
            halfDay = suffix == "pm" ? 1 : 0;
            text = Trim(text.substr(0, text.size() - 2));
        }
    }
    std::vector<std::string> parts = Split(text, Settings.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int fields[3] = {0, 0, 0};
    for (size_t i = 0; i < parts.size(); ++i)
        if (!TryDigits(Trim(parts[i]), fields[i]))
            return false;
    if (halfDay >= 0) {
        if (fields[0] < 1 || fields[0] > 12)
            return false;
        fields[0] = fields[0] % 12 + 12 * halfDay;
    }
    return TGridDate::TryEncodeTime(fields[0], fields[1], fields[2], 0, Time);
}

} // namespace SpinDateTimeText
