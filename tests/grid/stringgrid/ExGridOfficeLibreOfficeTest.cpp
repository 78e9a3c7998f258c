// What the string grid writes, opened by an independent program: headless LibreOffice turns
// the workbooks, HTML tables and CSV files into CSV and the documents into text, each kind in
// one run for all files.
#include "ExGridTestGrid.h"

#include "grid/stringgrid/HTMLSettings.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// LibreOffice's CSV of a sheet of text cells: every text quoted, empty cells left empty.
std::string CsvOfTextCells(const std::vector<std::vector<std::string>>& rows) {
    std::string csv;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                csv += ',';
            if (row[c].empty())
                continue;
            csv += '"';
            for (char ch : row[c])
                csv += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            csv += '"';
        }
        csv += '\n';
    }
    return csv;
}

bool HaveLibreOffice() {
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

// A spreadsheet cell holds a line break as one LF, whatever the text had.
std::string WithLfBreaks(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Texts that break careless writers and readers.
const std::vector<std::string> AwkwardTexts = {
    "plain",   "a,b",       "semi;colon", "say \"hi\"",  "\"\"",     "",
    " lead",   "trail ",    "  both  ",   "two  blanks", "x\r\ny",   "bare\nlf",
    "cr\rend", "a<b & c>d", "Grüße €",    "東京",        "'single'", "last"};

// A grid of the awkward texts and the format's own, and the rows LibreOffice should read from it.
struct AwkwardGrid {
    static constexpr int Columns = 4;
    TTestExGrid Grid{nullptr};
    std::vector<std::vector<std::string>> Expected;

    explicit AwkwardGrid(const std::vector<std::string>& formatTexts) {
        std::vector<std::string> texts = AwkwardTexts;
        texts.insert(texts.end(), formatTexts.begin(), formatTexts.end());
        const int rows = static_cast<int>(texts.size() + Columns - 1) / Columns;
        Grid.SetFixedRows(0);
        Grid.SetFixedCols(0);
        Grid.SetColCount(Columns);
        Grid.SetRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            Expected.emplace_back();
            for (int c = 0; c < Columns; ++c) {
                const size_t index = static_cast<size_t>(r * Columns + c);
                const std::string text = index < texts.size() ? texts[index] : "";
                Grid.SetCells(c, r, text);
                Expected.back().push_back(WithLfBreaks(text));
            }
        }
    }
};

// Converts the files of the folder to the format in one run, read through the filter when one
// is given; the results land in out/.
void Convert(const std::string& folder, const std::string& format,
             const std::vector<std::string>& files, const std::string& inputFilter = "") {
    std::string command = "cd '" + folder + "' && HOME='" + folder +
                          "' timeout 180 soffice --headless -env:UserInstallation=file://" +
                          folder + "/profile --convert-to '" + format + "' --outdir out";
    if (!inputFilter.empty())
        command += " --infilter='" + inputFilter + "'";
    for (const std::string& file : files)
        command += " '" + file + "'";
    command += " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

class ExGridLibreOffice : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveLibreOffice())
            GTEST_SKIP() << "LibreOffice is not installed";
        char pattern[] = "/tmp/exgridlibreofficeXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
    }
    void TearDown() override {
        if (!Folder.empty())
            std::filesystem::remove_all(Folder);
    }
    std::string Folder;
};

// LibreOffice's CSV of what it opened, cell by cell against the rows expected.
void ExpectOfficeCells(const std::string& csv, const std::vector<std::vector<std::string>>& expected,
                 const std::string& file) {
    TTestExGrid opened(nullptr);
    opened.SetFixedRows(0);
    opened.SetFixedCols(0);
    opened.LoadFromCSVText(csv);
    ASSERT_EQ(opened.RowCount(), static_cast<int>(expected.size())) << file << "\n" << csv;
    for (size_t r = 0; r < expected.size(); ++r)
        for (size_t c = 0; c < expected[r].size(); ++c)
            EXPECT_EQ(WithLfBreaks(opened.Cells(static_cast<int>(c), static_cast<int>(r))),
                      expected[r][c])
                << file << " cell " << c << "," << r;
}

