// CSV files of the string grid.
#include "ExGridTestGrid.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class ExGridCsv : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/exgridcsvXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string File(const char* name) const { return Folder + "/" + name; }

    std::string Folder;
};

TEST_F(ExGridCsv, SavesAndLoadsEveryHardText) {
    const std::vector<std::string> texts = {"a",        "b,c",   "d\"e",  "",  "x\r\ny",
                                            "bare\nlf", "Grüße", " lead", "~", "^"};
    TTestExGrid source(nullptr);
    source.SetColCount(static_cast<int>(texts.size()));
    source.SetRowCount(3);
    for (int c = 0; c < source.ColCount(); ++c)
        for (int r = 0; r < source.RowCount(); ++r)
            source.SetCells(c, r, texts[(c + r) % texts.size()]);
    for (const auto& [unicode, java] : {std::pair{true, false}, {false, false}, {true, true}}) {
        source.JavaCSV = java;
        source.SaveToCSV(File("grid.csv"), unicode);
        TTestExGrid target(nullptr);
        target.JavaCSV = java;
        target.LoadFromCSV(File("grid.csv"));
        ASSERT_EQ(target.ColCount(), source.ColCount());
        ASSERT_EQ(target.RowCount(), source.RowCount());
        for (int c = 0; c < source.ColCount(); ++c)
            for (int r = 0; r < source.RowCount(); ++r)
                EXPECT_EQ(target.Cells(c, r), source.Cells(c, r)) << c << "," << r;
    }
}

TEST_F(ExGridCsv, LargeLoadsKeepEveryCellOverExistingRows) {
    // Enough rows for the load to reserve its rows in one block, over a grid whose first rows
    // already hold cells (wider than the file, and with texts the file leaves empty).
    constexpr int Rows = 5000;
    std::string text;
    for (int r = 0; r < Rows; ++r)
        text += std::to_string(r) + ",\"x" + std::string(r % 40, 'y') + "\",z\r\n";
    TTestExGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(3);
    grid.SetCells(5, 1, "kept");
    grid.SetCells(2, 2, "overwritten");
    grid.LoadFromCSVText(text);
    ASSERT_EQ(grid.RowCount(), Rows);
    EXPECT_EQ(grid.Cells(5, 1), "kept");
    for (const int r : {0, 2, 39, 1024, Rows - 1}) {
        EXPECT_EQ(grid.Cells(0, r), std::to_string(r));
        EXPECT_EQ(grid.Cells(1, r), "x" + std::string(r % 40, 'y'));
        EXPECT_EQ(grid.Cells(2, r), "z");
    }
    grid.SetRowCount(10); // rows of the block go before the grid does
    EXPECT_EQ(grid.Cells(1, 9), "x" + std::string(9, 'y'));
    EXPECT_EQ(grid.Cells(1, 10), "");
}

// Files of many megabytes are read into memory of their own: UTF-8 with its mark, with a byte
// that is no UTF-8 (the file is then decoded as a whole) and ANSI text; every cell arrives.
TEST_F(ExGridCsv, LoadsLargeFilesWhole) {
    constexpr int Rows = 150000;
    struct Case {
        const char* Head;
        const char* Word; // as the file holds it
        const char* Tail;
        const char* Cell; // as the grid holds it
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF", "Grüße", "", "Grüße"},
        {"\xEF\xBB\xBF", "Grüße", "last,\xFF\r\n", "Grüße"},
        {"", "Gr\xFC\xDF", "", "Grüß"},
    };
    for (const Case& c : cases) {
        std::string file = c.Head;
        for (int r = 0; r < Rows; ++r)
            file +=
                "row" + std::to_string(r) + "," + c.Word + ",\"q,\"\"\",a longer plain field\r\n";
        file += c.Tail;
        ASSERT_GT(file.size(), std::size_t(5) << 20);
        WriteFileAtomic(File("large.csv"), file);
        TTestExGrid grid(nullptr);
        grid.LoadFromCSV(File("large.csv"));
        ASSERT_EQ(grid.RowCount(), Rows + (*c.Tail ? 1 : 0)) << c.Cell;
        for (const int r : {0, 1, Rows / 2, Rows - 1}) {
            EXPECT_EQ(grid.Cells(0, r), "row" + std::to_string(r));
            EXPECT_EQ(grid.Cells(1, r), c.Cell);
            EXPECT_EQ(grid.Cells(2, r), "q,\"");
            EXPECT_EQ(grid.Cells(3, r), "a longer plain field");
        }
    }
}

TEST_F(ExGridCsv, DetectsTheDelimiterForOneLoadOnly) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2); // a load widens the grid to the widest line
    grid.LoadFromCSVText("a;b;c\r\n1;2;3\r\n");
    EXPECT_EQ(grid.Cells(2, 1), "3");
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Delimiter, '\0');
}

TEST_F(ExGridCsv, HonoursFirstRowAndMaxRowsAndInsert) {
    TTestExGrid grid(nullptr);
    grid.LoadFirstRow = false;
    grid.LoadFromCSVText("head,er\r\n1,2\r\n3,4\r\n5,6\r\n", 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(0, 0), "1");
    EXPECT_EQ(grid.Cells(1, 1), "4");

    const std::string file = File("more.csv");
    WriteFileAtomic(file, "7,8\r\n");
    grid.LoadFirstRow = true;
    grid.InsertFromCSV(file);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 2), "8");
}

