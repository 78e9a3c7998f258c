// Printing: pages laid out into preview bitmaps and read back through the print events and the
// cells the drawer reports as printed.
#include "ExGridTestGrid.h"
#include "support/TempFolder.h"

#include "grid/foundation/FilePicture.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A preview page of 400 x 378 pixels: 105.8 x 100 mm.
constexpr TRect PreviewPage{0, 0, 400, 378};

std::unique_ptr<TTestExGrid> PrintGrid(int Cols, int Rows) {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
    // Rows of 2 cm and columns from the screen widths: layouts that do not hang on the font.
    grid->PrintSettings()->UseFixedHeight = true;
    grid->PrintSettings()->FixedHeight = 200;
    grid->PrintSettings()->NoAutoSize = true;
    return grid;
}

struct PrintedPage {
    std::vector<int> Rows; // in the order first printed
    std::set<int> Cols;
    std::string PageNumber;
    int LastRowOffset = 0;
};

// Every page of a preview, one preview pass per page as a preview window pages through them.
std::vector<PrintedPage> PreviewAll(TExStringGrid& Grid, TRect Page = PreviewPage) {
    TBitmap bitmap(Page.Right, Page.Bottom);
    Grid.SetPreviewPage(1);
    Grid.PrintPreview(bitmap.Canvas(), Page);
    const int pages = Grid.PrintNrOfPages();
    std::vector<PrintedPage> result(pages);
    for (int page = 1; page <= pages; ++page) {
        PrintedPage& printed = result[page - 1];
        Grid.OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                    const TRect&, bool Printing) {
            if (!Printing)
                return;
            if (std::find(printed.Rows.begin(), printed.Rows.end(), ARow) == printed.Rows.end())
                printed.Rows.push_back(ARow);
            printed.Cols.insert(ACol);
        };
        Grid.OnPrintPageDone = [&](TObject*, TCanvas*, int, int LastRowOffset, int, int, int) {
            printed.LastRowOffset = LastRowOffset;
        };
        Grid.OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) {
            printed.PageNumber = Text;
        };
        Grid.SetPreviewPage(page);
        Grid.PrintPreview(bitmap.Canvas(), Page);
    }
    Grid.OnCustomCellDraw = nullptr;
    Grid.OnPrintPageDone = nullptr;
    Grid.OnPrintGetPageNum = nullptr;
    return result;
}

std::vector<std::vector<int>> RowsByPage(const std::vector<PrintedPage>& Pages) {
    std::vector<std::vector<int>> rows;
    for (const PrintedPage& page : Pages)
        rows.push_back(page.Rows);
    return rows;
}

} // namespace

// A 100 mm page holds four rows of 2 cm under the footer line; the fifth starts a new page.
struct PageBreakCase {
    const char* Name;
    int Rows;
    int FixedRows;
    bool RepeatFixedRows;
    int ForceBreakAfterRow; // -1: none
    std::vector<std::vector<int>> Expected;
};

class PrintPageBreaks : public ::testing::TestWithParam<PageBreakCase> {};

TEST_P(PrintPageBreaks, RowsLandOnTheirPages) {
    const PageBreakCase& param = GetParam();
    auto grid = PrintGrid(2, param.Rows);
    grid->SetFixedRows(param.FixedRows);
    grid->PrintSettings()->RepeatFixedRows = param.RepeatFixedRows;
    if (param.ForceBreakAfterRow >= 0)
        grid->OnPrintNewPage = [&](TObject*, int ARow, bool& NewPage) {
            NewPage = ARow == param.ForceBreakAfterRow + 1;
        };
    EXPECT_EQ(RowsByPage(PreviewAll(*grid)), param.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintPageBreaks,
    ::testing::Values(
        PageBreakCase{"FourRowsFitOnePage", 4, 0, false, -1, {{0, 1, 2, 3}}},
        PageBreakCase{"FifthRowStartsPageTwo", 5, 0, false, -1, {{0, 1, 2, 3}, {4}}},
        PageBreakCase{
            "TenRowsOnThreePages", 10, 0, false, -1, {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9}}},
        PageBreakCase{
            "FixedRowRepeatsOnLaterPages", 8, 1, true, -1, {{0, 1, 2, 3}, {0, 4, 5, 6}, {0, 7}}},
        PageBreakCase{
            "FixedRowPrintsOnceWithoutRepeat", 8, 1, false, -1, {{0, 1, 2, 3}, {4, 5, 6, 7}}},
        PageBreakCase{"NewPageEventBreaksAfterItsRow", 6, 0, false, 1, {{0, 1}, {2, 3, 4, 5}}}),
    [](const auto& info) { return info.param.Name; });

