#include "BaseGridTestGrid.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
constexpr TColor White = 0xFFFFFF;
constexpr TColor FixedFill = 0xE0E0E0;
constexpr TColor LineColor = 0xC0C0C0;
constexpr TColor FixedLineColor = 0x808080;
constexpr TColor PaintRed = 0x0000FF;
constexpr TColor Win7Border = 0xCEA27D;
constexpr TColor UnfocusedBorder = 0xD9D9D9;

struct PixelCase {
    const char* what;
    int x, y;
    TColor color;
    bool equal = true; // false: the pixel must differ from `color`
};

// Paints the grid, set up by `arrange`, into a bitmap and checks the pixels.
void ExpectPixels(const std::function<void(TTestBaseGrid&)>& arrange,
                  std::initializer_list<PixelCase> pixels) {
    auto grid = MakeBaseGrid();
    grid->SetColor(White);
    grid->SetFixedColor(FixedFill);
    arrange(*grid);
    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    for (const PixelCase& p : pixels) {
        if (p.equal)
            EXPECT_EQ(bitmap.Pixel(p.x, p.y), p.color) << p.what;
        else
            EXPECT_NE(bitmap.Pixel(p.x, p.y), p.color) << p.what;
    }
}
} // namespace

// Cells are 40 x 20 pixels; the grid draws its lines inside each cell, on its last column and
// row of pixels.
TEST(BaseGridPaint, LinesRunInsideTheCells) {
    ExpectPixels([](TTestBaseGrid&) {}, {
                                            {"inside a normal cell", 100, 50, White},
                                            {"right line of cell (2, 2)", 119, 50, LineColor},
                                            {"bottom line of cell (2, 2)", 100, 59, LineColor},
                                            {"inside a fixed cell", 20, 10, FixedFill},
                                            {"right line of a fixed cell", 39, 10, FixedLineColor},
                                            {"bottom line of a fixed cell", 20, 19, FixedLineColor},
                                        });
}

TEST(BaseGridPaint, LineWidthAndColoursAreTheGrids) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.SetGridLineWidth(0);
            g.SetGridFixedLineColor(PaintRed);
        },
        {
            {"no normal line at width 0", 119, 50, White},
            {"fixed lines keep width 1 in their colour", 39, 10, PaintRed},
        });
}

TEST(BaseGridPaint, ColumnZeroOfANodeGridHasNoBottomLine) {
    ExpectPixels([](TTestBaseGrid& g) { g.Nodes = true; },
                 {
                     {"column 0", 20, 39, FixedFill},
                     {"column 1 keeps it", 60, 19, FixedLineColor},
                 });
}

TEST(BaseGridPaint, MergedAreaPaintsAsOneCell) {
    ExpectPixels([](TTestBaseGrid& g) { g.MergeCells(1, 1, 2, 2); },
                 {
                     {"no line between its columns", 79, 30, White},
                     {"no line between its rows", 60, 39, White},
                     {"its right edge", 119, 30, LineColor},
                     {"its bottom edge", 100, 59, LineColor},
                 });
}

TEST(BaseGridPaint, MergedAreaContentIsDrawnOncePerCell) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 1, 3, 3);
    TBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    const int cells = 8 * 12;
    // Eight non-base cells of the area hand over to the base once; the base cell paints itself.
    EXPECT_EQ(grid->ContentDraws, cells - 9 + 2);
    const int firstPass = grid->FPaintID;
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(grid->FPaintID, firstPass + 1);
    EXPECT_EQ(grid->ContentDraws, 2 * (cells - 9 + 2)) << "the next pass paints the area again";
}

TEST(BaseGridPaint, HiddenLastRowIsBlank) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.FHideLastRow = true;
            g.SetCells(2, 11, "footer");
        },
        {
            {"row 11 background", 100, 230, White},
            {"no line in row 11", 119, 230, White},
            {"no fixed cell look", 20, 230, White},
            {"row 10 keeps its line", 119, 210, LineColor},
        });
}

