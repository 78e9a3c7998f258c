// The text grid file and stream and fixed-width text of the string grid.
#include "ExGridTestGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/TextGridLines.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

const std::vector<std::string> HardTexts = {"a",
                                            "",
                                            "b,c",
                                            "d\"e",
                                            "x\r\ny",
                                            "bare\nlf",
                                            "bare\rcr",
                                            "tab\there",
                                            "Grüße",
                                            "\x08\x01",
                                            "\x01\tmix\r",
                                            "trail\r\n",
                                            std::string("nul\0x", 5),
                                            "cw 1,5",
                                            "3,4,five"};

class ExGridTextFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/exgridtextXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string File(const char* name) const { return Folder + "/" + name; }

    static void Fill(TExStringGrid& grid) {
        grid.SetColCount(5);
        grid.SetRowCount(3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 5; ++c)
                grid.SetCells(c, r, HardTexts[(r * 5 + c) % HardTexts.size()]);
    }
    static void ExpectSameCells(TExStringGrid& target, TExStringGrid& source) {
        ASSERT_EQ(target.ColCount(), source.ColCount());
        ASSERT_EQ(target.RowCount(), source.RowCount());
        for (int r = 0; r < source.RowCount(); ++r)
            for (int c = 0; c < source.ColCount(); ++c)
                EXPECT_EQ(target.Cells(c, r), source.Cells(c, r)) << c << "," << r;
    }

    std::string Folder;
};

TEST(TextGridLines, EveryTextRoundTripsOnOneLine) {
    for (const std::string& text : HardTexts) {
        const std::string line = EncodeCellLine(text);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << text;
        EXPECT_EQ(DecodeCellLine(line), text) << text;
    }
    // Files of older versions: CR as 9, LF as 8, NUL as 1, known by the 8.
    EXPECT_EQ(DecodeCellLine("one\x09\x08two\x01"), std::string("one\r\ntwo\0", 9));
    EXPECT_EQ(DecodeCellLine("a\tb"), "a\tb");
}

TEST_F(ExGridTextFile, FileRoundTripsEveryTextInBothEncodings) {
    TTestExGrid source(nullptr);
    Fill(source);
    // ANSI cannot hold it: that file goes out as UTF-8 with a mark instead, and loses nothing.
    source.SetCells(4, 2, "東京");
    source.SetColWidths(3, 77);
    for (bool unicode : {true, false}) {
        source.SaveToFile(File("grid.txt"), unicode);
        TTestExGrid target(nullptr);
        target.LoadFromFile(File("grid.txt"));
        ExpectSameCells(target, source);
        EXPECT_EQ(target.ColWidths(3), 77);
    }
}

TEST_F(ExGridTextFile, FileSkipsCellsOutsideTheGridAndRefusesCorruptFiles) {
    WriteFileAtomic(File("seven.txt"), "5,2\r\ncw 1,40\r\n7,0,far\r\n1,1,near\r\n");
    TTestExGrid grid(nullptr);
    grid.LoadFromFile(File("seven.txt"));
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Cells(1, 1), "near");
    EXPECT_EQ(grid.ColWidths(1), 40);

    struct Case {
        const char* Why;
        std::string Content;
    };
    const Case cases[] = {{"empty", ""},
                          {"no columns", "0,3\r\n0,0,x\r\n"},
                          {"absurd size", "5,99999999999\r\n"},
                          {"absurd width", "2,2\r\ncw 1,9999999\r\n"}};
    for (const Case& c : cases) {
        WriteFileAtomic(File("bad.txt"), c.Content);
        const auto before = grid.Cells(1, 1);
        try {
            grid.LoadFromFile(File("bad.txt"));
            ADD_FAILURE() << c.Why;
        } catch (const ROvoVariRodev& error) {
            EXPECT_EQ(error.Message, "File contains no data or corrupt file " + File("bad.txt"));
        }
        EXPECT_EQ(grid.ColCount(), 5) << c.Why;
        EXPECT_EQ(grid.ColWidths(1), 40) << c.Why;
        EXPECT_EQ(grid.Cells(1, 1), before) << c.Why;
    }
}

