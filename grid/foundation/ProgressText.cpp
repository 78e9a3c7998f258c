#include "grid/foundation/CellGraphics.h"

#include <algorithm>
#include <cctype>
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
    default: {
        // "n" and "m" are fixed-point numbers as well; two decimals unless told otherwise.
        std::string spec = conversion.Spec;
        if (spec.find('.') == std::string::npos && conversion.Type != 'e' && conversion.Type != 'g')
            spec += ".2";
        spec += conversion.Type == 'e' || conversion.Type == 'g' ? conversion.Type : 'f';
        std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
        break;
    }
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
