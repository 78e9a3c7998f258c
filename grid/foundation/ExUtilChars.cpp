#include "grid/foundation/ExUtil.h"

#include "platform/core/Utf8.h"

std::u32string Utf8ToCodePoints(std::string_view Text) {
    return Utf8ToUtf32(Text);
}

std::string CodePointsToUtf8(std::u32string_view Text) {
    return Utf32ToUtf8(Text);
}

char32_t SeparatorChar(std::string_view Separator) {
    std::u32string chars = Utf8ToCodePoints(Separator);
    return chars.empty() ? U'\0' : chars[0];
}

bool IsDigitChar(char32_t Ch) {
    if (Ch >= U'0' && Ch <= U'9')
        return true;
    if (Ch < 0xB2)
        return false;
    // Superscripts and vulgar fractions of Latin-1.
    if (Ch == 0xB2 || Ch == 0xB3 || Ch == 0xB9 || (Ch >= 0xBC && Ch <= 0xBE))
        return true;
    // Blocks of ten decimal digits in other scripts.
    static constexpr char32_t digitZeros[] = {
        0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6,
        0x0C66, 0x0CE6, 0x0D66, 0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090,
        0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50, 0x1BB0, 0x1C40,
        0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xAA50, 0xABF0, 0xFF10};
    for (char32_t zero : digitZeros)
        if (Ch >= zero && Ch <= zero + 9)
            return true;
    // Superscript and subscript digits, number forms (Roman numerals, fractions), circled and
    // parenthesised numbers.
    return (Ch >= 0x2070 && Ch <= 0x2079 && Ch != 0x2071 && Ch != 0x2072 && Ch != 0x2073) ||
           (Ch >= 0x2080 && Ch <= 0x2089) || (Ch >= 0x2150 && Ch <= 0x2189) ||
           (Ch >= 0x2460 && Ch <= 0x249B) || (Ch >= 0x24EA && Ch <= 0x24FF) ||
           (Ch >= 0x2776 && Ch <= 0x2793);
}

char32_t UpperChar(char32_t Ch) {
    if (Ch >= U'a' && Ch <= U'z')
        return Ch - 32;
    if (Ch < 0xB5)
        return Ch;
    if (Ch == 0xB5)
        return 0x39C;
    if ((Ch >= 0xE0 && Ch <= 0xFE && Ch != 0xF7))
        return Ch - 32;
    if (Ch == 0xFF)
        return 0x178;
    // The dotless i is the lower case of the plain I (the dotted capital has no other case).
    if (Ch == 0x131)
        return U'I';
    // Latin Extended-A pairs upper/lower by odd and even code points.
    if (Ch >= 0x100 && Ch <= 0x17F) {
        bool evenUpper = (Ch < 0x138) || (Ch >= 0x14A && Ch < 0x178);
        if (evenUpper)
            return Ch % 2 == 1 ? Ch - 1 : Ch;
        if (Ch == 0x17F)
            return U'S';
        return Ch % 2 == 0 && Ch != 0x138 && Ch != 0x178 ? Ch - 1 : Ch;
    }
    if (Ch >= 0x3B1 && Ch <= 0x3C9 && Ch != 0x3C2)
        return Ch - 32;
    if (Ch == 0x3C2)
        return 0x3A3;
    if (Ch >= 0x430 && Ch <= 0x44F)
        return Ch - 32;
    if (Ch >= 0x450 && Ch <= 0x45F)
        return Ch - 80;
    return Ch;
}

char32_t LowerChar(char32_t Ch) {
    if (Ch >= U'A' && Ch <= U'Z')
        return Ch + 32;
    if (Ch < 0xC0)
        return Ch;
    if (Ch >= 0xC0 && Ch <= 0xDE && Ch != 0xD7)
        return Ch + 32;
    if (Ch == 0x178)
        return 0xFF;
    if (Ch >= 0x100 && Ch <= 0x17F) {
        bool evenUpper = (Ch < 0x138) || (Ch >= 0x14A && Ch < 0x178);
        if (evenUpper)
            return Ch % 2 == 0 ? Ch + 1 : Ch;
        return Ch % 2 == 1 && Ch != 0x149 && Ch != 0x17F ? Ch + 1 : Ch;
    }
    if (Ch >= 0x391 && Ch <= 0x3A9 && Ch != 0x3A2)
        return Ch + 32;
    if (Ch >= 0x410 && Ch <= 0x42F)
        return Ch + 32;
    if (Ch >= 0x400 && Ch <= 0x40F)
        return Ch + 80;
    return Ch;
}

std::string UpperCaseFull(std::string_view Text) {
    const std::u32string chars = Utf8ToCodePoints(Text);
    std::u32string upper;
    upper.reserve(chars.size());
    for (char32_t ch : chars) {
        // The sharp s (small or capital) is "SS" in capitals, so that "straße" meets "STRASSE".
        if (ch == 0xDF || ch == 0x1E9E)
            upper += U"SS";
        else
            upper += UpperChar(ch);
    }
    return CodePointsToUtf8(upper);
}
