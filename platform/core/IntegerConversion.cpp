#include "platform/core/IntegerConversion.h"

#include "platform/core/Exception.h"

#include <limits>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One parser for both widths: `bits` is 32 or 64.
bool ParseInteger(std::string_view text, int bits, int64_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false;

    const uint64_t widthMask = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit =
            hex ? HexDigitValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0)
            return false;
        const uint64_t base = hex ? 16 : 10;
        if (magnitude > (widthMask - static_cast<uint64_t>(digit)) / base)
            return false;
        magnitude = magnitude * base + static_cast<uint64_t>(digit);
    }

    const uint64_t signBit = uint64_t{1} << (bits - 1);
    if (hex) {
        // Full-width hex is a bit pattern: reinterpret, then apply the sign with wrap-around.
        uint64_t pattern = magnitude;
        if (negative)
            pattern = (~pattern + 1) & widthMask;
        if (pattern & signBit)
            pattern |= ~widthMask;
        value = static_cast<int64_t>(pattern);
        return true;
    }
    if (negative) {
        if (magnitude > signBit)
            return false;
        value = magnitude == signBit ? static_cast<int64_t>(~widthMask | signBit)
                                     : -static_cast<int64_t>(magnitude);
        return true;
    }
    if (magnitude >= signBit)
        return false;
    value = static_cast<int64_t>(magnitude);
    return true;
}

[[noreturn]] void ThrowNotAnInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
    int64_t wide = 0;
    if (!ParseInteger(text, 32, wide))
        return false;
    value = static_cast<int32_t>(wide);
    return true;
}

bool TryStrToInt64(std::string_view text, int64_t& value) {
    return ParseInteger(text, 64, value);
}

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        ThrowNotAnInteger(text);
    return value;
}

int64_t StrToInt64(std::string_view text) {
    int64_t value = 0;
    if (!TryStrToInt64(text, value))
        ThrowNotAnInteger(text);
    return value;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

int64_t StrToInt64Def(std::string_view text, int64_t fallback) {
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : fallback;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(uint64_t value, int digits) {
    static const char hexDigits[] = "0123456789ABCDEF";
    std::string result;
    do {
        result.insert(result.begin(), hexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(result.size()) < digits)
        result.insert(0, static_cast<size_t>(digits) - result.size(), '0');
    return result;
}
