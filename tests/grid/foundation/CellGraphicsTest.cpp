#include "grid/foundation/CellGraphics.h"
#include "ScopedFormatSettings.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

constexpr TColor Background = RGB(1, 2, 3);
constexpr TColor Fill = RGB(200, 0, 0);
constexpr TColor Rest = RGB(0, 0, 200);

std::unique_ptr<TBitmap> Canvas(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Canvas()->Brush()->SetColor(Background);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

TLevelProgressAppearance PlainLevels() {
    TLevelProgressAppearance look;
    look.Level0Color = RGB(0, 10, 0);
    look.Level1Color = RGB(0, 20, 0);
    look.Level2Color = RGB(0, 30, 0);
    look.Level3Color = RGB(0, 40, 0);
    look.Level1Perc = 70;
    look.Level2Perc = 90;
    look.ShowGradient = false;
    look.ShowPercentage = false;
    look.CompletionSmooth = true;
    look.UnCompleteColor = clWhite;
    return look;
}

} // namespace

TEST(CellGraphics, EachGraphicStaysInsideItsRectangle) {
    // Margins of 0, text wider than the cell, shapes touching every edge: nothing may reach
    // the neighbouring cells.
    const TRect cell = Rect(10, 10, 40, 26);
    TFont bigFont;
    bigFont.SetHeight(-30);
    struct Case {
        std::string Name;
        std::function<void(TCanvas*)> Draw;
    };
    std::vector<Case> cases = {
        {"value bar", [&](TCanvas* c) { DrawValueBar(c, cell, -7, 5, true, Fill, Rest); }},
        {"progress bar",
         [&](TCanvas* c) {
             c->Font()->SetHeight(-30);
             DrawProgressBar(c, cell, Fill, clWhite, Rest, clBlack, 60, 0, 0, 0, 100,
                             "%d percent done", clBlack, false);
         }},
        {"progress bar on paper",
         [&](TCanvas* c) {
             DrawProgressBar(c, cell, Fill, clWhite, Rest, clBlack, 60, 0, 0, 0, 100, "", clNone,
                             true);
         }},
        {"progress pie", [&](TCanvas* c) { DrawProgressPie(c, cell, Fill, 40, false); }},
        {"progress pie on paper", [&](TCanvas* c) { DrawProgressPie(c, cell, Fill, 40, true); }},
        {"error underline",
         [&](TCanvas* c) {
             DrawErrorUnderline(nullptr, c, "a misspeled word and more", cell, 12, 2, 40);
         }},
    };
    for (bool vertical : {false, true})
        for (bool stacked : {false, true})
            for (bool smooth : {false, true})
                cases.push_back({"level progress", [=, &bigFont](TCanvas* c) {
                                     TLevelProgressAppearance look;
                                     look.Vertical = vertical;
                                     look.Stacked = stacked;
                                     look.CompletionSmooth = smooth;
                                     look.ShowBorder = true;
                                     look.Font = &bigFont;
                                     DrawLevelProgress(c, cell, 150, look);
                                 }});
    for (int shape = csRectangle; shape <= csHalfStar; ++shape)
        cases.push_back({"shape " + std::to_string(shape), [=](TCanvas* c) {
                             DrawCellShape(c, cell.Left, cell.Top, cell.Width(), cell.Height(),
                                           static_cast<TCellShape>(shape), Fill, Rest);
                         }});

    for (const Case& c : cases) {
        auto bitmap = Canvas(50, 36);
        c.Draw(bitmap->Canvas());
        bool drewInside = false;
        for (int y = 0; y < bitmap->Height(); ++y)
            for (int x = 0; x < bitmap->Width(); ++x) {
                const bool changed = bitmap->Pixel(x, y) != Background;
                if (cell.Contains({x, y}))
                    drewInside |= changed;
                else
                    ASSERT_FALSE(changed) << c.Name << " at " << x << "," << y;
            }
        EXPECT_TRUE(drewInside) << c.Name;
    }
}