TEST(ExGridPrint, RowTallerThanThePagePrintsAloneOnItsPageCutAtTheFooter) {
    auto grid = PrintGrid(2, 5);
    grid->OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
        if (ARow == 2)
            Height = 5000; // half a metre
    };
    const auto pages = PreviewAll(*grid);
    EXPECT_EQ(RowsByPage(pages), (std::vector<std::vector<int>>{{0, 1}, {2}, {3, 4}}));

    // Its vertical borders stop at the footer: the page's last pixel rows stay blank.
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->SetPreviewPage(2);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    int inkBelowFooter = 0;
    for (int y = PreviewPage.Bottom - 6; y < PreviewPage.Bottom; ++y)
        for (int x = 0; x < PreviewPage.Right; ++x)
            inkBelowFooter += bitmap.Pixel(x, y) != clWhite;
    EXPECT_EQ(inkBelowFooter, 0);
}

TEST(ExGridPrint, WideGridPrintsInStripsNumberedPageDashStrip) {
    auto grid = PrintGrid(8, 6); // columns of 64 pixels: five fit a strip of 106 mm
    grid->PrintSettings()->PageNr = ppBottomCenter;
    const auto pages = PreviewAll(*grid);
    ASSERT_EQ(pages.size(), 4u);
    std::vector<std::string> numbers;
    for (const auto& page : pages)
        numbers.push_back(page.PageNumber);
    EXPECT_EQ(numbers, (std::vector<std::string>{"1-1", "2-1", "1-2", "2-2"}));
    EXPECT_EQ(pages[0].Cols, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(pages[2].Cols, (std::set<int>{5, 6, 7}));
}

TEST(ExGridPrint, FixedColumnsRepeatOnEveryStrip) {
    auto grid = PrintGrid(8, 2);
    grid->SetFixedCols(1);
    grid->PrintSettings()->RepeatFixedCols = true;
    const auto pages = PreviewAll(*grid);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(pages[0].Cols.contains(0));
    EXPECT_TRUE(pages[1].Cols.contains(0));
    EXPECT_FALSE(pages[1].Cols.contains(1));
    EXPECT_LT(grid->GetPrintColOffset(0), grid->GetPrintColOffset(grid->PrintColStart()));
}

TEST(ExGridPrint, ColumnWiderThanThePagePrintsAloneOnItsStrip) {
    auto grid = PrintGrid(3, 1);
    grid->SetColWidths(1, 1000);
    const auto pages = PreviewAll(*grid);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].Cols, (std::set<int>{1}));
}

struct FitCase {
    const char* Name;
    TFitToPage Fit;
    int Cols;       // of 64 screen pixels each
    bool Scaled;    // the widths change
    bool FillsPage; // and then add up to the printable width
};

class PrintFitToPage : public ::testing::TestWithParam<FitCase> {};

TEST_P(PrintFitToPage, ColumnWidthsFollowTheMode) {
    const FitCase& param = GetParam();
    auto grid = PrintGrid(param.Cols, 1);
    grid->PrintSettings()->FitToPage = param.Fit;
    grid->OnFitToPage = [](TObject*, double&, bool& Allow) { Allow = false; };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    const int screenWidth = 169; // 64 pixels of 0.2646 mm
    int sum = 0;
    for (int c = 0; c < param.Cols; ++c)
        sum += grid->GetPrintColWidth(c) + 20;
    EXPECT_EQ(grid->GetPrintColWidth(0) != screenWidth, param.Scaled);
    if (param.FillsPage)
        EXPECT_NEAR(sum, grid->PrintPageRect().Right, param.Cols);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintFitToPage,
                         ::testing::Values(FitCase{"NeverNarrow", fpNever, 2, false, false},
                                           FitCase{"ShrinkKeepsNarrow", fpShrink, 2, false, false},
                                           FitCase{"ShrinkFitsWide", fpShrink, 9, true, true},
                                           FitCase{"GrowFillsNarrow", fpGrow, 2, true, true},
                                           FitCase{"GrowKeepsWide", fpGrow, 9, false, false},
                                           FitCase{"AlwaysFitsNarrow", fpAlways, 2, true, true},
                                           FitCase{"AlwaysFitsWide", fpAlways, 9, true, true},
                                           FitCase{"CustomRefused", fpCustom, 9, false, false}),
                         [](const auto& info) { return info.param.Name; });

