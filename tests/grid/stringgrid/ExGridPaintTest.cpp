// Cell drawing: grids rendered into a bitmap, checked at known pixels.
#include "ExGridTestGrid.h"
#include "GridPixels.h"

#include "grid/foundation/Bands.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using GridPixels::White;
using GridPixels::FixedFill;
using GridPixels::Red;
using GridPixels::Green;
using GridPixels::Blue;
using GridPixels::Yellow;
using GridPixels::Selected;

// Five columns of 60 and five rows of 20 pixels, one fixed row and column, classic colours, black
// text in a plain font.
std::unique_ptr<TTestExGrid> MakeGrid() {
    auto grid = std::make_unique<TTestExGrid>(nullptr);
    grid->SetLook(glStandard);
    // The standard look selects in the system highlight; these pictures use a fixed colour.
    grid->SetSelectionColor(Selected);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(20);
    grid->SetBounds(0, 0, 300, 100);
    grid->SetColor(White);
    grid->SetFixedColor(FixedFill);
    grid->Font()->SetColor(clBlack);
    grid->FixedFont()->SetColor(clBlack);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    return grid;
}

using GridPixels::Render;

// The smallest rectangle holding every pixel of `area` that differs from `background`.
constexpr auto Ink = GridPixels::InkBox;

// The inside of cell (c, r), clear of its grid lines and text margins' corner.
TRect Inside(int c, int r) {
    return TRect{c * 60 + 1, r * 20 + 1, c * 60 + 58, r * 20 + 18};
}

struct PixelCase {
    const char* what;
    std::function<void(TTestExGrid&)> arrange;
    int x, y;
    TColor color;
};
} // namespace

TEST(ExGridPaint, CellBackgrounds) {
    const PixelCase cases[] = {
        {"a normal cell shows the grid colour", [](TTestExGrid&) {}, 100, 30, White},
        {"a fixed cell shows the fixed colour", [](TTestExGrid&) {}, 100, 5, FixedFill},
        {"a fixed column cell shows the fixed colour", [](TTestExGrid&) {}, 5, 50, FixedFill},
        {"a cell's own colour", [](TTestExGrid& g) { g.SetColors(1, 1, Red); }, 100, 30, Red},
        {"the colour hook's brush",
         [](TTestExGrid& g) {
             g.OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* brush,
                                   TFont*) {
                 if (ARow == 2 && ACol == 2)
                     brush->SetColor(Green);
             };
         },
         150, 50, Green},
        {"the first band row",
         [](TTestExGrid& g) {
             g.Bands()->SetActive(true);
             g.Bands()->SetPrimaryColor(Yellow);
             g.Bands()->SetSecondaryColor(Green);
         },
         100, 30, Yellow},
        {"the second band row",
         [](TTestExGrid& g) {
             g.Bands()->SetActive(true);
             g.Bands()->SetPrimaryColor(Yellow);
             g.Bands()->SetSecondaryColor(Green);
         },
         100, 50, Green},
        {"a cell of the selected range",
         [](TTestExGrid& g) {
             g.SetSelection(TGridRect{1, 1, 2, 2});
         },
         150, 50, Selected},
        {"a cell outside the selected range",
         [](TTestExGrid& g) {
             g.SetSelection(TGridRect{1, 1, 2, 2});
         },
         200, 50, White},
        {"a selected cell with its own colour keeps the selection colour without the mixer",
         [](TTestExGrid& g) {
             g.SetColors(1, 1, Red);
             g.SetSelection(TGridRect{1, 1, 1, 1});
         },
         100, 30, Selected},
        {"the mixer blends the selection colour over the cell's own colour",
         [](TTestExGrid& g) {
             g.SetColors(1, 1, Red);
             g.SetSelectionColor(Blue);
             g.SetSelectionColorMixer(true);
             g.SetSelectionColorMixerFactor(50);
             g.SetSelection(TGridRect{1, 1, 1, 1});
         },
         100, 30, RGB(128, 0, 128)},
        {"no selection colours while the selection is not shown",
         [](TTestExGrid& g) {
             g.SetShowSelection(false);
             g.SetSelection(TGridRect{1, 1, 2, 2});
         },
         150, 50, White},
        {"a merged area shows the colour of its base cell over all its cells",
         [](TTestExGrid& g) {
             g.SetColors(1, 1, Red);
             g.MergeCells(1, 1, 2, 2);
         },
         170, 55, Red},
    };
    for (const PixelCase& c : cases) {
        auto grid = MakeGrid();
        c.arrange(*grid);
        EXPECT_EQ(Render(*grid)->Pixel(c.x, c.y), c.color) << c.what;
    }
}