TEST_F(ExGridLibreOffice, OpensTheCsvFilesWithTheGridsTexts) {
    struct Variant {
        const char* File;
        bool AlwaysQuotes;
        bool QuoteEmptyCells;
    };
    const Variant variants[] = {
        {"plain.csv", false, true}, {"always.csv", true, true}, {"bare.csv", false, false}};
    AwkwardGrid source({"tab\there", "multi\r\n\r\nline", "\"quoted\"", "Grüße, 東京"});
    std::vector<std::string> files;
    for (const Variant& v : variants) {
        source.Grid.AlwaysQuotes = v.AlwaysQuotes;
        source.Grid.QuoteEmptyCells = v.QuoteEmptyCells;
        source.Grid.SaveToCSV(Folder + "/" + v.File, true);
        files.push_back(v.File);
    }
    // Comma, double quote, UTF-8; quoted fields are text and nothing is taken for a number.
    Convert(Folder, "csv:Text - txt - csv (StarCalc):44,34,76,1", files,
            "CSV:44,34,76,1,,0,true,false");
    for (const std::string& file : files)
        ExpectOfficeCells(ReadFileBytes(Folder + "/out/" + file), source.Expected, file);
}

TEST_F(ExGridLibreOffice, OpensTheHTMLTableWithTheGridsTexts) {
    AwkwardGrid source({"1.5", "ünïcødé"});
    source.Grid.HTMLSettings()->ConvertSpecialChars = true;
    source.Grid.SaveToHTML(Folder + "/grid.html");
    // An empty cell is written as one non-breaking space, so that its borders show; it reads
    // back as that blank.
    for (auto& row : source.Expected)
        for (std::string& cell : row)
            if (cell.empty())
                cell = " ";
    Convert(Folder, "csv:Text - txt - csv (StarCalc):44,34,76,1", {"grid.html"}, "HTML (StarCalc)");
    ExpectOfficeCells(ReadFileBytes(Folder + "/out/grid.csv"), source.Expected, "grid.html");
}

TEST_F(ExGridLibreOffice, OpensTheWorkbooksWithTheGridsTexts) {
    struct Case {
        const char* File;
        int Columns;
        std::vector<std::string> Texts; // cycled over the cells
    };
    const Case cases[] = {
        {"hard.xlsx", 4, {"plain", "a,b", "say \"hi\"", "", "Grüße €", " lead", "007", "x\r\ny"}},
        {"wide.xlsx", 30, {"w"}},
        {"alone.xlsx", 1, {"1.5"}},
    };
    std::vector<std::vector<std::vector<std::string>>> expected;
    std::vector<std::string> files;
    for (const Case& c : cases) {
        TTestExGrid grid(nullptr);
        grid.SetColCount(c.Columns);
        grid.SetRowCount(3);
        std::vector<std::vector<std::string>> rows(3);
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < c.Columns; ++col) {
                std::string text = c.Texts[(r * c.Columns + col) % c.Texts.size()];
                if (text == "w")
                    text = "r" + std::to_string(r) + "c" + std::to_string(col);
                grid.SetCells(col, r, text);
                rows[r].push_back(text == "x\r\ny" ? "x\ny" : text);
            }
        grid.SaveToXLS(Folder + "/" + c.File);
        expected.push_back(rows);
        files.push_back(c.File);
    }
    Convert(Folder, "csv:Text - txt - csv (StarCalc):44,34,76,1", files);
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string csv = ReadFileBytes(Folder + "/out/" + ChangeFileExt(files[i], ".csv"));
        EXPECT_EQ(csv, CsvOfTextCells(expected[i])) << files[i];
    }
}

TEST_F(ExGridLibreOffice, OpensTheDocumentsWithTheTableTexts) {
    TTestExGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(0, 0, "Grüße");
    grid.SetCells(1, 0, "second cell");
    grid.SetCells(0, 1, "third <&>");
    grid.SetCells(1, 1, "last");
    grid.SaveToDOC(Folder + "/new.docx");
    grid.SetCells(0, 0, "appended");
    grid.AppendToDoc(Folder + "/new.docx", "");
    Convert(Folder, "txt:Text (encoded):UTF8", {"new.docx"});
    const std::string text = ReadFileBytes(Folder + "/out/new.txt");
    size_t at = 0;
    for (const char* cell : {"Grüße", "second cell", "third <&>", "last", "appended"}) {
        const size_t found = text.find(cell, at);
        ASSERT_NE(found, std::string::npos) << cell << " in\n" << text;
        at = found;
    }
}

} // namespace
