#include "platform/core/FloatConversion.h"

#include "platform/core/Exception.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDecimalDigit(text[i]))
        ++i;
    return i;
}

} // namespace

bool TryStrToFloat(std::string_view text, double& value, std::string_view decimalSeparator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    // Rebuild the number in the plain form from_chars takes, checking the shape on the way.
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    const size_t integerEnd = SkipDigits(text, i);
    plain.append(text.substr(i, integerEnd - i));
    bool hasDigits = integerEnd > i;
    i = integerEnd;
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        const size_t fractionEnd = SkipDigits(text, i);
        plain += '.';
        plain.append(text.substr(i, fractionEnd - i));
        hasDigits = hasDigits || fractionEnd > i;
        i = fractionEnd;
    }
    if (!hasDigits)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        const size_t exponentEnd = SkipDigits(text, i);
        if (exponentEnd == i)
            return false;
        plain.append(text.substr(i, exponentEnd - i));
        i = exponentEnd;
    }
    if (i != text.size())
        return false;

    double parsed = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(std::string_view text, std::string_view decimalSeparator) {
    double value = 0;
    if (!TryStrToFloat(text, value, decimalSeparator))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(std::string_view text, double fallback, std::string_view decimalSeparator) {
    double value = 0;
    return TryStrToFloat(text, value, decimalSeparator) ? value : fallback;
}

std::string FloatToStr(double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    // 15 significant digits in scientific form give the digits and the decimal exponent.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string_view scientific(buffer);
    const size_t e = scientific.find('e');
    std::string digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    const int exponent = std::atoi(buffer + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string result = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        result += digits[0];
        if (digits.size() > 1)
            result += std::string(decimalSeparator) + digits.substr(1);
        result += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        result += "0" + std::string(decimalSeparator) +
                  std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            result += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            result += digits.substr(0, integerDigits) + std::string(decimalSeparator) +
                      digits.substr(integerDigits);
        }
    }
    return result;
}
