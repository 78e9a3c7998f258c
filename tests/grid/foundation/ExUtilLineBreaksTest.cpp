#include "grid/foundation/ExUtil.h"

#include <gtest/gtest.h>

#include <functional>

TEST(ExUtilLineBreaks, EncodersAndDecoders) {
    using Coder = std::function<std::string(std::string_view)>;
    struct Case {
        const char* Name;
        Coder Code;
        std::string Text;
        std::string Expected;
    };
    const std::string nul(1, '\0');
    const std::vector<Case> cases = {
        {"EscapeNewLines", EscapeNewLines, "a\r\nb", "a\\nb"},
        {"UnescapeNewLines", UnescapeNewLines, "a\\nb", "a\rb"},
        {"CRToBreakTags", CRToBreakTags, "a\r\nb", "a<br>\nb"},
        {"QuoteMultiLineField", QuoteMultiLineField, "a\r\nb",
         "\"a\x0B"
         "b\""},
        {"VTToCRLF", VTToCRLF,
         "a\x0B"
         "b",
         "a\r\nb"},
        {"LineBreaksToTilde", LineBreaksToTilde, "a\r\nb", "a~b"},
        {"TildeToLineBreaks", TildeToLineBreaks, "a~b", "a\r\nb"},
        {"TildeToLineBreaks caret", TildeToLineBreaks, "^", ""},
        {"EncodeLineBreaks", EncodeLineBreaks, "a\r\nb" + nul,
         "a\x09\x08"
         "b\x01"},
        {"EncodeLineBreaks without CR", EncodeLineBreaks, "a\nb", "a\nb"},
        {"CRLFToLF", CRLFToLF, "a\r\nb\rc", "a\nb\rc"},
        {"RemoveCR", RemoveCR, "a\r\nb\rc", "a\nbc"},
        {"CRToLF", CRToLF, "a\r\nb", "a\n\nb"},
        {"DoubleQuotes", DoubleQuotes, "say \"hi\"", "say \"\"hi\"\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Code(c.Text), c.Expected) << c.Name;
}

TEST(ExUtilLineBreaks, DecodeLineBreaksOnlyForEncodedText) {
    const std::string encoded = EncodeLineBreaks("one\r\ntwo");
    EXPECT_EQ(DecodeLineBreaks(encoded, true), "one\r\ntwo");
    EXPECT_EQ(DecodeLineBreaks(encoded, false), "one");
    // Without character 8 the text was never encoded: tabs stay tabs.
    EXPECT_EQ(DecodeLineBreaks("a\tb", true), "a\tb");
}

TEST(ExUtilLineBreaks, QuoteScanning) {
    struct Case {
        const char* Text;
        int Closing;
    };
    const std::vector<Case> cases = {
        {"ab\"\"cd\"x", 7}, {"abc\"", 4}, {"abc", 0}, {"a\"\"b", 0}, {"a\"b\"", 2}, {"", 0},
    };
    for (const Case& c : cases) {
        int pos = -1;
        EXPECT_EQ(FindClosingQuote('"', c.Text, pos), c.Closing) << c.Text;
        EXPECT_EQ(pos, c.Closing) << c.Text;
    }
    EXPECT_EQ(CountClosingQuotes('"', "a\"b\"c\"\"d"), 2);
    EXPECT_EQ(UndoubleChar('"', "a\"\"b\"\"\"\"c"), "a\"b\"\"c");
    EXPECT_EQ(UndoubleChar('"', "plain"), "plain");
}
