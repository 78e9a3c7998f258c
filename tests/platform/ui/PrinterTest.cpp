// The printer object printing into PDF files.
#include "support/PdfText.h"
#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(Printer, PagesOfAPdfFileHoldWhatTheCanvasDrew) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    TTempFolder folder;
    TPrinter printer;
    printer.OutputFileName = folder.File("out.pdf");
    printer.Title = "Job";
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 1);
    printer.Canvas()->TextOut(50, 50, "page one");
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.Canvas()->TextOut(50, 50, "page two");
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    const auto pages = PdfPages(printer.OutputFileName);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("page one"), std::string::npos);
    EXPECT_NE(pages[1].find("page two"), std::string::npos);
}

TEST(Printer, PageSizeInScreenPixelsFollowsPaperAndOrientation) {
    TPrinter printer;
    printer.OutputFileName = "unused.pdf";
    const int portraitWidth = printer.PageWidth();
    const int portraitHeight = printer.PageHeight();
    // A4 is 210 x 297 mm: 794 x 1123 pixels of 1/96 inch, less the margins.
    EXPECT_GT(portraitWidth, 650);
    EXPECT_LE(portraitWidth, 794);
    EXPECT_GT(portraitHeight, portraitWidth);
    printer.Orientation = poLandscape;
    EXPECT_EQ(printer.PageWidth(), portraitHeight);
    EXPECT_EQ(printer.PageHeight(), portraitWidth);
    printer.PaperSize = psA3;
    EXPECT_GT(printer.PageWidth(), portraitHeight);
    EXPECT_GE(printer.DeviceResolution(), 300);
}

TEST(Printer, AbortRemovesTheFileBegun) {
    TTempFolder folder;
    TPrinter printer;
    printer.OutputFileName = folder.File("aborted.pdf");
    printer.BeginDoc();
    printer.Canvas()->TextOut(10, 10, "never");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(std::filesystem::exists(printer.OutputFileName));
}

TEST(Printer, MisuseIsRefused) {
    TTempFolder folder;
    TPrinter printer;
    EXPECT_THROW(printer.EndDoc(), Exception);
    EXPECT_THROW(printer.NewPage(), Exception);
    EXPECT_THROW(printer.SetPrinterIndex(printer.Printers().Count()), Exception);
    printer.OutputFileName = folder.File("a.pdf");
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), Exception);
    printer.EndDoc();
    printer.OutputFileName = folder.File("missing-folder/b.pdf");
    EXPECT_THROW(printer.BeginDoc(), Exception);
    EXPECT_FALSE(printer.Printing());
}
