#include "platform/core/TextFile.h"
#include "platform/core/Exception.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct BomCase {
    const char* Name;
    std::string Bytes;
};

TEST(ReadTextFile, DecodesByTheByteOrderMarkAndDropsIt) {
    const std::string expected = "STR0 = caf\xC3\xA9\r\n";
    const std::vector<BomCase> cases = {
        {"utf8", "\xEF\xBB\xBFSTR0 = caf\xC3\xA9\r\n"},
        {"utf16le", Utf16Bytes(u"STR0 = caf\u00E9\r\n", false)},
        {"utf16be", Utf16Bytes(u"STR0 = caf\u00E9\r\n", true)},
        {"ansi", "STR0 = caf\xE9\r\n"},
        {"utf8 without mark", "STR0 = caf\xC3\xA9\r\n"},
    };
    TTempFolder folder;
    for (const BomCase& c : cases)
        EXPECT_EQ(ReadTextFile(folder.Write(c.Name, c.Bytes)), expected) << c.Name;
}

TEST(ReadTextFile, EmptyAndBomOnlyFilesAreEmptyText) {
    TTempFolder folder;
    EXPECT_EQ(ReadTextFile(folder.Write("empty", "")), "");
    EXPECT_EQ(ReadTextFile(folder.Write("bom", "\xEF\xBB\xBF")), "");
    EXPECT_EQ(ReadTextFile(folder.Write("odd", std::string("\xFF\xFE"
                                                           "A\0B",
                                                           5))),
              "A\xEF\xBF\xBD");
}

TEST(DecodeText, TextAfterAUtf8MarkIsCheckedLikeAnyOtherUtf8) {
    struct Case {
        const char* Name;
        std::string Bytes;
        std::string Text;
    };
    const std::string bom = "\xEF\xBB\xBF", replacement = "\xEF\xBF\xBD";
    const std::vector<Case> cases = {
        {"overlong NUL",
         bom + "a\xC0\x80"
               "b",
         "a" + replacement + replacement + "b"},
        {"encoded surrogate",
         bom + "a\xED\xA0\x80"
               "b",
         "a" + replacement + replacement + replacement + "b"},
        {"above U+10FFFF",
         bom + "a\xF4\x90\x80\x80"
               "b",
         "a" + replacement + replacement + replacement + replacement + "b"},
        {"truncated at the end", bom + "a\xE2\x82", "a" + replacement},
        {"well-formed", bom + "caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeText(c.Bytes), c.Text) << c.Name;
}

TEST(DecodeText, WithoutAMarkWellFormedUtf8IsUtf8AndAnythingElseWindows1252) {
    struct Case {
        const char* Name;
        std::string Bytes;
        std::string Text;
        TTextEncoding Encoding;
    };
    const std::vector<Case> cases = {
        {"ascii", "Koeln", "Koeln", TTextEncoding::Utf8},
        {"utf8", "J\xC3\xBCrgen,K\xC3\xB6ln", "J\xC3\xBCrgen,K\xC3\xB6ln", TTextEncoding::Utf8},
        {"windows-1252", "J\xFCrgen,K\xF6ln", "J\xC3\xBCrgen,K\xC3\xB6ln", TTextEncoding::Ansi},
        // One byte that no UTF-8 holds makes the whole file Windows-1252.
        {"mixed", "\xC3\xBC \x80", "\xC3\x83\xC2\xBC \xE2\x82\xAC", TTextEncoding::Ansi},
        {"utf8 mark", "\xEF\xBB\xBF\xC3\xBC", "\xC3\xBC", TTextEncoding::Utf8Bom},
        {"utf16 be", std::string("\xFE\xFF\x00\xFC", 4), "\xC3\xBC", TTextEncoding::Utf16LE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeText(c.Bytes), c.Text) << c.Name;
        EXPECT_EQ(TextEncodingOf(c.Bytes), c.Encoding) << c.Name;
    }
}

TEST(EncodeTextWithoutLoss, EveryTextReadsBackAsWritten) {
    // Windows-1252 where it holds the text and reads back the same; UTF-8 with a mark where the
    // code page lacks a character or its bytes would read as UTF-8.
    struct Case {
        const char* Name;
        std::string Text;
        std::string Bytes;
    };
    const std::vector<Case> cases = {
        {"fits", "caf\xC3\xA9", "caf\xE9"},
        {"omega", "\xCE\xA9", "\xEF\xBB\xBF\xCE\xA9"},
        {"looks like utf8", "\xC3\x83\xC2\xBC", "\xEF\xBB\xBF\xC3\x83\xC2\xBC"},
        {"starts like a mark", "\xC3\xAF\xC2\xBB\xC2\xBFx",
         "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx"},
    };
    for (const Case& c : cases) {
        const std::string bytes = EncodeTextWithoutLoss(c.Text, TTextEncoding::Ansi);
        EXPECT_EQ(bytes, c.Bytes) << c.Name;
        EXPECT_EQ(DecodeText(bytes), c.Text) << c.Name;
    }
    EXPECT_EQ(EncodeTextWithoutLoss("\xCE\xA9", TTextEncoding::Utf8), "\xCE\xA9");
}

TEST(ReadTextFile, MissingFileRaisesAFileErrorNamingIt) {
    TTempFolder folder;
    const std::string path = folder.File("absent.lng");
    try {
        ReadTextFile(path);
        FAIL() << "no exception";
    } catch (const EFileError& error) {
        EXPECT_NE(error.Message.find(path), std::string::npos) << error.Message;
    }
}

} // namespace
