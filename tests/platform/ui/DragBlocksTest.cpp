#include "platform/ui/DragBlocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::string Header(uint32_t offset, uint32_t wide) {
    std::string block;
    AppendUInt32(block, offset);
    AppendUInt32(block, 0);
    AppendUInt32(block, 0);
    AppendUInt32(block, 0);
    AppendUInt32(block, wide);
    return block;
}

} // namespace

TEST(DragBlocks, TextBlocksEndWithNulAndReadBack) {
    EXPECT_EQ(AnsiTextBlock("K\xC3\xA4se"), "K\xE4se\0"s);
    EXPECT_EQ(UnicodeTextBlock("a\xE2\x82\xAC"), "a\0\xAC\x20\0\0"s);
    EXPECT_EQ(AnsiTextBlock(""), "\0"s) << "an empty text is a lone NUL";
    EXPECT_EQ(ReadAnsiTextBlock(AnsiTextBlock("K\xC3\xA4se")), "K\xC3\xA4se");
    EXPECT_EQ(ReadUnicodeTextBlock(UnicodeTextBlock("a\xE2\x82\xAC")), "a\xE2\x82\xAC");
}

TEST(DragBlocks, TextReadersStopAtTheFirstNulOrTheBlocksEnd) {
    struct Case {
        const char* Name;
        std::string Block;
        std::string Ansi;
        std::string Unicode;
    };
    const Case cases[] = {
        {"empty block", ""s, "", ""},
        {"no NUL at all", "ab"s, "ab", "\xE6\x89\xA1"},
        {"text after the NUL is not read", "a\0\0\0b\0"s, "a", "a"},
        {"odd last byte of UTF-16 is no character", "a\0b"s, "a", "a"},
        {"leading NUL byte, lone surrogate unit", "\x00\xD8"s, "", "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAnsiTextBlock(c.Block), c.Ansi) << c.Name;
        EXPECT_EQ(ReadUnicodeTextBlock(c.Block), c.Unicode) << c.Name;
    }
}

TEST(DragBlocks, FileDropBlockRoundTripsWideNames) {
    const std::vector<std::string> names = {"/tmp/a.xml", "/home/\xC3\xBC/b c.txt"};
    const std::string block = FileDropBlock(names);
    EXPECT_EQ(ReadUInt32(block, 0), 20u) << "names follow the header";
    EXPECT_EQ(ReadUInt32(block, 16), 1u) << "wide";
    EXPECT_EQ(block.substr(block.size() - 4), "\0\0\0\0"s) << "last name's NUL, then the empty one";

    std::vector<std::string> read = {"stale"};
    ASSERT_TRUE(ReadFileDropBlock(block, read));
    EXPECT_EQ(read, names);
}

TEST(DragBlocks, FileDropReaderKeepsWithinTheBlock) {
    struct Case {
        const char* Name;
        std::string Block;
        std::vector<std::string> Names;
    };
    const Case cases[] = {
        {"shorter than the header", Header(20, 1).substr(0, 19), {}},
        {"offset past the end", Header(1000, 1) + "a\0\0\0"s, {}},
        {"offset at the end", Header(24, 1) + "a\0\0\0"s, {}},
        {"offset inside the header", Header(4, 0) + "a\0\0"s, {}},
        {"offset near 2^32", Header(0xFFFFFFFE, 1) + "a\0\0\0"s, {}},
        {"ANSI names", Header(20, 0) + "a\xE9\0b\0\0"s, {"a\xC3\xA9", "b"}},
        {"odd offset rounds down", Header(21, 0) + "ab\0\0"s, {"ab"}},
        {"list without closing empty name", Header(20, 0) + "a\0b\0"s, {"a", "b"}},
        {"name cut off by the block's end", Header(20, 0) + "a\0bcd"s, {"a"}},
        {"wide name cut off", Header(20, 1) + "a\0\0\0b\0c"s, {"a"}},
        {"empty list", Header(20, 1) + "\0\0"s, {}},
        {"names after the empty one are not read", Header(20, 0) + "\0a\0\0"s, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = {"stale"};
        EXPECT_EQ(ReadFileDropBlock(c.Block, names), !c.Names.empty()) << c.Name;
        EXPECT_EQ(names, c.Names) << c.Name;
    }
}