TEST(ExGridPaint, SelectedCellWithoutSelectionColourShowsTheHighlight) {
    auto grid = MakeGrid();
    grid->SetSelectionColor(clNone);
    grid->SetCells(1, 1, "text");
    grid->OnCustomCellBkgDraw = [](TObject*, TCanvas* canvas, int, int, TGridDrawState state,
                                   const TRect& r, bool) {
        if (state.Contains(gdSelected)) {
            canvas->FillRect(r); // the brush the drawer chose for the selected cell
        }
    };
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    EXPECT_EQ(Render(*grid)->Pixel(100, 30), ColorToRGB(clHighlight));
}

TEST(ExGridPaint, TextStaysInsideItsCell) {
    const struct {
        const char* what;
        bool wordWrap;
    } cases[] = {{"single line", false}, {"word wrap", true}};
    for (const auto& c : cases) {
        auto grid = MakeGrid();
        grid->SetWordWrap(c.wordWrap);
        grid->SetCells(1, 1, "A very long cell text that runs far beyond the cell");
        grid->SetCells(1, 3, "Another long fixed-size text that is clipped");
        const auto bitmap = Render(*grid);
        const auto ink = Ink(*bitmap, Inside(1, 1), White);
        ASSERT_TRUE(ink) << c.what;
        EXPECT_GE(ink->Left, 60 + 2) << c.what << ": left margin";
        EXPECT_LE(ink->Right, 120 - 2) << c.what << ": right margin";
        EXPECT_FALSE(Ink(*bitmap, Inside(2, 1), White)) << c.what << ": the right neighbour";
        EXPECT_FALSE(Ink(*bitmap, Inside(1, 2), White)) << c.what << ": the cell below";
    }
}

TEST(ExGridPaint, HorizontalAlignment) {
    const struct {
        const char* what;
        std::function<void(TTestExGrid&)> arrange;
        const char* text;
        bool right; // ink in the right half only, else in the left half only
    } cases[] = {
        {"default left", [](TTestExGrid&) {}, "ab", false},
        {"grid default right", [](TTestExGrid& g) { g.SetDefaultAlignment(taRightJustify); }, "ab",
         true},
        {"right on a single line",
         [](TTestExGrid& g) {
             g.SetWordWrap(false);
             g.SetDefaultAlignment(taRightJustify);
         },
         "ab", true},
        {"numbers right with AutoNumAlign", [](TTestExGrid& g) { g.AutoNumAlign = true; }, "-12",
         true},
        {"exponent numbers right with AutoNumAlign", [](TTestExGrid& g) { g.AutoNumAlign = true; },
         "1e5", true},
        {"words keep the default with AutoNumAlign", [](TTestExGrid& g) { g.AutoNumAlign = true; },
         "ab", false},
        {"the cell's own alignment", [](TTestExGrid& g) { g.SetAlignments(1, 1, taRightJustify); },
         "ab", true},
        {"the alignment hook has the last word",
         [](TTestExGrid& g) {
             g.SetAlignments(1, 1, taRightJustify);
             g.OnGetAlignment = [](TObject*, int, int, TAlignment& ha, TVAlignment&) {
                 ha = taLeftJustify;
             };
         },
         "ab", false},
    };
    for (const auto& c : cases) {
        auto grid = MakeGrid();
        c.arrange(*grid);
        grid->SetCells(1, 1, c.text);
        const auto ink = Ink(*Render(*grid), Inside(1, 1), White);
        ASSERT_TRUE(ink) << c.what;
        if (c.right)
            EXPECT_GT(ink->Left, 90) << c.what;
        else
            EXPECT_LT(ink->Right, 90) << c.what;
    }
}

TEST(ExGridPaint, FormattedCellText) {
    const struct {
        const char* what;
        const char* text;
        const char* format;
        bool isFloat;
        const char* shown;
    } cases[] = {
        {"two decimals", "3.14159", "%.2f", true, "3.14"},
        {"the integer value", "42", "%d", true, "42"},
        {"a fraction for an integer format stays", "2.5", "%d", true, "2.5"},
        {"a bad format stays", "3.14159", "%q", true, "3.14159"},
        {"a handler that says no number", "3.14159", "%.2f", false, "3.14159"},
        {"an empty format", "3.14159", "", true, "3.14159"},
        {"a word", "abc", "%.2f", true, "abc"},
    };
    for (const auto& c : cases) {
        auto grid = MakeGrid();
        grid->SetCells(1, 1, c.text);
        grid->OnGetFloatFormat = [&c](TObject*, int, int, bool& isFloat, std::string& format) {
            if (!c.isFloat)
                isFloat = false;
            format = c.format;
        };
        EXPECT_EQ(grid->GetFormattedCell(1, 1), c.shown) << c.what;
    }
    auto grid = MakeGrid();
    grid->SetCells(1, 1, "3.14159");
    EXPECT_EQ(grid->GetFormattedCell(1, 1), "3.14159") << "no handler";
}

