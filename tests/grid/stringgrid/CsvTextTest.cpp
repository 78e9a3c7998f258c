// CSV fields and records, without a grid.
#include "grid/stringgrid/CsvText.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(CsvField, QuotesWhatWouldOtherwiseBreakTheRecord) {
    struct Case {
        const char* Text;
        TCsvOptions Options;
        const char* Field;
    };
    const TCsvOptions plain;
    TCsvOptions always;
    always.AlwaysQuotes = true;
    TCsvOptions bare;
    bare.QuoteEmptyCells = false;
    TCsvOptions java;
    java.JavaCSV = true;
    const Case cases[] = {
        {"a", plain, "a"},
        {"b,c", plain, "\"b,c\""},
        {"d\"e", plain, "\"d\"\"e\""},
        {"x\r\ny", plain, "\"x\r\ny\""},
        {"x\ny", plain, "\"x\ny\""},
        {"x\ry", plain, "\"x\ry\""},
        {" lead", plain, "\" lead\""},
        {"", plain, "\"\""},
        {"", bare, ""},
        {"", always, "\"\""},
        {"a", always, "\"a\""},
        {"", java, "^"},
        {"x\r\ny\nz", java, "\"x\r\ny\nz\""}, // line breaks quoted as in any CSV
        {"a~b", java, "\"a~b\""},             // quoted, so no reader takes it for a break
        {"^", java, "\"^\""},
        {"p,q", java, "\"p,q\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvField(c.Text, c.Options), c.Field) << c.Text;
}

// The test looks at texts eight bytes at a time: a special byte is found wherever it stands in
// texts of any length, and bytes that merely combine into one are no special byte.
TEST(CsvField, FindsASpecialByteAtEveryPlaceOfEveryLength) {
    const TCsvOptions options;
    for (std::size_t length = 1; length <= 20; ++length) {
        std::string plain;
        for (std::size_t i = 0; i < length; ++i)
            plain += "($"[i % 2]; // '(' | '$' would be ','
        EXPECT_EQ(CsvField(plain, options), plain) << length;
        for (std::size_t at = 0; at < length; ++at) {
            for (char special : {',', '"', '\r', '\n', '\x0b'}) {
                std::string text = plain;
                text[at] = special;
                EXPECT_EQ(CsvField(text, options).front(), '"')
                    << "length " << length << " at " << at << " byte " << int(special);
            }
        }
    }
}

TEST(CsvDelimiter, PicksTheCandidateBothLinesAgreeOn) {
    struct Case {
        const char* First;
        const char* Second;
        char Delimiter;
    };
    const Case cases[] = {
        {"a;b;c", "1;2;3", ';'},
        {"a,b;c", "1,2;3", ','}, // equal counts: the earlier candidate stays
        {"a|b|c", "", '|'},      // one line: the largest count wins
        {"a\tb", "1\t2", '\t'},
        {"a,,b;c;d", "1,,2;3;4", ';'}, // doubled commas around an empty field do not count
        {"plain", "text", '\0'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectCsvDelimiter(c.First, c.Second), c.Delimiter) << c.First;
}

TEST(CsvRecords, RoundTripEveryHardText) {
    const std::vector<std::string> texts = {"plain",
                                            "",
                                            "b,c",
                                            "d\"e",
                                            "\"\"",
                                            "x\r\ny",
                                            "bare\nlf",
                                            "bare\rcr",
                                            "tab\there",
                                            "Grüße, 東京",
                                            " lead",
                                            "trail ",
                                            "^",
                                            "~",
                                            std::string("nul\0x", 5),
                                            "\x0b",
                                            "an unquoted field longer than a few words"};
    for (bool java : {false, true}) {
        for (char delimiter : {',', ';', '\t'}) {
            TCsvOptions options;
            options.Delimiter = delimiter;
            options.JavaCSV = java;
            std::string text;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                text += (i ? std::string(1, delimiter) : "") + CsvField(texts[i], options);
            }
            text += "\r\nnext\r\n";
            const std::vector<TCsvRecord> records = ParseCsv(text, options);
            ASSERT_EQ(records.size(), 2u);
            ASSERT_EQ(records[0].size(), texts.size());
            for (std::size_t i = 0; i < texts.size(); ++i)
                EXPECT_EQ(records[0][i], texts[i]) << "java " << java << " field " << i;
            EXPECT_EQ(records[1], TCsvRecord{"next"});
        }
    }
}

// Java files of older versions held line breaks as "~" outside quotes: they still read so.
TEST(CsvRecords, OlderJavaFilesKeepTheirLineBreakMarks) {
    TCsvOptions java;
    java.JavaCSV = true;
    const std::vector<TCsvRecord> records = ParseCsv("x~y~z,^,\"a~b\",\"multi\r\nline\"\r\n", java);
    EXPECT_EQ(records, (std::vector<TCsvRecord>{{"x\r\ny\r\nz", "", "a~b", "multi\r\nline"}}));
}

TEST(CsvRecords, ReadsLinesAsTheyComeFromOtherPrograms) {
    struct Case {
        const char* Text;
        std::vector<TCsvRecord> Records;
    };
    const Case cases[] = {
        {"a,b,\r\n", {{"a", "b"}}},                          // a trailing delimiter adds no field
        {"  \"q\",x", {{"q", "x"}}},                         // blanks before a quote are layout
        {" lead,  , x ,  ", {{" lead", "  ", " x ", "  "}}}, // unquoted fields keep their blanks
        {"\"q\"junk,x", {{"q", "x"}}}, // text after the closing quote is dropped
        {"a\nb\rc\r\nd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"\"multi\r\nline\",z\n", {{"multi\r\nline", "z"}}},
        {"\r\n", {{}}},
        {"old\x0bstyle,y", {{"old\r\nstyle", "y"}}},
    };
    TCsvOptions options;
    for (const Case& c : cases)
        EXPECT_EQ(ParseCsv(c.Text, options), c.Records) << c.Text;
}

TEST(CsvRecords, RefusesAnUnclosedQuote) {
    TCsvOptions options;
    for (const char* text : {"\"open", "a,\"b\r\nc,d", "\"x\"\"", "\""})
        EXPECT_THROW(ParseCsv(text, options), Exception) << text;
}

// The quick count of quote-free texts and the full split agree on the shape of every text.
TEST(CsvRecords, MeasureAgreesWithTheSplit) {
    std::vector<std::string> texts = {
        "a,b,\r\n", "a, ,\r\nb",       "  \"q\",x",      "a\nb\rc\r\nd", "\r\n\r\n",
        "one",      "x,,,\r\n,,\r\n ", "\"m\r\nl\",z\n", "tail,  \r\nz", "a\tb\tc\r\n1"};
    // Lines are read eight bytes at a time: a delimiter, a line break or a trailing blank field
    // at every place of lines longer than a word.
    for (std::size_t at = 0; at < 19; ++at) {
        for (const char* mark : {",", "\r\n", "\r", "\n", ", ", "\t"}) {
            std::string text = "field one\tfield two,three";
            texts.push_back(text.insert(at, mark));
        }
    }
    for (char delimiter : {',', '\t', '\0'}) {
        TCsvOptions options;
        options.Delimiter = delimiter;
        for (const std::string& text : texts) {
            const std::vector<TCsvRecord> records = ParseCsv(text, options);
            size_t widest = 0;
            for (const TCsvRecord& record : records)
                widest = std::max(widest, record.size());
            const TCsvShape shape = MeasureCsv(text, options);
            EXPECT_EQ(shape.Records, records.size()) << text;
            EXPECT_EQ(shape.WidestRecord, widest) << text;
        }
    }
    TCsvOptions options;
    EXPECT_THROW(MeasureCsv("a,\"open\r\nb", options), Exception);
}

} // namespace
