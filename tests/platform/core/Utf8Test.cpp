#include "platform/core/Utf8.h"
#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char* Description;
    std::string Bytes;
    std::u32string Characters;
};

// Each maximal subpart of an ill-formed sequence is one U+FFFD; decoding resumes right after it.
const std::vector<DecodeCase>& DecodeCases() {
    static const std::vector<DecodeCase> cases = {
        {"empty", "", U""},
        {"ASCII and NUL", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         U"\u00E9\u20AC\U0001F600"},
        {"last before the surrogates and last of all", "\xED\x9F\xBF\xF4\x8F\xBF\xBF",
         U"\uD7FF\U0010FFFF"},
        {"a well-formed U+FFFD stays one", "\xEF\xBF\xBD", U"\uFFFD"},
        {"overlong NUL", "\xC0\x80", U"\uFFFD\uFFFD"},
        {"overlong slash in three bytes", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"overlong slash in four bytes", "\xF0\x80\x80\xAF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lead byte beyond F4", "\xF5\x80", U"\uFFFD\uFFFD"},
        {"five-byte form", "\xF8\x88\x80\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lone continuation bytes", "\x80\xBF", U"\uFFFD\uFFFD"},
        {"bytes that never occur", "\xFF\xFE", U"\uFFFD\uFFFD"},
        {"truncated two-byte at the end", "\xC2", U"\uFFFD"},
        {"truncated three-byte at the end", "\xE2\x82", U"\uFFFD"},
        {"truncated four-byte at the end", "\xF0\x9F\x98", U"\uFFFD"},
        {"truncated before ASCII",
         "\xE2\x82"
         "A\xF0\x9F\x98"
         "B",
         U"\uFFFDA\uFFFDB"},
        {"truncated sequences in a row",
         "a\xF1\x80\x80\xE1\x80\xC2"
         "b",
         U"a\uFFFD\uFFFD\uFFFDb"},
    };
    return cases;
}

TEST(Utf8, DecodesWellFormedTextAndReplacesEachIllFormedPart) {
    for (const DecodeCase& c : DecodeCases()) {
        EXPECT_EQ(Utf8ToUtf32(c.Bytes), c.Characters) << c.Description;
        // Replacing gives the same characters, each ill-formed part as the three bytes of U+FFFD.
        EXPECT_EQ(ReplaceInvalidUtf8(c.Bytes), Utf32ToUtf8(c.Characters)) << c.Description;
        // The UTF-16 conversion reads the text with the same codec.
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(c.Bytes)), Utf32ToUtf8(c.Characters)) << c.Description;
    }
}

TEST(Utf8, WellFormedTextIsLeftAsItIs) {
    const std::string text = "Fran\xC3\xA7"
                             "ais \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD";
    EXPECT_EQ(ReplaceInvalidUtf8(text), text);
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
}

TEST(Utf8, DecodeCharacterTellsHowManyBytesItTook) {
    struct Case {
        std::string Bytes;
        char32_t Character;
        size_t Length;
    };
    const std::vector<Case> cases = {
        {"", 0, 0},
        {"A\xC3", U'A', 1},
        {"\xE2\x82\xAC!", U'\u20AC', 3},
        {"\xF0\x9F\x98", ReplacementCharacter, 3},
        {"\xED\xA0\x80", ReplacementCharacter, 1},
        {"\xC0\x80", ReplacementCharacter, 1},
    };
    for (const Case& c : cases) {
        char32_t character = 1;
        EXPECT_EQ(DecodeUtf8Character(c.Bytes, character), c.Length) << c.Bytes;
        EXPECT_EQ(character, c.Character) << c.Bytes;
    }
}

TEST(Utf8, EncodingWritesOnlyCharactersUtf8CanHold) {
    EXPECT_EQ(Utf32ToUtf8(U"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF"),
              "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
    const std::u32string notCharacters = {0xD800, 0xDFFF, 0x110000, 0xFFFFFFFF};
    EXPECT_EQ(Utf32ToUtf8(notCharacters), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace
