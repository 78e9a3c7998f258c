// Every exchange format written from one grid of awkward texts and read back by readers that
// are not ours: Python's csv and xml modules, xmllint and LibreOffice; and the files those
// programs write read back by the grid.
#include "ExGridTestGrid.h"
#include "support/TempFolder.h"

#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string Fixtures = std::string(VELMARO_FIXTURES) + "/grid/";

bool Have(const char* program) {
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

// Rows of texts that break careless writers: quotes, separators, line breaks, blanks at either
// end, mark-up characters, control characters, characters beyond ASCII, empty cells and a cell
// that holds two quote characters.
const std::vector<std::vector<std::string>> Awkward = {
    {"plain", "comma, here", "semi;colon", "say \"hi\""},
    {"\"\"", "", "  lead", "trail  "},
    {"line\r\nbreak", "bare\nlf", "a<b & c>d", "&amp; stays"},
    {"ctl\x01 and\x1f", "Grüße 東京 €", "tab\there", "  "},
    {"x", "", "", "last"},
};

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Json(const std::vector<std::vector<std::string>>& rows) {
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += r ? ",[" : "[";
        for (size_t c = 0; c < rows[r].size(); ++c)
            out += (c ? "," : "") + JsonString(rows[r][c]);
        out += "]";
    }
    return out + "]";
}

void Fill(TTestExGrid& grid, const std::vector<std::vector<std::string>>& rows) {
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColCount(static_cast<int>(rows[0].size()));
    grid.SetRowCount(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid.SetCells(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
}

// Every cell of the grid equals the text it was written from, as `shown` says the reader keeps
// it.
void ExpectCells(TTestExGrid& grid, const char* reader,
                 std::string (*shown)(const std::string&) = nullptr) {
    ASSERT_GE(grid.RowCount(), static_cast<int>(Awkward.size())) << reader;
    for (size_t r = 0; r < Awkward.size(); ++r)
        for (size_t c = 0; c < Awkward[r].size(); ++c) {
            const std::string& text = Awkward[r][c];
            EXPECT_EQ(grid.Cells(static_cast<int>(c), static_cast<int>(r)),
                      shown ? shown(text) : text)
                << reader << " " << c << "," << r;
        }
}

class ExchangeReaders : public ::testing::Test {
protected:
    void SetUp() override { Fill(Source, Awkward); }
    std::string Run(const std::string& command) {
        const std::string report = Folder.File("report.txt");
        const int status = std::system((command + " >'" + report + "' 2>&1").c_str());
        return status == 0 ? std::string() : "failed: " + command + "\n" + ReadFileBytes(report);
    }
    TTempFolder Folder;
    TTestExGrid Source{nullptr};
};

// CSV, XML and XHTML read by Python and xmllint, and by the grid's own readers; and a CSV that
// Python's csv module writes (UTF-8 without a mark) read by the grid.
TEST_F(ExchangeReaders, PythonXmllintAndTheGridReadEveryCell) {
    Source.SaveToCSV(Folder.File("grid.csv"), true);
    Source.XMLEncoding = "UTF-8";
    Source.QuoteEmptyCells = false; // an empty cell is an empty element for any reader
    Source.SaveToXML(Folder.File("grid.xml"), "grid", "row", nullptr, true);
    Source.QuoteEmptyCells = true;
    Source.HTMLSettings()->XHTML = true;
    Source.SaveToHTML(Folder.File("grid.xhtml"));
    Folder.Write("expected.json", Json(Awkward));

    TTestExGrid csv(nullptr);
    csv.LoadFromCSV(Folder.File("grid.csv"));
    ExpectCells(csv, "grid csv");
    TTestExGrid xml(nullptr);
    xml.SetFixedRows(0);
    xml.SetFixedCols(0);
    xml.QuoteEmptyCells = false;
    xml.LoadFromXML(Folder.File("grid.xml"));
    ExpectCells(xml, "grid xml", [](const std::string& text) {
        // Controls other than TAB, LF and CR have no place in XML.
        std::string kept;
        for (const char c : text)
            kept += static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r'
                        ? std::string("\xEF\xBF\xBD")
                        : std::string(1, c);
        return kept;
    });

    if (!Have("xmllint"))
        GTEST_SKIP() << "xmllint is not installed";
    for (const char* file : {"grid.xml", "grid.xhtml"})
        EXPECT_EQ(Run("xmllint --noout --nonet '" + Folder.File(file) + "'"), "") << file;
    if (!Have("python3"))
        GTEST_SKIP() << "python3 is not installed";
    EXPECT_EQ(Run("python3 '" + Fixtures + "check_exchange_files.py' '" + Folder.Path() + "'"), "");
    TTestExGrid python(nullptr);
    python.Delimiter = ',';
    python.LoadFromCSV(Folder.File("python.csv"));
    ExpectCells(python, "python csv");
}

// LibreOffice opens the workbook we write and saves it as CSV (UTF-8 without a mark), which the
// grid reads back; and a default grid's HTML, printed by LibreOffice, is dark text on a light
// page. One LibreOffice run per output kind.
TEST_F(ExchangeReaders, LibreOfficeReadsTheWorkbookAndShowsTheHTMLReadable) {
    if (!Have("soffice") || !Have("pdftoppm"))
        GTEST_SKIP() << "soffice or pdftoppm is not installed";
    Source.SaveToXLS(Folder.File("grid.xlsx"));
    TTestExGrid page(nullptr);
    page.SetColCount(3);
    page.SetRowCount(30);
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 3; ++c)
            page.SetCells(c, r, "Cell " + std::to_string(c) + "," + std::to_string(r));
    page.SaveToHTML(Folder.File("page.html"));

    const std::string office = "cd '" + Folder.Path() + "' && HOME='" + Folder.Path() +
                               "' timeout 180 soffice -env:UserInstallation=file://" +
                               Folder.File("profile") + " --headless ";
    ASSERT_EQ(Run(office + "--convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' grid.xlsx"),
              "");
    ASSERT_EQ(Run(office + "--convert-to pdf page.html"), "");

    TTestExGrid opened(nullptr);
    opened.Delimiter = ',';
    opened.LoadFromCSV(Folder.File("grid.csv"));
    ExpectCells(opened, "LibreOffice csv from xlsx", [](const std::string& text) {
        // A spreadsheet cell's line break is LF.
        std::string kept;
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
                kept += text[i];
        return kept;
    });

    ASSERT_EQ(Run("pdftoppm -r 30 -f 1 -l 1 '" + Folder.File("page.pdf") + "' '" +
                  Folder.File("page") + "'"),
              "");
    const std::string ppm = ReadFileBytes(Folder.File("page-1.ppm"));
    int width = 0, height = 0, maximum = 0, header = 0;
    ASSERT_EQ(std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maximum, &header), 3);
    const std::string_view pixels = std::string_view(ppm).substr(static_cast<size_t>(header) + 1);
    ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height * 3);
    size_t dark = 0;
    for (size_t i = 0; i < pixels.size(); i += 3) {
        const int light = static_cast<unsigned char>(pixels[i]) +
                          static_cast<unsigned char>(pixels[i + 1]) +
                          static_cast<unsigned char>(pixels[i + 2]);
        dark += light < 3 * 100;
    }
    const double share = static_cast<double>(dark) / (static_cast<double>(width) * height);
    // Thirty rows across the page: a dark table would cover far more than a tenth of it.
    EXPECT_GT(share, 0.001) << "no text to be seen";
    EXPECT_LT(share, 0.10) << "the table is dark";
}

} // namespace
