// Printing into PDF files, read back page by page with pdftotext: the right text on the right
// page.
#include "ExGridTestGrid.h"
#include "support/PdfText.h"
#include "support/TempFolder.h"

#include "grid/stringgrid/PrintSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Printer.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

// Forty rows of 2 cm: several A4 pages.
std::unique_ptr<TTestExGrid> MakeReportGrid() {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetColCount(2);
    grid->SetRowCount(40);
    grid->SetFixedRows(1);
    grid->SetFixedCols(0);
    grid->SetCells(0, 0, "Name");
    grid->SetCells(1, 0, "Value");
    for (int r = 1; r < 40; ++r) {
        grid->SetCells(0, r, "Row" + std::to_string(r) + "x");
        grid->SetCells(1, r, std::to_string(r * 7));
    }
    TPrintSettings& settings = *grid->PrintSettings();
    settings.UseFixedHeight = true;
    settings.FixedHeight = 200;
    settings.RepeatFixedRows = true;
    settings.TitleText = "Gateway report";
    settings.Title = ppTopLeft;
    settings.Date = ppTopLeft;
    settings.DateFormat = "yyyy";
    settings.PageNr = ppBottomRight;
    settings.PagePrefix = "Page";
    return grid;
}

// On which page each data row's text stands, -1 when on none or on several.
std::vector<int> PageOfEachRow(const std::vector<std::string>& Pages, int Rows) {
    std::vector<int> pageOf(Rows, -1);
    for (int r = 1; r < Rows; ++r) {
        const std::string text = "Row" + std::to_string(r) + "x";
        for (int p = 0; p < static_cast<int>(Pages.size()); ++p)
            if (Pages[p].find(text) != std::string::npos)
                pageOf[r] = pageOf[r] == -1 ? p : -2;
    }
    return pageOf;
}

class PdfPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePdfToText())
            GTEST_SKIP() << "pdftotext is not installed";
        Printer()->OutputFileName = Folder.File("grid.pdf");
    }
    void TearDown() override { Printer()->OutputFileName.clear(); }
    TTempFolder Folder;
};

} // namespace

TEST_F(PdfPrint, EveryRowOnceInOrderWithHeaderTitleDateAndPageNumbers) {
    auto grid = MakeReportGrid();
    grid->Print();
    const auto pages = PdfPages(Printer()->OutputFileName);
    ASSERT_EQ(static_cast<int>(pages.size()), grid->PrintNrOfPages());
    ASSERT_GE(pages.size(), 2u);

    const std::vector<int> pageOf = PageOfEachRow(pages, 40);
    for (int r = 1; r < 40; ++r) {
        EXPECT_GE(pageOf[r], 0) << "row " << r;
        if (r > 1)
            EXPECT_GE(pageOf[r], pageOf[r - 1]) << "row " << r;
    }
    const std::time_t now = std::time(nullptr);
    const std::string year = std::to_string(std::localtime(&now)->tm_year + 1900);
    const std::string total = std::to_string(pages.size());
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_NE(pages[p].find("Gateway report " + year), std::string::npos) << "page " << p + 1;
        EXPECT_NE(pages[p].find("Page " + std::to_string(p + 1) + "/" + total), std::string::npos)
            << "page " << p + 1;
        EXPECT_NE(pages[p].find("Name"), std::string::npos) << "header row on page " << p + 1;
    }
}

TEST_F(PdfPrint, FastPrintPrintsEveryPage) {
    auto counted = MakeReportGrid();
    counted->Print();
    const size_t expected = PdfPages(Printer()->OutputFileName).size();

    auto grid = MakeReportGrid();
    grid->FastPrint = true;
    grid->PrintSettings()->PageNr = ppNone;
    grid->Print();
    const auto pages = PdfPages(Printer()->OutputFileName);
    EXPECT_EQ(pages.size(), expected);
    EXPECT_NE(pages.back().find("Row39x"), std::string::npos);
}

TEST_F(PdfPrint, PrintStartRangePrintsOnlyThosePages) {
    auto grid = MakeReportGrid();
    grid->OnPrintStart = [](TObject*, int NrOfPages, int& FromPage, int& ToPage) {
        FromPage = ToPage = NrOfPages;
    };
    grid->Print();
    const auto pages = PdfPages(Printer()->OutputFileName);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Row39x"), std::string::npos);
    EXPECT_EQ(pages[0].find("Row1x"), std::string::npos);
}

TEST_F(PdfPrint, CancelAfterTheFirstPageEndsTheDocumentThere) {
    auto grid = MakeReportGrid();
    grid->OnPrintCancel = [](TObject*, int PageNr, bool& Cancel) { Cancel = PageNr == 1; };
    grid->Print();
    const auto pages = PdfPages(Printer()->OutputFileName);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Row1x"), std::string::npos);
}

// A preview right after a print draws the page it was asked for, not every page the print
// covered on top of each other.
TEST_F(PdfPrint, APreviewAfterAPrintDrawsOnePage) {
    auto grid = MakeReportGrid();
    grid->Print();
    ASSERT_GE(grid->PrintNrOfPages(), 2);
    std::vector<int> pagesDone;
    grid->OnPrintPageDone = [&](TObject*, TCanvas*, int, int, int LastPage, int, int) {
        pagesDone.push_back(LastPage);
    };
    TBitmap bitmap(400, 566);
    grid->PrintPreview(bitmap.Canvas(), TRect{0, 0, 400, 566});
    EXPECT_EQ(pagesDone, std::vector<int>{1});
}