TEST_F(ExGridTextFile, StreamRoundTripsAndStopsBeforeOtherData) {
    TTestExGrid source(nullptr);
    Fill(source);
    std::string stream = "head";
    source.SaveToStream(stream);
    const std::string after = std::string("t\0a\0i\0l\0", 8); // "tail" in UTF-16, no comma
    stream += after;

    TTestExGrid target(nullptr);
    size_t position = 4;
    target.LoadFromStream(stream, position);
    ExpectSameCells(target, source);
    EXPECT_EQ(stream.substr(position), after);
}

TEST_F(ExGridTextFile, StreamRefusesDamageAndChangesNothing) {
    auto utf16 = [](std::string_view text) {
        std::string out;
        for (char c : text) {
            out += c;
            out += '\0';
        }
        return out;
    };
    const char* cases[] = {"2,2\r\nx,1,a\r\n", "2,2\r\ncw 9,10\r\n", "2,2\r\n5,0,out\r\n",
                           "2,two\r\n"};
    for (const char* text : cases) {
        TTestExGrid grid(nullptr);
        grid.SetColCount(3);
        grid.SetCells(0, 0, "keep");
        size_t position = 0;
        EXPECT_THROW(grid.LoadFromStream(utf16(text), position), Exception) << text;
        EXPECT_EQ(grid.ColCount(), 3) << text;
        EXPECT_EQ(grid.Cells(0, 0), "keep") << text;
        EXPECT_EQ(position, 0u) << text;
    }
}

TEST_F(ExGridTextFile, FixedWidthPadsCutsAndReadsBack) {
    TTestExGrid source(nullptr);
    source.SetColCount(3);
    source.SetRowCount(2);
    source.SetCells(0, 0, "alpha");
    source.SetCells(1, 0, "Grüße");
    source.SetCells(2, 0, "cut here");
    source.SetCells(0, 1, "b");
    source.SetCells(2, 1, "x\r\nsecond");
    TIntList widths(0, 0);
    widths.Add(7);
    widths.Add(6);
    widths.Add(3);
    source.SaveToFixed(File("fixed.txt"), &widths);
    EXPECT_EQ(ReadFileBytes(File("fixed.txt")), "alpha  Gr\xFC\xDF"
                                                "e cut\r\nb            x  \r\n");

    TIntList starts(0, 0);
    for (int start : {14, 1, 8, 17})
        starts.Add(start);
    TTestExGrid target(nullptr);
    target.LoadFromFixed(File("fixed.txt"), &starts, true, -1);
    EXPECT_EQ(starts.StrValue(), "1,8,14,17");
    EXPECT_EQ(target.ColCount(), target.FixedCols() + 3);
    EXPECT_EQ(target.Cells(0, 0), "alpha");
    EXPECT_EQ(target.Cells(1, 0), "Grüße");
    EXPECT_EQ(target.Cells(2, 0), "cut");
    EXPECT_EQ(target.Cells(2, 1), "x");

    TTestExGrid one(nullptr);
    one.LoadFromFixed(File("fixed.txt"), &starts, true, 0);
    EXPECT_EQ(one.Cells(0, 0), "alpha");
    EXPECT_EQ(one.Cells(0, 1), "");
    EXPECT_THROW(one.LoadFromFixed(File("missing.txt"), &starts, true, -1), ROvoVariRodev);
}

TEST_F(ExGridTextFile, FixedWidthMeasuresColumnsWithoutWidths) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(0, 0, "abc");
    grid.SetCells(0, 1, "abcdef");
    grid.SetCells(1, 1, "é");
    TIntList widths(0, 0);
    grid.SaveToFixed(File("measured.txt"), &widths);
    EXPECT_EQ(widths.StrValue(), "7,2");
}

} // namespace
