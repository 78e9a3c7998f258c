#include "grid/stringgrid/GridDateText.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/Exception.h"
#include "platform/core/Text.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <vector>

namespace {

std::string Padded(int value, size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

size_t RunLength(std::string_view format, size_t at) {
    size_t end = at;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(format[at])));
    while (end < format.size() && std::tolower(static_cast<unsigned char>(format[end])) == letter)
        ++end;
    return end - at;
}

bool StartsWithLowered(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

// The whole numbers of a text, in order, with the digits each was written with.
std::vector<std::string> DigitRuns(std::string_view text) {
    std::vector<std::string> runs;
    std::string current;
    for (char ch : text) {
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            current += ch;
        } else if (!current.empty()) {
            runs.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        runs.push_back(current);
    return runs;
}

[[noreturn]] void NotA(std::string_view what, std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid " + std::string(what));
}

} // namespace

std::string DateToText(TDateTime Value, const TFormatSettings& Settings) {
    int year = 0, month = 0, day = 0;
    TGridDate::DecodeDate(Value, year, month, day);
    const std::string& format = Settings.ShortDateFormat;
    std::string text;
    for (size_t i = 0; i < format.size();) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        const size_t run = RunLength(format, i);
        if (letter == 'd') {
            text += Padded(day, run >= 2 ? 2 : 1);
        } else if (letter == 'm') {
            text += Padded(month, run >= 2 ? 2 : 1);
        } else if (letter == 'y') {
            text += run <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
        } else {
            text += format[i] == '/' ? Settings.DateSeparator : std::string(run, format[i]);
        }
        i += run;
    }
    return text;
}

std::string TimeToText(TDateTime Value, const TFormatSettings& Settings) {
    int hour = 0, minute = 0, second = 0, msec = 0;
    TGridDate::DecodeTime(Value, hour, minute, second, msec);
    const std::string& format = Settings.LongTimeFormat;
    const bool twelveHours =
        format.find("am/pm") != std::string::npos || format.find("AM/PM") != std::string::npos;
    std::string text;
    for (size_t i = 0; i < format.size();) {
        if (StartsWithLowered(format.substr(i), "am/pm")) {
            text += hour < 12 ? "AM" : "PM";
            i += 5;
            continue;
        }
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        const size_t run = RunLength(format, i);
        const size_t width = run >= 2 ? 2 : 1;
        if (letter == 'h')
            text += Padded(twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour, width);
        else if (letter == 'n')
            text += Padded(minute, width);
        else if (letter == 's')
            text += Padded(second, width);
        else
            text += format[i] == ':' ? Settings.TimeSeparator : std::string(run, format[i]);
        i += run;
    }
    return text;
}

TDateTime StrToDateText(std::string_view Text, const TFormatSettings& Settings) {
    const std::vector<std::string> numbers = DigitRuns(Text);
    // Only digits and separators make a date.
    for (char ch : Trim(std::string(Text)))
        if (!std::isdigit(static_cast<unsigned char>(ch)) &&
            Settings.DateSeparator.find(ch) == std::string::npos && ch != ' ')
            NotA("date", Text);
    if (numbers.size() < 2 || numbers.size() > 3)
        NotA("date", Text);
    // The order of day, month and year is the format's.
    std::string order;
    for (char ch : Settings.ShortDateFormat) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if ((letter == 'd' || letter == 'm' || letter == 'y') &&
            order.find(letter) == std::string::npos)
            order += letter;
    }
    if (order.size() != 3)
        order = "mdy";
    if (numbers.size() == 2)
        order.erase(order.find('y'), 1);
    int day = 0, month = 0, year = 0;
    bool hasYear = false;
    for (size_t k = 0; k < numbers.size(); ++k) {
        if (numbers[k].size() > 4)
            NotA("date", Text);
        const int value = std::stoi(numbers[k]);
        if (order[k] == 'd')
            day = value;
        else if (order[k] == 'm')
            month = value;
        else {
            year = WindowedYear(numbers[k], value);
            hasYear = true;
        }
    }
    if (!hasYear) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        year = local.tm_year + 1900;
    }
    TDateTime date = 0;
    if (!TGridDate::TryEncodeDate(year, month, day, date))
        NotA("date", Text);
    return date;
}

TDateTime StrToTimeText(std::string_view Text, const TFormatSettings& Settings) {
    std::string text = Trim(std::string(Text));
    int pm = -1;
    for (const char* marker : {"AM", "PM"}) {
        const size_t at = UpperCaseFull(text).find(marker);
        if (at != std::string::npos) {
            pm = marker[0] == 'P';
            text.erase(at, 2);
        }
    }
    for (char ch : Trim(text))
        if (!std::isdigit(static_cast<unsigned char>(ch)) &&
            Settings.TimeSeparator.find(ch) == std::string::npos && ch != ' ')
            NotA("time", Text);
    const std::vector<std::string> numbers = DigitRuns(text);
    if (numbers.empty() || numbers.size() > 3)
        NotA("time", Text);
    int parts[3] = {0, 0, 0};
    for (size_t k = 0; k < numbers.size(); ++k) {
        if (numbers[k].size() > 2)
            NotA("time", Text);
        parts[k] = std::stoi(numbers[k]);
    }
    if (pm >= 0) {
        if (parts[0] < 1 || parts[0] > 12)
            NotA("time", Text);
        parts[0] = parts[0] % 12 + (pm ? 12 : 0);
    }
    TDateTime time = 0;
    if (!TGridDate::TryEncodeTime(parts[0], parts[1], parts[2], 0, time))
        NotA("time", Text);
    return time;
}