TEST(CellGraphics, TheClipIsGivenBackAfterDrawing) {
    auto bitmap = Canvas(50, 36);
    TCanvas* canvas = bitmap->Canvas();
    canvas->SetClipRect(Rect(0, 0, 45, 30));
    DrawCellShape(canvas, 0, 0, 10, 10, csRectangle, Fill, Rest);
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 45, 30));
    EXPECT_EQ(canvas->Brush()->Color(), Fill) << "brush and pen keep the shape's colours";
}

TEST(ValueBar, GrowsFromTheMiddleAndStopsAtTheRange) {
    struct Case {
        int Value;
        int FirstFilled, LastFilled; // columns, or -1 for no bar
        TColor Color;
    };
    // Inside (2, 2, 42, 18): the middle at x = 22, half a width of 20.
    for (Case c : {Case{-20, 2, 21, Fill}, Case{-10, 2, 21, Fill}, Case{5, 22, 31, Rest},
                   Case{30, 22, 41, Rest}, Case{0, -1, -1, Rest}}) {
        auto bitmap = Canvas(44, 20);
        DrawValueBar(bitmap->Canvas(), Rect(0, 0, 44, 20), c.Value, 10, false, Fill, Rest);
        for (int x = 0; x < 44; ++x) {
            const bool filled = x >= c.FirstFilled && x <= c.LastFilled;
            EXPECT_EQ(bitmap->Pixel(x, 10), filled ? c.Color : Background)
                << "value " << c.Value << " x " << x;
        }
        EXPECT_EQ(bitmap->Pixel(c.FirstFilled < 0 ? 22 : c.FirstFilled, 1), Background);
    }
}

TEST(ValueBar, ARangeOfZeroDrawsNothing) {
    auto bitmap = Canvas(44, 20);
    DrawValueBar(bitmap->Canvas(), Rect(0, 0, 44, 20), 5, 0, true, Fill, Rest);
    DrawValueBar(bitmap->Canvas(), Rect(0, 0, 44, 20), -5, -3, true, Fill, Rest);
    for (int x = 0; x < 44; ++x)
        EXPECT_EQ(bitmap->Pixel(x, 10), Background);
}

TEST(ProgressText, FormatsTheFirstNumberAndKeepsTheRest) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    struct Case {
        const char* Format;
        double Value;
        const char* Expected;
    };
    for (Case c :
         {Case{"%d items", 50, "50 items"}, Case{"%d%%", 50, "50%"},
          Case{"%.1f kg", 3.14159, "3.1 kg"}, Case{"%f", 2, "2.00"}, Case{"[%5d]", 42, "[   42]"},
          Case{"[%-4u]", 7, "[7   ]"}, Case{"%x", 255, "FF"}, Case{"%d and %d", 3, "3 and %d"},
          Case{"%s of %d", 9, "%s of 9"}, Case{"100%", 1, "100%"},
          Case{"%99999999d", 1, "%99999999d"}, Case{"%.1e", 1500, "1.5e+03"}})
        EXPECT_EQ(FormatProgressText(c.Format, c.Value), c.Expected) << c.Format;
}

TEST(ProgressText, ReadsRealNumbersAsTheLocaleWritesThem) {
    struct Case {
        bool European;
        const char* Format;
        double Value;
        const char* Expected;
    };
    for (Case c :
         {Case{false, "%n", 1234567.891, "1,234,567.89"}, Case{false, "%n", -1234.5, "-1,234.50"},
          Case{false, "%.0n", 999, "999"}, Case{false, "[%10n]", 1234.5, "[  1,234.50]"},
          Case{true, "%.1f kg", 3.14159, "3,1 kg"}, Case{true, "%n", 1234567.891, "1.234.567,89"},
          Case{true, "[%-8.1f]", 3.14159, "[3,1     ]"}, Case{true, "%d", 1234, "1234"},
          Case{true, "%.1e", 1500, "1,5e+03"}}) {
        ScopedFormatSettings settings(c.European ? ScopedFormatSettings::European()
                                                 : ScopedFormatSettings::English());
        EXPECT_EQ(FormatProgressText(c.Format, c.Value), c.Expected) << c.Format;
    }
}

