// XML records written and read back, and damaged documents refused.
#include "ExGridTestGrid.h"

#include "platform/core/Exception.h"
#include "platform/core/StringList.h"

#include <gtest/gtest.h>

namespace {

TTestExGrid* Bare(TTestExGrid& grid) {
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    return &grid;
}

TEST(ExGridXML, EveryHardTextRoundTripsInBothEncodings) {
    const std::vector<std::string> texts = {"a&b",    "<x>",      "q\"q",     "",
                                            "x\r\ny", "bare\rcr", "bare\nlf", "Grüße €",
                                            "$amp;",  "&amp;",    "  ",       "\t tab"};
    for (const char* encoding : {"ISO-8859-1", "UTF-8"}) {
        TTestExGrid source(nullptr);
        Bare(source)->XMLEncoding = encoding;
        source.SetColCount(2);
        source.SetRowCount(static_cast<int>(texts.size()));
        for (int r = 0; r < source.RowCount(); ++r) {
            source.SetCells(0, r, texts[r]);
            source.SetCells(1, r, "row" + std::to_string(r));
        }
        const std::string xml = source.SaveToXMLText("list", "record", nullptr, true);
        TTestExGrid target(nullptr);
        Bare(target)->LoadFromXMLText(xml);
        ASSERT_EQ(target.RowCount(), source.RowCount()) << encoding;
        ASSERT_EQ(target.ColCount(), 2) << encoding;
        for (int r = 0; r < source.RowCount(); ++r)
            EXPECT_EQ(target.Cells(0, r), texts[r]) << encoding << " row " << r;
    }
}

// Two quote characters stand for an empty cell; a cell that holds them still reads back as
// itself. Characters XML cannot carry at all come back as U+FFFD, and the file stays
// well-formed for any other reader.
TEST(ExGridXML, QuoteOnlyCellsAndCharactersXMLCannotHold) {
    const std::string replacement = "\xEF\xBF\xBD";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"\"\"", "\"\""},
        {"\"\"\"\"", "\"\"\"\""},
        {"\"", "\""},
        {"a\x01"
         "b\x0b"
         "c",
         "a" + replacement + "b" + replacement + "c"},
        {"x\xEF\xBF\xBEy", "x" + replacement + "y"},
        {"tab\tlf\ncr\r", "tab\tlf\ncr\r"},
    };
    for (const char* encoding : {"ISO-8859-1", "UTF-8"}) {
        TTestExGrid source(nullptr);
        Bare(source)->XMLEncoding = encoding;
        source.SetColCount(2);
        source.SetRowCount(static_cast<int>(cases.size()));
        for (int r = 0; r < source.RowCount(); ++r) {
            source.SetCells(0, r, cases[r].first);
            source.SetCells(1, r, "row");
        }
        const std::string xml = source.SaveToXMLText("list", "record", nullptr, true);
        EXPECT_EQ(xml.find('\x01'), std::string::npos);
        EXPECT_EQ(xml.find('\x0b'), std::string::npos);
        TTestExGrid target(nullptr);
        Bare(target)->LoadFromXMLText(xml);
        for (int r = 0; r < source.RowCount(); ++r)
            EXPECT_EQ(target.Cells(0, r), cases[r].second) << encoding << " row " << r;
    }
}

TEST(ExGridXML, WritesFieldNamesAndEntities) {
    TTestExGrid grid(nullptr);
    Bare(grid)->SetColCount(2);
    grid.SetRowCount(1);
    grid.SetCells(0, 0, "a&b");
    TStringList names;
    names.Add("Name");
    const std::string xml = grid.SaveToXMLText("L", "R", &names, false);
    EXPECT_EQ(xml, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<L>\r\n<R>\r\n"
                   "<Name>a&amp;b</Name>\r\n</R>\r\n</L>\r\n");
}

TEST(ExGridXML, LoadFieldDescrPutsTheNamesInTheHeaderRow) {
    TTestExGrid grid(nullptr);
    grid.SetFixedCols(0);
    grid.LoadFromXMLText("<L><R><Name>n1</Name><Size>1</Size></R><R><Name>n2</Name>"
                         "<Size>2</Size></R></L>",
                         false, true);
    EXPECT_EQ(grid.Cells(0, 0), "Name");
    EXPECT_EQ(grid.Cells(1, 0), "Size");
    EXPECT_EQ(grid.Cells(0, 1), "n1");
    EXPECT_EQ(grid.Cells(1, 2), "2");
}

TEST(ExGridXML, DamagedDocumentsAreRefusedBeforeAnyCellChanges) {
    const std::vector<std::string> damaged = {"",
                                              "<L><R><a>1</a></R>",
                                              "<L><R><a>1</b></R></L>",
                                              "<L>&#0;</L>",
                                              "<L/><M/>",
                                              std::string(100, '<'),
                                              "<L>" + std::string(200, 'x') + "<a>",
                                              "<L a='1 />"};
    for (const std::string& text : damaged) {
        TTestExGrid grid(nullptr);
        Bare(grid)->SetColCount(1);
        grid.SetRowCount(1);
        grid.SetCells(0, 0, "kept");
        EXPECT_THROW(grid.LoadFromXMLText(text), Exception) << text;
        EXPECT_EQ(grid.Cells(0, 0), "kept") << text;
    }
    std::string deep = "<L>";
    for (int i = 0; i < 100; ++i)
        deep += "<n>";
    for (int i = 0; i < 100; ++i)
        deep += "</n>";
    TTestExGrid grid(nullptr);
    EXPECT_THROW(grid.LoadFromXMLText(deep + "</L>"), Exception);
}

TEST(ExGridXML, ParseErrorsNameTheLine) {
    TTestExGrid grid(nullptr);
    try {
        grid.LoadFromXMLText("<L>\n<R>\n</L>");
        FAIL();
    } catch (const Exception& error) {
        EXPECT_TRUE(error.Message.starts_with("XMLDOM Parsing error ")) << error.Message;
        EXPECT_TRUE(error.Message.ends_with(" on line 3")) << error.Message;
    }
    EXPECT_THROW(grid.LoadFromXML("/nonexistent/file.xml"), Exception);
}

} // namespace
