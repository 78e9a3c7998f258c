#include "grid/foundation/ExUtil.h"

#include <gtest/gtest.h>

TEST(ExUtilChars, DecodesEachByteThatStartsNoCharacterAsReplacement) {
    struct Case {
        const char* Name;
        std::string Text;
        std::u32string Expected;
    };
    const std::vector<Case> cases = {
        {"valid", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"a\u00E9\u20AC\U0001F600"},
        {"truncated at the end", "a\xC3", U"a\uFFFD"},
        {"continuation byte alone", "\x80z", U"\uFFFDz"},
        {"overlong slash", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"largest character", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCodePoints(c.Text), c.Expected) << c.Name;
}

TEST(ExUtilChars, EncodesOnlyCharacters) {
    EXPECT_EQ(CodePointsToUtf8(U"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
    const std::u32string notCharacters = {char32_t(0xD800), char32_t(0x110000)};
    EXPECT_EQ(CodePointsToUtf8(notCharacters), "\xEF\xBF\xBD\xEF\xBF\xBD");
}