// Cell texts are compared by their pixels against a second grid holding the expected text.
TEST(ExGridPaint, TextKindsDrawAsTheirVisibleText) {
    const struct {
        const char* what;
        std::function<void(TTestExGrid&)> arrange;
        const char* text;
        const char* looksLike;
    } cases[] = {
        {"rich text without its control words", [](TTestExGrid&) {},
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello}", "Hello"},
        {"mini-HTML without its tags", [](TTestExGrid&) {}, "<font color=\"#000000\">Hi</font>",
         "Hi"},
        {"a password cell",
         [](TTestExGrid& g) {
             g.OnIsPasswordCell = [](TObject*, int, int, bool& pw) { pw = true; };
         },
         "abc", "***"},
        {"only the first line without word wrap and multi-line cells",
         [](TTestExGrid& g) { g.SetWordWrap(false); }, "one\r\ntwo", "one"},
    };
    for (const auto& c : cases) {
        auto actual = MakeGrid();
        c.arrange(*actual);
        actual->SetCells(1, 1, c.text);
        auto expected = MakeGrid();
        expected->SetWordWrap(actual->WordWrap());
        expected->SetCells(1, 1, c.looksLike);
        const auto inkA = Ink(*Render(*actual), Inside(1, 1), White);
        const auto inkB = Ink(*Render(*expected), Inside(1, 1), White);
        ASSERT_TRUE(inkA && inkB) << c.what;
        EXPECT_EQ(inkA->Left, inkB->Left) << c.what;
        EXPECT_EQ(inkA->Right, inkB->Right) << c.what;
        EXPECT_EQ(inkA->Bottom, inkB->Bottom) << c.what;
    }
}

TEST(ExGridPaint, MergedCellTextSpansTheArea) {
    auto grid = MakeGrid();
    grid->SetWordWrap(false);
    grid->SetCells(1, 1, "ab");
    ASSERT_TRUE(grid->MergeCells(1, 1, 2, 1));
    grid->SetAlignments(1, 1, taRightJustify);
    ASSERT_EQ(grid->CellRect(1, 1).Right, 180);
    const auto bitmap = Render(*grid);
    // Right-justified in the area, so it sits in the second column of it; once, so the first
    // column is empty.
    EXPECT_TRUE(Ink(*bitmap, Inside(2, 1), White));
    EXPECT_FALSE(Ink(*bitmap, TRect{61, 21, 118, 38}, White));
}

TEST(ExGridPaint, CellBordersFromTheHook) {
    auto grid = MakeGrid();
    grid->OnGetCellBorder = [](TObject*, int ARow, int ACol, TPen* pen, TCellBorders& borders) {
        if (ACol == 2 && ARow == 2) {
            pen->SetColor(Red);
            borders = TCellBorders{cbLeft, cbBottom};
        }
    };
    const auto bitmap = Render(*grid);
    EXPECT_EQ(bitmap->Pixel(121, 50), Red) << "left border";
    EXPECT_EQ(bitmap->Pixel(150, 58), Red) << "bottom border";
    EXPECT_EQ(bitmap->Pixel(150, 41), White) << "no top border";
}

TEST(ExGridPaint, CustomDrawEventsComeOncePerCell) {
    auto grid = MakeGrid();
    std::vector<int> bkg, draw;
    grid->OnCustomCellBkgDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                    const TRect&, bool) {
        if (ARow == 1)
            bkg.push_back(ACol);
    };
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                 const TRect&, bool) {
        if (ARow == 1)
            draw.push_back(ACol);
    };
    Render(*grid);
    EXPECT_EQ(bkg, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(draw, bkg);
}

TEST(ExGridPaint, NoDefaultDrawLeavesTheTextToTheEvent) {
    auto grid = MakeGrid();
    grid->SetCells(1, 1, "text");
    grid->NoDefaultDraw = true;
    grid->OnCustomCellDraw = [](TObject*, TCanvas*, int, int, TGridDrawState, const TRect&, bool) {
    };
    EXPECT_FALSE(Ink(*Render(*grid), Inside(1, 1), White));
}

