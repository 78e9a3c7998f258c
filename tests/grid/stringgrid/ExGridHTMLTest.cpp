// The HTML table export, checked against our expectations and against an independent reader.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/CsvText.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

class ExGridHTML : public ::testing::Test {
protected:
    void SetUp() override {
        Grid.SetFixedRows(0);
        Grid.SetFixedCols(0);
    }
    TTestExGrid Grid{nullptr};
};

TEST_F(ExGridHTML, WithoutXHTMLTheTextStartsWithTheStyleBlock) {
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    EXPECT_TRUE(Grid.SaveToHTMLString().starts_with("<style>\r\n.c0 {"));
    Grid.HTMLSettings()->XHTML = true;
    EXPECT_TRUE(Grid.SaveToHTMLString().starts_with(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html PUBLIC"));
}

TEST_F(ExGridHTML, EqualStylesShareAClassAndEmptyCellsGetASpace) {
    Grid.SetColCount(2);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, "a");
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_NE(html.find("<TD class=\"c0\" nowrap>a</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<TD class=\"c0\" nowrap>&nbsp;</td>"), std::string::npos) << html;
    EXPECT_EQ(html.find(".c1"), std::string::npos);
}

TEST_F(ExGridHTML, AMergedAreaIsOneCellWithSpans) {
    Grid.SetColCount(3);
    Grid.SetRowCount(3);
    Grid.MergeCells(0, 0, 2, 2);
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_NE(html.find("COLSPAN=\"2\" ROWSPAN=\"2\""), std::string::npos) << html;
    size_t cells = 0;
    for (size_t at = html.find("<TD"); at != std::string::npos; at = html.find("<TD", at + 1))
        ++cells;
    EXPECT_EQ(cells, 6u); // 9 cells less the 3 the area covers
}

TEST_F(ExGridHTML, AttributeValuesAreAlwaysQuotedAndEscaped) {
    Grid.URLShow = true;
    Grid.SetColCount(1);
    Grid.SetRowCount(2);
    Grid.SetCells(0, 0, "http://host/a?b=1&c=\"2\"");
    Grid.SetCells(0, 1, "mailto:me@host");
    Grid.HTMLSettings()->Summary = "x\" onload=\"y";
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_NE(html.find("<a href=\"http://host/a?b=1&amp;c=&quot;2&quot;\">host/a?b=1&c=\"2\"</a>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<a href=\"mailto:me@host\">me@host</a>"), std::string::npos);
    EXPECT_NE(html.find("SUMMARY=\"x&quot; onload=&quot;y\""), std::string::npos);
}

// One headless LibreOffice run reads the file we wrote back as CSV.
TEST_F(ExGridHTML, LibreOfficeReadsTheValuesWeWrote) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice is not installed";
    char pattern[] = "/tmp/exgridhtmlXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::vector<std::vector<std::string>> values = {
        {"Name", "Größe", "Note"},
        {"a & b", "<tag>", "say \"hi\""},
        {"two\r\nlines", "1.5", "ünïcødé €"},
        {"bare\nlf", "x", "cr\rend"},
    };
    Grid.HTMLSettings()->ConvertSpecialChars = true;
    Grid.SetColCount(3);
    Grid.SetRowCount(static_cast<int>(values.size()));
    for (int r = 0; r < Grid.RowCount(); ++r)
        for (int c = 0; c < 3; ++c)
            Grid.SetCells(c, r, values[r][c]);
    Grid.SaveToHTML(folder + "/grid.html");

    const std::string command =
        "cd " + folder + " && HOME=" + folder + " timeout 120 soffice --headless" +
        " -env:UserInstallation=file://" + folder + "/profile" +
        " --infilter='HTML (StarCalc)' --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76'" +
        " --outdir " + folder + " grid.html >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<TCsvRecord> read = ParseCsv(ReadFileBytes(folder + "/grid.csv"), {});
    std::filesystem::remove_all(folder);

    ASSERT_EQ(read.size(), values.size());
    for (size_t r = 0; r < values.size(); ++r) {
        ASSERT_EQ(read[r].size(), 3u) << r;
        for (size_t c = 0; c < 3; ++c) {
            // A line break of any kind is one break in a spreadsheet cell.
            std::string expected = values[r][c];
            for (size_t at = expected.find("\r\n"); at != std::string::npos;
                 at = expected.find("\r\n"))
                expected.erase(at, 1);
            for (char& ch : expected)
                if (ch == '\r')
                    ch = '\n';
            EXPECT_EQ(read[r][c], expected) << r << "," << c;
        }
    }
}

} // namespace