TEST(ProgressText, HugeValuesKeepAllTheirDigits) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    const std::string text = FormatProgressText("%.0f kg", 1e200);
    EXPECT_GT(text.size(), 200u) << "some two hundred digits";
    EXPECT_EQ(text.substr(text.size() - 3), " kg") << "and the words after them";
}

TEST(ProgressText, TheBarShowsAPercentageOrTheFormattedValue) {
    ScopedFormatSettings english(ScopedFormatSettings::English());
    struct Case {
        const char* Format;
        double Value;
        const char* Expected;
    };
    // A "d" or "u" in the words around a real conversion leaves the value unrounded.
    for (Case c : {Case{"", 150, "150%"}, Case{"", 40.5, "40%"}, Case{"%d items", 50.4, "50 items"},
                   Case{"%.1f used", 3.14159, "3.1 used"}, Case{"%.2f mm/d", 2.5, "2.50 mm/d"},
                   Case{"%u", 7.6, "8"}})
        EXPECT_EQ(ProgressBarText(c.Format, c.Value), c.Expected) << c.Format;
}

TEST(ProgressBar, FillsUpToThePercentage) {
    struct Case {
        double Value;
        int Min, Max;
        const char* Format;
        int FilledColumns; // of the 100 inside the frame
    };
    for (Case c :
         {Case{150, 0, 100, "", 100}, Case{40, 0, 100, "", 40}, Case{50, 0, 200, "%d items", 25},
          Case{-5, 0, 100, "", 0}, Case{7, 5, 5, "%d", 100}, Case{3, 5, 5, "%d", 0}}) {
        auto bitmap = Canvas(104, 24);
        bitmap->Canvas()->Brush()->SetColor(clWhite);
        DrawProgressBar(bitmap->Canvas(), Rect(0, 0, 104, 24), Fill, clWhite, Rest, clWhite,
                        c.Value, 2, 2, c.Min, c.Max, c.Format, clBlack, false);
        // The top row inside the frame holds no text.
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(bitmap->Pixel(2 + x, 2), x < c.FilledColumns ? Fill : Rest)
                << c.Value << " " << c.Format << " column " << x;
        EXPECT_EQ(bitmap->Pixel(1, 1), clBlack) << "the frame";
        EXPECT_EQ(bitmap->Pixel(0, 0), clWhite) << "the outer frame in the brush colour";
    }
}

TEST(ProgressBar, ValuesBeyondAnyRangeDrawAnEmptyOrFullBar) {
    struct Case {
        double Value;
        const char* Format;
        TColor Right; // of the last column inside
    };
    for (Case c : {Case{1e300, "", Fill}, Case{-1e300, "%d", Rest}, Case{std::nan(""), "", Rest},
                   Case{std::nan(""), "%.1f", Rest}, Case{1e300, "%f", Fill}}) {
        auto bitmap = Canvas(104, 24);
        DrawProgressBar(bitmap->Canvas(), Rect(0, 0, 104, 24), Fill, clWhite, Rest, clWhite,
                        c.Value, 2, 2, 0, 100, c.Format, clBlack, false);
        EXPECT_EQ(bitmap->Pixel(101, 2), c.Right) << c.Value << " " << c.Format;
    }
    EXPECT_EQ(FormatProgressText("%d", std::nan("")), "0");
}

TEST(ProgressPie, FillsTheSectorFromTwelveOClock) {
    struct Case {
        int Percent;
        TPoint Filled;
        TPoint Empty;
    };
    for (Case c : {Case{25, {26, 8}, {12, 8}}, Case{50, {26, 28}, {12, 28}},
                   Case{75, {10, 28}, {12, 8}}, Case{100, {12, 8}, {-1, -1}}}) {
        auto bitmap = Canvas(40, 40);
        bitmap->Canvas()->Brush()->SetColor(clWhite);
        DrawProgressPie(bitmap->Canvas(), Rect(0, 0, 40, 40), Fill, c.Percent, false);
        EXPECT_EQ(bitmap->Pixel(c.Filled.X, c.Filled.Y), Fill) << c.Percent;
        if (c.Empty.X >= 0) {
            EXPECT_EQ(bitmap->Pixel(c.Empty.X, c.Empty.Y), clWhite) << c.Percent;
        }
        EXPECT_EQ(bitmap->Pixel(0, 0), Background) << "outside the circle";
    }
    auto none = Canvas(40, 40);
    none->Canvas()->Brush()->SetColor(clWhite);
    DrawProgressPie(none->Canvas(), Rect(0, 0, 40, 40), Fill, 0, false);
    EXPECT_EQ(none->Pixel(26, 8), clWhite);
}

