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
