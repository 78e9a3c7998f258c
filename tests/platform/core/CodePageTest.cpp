#include "platform/core/CodePage.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace {

struct CodePageCase {
    std::string Utf8;
    std::string Ansi;
};

TEST(CodePage, RoundTripsEveryCharacterOfWindows1252) {
    const std::vector<CodePageCase> cases = {
        {"", ""},
        {"plain ASCII", "plain ASCII"},
        {"caf\xC3\xA9", "caf\xE9"},               // é
        {"\xE2\x82\xAC 5", "\x80 5"},             // €
        {"\xC2\xB6text\xC2\xB6", "\xB6text\xB6"}, // pilcrows
        {"\xC5\x93\xE2\x80\x9C", "\x9C\x93"},     // œ and a left double quote
    };
    for (const CodePageCase& c : cases) {
        EXPECT_EQ(Utf8ToAnsi(c.Utf8), c.Ansi) << c.Utf8;
        EXPECT_EQ(AnsiToUtf8(c.Ansi), c.Utf8) << c.Utf8;
    }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\xCE\xA9"
                         "b"),
              "a?b");                                            // Greek omega
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD\xF0\x9F\x98\x80"), "??"); // CJK, emoji
    EXPECT_EQ(Utf8ToAnsi("x\xFFy"), "x?y");                      // a byte that is no UTF-8
    EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");                          // a truncated sequence
}

TEST(CodePage, UndefinedBytesAreKeptAsControlCharacters) {
    const std::string undefinedBytes = "\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(AnsiToUtf8("\x81\x8D"), "\xC2\x81\xC2\x8D");
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(undefinedBytes)), undefinedBytes);
    EXPECT_EQ(Utf8ToAnsi("\xC2\x80"), "?"); // other C1 controls have no byte of their own
}

TEST(Utf16, ConvertsBothWaysIncludingSurrogatePairs) {
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    const std::u16string utf16 = u"A\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Utf8ToUtf16(utf8).size(), 5u);
}

TEST(Utf16, DamagedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    // Each maximal ill-formed part is one U+FFFD: an overlong form, an encoded surrogate and a
    // value above U+10FFFF break at their first impossible byte.
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"
                          "A"),
              u"\uFFFDA"); // truncated
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"
                         "x\xE2\x82"),
              "???x?");
}

// Encodings by their declared names: what an encoding holds goes there and back; what it lacks
// is written as the substitute's text, itself in that encoding; what it does not define reads
// as U+FFFD.
TEST(CodePage, NamedEncodingsWriteAndReadTheirCharacters) {
    const auto reference = [](char32_t c) { return "&#" + std::to_string(c) + ";"; };
    const struct {
        const char* Encoding;
        std::string Utf8;
        std::string Bytes;
    } cases[] = {
        {"ISO-8859-15", "\xE2\x82\xAC \xC2\xA4",
         "\xA4 &#164;"}, // the euro took the currency sign's place
        {"windows-1252",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE6\x9D\xB1",
         "Gr\xFC\xDF"
         "e &#26481;"},
        {"US-ASCII", "\xC3\xBC!", "&#252;!"},
        {"UTF-16", "a\xE2\x82\xAC",
         std::string("\xFF\xFE"
                     "a\0\xAC\x20",
                     6)},
        {"ISO-8859-1", "caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 &#8364;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToEncoding(c.Utf8, c.Encoding, reference), c.Bytes) << c.Encoding;
        EXPECT_TRUE(IsKnownEncoding(c.Encoding)) << c.Encoding;
    }
    EXPECT_EQ(EncodingToUtf8("\xA4\xBC", "ISO-8859-15"), "\xE2\x82\xAC\xC5\x92");
    EXPECT_EQ(EncodingToUtf8("a\xFCz", "US-ASCII"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(EncodingToUtf8(std::string("\xFF\xFE"
                                         "a\0\xAC\x20",
                                         6),
                             "UTF-16"),
              "a\xE2\x82\xAC");
    EXPECT_FALSE(IsKnownEncoding("x-no-such-encoding"));
    EXPECT_THROW(Utf8ToEncoding("a", "x-no-such-encoding", reference), Exception);
    EXPECT_THROW(EncodingToUtf8("a", "x-no-such-encoding"), Exception);
    for (const char* name : {"UTF-8", "utf8", "Utf-8"})
        EXPECT_TRUE(IsUtf8EncodingName(name)) << name;
    EXPECT_FALSE(IsUtf8EncodingName("UTF-16"));
}

} // namespace