TEST(LevelProgress, TheLevelReachedPicksTheColour) {
    TLevelProgressAppearance look = PlainLevels();
    struct Case {
        int Percent;
        TColor Color;
    };
    for (Case c : {Case{69, look.Level0Color}, Case{70, look.Level1Color},
                   Case{99, look.Level2Color}, Case{100, look.Level3Color}}) {
        auto bitmap = Canvas(102, 12);
        DrawLevelProgress(bitmap->Canvas(), Rect(0, 0, 102, 12), c.Percent, look);
        EXPECT_EQ(bitmap->Pixel(1, 6), c.Color) << c.Percent;
        EXPECT_EQ(bitmap->Pixel(c.Percent, 6), c.Color) << c.Percent;
        if (c.Percent < 100) {
            EXPECT_EQ(bitmap->Pixel(c.Percent + 1, 6), clWhite) << c.Percent;
        }
    }
}

TEST(LevelProgress, StackedSegmentsShowEachLevel) {
    TLevelProgressAppearance look = PlainLevels();
    look.Stacked = true;
    auto bitmap = Canvas(102, 12);
    DrawLevelProgress(bitmap->Canvas(), Rect(0, 0, 102, 12), 95, look);
    EXPECT_EQ(bitmap->Pixel(1, 6), look.Level0Color);
    EXPECT_EQ(bitmap->Pixel(70, 6), look.Level0Color);
    EXPECT_EQ(bitmap->Pixel(71, 6), look.Level1Color);
    EXPECT_EQ(bitmap->Pixel(90, 6), look.Level1Color);
    EXPECT_EQ(bitmap->Pixel(91, 6), look.Level3Color);
    EXPECT_EQ(bitmap->Pixel(95, 6), look.Level3Color);
    EXPECT_EQ(bitmap->Pixel(96, 6), clWhite);
}

TEST(LevelProgress, BlocksAreSevenPixelsEveryNine) {
    TLevelProgressAppearance look = PlainLevels();
    look.CompletionSmooth = false;
    auto bitmap = Canvas(102, 12);
    DrawLevelProgress(bitmap->Canvas(), Rect(0, 0, 102, 12), 23, look);
    // 23 pixels: two blocks of 7 and a last one of 23 mod 9 - 1 = 4, from x = 2.
    std::string row;
    for (int x = 2; x < 30; ++x)
        row += bitmap->Pixel(x, 6) == look.Level0Color ? '#' : '.';
    EXPECT_EQ(row, "#######..#######..####......");
    EXPECT_EQ(bitmap->Pixel(4, 1), clWhite) << "blocks sit 2 pixels inside the frame";
}

TEST(LevelProgress, AVerticalBarGrowsUpward) {
    TLevelProgressAppearance look = PlainLevels();
    look.Vertical = true;
    auto bitmap = Canvas(12, 102);
    DrawLevelProgress(bitmap->Canvas(), Rect(0, 0, 12, 102), 30, look);
    EXPECT_EQ(bitmap->Pixel(6, 100), look.Level0Color);
    EXPECT_EQ(bitmap->Pixel(6, 71), look.Level0Color);
    EXPECT_EQ(bitmap->Pixel(6, 70), clWhite);
}

TEST(CellShape, CirclesSquaresAndRoundSquaresUseTheSmallerSide) {
    auto bitmap = Canvas(30, 20);
    DrawCellShape(bitmap->Canvas(), 5, 5, 20, 10, csCircle, Fill, Fill);
    EXPECT_EQ(bitmap->Pixel(10, 10), Fill) << "centre of a circle of diameter 10";
    EXPECT_EQ(bitmap->Pixel(5, 10), Fill);
    EXPECT_EQ(bitmap->Pixel(16, 10), Background);
    EXPECT_EQ(bitmap->Pixel(20, 10), Background);

    auto ellipse = Canvas(30, 20);
    DrawCellShape(ellipse->Canvas(), 5, 5, 20, 10, csEllips, Fill, Fill);
    EXPECT_EQ(ellipse->Pixel(20, 10), Fill) << "an ellipse fills the box";
}