TEST(ExGridPrint, LayoutArraysGrowWithTheColumns) {
    auto grid = PrintGrid(600, 1);
    for (int c = 0; c < 600; ++c)
        grid->SetColWidths(c, 20);
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(grid->GetPrintColWidth(599), grid->GetPrintColWidth(0));
    EXPECT_GT(grid->GetPrintColWidth(599), 0);
    EXPECT_THROW(grid->GetPrintColWidth(-1), ROvoVariRodev);
    EXPECT_THROW(grid->GetPrintColOffset(100000), ROvoVariRodev);

    auto small = PrintGrid(2, 1);
    small->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_NO_THROW(small->GetPrintColWidth(511));
    try {
        small->GetPrintColWidth(512);
        ADD_FAILURE() << "column 512 of a small grid was accepted";
    } catch (const ROvoVariRodev& error) {
        EXPECT_EQ(error.Message, "Columns is not in valid range");
    }
}

struct PageNumberCase {
    const char* Name;
    std::string Separator;
    int Offset;
    std::vector<std::string> Expected;
};

class PrintPageNumbers : public ::testing::TestWithParam<PageNumberCase> {};

TEST_P(PrintPageNumbers, TextOfEachPage) {
    const PageNumberCase& param = GetParam();
    auto grid = PrintGrid(2, 10);
    grid->PrintSettings()->PageNr = ppBottomRight;
    grid->PrintSettings()->PageNumSep = param.Separator;
    grid->PrintSettings()->PageNumberOffset = param.Offset;
    std::vector<std::string> numbers;
    for (const auto& page : PreviewAll(*grid))
        numbers.push_back(page.PageNumber);
    EXPECT_EQ(numbers, param.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintPageNumbers,
    ::testing::Values(PageNumberCase{"OfTotal", "/", 0, {"1/3", "2/3", "3/3"}},
                      PageNumberCase{"OffsetLeavesTotal", "/", 10, {"11/3", "12/3", "13/3"}},
                      PageNumberCase{"NoSeparator", "", 0, {"1", "2", "3"}}),
    [](const auto& info) { return info.param.Name; });

TEST(ExGridPrint, HtmlTitleMovesTheRowsDownByItsHeightOnPaper) {
    auto grid = PrintGrid(2, 2);
    grid->PrintSettings()->Title = ppTopLeft;
    grid->PrintSettings()->TitleText = "Plain";
    const int plainOffset = PreviewAll(*grid)[0].LastRowOffset;
    grid->PrintSettings()->TitleText.clear();
    grid->PrintSettings()->TitleLines()->Add("<b>Report</b><br>second line<br>third line");
    const int htmlOffset = PreviewAll(*grid)[0].LastRowOffset;

    TBitmap bitmap(10, 10);
    bitmap.Canvas()->Font()->Assign(*grid->PrintSettings()->HeaderFont());
    const int threeLinesInPixels = 3 * bitmap.Canvas()->TextHeight("gh");
    // In 0.1 mm, 254 / 96 of the pixels: well above the pixel count itself.
    EXPECT_GT(plainOffset - htmlOffset, threeLinesInPixels * 2);
    EXPECT_LT(plainOffset - htmlOffset, threeLinesInPixels * 4);
}

TEST(ExGridPrint, SelectedRowsOnlyPrintTheDisjunctSelection) {
    auto grid = PrintGrid(2, 6);
    grid->SetFixedRows(1);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    std::set<int> rows;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, const TRect&,
                                 bool Printing) {
        if (Printing)
            rows.insert(ARow);
    };
    grid->PrintPreviewSelectedRows(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(rows, (std::set<int>{2, 4}));
    rows.clear();
    grid->PrintSettings()->FixedCellsAlways = true;
    grid->PrintPreviewSelectedRows(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(rows, (std::set<int>{0, 2, 4}));
}

TEST(ExGridPrint, PrintStartCanCancelThePreview) {
    auto grid = PrintGrid(2, 2);
    grid->OnPrintStart = [](TObject*, int, int& FromPage, int&) { FromPage = 0; };
    int drawn = 0;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int, TGridDrawState, const TRect&, bool) {
        ++drawn;
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(drawn, 0);
}

TEST(ExGridPrint, FastPreviewDrawsItsPageOnly) {
    auto grid = PrintGrid(2, 10);
    grid->FastPrint = true;
    std::vector<int> pagesDone;
    grid->OnPrintPageDone = [&](TObject*, TCanvas*, int, int, int LastPage, int, int) {
        pagesDone.push_back(LastPage);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->SetPreviewPage(2);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(pagesDone, std::vector<int>{2});
}

TEST(ExGridPrint, PictureFileMissingAtPrintTimePrintsNothingButTheRestOfTheCell) {
    TTempFolder folder;
    const std::string file = folder.File("picture.bmp");
    TBitmap(8, 8).SaveToFile(file);
    auto grid = PrintGrid(2, 2);
    grid->PrintSettings()->PrintGraphics = true;
    grid->CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->SetFilename(file);
    std::filesystem::remove(file);
    bool cellFinished = false;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                 const TRect&, bool Printing) {
        cellFinished = cellFinished || (Printing && ACol == 1 && ARow == 1);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    EXPECT_NO_THROW(grid->PrintPreview(bitmap.Canvas(), PreviewPage));
    EXPECT_TRUE(cellFinished);
}

TEST(ExGridPrint, JoinWithBlankSkipsEmptyParts) {
    EXPECT_EQ(TExStringGrid::JoinWithBlank("a", "b"), "a b");
    EXPECT_EQ(TExStringGrid::JoinWithBlank("", "b"), "b");
    EXPECT_EQ(TExStringGrid::JoinWithBlank("a", ""), "a");
}

TEST(ExGridPrint, MapFontHeightIsTenthsOfAMillimetre) {
    auto grid = PrintGrid(1, 1);
    EXPECT_EQ(grid->MapFontHeight(72), -254);
    EXPECT_EQ(grid->MapFontSize(254), 72);
}

namespace {
// Whether a line of ink crosses the whole span: a vertical one at x (one pixel either side) from
// y0 to y1, or a horizontal one at y from x0 to x1.
bool VerticalLine(const TBitmap& Bitmap, int X, int Y0, int Y1) {
    for (int y = Y0; y <= Y1; ++y)
        if (Bitmap.Pixel(X - 1, y) == clWhite && Bitmap.Pixel(X, y) == clWhite &&
            Bitmap.Pixel(X + 1, y) == clWhite)
            return false;
    return true;
}
bool HorizontalLine(const TBitmap& Bitmap, int Y, int X0, int X1) {
    for (int x = X0; x <= X1; ++x)
        if (Bitmap.Pixel(x, Y) == clWhite && Bitmap.Pixel(x, Y + 1) == clWhite)
            return false;
    return true;
}
int ToPixels(int Paper) {
    return (Paper * 96 + 127) / 254;
}
// Measured columns take the size OnCustomCellSize gives a cell on paper; without a handler the
// text decides.
TEST(ExGridPrint, OnCustomCellSizeSetsTheMeasuredCellSize) {
    struct Call {
        int col, row;
        bool printing, canvas;
    };
    auto grid = PrintGrid(3, 2);
    grid->PrintSettings()->NoAutoSize = false;
    grid->PrintSettings()->FitToPage = fpNever;
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    const int measured = grid->GetPrintColWidth(1);
    ASSERT_GT(measured, 0);
    ASSERT_LT(measured, 600);

    std::vector<Call> calls;
    grid->OnCustomCellSize = [&](TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                 TPoint& ASize, bool Printing) {
        EXPECT_EQ(Sender, grid.get());
        calls.push_back({ACol, ARow, Printing, Canvas != nullptr});
        if (ACol == 1 && ARow == 1)
            ASize.X = 600;
    };
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_GE(grid->GetPrintColWidth(1), 600);
    EXPECT_EQ(grid->GetPrintColWidth(0), grid->GetPrintColWidth(2));
    ASSERT_FALSE(calls.empty());
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(),
                            [](const Call& c) { return c.col == 1 && c.row == 1; }));
    for (const Call& c : calls) {
        EXPECT_TRUE(c.printing);
        EXPECT_TRUE(c.canvas);
    }
}

} // namespace

struct BorderCase {
    const char* Name;
    TPrintBorders Borders;
    bool HookAddsLeftOfSecondColumn;
    bool Vertical;
    bool Horizontal;
};

class PrintBorders : public ::testing::TestWithParam<BorderCase> {};

TEST_P(PrintBorders, LinesBetweenAndAroundCells) {
    const BorderCase& param = GetParam();
    auto grid = PrintGrid(3, 1);
    grid->SetCells(0, 0, "");
    grid->SetCells(1, 0, "");
    grid->SetCells(2, 0, "");
    grid->SetColor(clWhite);
    grid->PrintSettings()->Centered = false;
    grid->PrintSettings()->Borders = param.Borders;
    if (param.HookAddsLeftOfSecondColumn)
        grid->OnGetCellPrintBorder = [](TObject*, int, int ACol, TPen*, TCellBorders& Borders) {
            if (ACol == 1)
                Borders << cbLeft;
        };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    const int between = ToPixels(grid->GetPrintColOffset(1));
    EXPECT_EQ(VerticalLine(bitmap, between, 10, 40), param.Vertical);
    EXPECT_EQ(HorizontalLine(bitmap, 0, between + 5, between + 40), param.Horizontal);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintBorders,
    ::testing::Values(BorderCase{"Single", pbSingle, false, true, true},
                      BorderCase{"HorizontalOnly", pbHorizontal, false, false, true},
                      BorderCase{"VerticalOnly", pbVertical, false, true, false},
                      BorderCase{"None", pbNoborder, false, false, false},
                      BorderCase{"AroundFrameOnly", pbAround, false, false, true},
                      BorderCase{"HookAddsOneSide", pbNoborder, true, true, false}),
    [](const auto& info) { return info.param.Name; });

TEST(ExGridPrint, CellMergedOverThreeColumnsPrintsOnceWithoutInnerLines) {
    auto grid = PrintGrid(3, 2);
    grid->SetColor(clWhite);
    grid->PrintSettings()->Centered = false;
    grid->MergeCells(0, 0, 3, 1);
    grid->SetCells(0, 0, "Merged");
    std::vector<int> drawnInRow0;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                 const TRect&, bool Printing) {
        if (Printing && ARow == 0)
            drawnInRow0.push_back(ACol);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(drawnInRow0, std::vector<int>{0});
    const int second = ToPixels(grid->GetPrintColOffset(1));
    const int third = ToPixels(grid->GetPrintColOffset(2));
    const int rowMiddle = ToPixels(100);
    EXPECT_FALSE(VerticalLine(bitmap, second, rowMiddle - 5, rowMiddle + 5));
    EXPECT_FALSE(VerticalLine(bitmap, third, rowMiddle - 5, rowMiddle + 5));
    // The unmerged second row keeps its inner lines.
    const int nextRow = ToPixels(300);
    EXPECT_TRUE(VerticalLine(bitmap, second, nextRow - 5, nextRow + 5));
}

TEST(ExGridPrint, MeasuredRowHeightFollowsTheLinesOfItsCells) {
    auto offsetAfterOneRow = [](const std::string& Text) {
        auto grid = PrintGrid(1, 1);
        grid->Multilinecells = true;
        grid->PrintSettings()->UseFixedHeight = false;
        grid->SetCells(0, 0, Text);
        return -PreviewAll(*grid)[0].LastRowOffset;
    };
    const int one = offsetAfterOneRow("a");
    const int three = offsetAfterOneRow("a\r\nb\r\nc");
    EXPECT_GT(one, 0);
    EXPECT_NEAR(three, 3 * one, one / 2);
}

TEST(ExGridPrint, HiddenColumnsDoNotPrint) {
    auto grid = PrintGrid(3, 1);
    grid->HideColumn(1);
    std::set<int> realColumns;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int, TGridDrawState, const TRect&,
                                 bool Printing) {
        if (Printing)
            realColumns.insert(ACol);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreview(bitmap.Canvas(), PreviewPage);
    EXPECT_EQ(realColumns, (std::set<int>{0, 2}));
}

TEST(ExGridPrint, RectangleRightOfTheFixedColumnsRepeatsThemOnItsPage) {
    auto grid = PrintGrid(4, 2);
    grid->SetFixedCols(1);
    grid->PrintSettings()->RepeatFixedCols = true;
    std::set<int> columns;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int, TGridDrawState, const TRect&,
                                 bool Printing) {
        if (Printing)
            columns.insert(ACol);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintPreviewRect(bitmap.Canvas(), PreviewPage, TGridRect{2, 0, 3, 1});
    EXPECT_EQ(columns, (std::set<int>{0, 2, 3}));
    EXPECT_EQ(grid->GetPrintColWidth(0), grid->GetPrintColWidth(2));
    EXPECT_EQ(grid->GetPrintColOffset(0) + grid->GetPrintColWidth(0) + 20,
              grid->GetPrintColOffset(2));
}

TEST(ExGridPrint, PrintDrawPutsPageOneIntoAnyCanvasWithoutAskingForARange) {
    auto grid = PrintGrid(2, 10);
    bool asked = false;
    grid->OnPrintStart = [&](TObject*, int, int&, int&) { asked = true; };
    std::set<int> rows;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, const TRect&,
                                 bool Printing) {
        if (Printing)
            rows.insert(ARow);
    };
    TBitmap bitmap(PreviewPage.Right, PreviewPage.Bottom);
    grid->PrintDraw(bitmap.Canvas(), PreviewPage);
    EXPECT_FALSE(asked);
    EXPECT_EQ(rows, (std::set<int>{0, 1, 2, 3}));
}
