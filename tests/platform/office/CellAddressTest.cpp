// A1 cell addresses in both directions.
#include "platform/office/CellAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(CellAddress, ColumnLettersBothWays) {
    struct Case {
        int Column;
        const char* Letters;
    };
    const Case cases[] = {{1, "A"},     {26, "Z"},      {27, "AA"},     {30, "AD"},
                          {52, "AZ"},   {53, "BA"},     {702, "ZZ"},    {703, "AAA"},
                          {728, "AAZ"}, {16384, "XFD"}, {18278, "ZZZ"}, {18279, "AAAA"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnLetters(c.Column), c.Letters) << c.Column;
        EXPECT_EQ(ColumnNumber(c.Letters), c.Column) << c.Letters;
    }
}

TEST(CellAddress, EveryColumnRoundTrips) {
    for (int column = 1; column <= 20000; ++column)
        ASSERT_EQ(ColumnNumber(ColumnLetters(column)), column);
}

TEST(CellAddress, RefusesWhatIsNoColumn) {
    for (const char* text : {"", "A1", "$A", "Ä", "ZZZZZZZZZZZZZZ"})
        EXPECT_EQ(ColumnNumber(text), -1) << text;
    EXPECT_EQ(ColumnLetters(0), "");
    EXPECT_EQ(ColumnNumber("ad"), 30);
}

TEST(CellAddress, ParsesRangesAndSingleCells) {
    struct Case {
        const char* Address;
        TCellRange Range;
    };
    const Case cases[] = {
        {"$B$3:$D$7", {2, 3, 4, 7}}, {"B3:D7", {2, 3, 4, 7}},     {"$A$1", {1, 1, 1, 1}},
        {"AD12", {30, 12, 30, 12}},  {"A1:AAA2", {1, 1, 703, 2}}, {"$B3:D$7", {2, 3, 4, 7}},
    };
    for (const Case& c : cases) {
        const TCellRange range = ParseRangeAddress(c.Address);
        EXPECT_EQ(range.FirstCol, c.Range.FirstCol) << c.Address;
        EXPECT_EQ(range.FirstRow, c.Range.FirstRow) << c.Address;
        EXPECT_EQ(range.LastCol, c.Range.LastCol) << c.Address;
        EXPECT_EQ(range.LastRow, c.Range.LastRow) << c.Address;
    }
    for (const char* bad :
         {"", "A", "1", "A0", "A1:", ":B2", "A1:B", "A-1", "A1x", "$$A1", "A99999999999999"})
        EXPECT_FALSE(ParseRangeAddress(bad).IsValid()) << bad;
}

TEST(CellAddress, SheetEscapesBothWays) {
    struct Case {
        const char* Text;
        const char* Escaped;
    };
    const Case cases[] = {{"plain", "plain"},
                          {"_x0041_", "_x005F_x0041_"},
                          {"a_x12_b", "a_x12_b"},
                          {"_x00e9__x0041_", "_x005F_x00e9__x005F_x0041_"}};
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeSheetEscapes(c.Text), c.Escaped) << c.Text;
        EXPECT_EQ(DecodeSheetEscapes(c.Escaped), c.Text) << c.Text;
    }
    EXPECT_EQ(DecodeSheetEscapes("_x0001_ _x00E9_ _xD800_"), "\x01 \u00e9 \uFFFD");
}

TEST(CellAddress, WritesRangesPlainAndAbsolute) {
    EXPECT_EQ(RangeAddress({1, 1, 30, 4}), "A1:AD4");
    EXPECT_EQ(RangeAddress({2, 3, 4, 7}, true), "$B$3:$D$7");
    EXPECT_EQ(RangeAddress({1, 1, 1, 1}, true), "$A$1");
}

} // namespace
