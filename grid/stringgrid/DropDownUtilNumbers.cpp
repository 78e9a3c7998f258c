#include "grid/stringgrid/DropDownUtil.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/FormatSettings.h"

#include <cstdint>

char32_t DropDownThousandSeparator() {
    return SeparatorChar(CurrentFormatSettings().ThousandSeparator);
}

char32_t DropDownDecimalSeparator() {
    return SeparatorChar(CurrentFormatSettings().DecimalSeparator);
}

bool IsRangeSeparatorChar(char32_t C) {
    return C == U',' || C == U'-' || C == U';';
}

namespace {
bool IsAsciiDigit(char32_t C) {
    return C >= U'0' && C <= U'9';
}
bool IsHexLetter(char32_t C) {
    return (C >= U'A' && C <= U'F') || (C >= U'a' && C <= U'f');
}
} // namespace

uint8_t ClassifyNumberText(std::string_view Text) {
    if (Text.empty())
        return ntOther;
    const char32_t thousand = DropDownThousandSeparator();
    const char32_t decimal = DropDownDecimalSeparator();
    bool hex = true;
    bool integer = true;
    bool decimalNumber = true;
    int minusSigns = 0;
    int decimalSeparators = 0;
    // 1-based position of the last thousand separator; 0 while there was none.
    size_t lastThousand = 0;
    size_t position = 0;
    for (char32_t c : Utf8ToCodePoints(Text)) {
        ++position;
        const bool digit = IsAsciiDigit(c);
        if (c == U'-')
            ++minusSigns;
        if (c == decimal)
            ++decimalSeparators;
        hex = hex && (c == U'-' || digit || IsHexLetter(c));
        integer = integer && (c == U'-' || digit);
        decimalNumber = decimalNumber && (digit || c == U',' || c == U'-' || c == U'.');
        if (c == thousand) {
            const bool misplaced = lastThousand == 0 ? position == 1 : position - lastThousand <= 2;
            if (misplaced)
                decimalNumber = false;
            lastThousand = position;
        }
    }
    if (minusSigns > 1 || decimalSeparators > 1)
        return ntOther;
    if (integer)
        return ntInteger;
    if (decimalNumber)
        return ntDecimal;
    return hex ? ntHex : ntOther;
}

std::string RemoveThousandSeparators(std::string_view Text) {
    const std::string separator = CurrentFormatSettings().ThousandSeparator;
    std::string result(Text);
    if (separator.empty())
        return result;
    for (size_t at = result.find(separator); at != std::string::npos;
         at = result.find(separator, at))
        result.erase(at, separator.size());
    return result;
}

int HexDigitValue(char32_t C) {
    if (IsAsciiDigit(C))
        return static_cast<int>(C - U'0');
    if (C >= U'A' && C <= U'F')
        return static_cast<int>(C - U'A') + 10;
    if (C >= U'a' && C <= U'f')
        return static_cast<int>(C - U'a') + 10;
    return 0;
}

int HexTextToInt(std::string_view Text) {
    uint32_t value = 0;
    for (char32_t c : Utf8ToCodePoints(Text))
        value = value * 16u + static_cast<uint32_t>(HexDigitValue(c));
    return static_cast<int32_t>(value);
}

std::string NormalizeCase(std::string_view Text, bool KeepCase) {
    return KeepCase ? std::string(Text) : UpperCaseFull(Text);
}
