#include "grid/foundation/GridDragBlocks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace std::string_literals;

TEST(GridDragBlocks, CellsBlockIsCountFourZeroBytesAndTheStream) {
    const std::optional<std::string> block = GridCellsBlock(std::string(100, 'c'));
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 108u);
    EXPECT_EQ(block->substr(0, 8), "\x64\0\0\0\0\0\0\0"s);
    EXPECT_EQ(ReadGridCellsBlock(*block), std::string(100, 'c'));
    EXPECT_EQ(ReadGridCellsBlock(*GridCellsBlock("")), "");
}

TEST(GridDragBlocks, CellsReaderRefusesCountsTheBlockDoesNotHold) {
    struct Case {
        const char* Name;
        std::string Block;
        std::optional<std::string> Stream;
    };
    const Case cases[] = {
        {"empty block", ""s, std::nullopt},
        {"header cut short", "\x02\0\0\0\0\0\0"s, std::nullopt},
        {"count one past the end", "\x03\0\0\0\0\0\0\0ab"s, std::nullopt},
        {"count of 2^32 - 1", "\xFF\xFF\xFF\xFF\0\0\0\0ab"s, std::nullopt},
        {"count's high half set", "\x02\0\0\0\x01\0\0\0ab"s, std::nullopt},
        {"count that fits exactly", "\x02\0\0\0\0\0\0\0ab"s, "ab"s},
        {"padding after the stream is left out", "\x01\0\0\0\0\0\0\0a\0\0\0"s, "a"s},
        {"zero count", "\0\0\0\0\0\0\0\0xyz"s, ""s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadGridCellsBlock(c.Block), c.Stream) << c.Name;
}

TEST(GridDragBlocks, ColumnBlockIsOneLittleEndianInteger) {
    EXPECT_EQ(GridColumnBlock(0x0102), "\x02\x01\0\0"s);
    struct Case {
        std::string Block;
        int Column;
    };
    const Case cases[] = {
        {GridColumnBlock(7), 7},
        {GridColumnBlock(-1), -1},
        {"\x05\0\0\0trailing"s, 5},
        {"\x05\0\0"s, -1},
        {""s, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadGridColumnBlock(c.Block), c.Column) << c.Block.size() << " bytes";
}
