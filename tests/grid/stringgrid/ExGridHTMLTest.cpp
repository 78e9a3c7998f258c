// The HTML table export, checked against our expectations and against an independent reader.
#include "ExGridTestGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Files.h"
#include "platform/core/TextFile.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Font.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    Grid.SetURLShow(true);
    Grid.SetColCount(1);
    Grid.SetRowCount(2);
    Grid.SetCells(0, 0, "http://host/a?b=1&c=\"2\"");
    Grid.SetCells(0, 1, "mailto:me@host");
    Grid.HTMLSettings()->Summary = "x\" onload=\"y";
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_NE(html.find("<a href=\"http://host/a?b=1&amp;c=&quot;2&quot;\">"
                        "host/a?b=1&amp;c=&quot;2&quot;</a>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<a href=\"mailto:me@host\">me@host</a>"), std::string::npos);
    EXPECT_NE(html.find("SUMMARY=\"x&quot; onload=&quot;y\""), std::string::npos);
}

// Plain text reads back as itself; a cell written in mark-up keeps its mark-up.
TEST_F(ExGridHTML, PlainTextIsEscapedAndMarkUpIsKept) {
    Grid.SetColCount(2);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, "a<b & c>d");
    Grid.SetCells(1, 0, "<b>bold</b> & more");
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_NE(html.find(">a&lt;b &amp; c&gt;d</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("><b>bold</b> & more</td>"), std::string::npos) << html;
}

// A default grid's system colours go out as the RGB colours they stand for.
TEST_F(ExGridHTML, SystemColoursAreWrittenResolved) {
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, "x");
    Grid.SetColor(clWindow);
    Grid.Font()->SetColor(clWindowText);
    const std::string html = Grid.SaveToHTMLString();
    EXPECT_EQ(html.find("#050000"), std::string::npos) << html;
    EXPECT_EQ(html.find("#080000"), std::string::npos) << html;
    EXPECT_NE(html.find("color: #" + ColorToHex(ColorToRGB(clWindowText))), std::string::npos)
        << html;
}

// Appending keeps what the file held, in whichever encoding it was written.
TEST_F(ExGridHTML, AppendsKeepTheEarlierContent) {
    TTempFolder folder;
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, "Grüße");
    for (const bool unicode : {false, true}) {
        const std::string file = folder.File(unicode ? "u.html" : "a.html");
        Grid.SaveToHTML(file, false, unicode);
        Grid.AppendToHTML(file, false, unicode);
        Grid.AppendToHTML(file, false, unicode);
        const std::string text = DecodeText(ReadFileBytes(file));
        size_t count = 0;
        for (size_t at = text.find(">Grüße</td>"); at != std::string::npos;
             at = text.find(">Grüße</td>", at + 1))
            ++count;
        EXPECT_EQ(count, 3u) << text;
        EXPECT_EQ(text.find("Ã"), std::string::npos) << text;
    }
}

// The XHTML option writes XML: every reader that insists on well-formed XML takes it, whatever
// the cells hold, and an append adds its table to the same document.
TEST_F(ExGridHTML, XHTMLIsWellFormedXMLAlsoWhenAppendedTo) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    TTempFolder folder;
    const std::vector<std::string> texts = {
        "a<b & \"c\"",           "ctl\x01\x0b end",    "two\r\nlines",
        "<b>bold</b>",           "<B>unclosed",        "a<BR>b&nbsp;c&euro;",
        "</I>stray <IMG src=x>", "1 < 2 & </b> &zzz;", "<Center nowrap>x<I>y",
    };
    Grid.SetColCount(3);
    Grid.SetRowCount(4);
    for (size_t i = 0; i < texts.size(); ++i)
        Grid.SetCells(static_cast<int>(i % 3), static_cast<int>(i / 3), texts[i]);
    Grid.MergeCells(1, 3, 2, 1);
    Grid.HTMLSettings()->XHTML = true;
    Grid.HTMLSettings()->NonBreakingText = true;
    Grid.HTMLSettings()->ConvertSpecialChars = true;
    // The header and footer files go inside the document.
    WriteFileAtomic(folder.File("head.txt"), "<div>head</div>");
    WriteFileAtomic(folder.File("foot.txt"), "<div>foot</div>\r\n");
    Grid.HTMLSettings()->HeaderFile = folder.File("head.txt");
    Grid.HTMLSettings()->FooterFile = folder.File("foot.txt");
    const std::string file = folder.File("grid.xhtml");
    const std::string report = folder.File("report.txt");
    const std::string lint = "xmllint --noout --nonet '" + file + "' 2>'" + report + "'";
    Grid.SaveToHTML(file);
    EXPECT_EQ(std::system(lint.c_str()), 0) << ReadFileBytes(report);
    Grid.AppendToHTML(file, false, true);
    Grid.AppendToHTML(file);
    EXPECT_EQ(std::system(lint.c_str()), 0) << ReadFileBytes(report);
    const std::string text = DecodeText(ReadFileBytes(file));
    size_t tables = 0;
    for (size_t at = text.find("<table"); at != std::string::npos; at = text.find("<table", at + 1))
        ++tables;
    EXPECT_EQ(tables, 3u);
    EXPECT_TRUE(text.ends_with("<div>foot</div>\r\n</html>\r\n")) << text;
    EXPECT_EQ(text.find("<?xml", 1), std::string::npos) << text;
    EXPECT_NE(text.find(">a<br/>b&#160;c&#8364;</td>"), std::string::npos) << text;
}

// Blanks that HTML would drop or merge survive as non-breaking spaces; XHTML, read as XML,
// keeps every blank as it is.
TEST_F(ExGridHTML, BlanksHTMLWouldLoseAreKept) {
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, " a  b c \r\n d");
    EXPECT_NE(Grid.SaveToHTMLString().find(">&nbsp;a &nbsp;b c&nbsp;<br>&nbsp;d</td>"),
              std::string::npos)
        << Grid.SaveToHTMLString();
    Grid.HTMLSettings()->XHTML = true;
    EXPECT_NE(Grid.SaveToHTMLString().find("> a  b c <br/> d</td>"), std::string::npos)
        << Grid.SaveToHTMLString();
}

// Without the XHTML option a mark-up cell goes out exactly as it was written.
TEST_F(ExGridHTML, HTMLKeepsMarkUpAsWritten) {
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    Grid.SetCells(0, 0, "a<BR>b&nbsp;c <B>open");
    EXPECT_NE(Grid.SaveToHTMLString().find(">a<BR>b&nbsp;c <B>open</td>"), std::string::npos)
        << Grid.SaveToHTMLString();
}

} // namespace
