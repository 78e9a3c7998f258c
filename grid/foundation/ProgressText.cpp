#include "grid/foundation/CellGraphics.h"

#include "grid/foundation/CellGraphicsSupport.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

// One number conversion: "%[-][width][.precision]type", width and precision kept small.
struct Conversion {
    size_t Start = 0;
    size_t End = 0;
    std::string Spec;
    char Type = 0;
};

bool ParseConversion(const std::string& format, size_t start, Conversion& conversion) {
    size_t i = start + 1;
    std::string spec = "%";
    if (i < format.size() && format[i] == '-')
        spec += format[i++];
    auto digits = [&](int limit) {
        size_t first = i;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
            ++i;
        std::string number = format.substr(first, i - first);
        if (number.size() > 3 || (!number.empty() && std::stoi(number) > limit))
            return false;
        spec += number;
        return true;
    };
    if (!digits(64))
        return false;
    if (i < format.size() && format[i] == '.') {
        spec += format[i++];
        if (!digits(18))
            return false;
    }
    if (i >= format.size())
        return false;
    const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    if (std::string_view("duxefgnm").find(type) == std::string_view::npos)
        return false;
    conversion = {start, i + 1, spec, type};
    return true;
}

// Characters, not bytes: a separator may be a multi-byte UTF-8 character.
size_t ProgressCharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Thousand separators between the groups of three digits before the decimal separator.
std::string GroupThousands(const std::string& number, const std::string& separator) {
    const size_t first = number.find_first_of("0123456789");
    if (first == std::string::npos)
        return number;
    size_t last = first;
    while (last < number.size() && std::isdigit(static_cast<unsigned char>(number[last])))
        ++last;
    std::string grouped = number.substr(0, first);
    for (size_t i = first; i < last; ++i) {
        if (i > first && (last - i) % 3 == 0)
            grouped += separator;
        grouped += number[i];
    }
    return grouped + number.substr(last);
}

// A real number as the user writes it: the locale's decimal separator and, for "n", its
// thousand separators; the width is filled after, so the separators count in it.
std::string ApplyRealConversion(const Conversion& conversion, double value) {
    const bool scientific = conversion.Type == 'e' || conversion.Type == 'g';
    std::string spec = "%";
    const size_t point = conversion.Spec.find('.');
    if (point != std::string::npos)
        spec += conversion.Spec.substr(point);
    else if (!scientific)
        spec += ".2"; // "n" and "m" are fixed-point numbers as well; two decimals by default
    spec += scientific ? conversion.Type : 'f';
    // A huge value in fixed-point notation runs to hundreds of digits.
    std::string number(static_cast<size_t>(std::snprintf(nullptr, 0, spec.c_str(), value)), '\0');
    std::snprintf(number.data(), number.size() + 1, spec.c_str(), value);

    const TFormatSettings settings = CurrentFormatSettings();
    const std::string cPoint = std::localeconv()->decimal_point;
    if (const size_t at = number.find(cPoint); !cPoint.empty() && at != std::string::npos)
        number.replace(at, cPoint.size(), settings.DecimalSeparator);
    if (conversion.Type == 'n' && std::isfinite(value))
        number = GroupThousands(number, settings.ThousandSeparator);

    const size_t digitsStart = conversion.Spec.find_first_of("0123456789", 1);
    const size_t width = digitsStart != std::string::npos && digitsStart < point
                             ? static_cast<size_t>(std::stoi(
                                   conversion.Spec.substr(digitsStart, point - digitsStart)))
                             : 0;
    const size_t length = ProgressCharacterCount(number);
    if (length >= width)
        return number;
    const std::string padding(width - length, ' ');
    return conversion.Spec[1] == '-' ? number + padding : padding + number;
}

std::string ApplyConversion(const Conversion& conversion, double value) {
    char buffer[128];
    switch (conversion.Type) {
    case 'd':
    case 'u':
    case 'x': {
        const double rounded =
            std::isnan(value) ? 0 : std::clamp(std::nearbyint(value), -9.2e18, 9.2e18);
        const std::string spec = conversion.Spec + (conversion.Type == 'x' ? "llX" : "lld");
        std::snprintf(buffer, sizeof buffer, spec.c_str(), static_cast<long long>(rounded));
        break;
    }
    default:
        return ApplyRealConversion(conversion, value);
    }
    return buffer;
}

} // namespace

std::string FormatProgressText(const std::string& FormatText, double Value) {
    std::string result;
    bool converted = false;
    for (size_t i = 0; i < FormatText.size(); ++i) {
        if (FormatText[i] != '%') {
            result += FormatText[i];
            continue;
        }
        if (i + 1 < FormatText.size() && FormatText[i + 1] == '%') {
            result += '%';
            ++i;
            continue;
        }
        Conversion conversion;
        if (!converted && ParseConversion(FormatText, i, conversion)) {
            result += ApplyConversion(conversion, Value);
            converted = true;
            i = conversion.End - 1;
            continue;
        }
        result += '%';
    }
    return result;
}

std::string ProgressBarText(const std::string& FormatText, double Value) {
    if (FormatText.empty())
        return IntToStr(CellGraphicsSupport::Round(Value)) + "%";
    return FormatProgressText(FormatText, Value);
}