TEST(CellShape, ShapesPointWhereTheirNameSays) {
    struct Case {
        TCellShape Shape;
        TPoint Filled;
        TPoint Empty;
    };
    // Box (0, 0, 20, 20).
    for (Case c : {Case{csTriangleLeft, {3, 10}, {3, 2}}, Case{csTriangleRight, {16, 10}, {16, 2}},
                   Case{csTriangleUp, {10, 3}, {2, 3}}, Case{csTriangleDown, {10, 16}, {2, 16}},
                   Case{csArrowUp, {10, 2}, {2, 16}}, Case{csArrowDown, {10, 17}, {2, 3}},
                   Case{csArrowLeft, {2, 10}, {16, 2}}, Case{csArrowRight, {17, 10}, {3, 2}},
                   Case{csLineVert, {10, 3}, {9, 3}}, Case{csLineHorz, {3, 10}, {3, 9}},
                   Case{csStar, {10, 10}, {3, 3}}, Case{csHalfStar, {8, 10}, {13, 10}},
                   Case{csDiamond, {10, 10}, {2, 2}}, Case{csRectangle, {1, 1}, {0, 0}}}) {
        auto bitmap = Canvas(20, 20);
        DrawCellShape(bitmap->Canvas(), 0, 0, 20, 20, c.Shape, Fill, Fill);
        EXPECT_EQ(bitmap->Pixel(c.Filled.X, c.Filled.Y), Fill) << "shape " << c.Shape;
        EXPECT_EQ(bitmap->Pixel(c.Empty.X, c.Empty.Y), Background) << "shape " << c.Shape;
    }
}

TEST(CellShape, UnknownShapesDrawNothing) {
    auto bitmap = Canvas(20, 20);
    DrawCellShape(bitmap->Canvas(), 0, 0, 20, 20, static_cast<TCellShape>(19), Fill, Fill);
    DrawCellShape(bitmap->Canvas(), 0, 0, 20, 20, static_cast<TCellShape>(-1), Fill, Fill);
    EXPECT_EQ(bitmap->Pixel(10, 10), Background);
}

TEST(ErrorUnderline, ZigzagsInRedUnderTheRangeOnly) {
    TCustomControl owner(nullptr);
    TCanvas measure;
    measure.Font()->Assign(*owner.Font());
    const std::string text = "one twoo three";
    const int from = measure.TextWidth("one ");
    const int to = measure.TextWidth("one two");
    auto bitmap = Canvas(200, 30);
    DrawErrorUnderline(&owner, bitmap->Canvas(), text, Rect(0, 0, 200, 30), 12, 4, 4);
    int leftmost = 200;
    int rightmost = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x)
            if (bitmap->Pixel(x, y) == clRed) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
                EXPECT_GE(y, 11);
                EXPECT_LE(y, 16);
            }
    EXPECT_EQ(leftmost, from) << "from the range's first character";
    EXPECT_GE(rightmost, to);
    EXPECT_LT(rightmost, to + 10);
}

TEST(ErrorUnderline, ARangeBeyondTheTextEndsAfterIt) {
    TCustomControl owner(nullptr);
    for (int start : {0, 3, 50, std::numeric_limits<int>::max()})
        for (const std::string text : {"", "abc"}) {
            auto bitmap = Canvas(100, 30);
            DrawErrorUnderline(&owner, bitmap->Canvas(), text, Rect(0, 0, 100, 30), 12, start, 100);
            bool red = false;
            for (int x = 0; x < 100; ++x)
                red |= bitmap->Pixel(x, 14) == clRed || bitmap->Pixel(x, 13) == clRed;
            EXPECT_TRUE(red) << text << " from " << start;
        }
}