TEST_F(ExGridCsv, AppendAddsRowsAfterTheFile) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetCells(0, 0, "p");
    grid.SetCells(1, 0, "q");
    const std::string file = File("log.csv");
    grid.SaveToCSV(file, true);
    grid.AppendToCSV(file, false);
    TTestExGrid target(nullptr);
    target.LoadFromCSV(file);
    EXPECT_EQ(target.RowCount(), 2);
    EXPECT_EQ(target.Cells(1, 1), "q");
}

// Files other programs write: UTF-8 without a mark is UTF-8, anything else that is no UTF-8
// is Windows-1252. Appending keeps the existing lines as they were and the file's encoding.
TEST_F(ExGridCsv, TextWithoutAMarkIsUtf8UnlessItCannotBe) {
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const std::vector<Case> cases = {
        {"utf8", "J\xC3\xBCrgen,K\xC3\xB6ln\r\n"},
        {"windows-1252", "J\xFCrgen,K\xF6ln\r\n"},
        {"utf8 mark", "\xEF\xBB\xBFJ\xC3\xBCrgen,K\xC3\xB6ln\r\n"},
    };
    for (const Case& c : cases) {
        for (const bool unicode : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (unicode ? " unicode" : " ansi"));
            const std::string file = File("names.csv");
            { std::ofstream(file, std::ios::binary) << c.Bytes; }
            TTestExGrid grid(nullptr);
            grid.LoadFromCSV(file);
            EXPECT_EQ(grid.Cells(0, 0), "Jürgen");
            EXPECT_EQ(grid.Cells(1, 0), "Köln");
            grid.SetCells(0, 0, "Grüße");
            grid.AppendToCSV(file, unicode);
            const std::string bytes = ReadFileBytes(file);
            if (!unicode && c.Name == std::string("utf8")) {
                EXPECT_TRUE(bytes.starts_with("J\xC3\xBCrgen")) << bytes;
            }
            TTestExGrid again(nullptr);
            again.LoadFromCSV(file);
            ASSERT_EQ(again.RowCount(), 2);
            EXPECT_EQ(again.Cells(0, 0), "Jürgen");
            EXPECT_EQ(again.Cells(1, 0), "Köln");
            EXPECT_EQ(again.Cells(0, 1), "Grüße");
            EXPECT_EQ(again.Cells(1, 1), "Köln");
        }
    }
}

// An unquoted field keeps its blanks, as other programs write it.
TEST_F(ExGridCsv, UnquotedFieldsKeepTheirBlanks) {
    TTestExGrid grid(nullptr);
    grid.LoadFromCSVText(" lead,  ,trail , \"q\"\r\n");
    EXPECT_EQ(grid.Cells(0, 0), " lead");
    EXPECT_EQ(grid.Cells(1, 0), "  ");
    EXPECT_EQ(grid.Cells(2, 0), "trail ");
    EXPECT_EQ(grid.Cells(3, 0), "q");
}

TEST_F(ExGridCsv, DamagedOrEmptyInputChangesNothing) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(1, 1, "keep");
    EXPECT_THROW(grid.LoadFromCSVText("a,\"unclosed\r\nb,c\r\n"), Exception);
    EXPECT_THROW(grid.LoadFromCSV(File("missing.csv")), Exception);
    WriteFileAtomic(File("empty.csv"), "");
    grid.LoadFromCSV(File("empty.csv"));
    WriteFileAtomic(File("mark.csv"), "\xEF\xBB\xBF");
    try {
        grid.LoadFromCSV(File("mark.csv"));
        ADD_FAILURE() << "a file with only a byte-order mark was taken";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, "File is empty");
    }
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(1, 1), "keep");
}

TEST_F(ExGridCsv, LoadsFromAStreamAndConvertsOemText) {
    TTestExGrid grid(nullptr);
    grid.LoadFromCSVStream("\xEF\xBB\xBF"
                           "a;\"b;c\"\r\n1;2\r\n");
    EXPECT_EQ(grid.Cells(1, 0), "b;c");
    EXPECT_EQ(grid.Cells(1, 1), "2");

    TTestExGrid oem(nullptr);
    oem.OemConvert = true;
    oem.SetColCount(1);
    oem.SetRowCount(1);
    oem.SetCells(0, 0, "Grüße");
    const std::string file = File("oem.csv");
    oem.SaveToCSV(file, false);
    EXPECT_EQ(ReadFileBytes(file), "Gr\x81\xE1"
                                   "e\r\n"); // code page 437 bytes
    TTestExGrid back(nullptr);
    back.OemConvert = true;
    back.LoadFromCSV(file);
    EXPECT_EQ(back.Cells(0, 0), "Grüße");
}

TEST_F(ExGridCsv, ReportsProgressOncePerChangedPercent) {
    TTestExGrid grid(nullptr);
    std::vector<int> seen;
    grid.OnFileProgress = [&seen](TObject*, int16_t progress) { seen.push_back(progress); };
    grid.LoadFromCSVText("a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(seen, (std::vector<int>{25, 50, 75, 100}));
}

} // namespace
