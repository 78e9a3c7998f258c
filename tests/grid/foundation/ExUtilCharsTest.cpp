#include "grid/foundation/ExUtil.h"
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

namespace {

// The grid walks characters with the platform's codec, so both read damaged text alike.
TEST(ExUtilChars, CodePointsAreReadAsThePlatformReadsThem) {
    struct Case {
        const char* Description;
        std::string Bytes;
        std::u32string Characters;
    };
    const std::vector<Case> cases = {
        {"well-formed", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"a\u00E9\u20AC\U0001F600"},
        {"overlong NUL", "\xC0\x80", U"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"truncated",
         "\xE2\x82"
         "A\xF0\x9F",
         U"\uFFFDA\uFFFD"},
        {"truncated at the end", "a\xC3", U"a\uFFFD"},
        {"continuation byte alone", "\x80z", U"\uFFFDz"},
        {"overlong three bytes", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"largest character", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCodePoints(c.Bytes), c.Characters) << c.Description;
        EXPECT_EQ(Utf8ToCodePoints(c.Bytes), Utf8ToUtf32(c.Bytes)) << c.Description;
    }
}

TEST(ExUtilChars, CodePointsThatAreNoCharactersAreWrittenAsReplacement) {
    const std::u32string text = {U'a', 0xD800, 0x110000, U'b'};
    EXPECT_EQ(CodePointsToUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBD"
                                      "b");
    // Upper-casing damaged text gives well-formed text back.
    EXPECT_EQ(UpperCaseFull("\xC0\x80x"), "\xEF\xBF\xBD\xEF\xBF\xBDX");
}

} // namespace
