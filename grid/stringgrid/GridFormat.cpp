#include "grid/stringgrid/GridFormat.h"

#include "platform/core/Exception.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace {

// Widths and precisions beyond this are refused: a format must not make the grid allocate
// without bound.
constexpr int MaxFieldSize = 200;

[[noreturn]] void RefuseFormat(std::string_view Fmt) {
    throw EConvertError("Format '" + std::string(Fmt) + "' invalid or incompatible with argument");
}

std::string PrintOne(const std::string& spec, const TFormatArg& arg) {
    const int size = arg.IsFloat
                         ? std::snprintf(nullptr, 0, spec.c_str(), arg.Float)
                         : std::snprintf(nullptr, 0, spec.c_str(), static_cast<long long>(arg.Int));
    if (size < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(size) + 1);
    if (arg.IsFloat)
        std::snprintf(buffer.data(), buffer.size(), spec.c_str(), arg.Float);
    else
        std::snprintf(buffer.data(), buffer.size(), spec.c_str(), static_cast<long long>(arg.Int));
    return std::string(buffer.data(), static_cast<size_t>(size));
}

// Inserts the thousand separator into the integer digits of a fixed-point text.
std::string GroupThousands(const std::string& text, std::string_view separator) {
    size_t first = 0;
    while (first < text.size() && !std::isdigit(static_cast<unsigned char>(text[first])))
        ++first;
    size_t last = first;
    while (last < text.size() && std::isdigit(static_cast<unsigned char>(text[last])))
        ++last;
    std::string grouped = text.substr(0, first);
    for (size_t i = first; i < last; ++i) {
        grouped += text[i];
        const size_t left = last - i - 1;
        if (left > 0 && left % 3 == 0)
            grouped += separator;
    }
    return grouped + text.substr(last);
}

std::string LocalisePoint(std::string text, std::string_view decimalSeparator) {
    if (const size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace

std::string FormatValues(std::string_view Fmt, std::initializer_list<TFormatArg> Args,
                         std::string_view DecimalSeparator, std::string_view ThousandSeparator) {
    std::string result;
    const TFormatArg* next = Args.begin();
    size_t i = 0;
    while (i < Fmt.size()) {
        if (Fmt[i] != '%') {
            result += Fmt[i++];
            continue;
        }
        if (i + 1 < Fmt.size() && Fmt[i + 1] == '%') {
            result += '%';
            i += 2;
            continue;
        }
        std::string spec = "%";
        ++i;
        while (i < Fmt.size() && std::string_view("-+ #0").find(Fmt[i]) != std::string_view::npos)
            spec += Fmt[i++];
        auto number = [&] {
            int value = 0;
            while (i < Fmt.size() && std::isdigit(static_cast<unsigned char>(Fmt[i]))) {
                value = value * 10 + (Fmt[i] - '0');
                if (value > MaxFieldSize)
                    RefuseFormat(Fmt);
                spec += Fmt[i++];
            }
        };
        number();
        if (i < Fmt.size() && Fmt[i] == '.') {
            spec += Fmt[i++];
            number();
        }
        if (i >= Fmt.size() || next == Args.end())
            RefuseFormat(Fmt);
        const char conversion = Fmt[i++];
        const TFormatArg& arg = *next++;
        switch (conversion) {
        case 'd':
        case 'u':
        case 'x':
        case 'X':
            if (arg.IsFloat)
                RefuseFormat(Fmt);
            result +=
                PrintOne(spec + (conversion == 'u' ? "llu" : std::string("ll") + conversion), arg);
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            if (!arg.IsFloat)
                RefuseFormat(Fmt);
            result += LocalisePoint(PrintOne(spec + conversion, arg), DecimalSeparator);
            break;
        case 'n':
            if (!arg.IsFloat)
                RefuseFormat(Fmt);
            result += GroupThousands(LocalisePoint(PrintOne(spec + 'f', arg), DecimalSeparator),
                                     ThousandSeparator);
            break;
        default:
            RefuseFormat(Fmt);
        }
    }
    return result;
}