TEST(ExGridPaint, BlendColorPercent) {
    const struct {
        TColor c1, c2;
        int percent;
        TColor result;
    } cases[] = {
        {Red, Blue, 100, Red},           {Red, Blue, 150, Red},  {Red, Blue, 0, Blue},
        {clNone, Blue, 50, Blue},        {Red, clNone, 50, Red}, {Red, Blue, 50, RGB(128, 0, 128)},
        {White, 0, 25, RGB(64, 64, 64)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TExStringGrid::BlendColorPercent(c.c1, c.c2, c.percent), c.result)
            << c.c1 << " " << c.c2 << " " << c.percent;
}

TEST(ExGridPaint, NothingRaisedInsideAPaintEscapes) {
    auto grid = MakeGrid();
    grid->SetCells(1, 1, "12");
    grid->OnGetFloatFormat = [](TObject*, int, int, bool&, std::string& format) {
        format = "%s%s%s";
    };
    EXPECT_NO_THROW(Render(*grid));
}

TEST(ExGridPaint, AHandlerThatRaisesEndsOnlyItsCell) {
    auto grid = MakeGrid();
    grid->SetCells(3, 3, "text");
    grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* brush, TFont*) {
        brush->SetColor(Red);
        if (ARow == 1 && ACol == 1)
            throw Exception("colour hook failed");
    };
    grid->OnCustomCellDraw = [](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState,
                                const TRect&, bool) {
        if (ARow == 2 && ACol == 2)
            throw Exception("custom draw failed");
    };
    std::unique_ptr<TBitmap> bitmap;
    ASSERT_NO_THROW(bitmap = Render(*grid));
    EXPECT_EQ(bitmap->Pixel(100, 30), White) << "the failing cell keeps the grid colour";
    EXPECT_EQ(bitmap->Pixel(100, 50), Red) << "the other cells get the hook's colour";
    EXPECT_TRUE(Ink(*bitmap, Inside(3, 3), Red)) << "cells after the failures are drawn";
}

TEST(ExGridPaint, SelectionRectangleFramesTheRange) {
    auto grid = MakeGrid();
    grid->SetSelectionRectangle(true);
    grid->SelectionRectangleColor = Red;
    grid->SetSelectionResizer(true);
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    const auto bitmap = Render(*grid);
    const PixelCase cases[] = {
        {"left edge", nullptr, 61, 40, Red},
        {"top edge", nullptr, 120, 21, Red},
        {"right edge", nullptr, 177, 40, Red},
        {"resizer in the bottom-right cell", nullptr, 177, 57, Red},
        {"inside the range", nullptr, 120, 40, Selected},
        {"outside the range", nullptr, 200, 40, White},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(bitmap->Pixel(c.x, c.y), c.color) << c.what;
}

TEST(ExGridPaint, LinksShowInTheLinkColourWithoutTheirScheme) {
    const struct {
        const char* what;
        bool urlShow, urlFull;
        TColor ink;
        const char* looksLike;
    } cases[] = {
        {"link", true, false, Blue, "example.org"},
        {"link with its scheme", true, true, Blue, "http://example.org"},
        {"plain text without URLShow", false, false, clBlack, "http://example.org"},
    };
    for (const auto& c : cases) {
        auto grid = MakeGrid();
        grid->SetURLShow(c.urlShow);
        grid->URLFull = c.urlFull;
        grid->SetWordWrap(false);
        grid->SetColWidths(1, 200);
        grid->SetCells(1, 1, "http://example.org");
        auto expected = MakeGrid();
        expected->SetWordWrap(false);
        expected->SetColWidths(1, 200);
        expected->SetCells(1, 1, c.looksLike);
        const auto bitmap = Render(*grid);
        const TRect cell{61, 21, 258, 38};
        const auto ink = Ink(*bitmap, cell, White);
        const auto plain = Ink(*Render(*expected), cell, White);
        ASSERT_TRUE(ink && plain) << c.what;
        // The underline runs to the end of the last character's advance.
        EXPECT_NEAR(ink->Right, plain->Right, 2) << c.what;
        bool found = false;
        for (int y = ink->Top; y < ink->Bottom && !found; ++y)
            for (int x = ink->Left; x < ink->Right && !found; ++x)
                found = bitmap->Pixel(x, y) == c.ink;
        EXPECT_TRUE(found) << c.what;
    }
}

TEST(ExGridPaint, WordWrapBreaksOnlyTextsWiderThanTheCell) {
    const struct {
        const char* what;
        const char* text;
        bool wraps;
    } cases[] = {
        {"a short text stays on one line", "ab cd", false},
        {"a text just too wide wraps", "abcd efgh ijkl", true},
        {"wide characters beyond ASCII wrap",
         "\xe6\xbc\xa2\xe5\xad\x97 \xe6\xbc\xa2\xe5\xad\x97 "
         "\xe6\xbc\xa2\xe5\xad\x97",
         true},
    };
    for (const auto& c : cases) {
        auto grid = MakeGrid();
        grid->SetRowHeights(1, 60);
        grid->SetColWidths(1, 50);
        grid->SetCells(1, 1, c.text);
        const auto ink = Ink(*Render(*grid), TRect{61, 21, 108, 79}, White);
        ASSERT_TRUE(ink) << c.what;
        const int oneLine = grid->Canvas()->TextHeight("hg");
        EXPECT_EQ(ink->Bottom - ink->Top > oneLine, c.wraps) << c.what;
    }
}
