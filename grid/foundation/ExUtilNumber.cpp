#include "grid/foundation/ExUtil.h"

#include "platform/core/CodePage.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Text.h"

int GetTextKind(std::string_view Text, bool AllowHTML) {
    if (Text.empty())
        return tkPlain;
    // The marks are ASCII, so the leading bytes tell them apart: savers ask this for every
    // cell, and only a packed text is decoded (its fourth and fifth characters decide).
    if (Text[0] == '=')
        return tkFormula;
    if (Text.size() > 1 && Text[1] == '\\') {
        if (Text[0] == '{')
            return tkRTF;
        if (Text[0] == '|') {
            const std::u32string chars = Utf8ToCodePoints(Text.substr(0, 24));
            // A packed text whose first unit is '=' and whose second unit lies below 256.
            if (chars.size() > 4 && chars[3] == U'=' && chars[4] == 0)
                return tkFormula;
            return tkPackedWide;
        }
    }
    if (AllowHTML) {
        // One of the tags "</", "<B", "<I" or "<C"; cells are short, so a plain loop.
        for (std::size_t at = 0; at + 1 < Text.size(); ++at) {
            if (Text[at] != '<')
                continue;
            const char next = Text[at + 1];
            if (next == '/' || next == 'B' || next == 'I' || next == 'C')
                return tkHTML;
        }
    }
    return tkPlain;
}

int GetNumberKind(std::string_view Text) {
    if (Text.empty())
        return nkNone;
    TFormatSettings settings = CurrentFormatSettings();
    char32_t thousand = SeparatorChar(settings.ThousandSeparator);
    char32_t decimal = SeparatorChar(settings.DecimalSeparator);
    std::u32string chars = Utf8ToCodePoints(Text);

    bool integer = true;
    bool isFloat = true;
    bool exponent = true;
    int lastThousand = 0;
    int decimals = 0;
    int minuses = 0;
    int exponents = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t ch = chars[i];
        int pos = static_cast<int>(i) + 1;
        bool digit = IsDigitChar(ch);
        bool isE = ch == U'e' || ch == U'E';
        if (ch == U'-')
            ++minuses;
        if (ch == decimal)
            ++decimals;
        if (isE) {
            ++exponents;
            if (pos == 1)
                exponent = false;
        }
        if (!(digit || ch == U'-') || (ch == U'-' && pos != 1))
            integer = false;
        if (ch == thousand) {
            if (lastThousand > 0 && pos - lastThousand < 4)
                isFloat = false;
            lastThousand = pos;
        }
        if (!(digit || ch == U'-' || ch == thousand || ch == decimal) || (ch == U'-' && pos != 1))
            isFloat = false;
        if (!(digit || ch == decimal || isE || ch == U'+' || ch == U'-'))
            exponent = false;
    }
    char32_t last = chars.back();
    if (exponents != 1 || last == U'e' || last == U'E' || last == U'+' || last == U'-')
        exponent = false;

    int kind = nkNone;
    int allowedMinuses = 1;
    if (integer) {
        kind = nkInteger;
    } else if (isFloat && exponents == 0) {
        kind = nkFloat;
    } else if (exponent) {
        kind = nkExponent;
        allowedMinuses = 2;
    }
    if (minuses > allowedMinuses || decimals > 1)
        return nkNone;
    return kind;
}

std::string NormalizeNumber(std::string_view Text) {
    if (Text.empty())
        return {};
    TFormatSettings settings = CurrentFormatSettings();
    char32_t thousand = SeparatorChar(settings.ThousandSeparator);
    char32_t decimal = SeparatorChar(settings.DecimalSeparator);
    std::u32string chars = Utf8ToCodePoints(Trim(Text));

    bool negative = !chars.empty() && chars.front() == U'(' && chars.back() == U')';
    auto startsNumber = [&](char32_t ch) {
        return IsDigitChar(ch) || ch == thousand || ch == decimal || ch == U'e' || ch == U'E';
    };
    size_t start = 0;
    while (chars.size() - start >= 2 && !startsNumber(chars[start])) {
        if (chars[start] == U'-')
            negative = true;
        ++start;
    }
    std::u32string result;
    for (size_t i = start; i < chars.size(); ++i) {
        char32_t ch = chars[i];
        if (ch == thousand)
            continue;
        if (ch == decimal)
            result += U'.';
        else if (IsDigitChar(ch) || ch == U'-' || ch == U'.' || ch == U'e' || ch == U'E' ||
                 ch == U'+')
            result += ch;
        else
            break;
    }
    if (negative)
        result.insert(result.begin(), U'-');
    return CodePointsToUtf8(result);
}

std::string PackWideText(std::u16string_view Wide) {
    std::u32string packed = U"|\\";
    for (char16_t unit : Wide) {
        packed += static_cast<char32_t>(unit >> 8);
        packed += static_cast<char32_t>(unit & 0xFF);
    }
    return CodePointsToUtf8(packed);
}

std::u16string UnpackWideText(std::string_view Text) {
    std::u32string chars = Utf8ToCodePoints(Text);
    if (chars.size() < 2 || chars[0] != U'|' || chars[1] != U'\\')
        return Utf8ToUtf16(Text);
    std::u16string wide;
    for (size_t i = 2; i + 1 < chars.size(); i += 2)
        wide += static_cast<char16_t>(((chars[i] & 0xFF) << 8) | (chars[i + 1] & 0xFF));
    return wide;
}