TEST(BaseGridPaint, HoverRowColoursNormalCellsOnly) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.SetHoverRow(true);
            g.SetHoverRowColor(PaintRed);
            g.SetHoverRowCells({hcSelected});
            g.FHoverRowIdx = 3;
        },
        {
            {"normal cell of the hover row", 100, 70, PaintRed},
            {"fixed cell of the hover row", 20, 70, PaintRed, false},
            {"another row", 100, 90, White},
        });
}

TEST(BaseGridPaint, SelectionFrameFollowsTheRun) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.SetOptions(g.Options() << goDrawFocusSelected);
            g.SetSelectionStyle(ssWin7);
            g.SetSelection(TGridRect{2, 5, 4, 5});
        },
        {
            {"left end: outer line at its left", 80, 110, Win7Border},
            {"middle: no side line", 120, 110, Win7Border, false},
            {"right end: outer line at its right", 198, 110, Win7Border},
        });
}

TEST(BaseGridPaint, FixedRowHeightAndWidthSumTheFixedCells) {
    auto grid = MakeBaseGrid();
    grid->SetFixedCols(2);
    grid->SetColWidths(1, 15);
    EXPECT_EQ(grid->FixedColsWidth(), 55);
    EXPECT_EQ(grid->FixedRowsHeight(), 20);
}

TEST(BaseGridPaint, PaintCellExtDrawsBackgroundOnlyInTheGivenRectangle) {
    auto grid = MakeBaseGrid();
    grid->MergeCells(1, 1, 2, 2);
    grid->SetActiveRowColor(PaintRed);
    grid->SetCells(1, 1, "not drawn");
    TBitmap bitmap(130, 50);
    grid->PaintCellExt(bitmap.Canvas(), 1, 1, Rect(40, 20, 80, 40), {gdSelected});
    EXPECT_EQ(grid->ContentDraws, 0);
    EXPECT_EQ(bitmap.Pixel(60, 30), PaintRed) << "a selected cell takes the active-row colour";
    EXPECT_EQ(bitmap.Pixel(100, 30), White) << "the merged area is not widened";
}

TEST(BaseGridPaint, ActiveRowColoursTheCurrentRowButTheCurrentCell) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.SetActiveRowShow(true);
            g.SetActiveRowColor(PaintRed);
            g.FocusCell(2, 3, true);
        },
        {
            {"another cell of the current row", 140, 70, PaintRed},
            {"the current cell", 100, 70, PaintRed, false},
            {"the fixed cell of the row", 20, 70, PaintRed, false},
            {"another row", 140, 90, White},
        });
}

TEST(BaseGridPaint, DefaultSelectionStyleUsesTheNormalBackground) {
    ExpectPixels(
        [](TTestBaseGrid& g) {
            g.SetSelection(TGridRect{2, 5, 4, 5});
            g.SetSelectionStyle(ssDefault);
        },
        {
            {"a selected cell has the selection brush", 140, 110, ColorToRGB(clHighlight)},
            {"no frame at its left", 120, 110, Win7Border, false},
        });
}

TEST(BaseGridPaint, SelectionFrameTakesInTheCurrentCell) {
    // The current cell belongs to the selection: the frame runs over it too, also without the
    // option that highlights a focused current cell. The grid has no focus: unfocused colours.
    struct Case {
        const char* name;
        TGridRect selection; // Left/Top: the current cell, Right/Bottom: the anchor
        int leftEdgeX, rightEdgeX;
    };
    const Case cases[] = {
        {"current cell at the left end", {2, 5, 4, 5}, 80, 198},
        {"current cell at the right end", {4, 5, 2, 5}, 80, 198},
        {"the current cell alone", {3, 5, 3, 5}, 120, 158},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectPixels(
            [&](TTestBaseGrid& g) {
                g.SetSelectionStyle(ssWin7);
                g.SetSelection(c.selection);
            },
            {
                {"outer line at the left of the run", c.leftEdgeX, 110, UnfocusedBorder},
                {"outer line at the right of the run", c.rightEdgeX, 110, UnfocusedBorder},
            });
    }
}
