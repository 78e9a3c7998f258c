// What the string grid writes, opened by an independent program: headless LibreOffice turns
// the workbooks into CSV and the documents into text, each kind in one run for all files.
#include "ExGridTestGrid.h"

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

// Converts the files of the folder to the format in one run; the results land in out/.
void Convert(const std::string& folder, const std::string& format,
             const std::vector<std::string>& files) {
    std::string command = "cd '" + folder +
                          "' && timeout 180 soffice --headless -env:UserInstallation=file://" +
                          folder + "/profile --convert-to '" + format + "' --outdir out";
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
