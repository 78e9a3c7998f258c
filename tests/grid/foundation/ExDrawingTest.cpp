#include "grid/foundation/ExDrawing.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

// Distinct colours along one row (or column) of the bitmap.
std::vector<TColor> Runs(const TBitmap& bitmap, bool alongX, int at) {
    std::vector<TColor> runs;
    int length = alongX ? bitmap.Width() : bitmap.Height();
    for (int i = 0; i < length; ++i) {
        TColor c = alongX ? bitmap.Pixel(i, at) : bitmap.Pixel(at, i);
        if (runs.empty() || runs.back() != c)
            runs.push_back(c);
    }
    return runs;
}

} // namespace

TEST(ExDrawingColors, ColorArithmetic) {
    EXPECT_EQ(HalveColor(RGB(200, 101, 3)), RGB(100, 50, 1));
    EXPECT_EQ(ShadeColor(RGB(100, 50, 0), 10), RGB(110, 55, 0));
    EXPECT_EQ(ShadeColor(RGB(100, 50, 0), -50), RGB(50, 25, 0));
    // Brightening stays within the channel instead of wrapping round to a dark colour.
    EXPECT_EQ(ShadeColor(RGB(200, 250, 255), 50), RGB(255, 255, 255));
    EXPECT_EQ(ShadeColor(RGB(10, 10, 10), -300), RGB(0, 0, 0));
    // Halves round to the even neighbour.
    EXPECT_EQ(ShadeColor(RGB(5, 15, 25), 10), RGB(5, 17, 27));
}

TEST(ExDrawingColors, BlendColorStep) {
    struct Case {
        TColor From, To;
        int Low, High, Position;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {RGB(0, 0, 0), RGB(100, 200, 50), 0, 10, 5, RGB(50, 100, 25)},
        {RGB(0, 0, 0), RGB(100, 200, 50), 0, 10, 10, RGB(100, 200, 50)},
        {RGB(100, 100, 100), RGB(0, 0, 0), 0, 4, 1, RGB(75, 75, 75)},
        {RGB(1, 2, 3), clNone, 0, 10, 5, RGB(1, 2, 3)},
        {RGB(1, 2, 3), RGB(9, 9, 9), 5, 5, 5, RGB(1, 2, 3)}, // empty range: no division
        {RGB(0, 0, 0), RGB(255, 255, 255), 0, 10, 20, RGB(255, 255, 255)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColorStep(c.From, c.To, c.Low, c.High, c.Position), c.Expected)
            << c.Low << ".." << c.High << " at " << c.Position;
}

TEST(ExDrawingColors, ExtremeArgumentsStayWithinTheChannels) {
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    EXPECT_EQ(ShadeColor(RGB(200, 100, 1), Max), RGB(255, 255, 255));
    EXPECT_EQ(ShadeColor(RGB(200, 100, 1), Min), RGB(0, 0, 0));
    EXPECT_EQ(ShadeColor(RGB(0, 0, 0), Max), RGB(0, 0, 0)); // nothing to brighten

    struct Case {
        int Low, High, Position;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {Min, Max, Max, RGB(127, 127, 127)}, // the range itself exceeds an int
        {0, 1, Max, RGB(255, 255, 255)},
        {0, 1, Min, RGB(0, 0, 0)},
        {Max, Min, 0, RGB(0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(255, 255, 255), c.Low, c.High, c.Position),
                  c.Expected)
            << c.Low << ".." << c.High << " at " << c.Position;
}

TEST(ExDrawingGradients, OneBandPerPixelAtMost) {
    TBitmap bitmap(10, 4);
    DrawGradient(bitmap.Canvas(), RGB(0, 0, 0), RGB(90, 90, 90), 128, Rect(0, 0, 10, 4), true);
    std::vector<TColor> runs = Runs(bitmap, true, 1);
    ASSERT_EQ(runs.size(), 10u);
    EXPECT_EQ(runs.front(), RGB(0, 0, 0));
    EXPECT_EQ(runs.back(), RGB(90, 90, 90));
    EXPECT_EQ(Runs(bitmap, false, 3).size(), 1u); // constant along y
}

TEST(ExDrawingGradients, EqualEndsAndMissingColours) {
    struct Case {
        TColor From, To;
        TColor Expected;
    };
    const std::vector<Case> cases = {
        {RGB(10, 20, 30), RGB(10, 20, 30), RGB(10, 20, 30)},
        {RGB(10, 20, 30), clNone, RGB(10, 20, 30)},
        {clNone, RGB(40, 50, 60), RGB(40, 50, 60)},
        {clNone, clNone, clWhite}, // nothing to draw
    };
    for (const Case& c : cases) {
        for (bool horizontal : {true, false}) {
            TBitmap bitmap(8, 6);
            DrawGradient(bitmap.Canvas(), c.From, c.To, 16, Rect(0, 6, 8, 0), horizontal);
            std::set<TColor> colours;
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8; ++x)
                    colours.insert(bitmap.Pixel(x, y));
            EXPECT_EQ(colours, std::set<TColor>{c.Expected});
        }
    }
    TBitmap tiny(1, 1); // a one-pixel rectangle has no span to divide: the closing band wins
    DrawGradient(tiny.Canvas(), clRed, clBlue, 0, Rect(0, 0, 1, 1), true);
    EXPECT_EQ(tiny.Pixel(0, 0), clBlue);
}

TEST(ExDrawingGradients, MirrorGradientHalvesAndBorder) {
    TBitmap bitmap(10, 10);
    DrawMirrorGradient(bitmap.Canvas(), Rect(0, 0, 10, 10), clRed, clRed, clBlue, clBlue,
                       mgdVertical, clBlack, false, true);
    EXPECT_EQ(bitmap.Pixel(5, 2), clRed);
    EXPECT_EQ(bitmap.Pixel(5, 7), clBlue);
    EXPECT_EQ(bitmap.Pixel(0, 5), clBlack);
    EXPECT_EQ(bitmap.Pixel(5, 9), clBlack);

    TBitmap sides(10, 10);
    DrawMirrorGradient(sides.Canvas(), Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone,
                       mgdHorizontal, clBlack, true, true);
    EXPECT_EQ(sides.Pixel(0, 5), clBlack);
    EXPECT_EQ(sides.Pixel(9, 5), clBlack);
    EXPECT_EQ(sides.Pixel(5, 0), clRed); // no top line with sides only
}

TEST(ExDrawingGradients, SelectionFramePositions) {
    const TColor upper = RGB(1, 1, 1), lower = RGB(2, 2, 2), border = RGB(3, 3, 3);
    const TColor innerCorner = RGB(4, 4, 4), outerCorner = RGB(5, 5, 5), fill = RGB(6, 6, 6);
    auto draw = [&](int position) {
        auto bitmap = std::make_unique<TBitmap>(20, 12);
        DrawSelectionFrame(bitmap->Canvas(), fill, clNone, clNone, clNone, upper, lower, border,
                           innerCorner, outerCorner, Rect(0, 0, 20, 12), position);
        return bitmap;
    };
    // Frame rectangle after the reductions: right 19, bottom 10.
    auto single = draw(sfpSingle);
    EXPECT_EQ(single->Pixel(0, 0), outerCorner);
    EXPECT_EQ(single->Pixel(1, 0), innerCorner);
    EXPECT_EQ(single->Pixel(0, 5), border);
    EXPECT_EQ(single->Pixel(18, 5), border);
    EXPECT_EQ(single->Pixel(5, 0), border);
    EXPECT_EQ(single->Pixel(5, 1), upper);
    EXPECT_EQ(single->Pixel(5, 9), lower);
    EXPECT_EQ(single->Pixel(5, 5), fill);
    EXPECT_EQ(single->Pixel(1, 3), upper); // inner side line, upper half
    EXPECT_EQ(single->Pixel(1, 5), lower); // and lower half

    auto middle = draw(sfpMiddle);
    EXPECT_EQ(middle->Pixel(0, 5), fill); // no side lines
    EXPECT_EQ(middle->Pixel(18, 5), fill);
    EXPECT_EQ(middle->Pixel(0, 0), border); // no corner pixels
    EXPECT_EQ(middle->Pixel(19, 5), clWhite);

    auto first = draw(sfpFirst);
    EXPECT_EQ(first->Pixel(0, 5), border);
    EXPECT_EQ(first->Pixel(18, 5), fill);
}

TEST(ExDrawingButtons, ToneStylePaintsWithTheStateTone) {
    TColorTones tones;
    tones.Background = {RGB(10, 10, 10), RGB(11, 11, 11), RGB(12, 12, 12)};
    tones.Hover = {RGB(20, 20, 20), RGB(21, 21, 21), RGB(22, 22, 22)};
    tones.Selected = {RGB(30, 30, 30), RGB(31, 31, 31), RGB(32, 32, 32)};
    tones.Disabled = {RGB(40, 40, 40), RGB(41, 41, 41), RGB(42, 42, 42)};
    const std::vector<std::pair<int, TColor>> states = {{bstNormal, RGB(10, 10, 10)},
                                                        {bstHot, RGB(20, 20, 20)},
                                                        {bstDown, RGB(30, 30, 30)},
                                                        {bstDisabled, RGB(40, 40, 40)}};
    for (auto [state, brush] : states) {
        TBitmap face(20, 20);
        DrawButtonFace(face.Canvas(), nullptr, Rect(0, 0, 20, 20), bdsTones, state, tones);
        EXPECT_EQ(face.Pixel(10, 10), brush) << state;

        TBitmap dropDown(40, 20);
        DrawDropDownButton(dropDown.Canvas(), nullptr, Rect(0, 0, 40, 20), bdsTones, state, tones);
        EXPECT_EQ(dropDown.Pixel(36, 4), brush) << state; // inside the 17-pixel button
        EXPECT_EQ(dropDown.Pixel(10, 10), clWhite) << state;
        EXPECT_EQ(dropDown.Pixel(29, 9), RGB(12, 12, 12)) << state; // the arrow
    }
}

TEST(ExDrawingButtons, EveryStyleDrawsOnlyAtTheRight) {
    const TColorTones tones;
    for (int style : {bdsVisualStyle, bdsClassic, bdsFlat}) {
        TBitmap dropDown(40, 20);
        DrawDropDownButton(dropDown.Canvas(), nullptr, Rect(0, 0, 40, 20), style, bstNormal, tones);
        EXPECT_EQ(dropDown.Pixel(10, 10), clWhite) << style;
        EXPECT_NE(dropDown.Pixel(30, 10), clWhite) << style;

        TBitmap spin(40, 20);
        DrawSpinButtons(spin.Canvas(), nullptr, Rect(0, 0, 40, 20), style, bstNormal, tones);
        EXPECT_EQ(spin.Pixel(10, 10), clWhite) << style;
        EXPECT_NE(spin.Pixel(31, 4), clWhite) << style;
        EXPECT_NE(spin.Pixel(31, 14), clWhite) << style;
    }
}

TEST(ExDrawingBitmaps, BackgroundTakesTheGivenColour) {
    TBitmap source(3, 3);
    source.Canvas()->Brush()->SetColor(clGreen);
    source.Canvas()->FillRect(Rect(0, 0, 3, 3));
    source.Canvas()->SetPixel(1, 1, clRed);

    TBitmap target(6, 6);
    DrawBitmapOnColor(target.Canvas(), &source, clBlue, Rect(2, 2, 6, 6));
    EXPECT_EQ(target.Pixel(2, 2), clBlue);
    EXPECT_EQ(target.Pixel(3, 3), clRed);
    EXPECT_EQ(target.Pixel(5, 5), clWhite); // drawn in its own size
    EXPECT_EQ(target.Pixel(1, 1), clWhite);

    TBitmap glyph(12, 12);
    DrawResourceBitmap(glyph.Canvas(), clYellow, Rect(0, 0, 12, 12), "ESGLEAFCLOSE");
    EXPECT_EQ(glyph.Pixel(0, 0), clYellow);
    EXPECT_EQ(glyph.Pixel(4, 4), clBlack); // the plus sign
    TBitmap none(12, 12);
    DrawResourceBitmap(none.Canvas(), clYellow, Rect(0, 0, 12, 12), "UNKNOWN");
    EXPECT_EQ(none.Pixel(0, 0), clWhite);
}

TEST(ClipboardHTML, HeaderOffsetsCountBytes) {
    std::string empty;
    MakeCFHTML(empty);
    EXPECT_EQ(empty.substr(0, 97), "Version:1.0\r\n"
                                   "StartHTML:00000097\r\n"
                                   "EndHTML:00000301\r\n"
                                   "StartFragment:00000269\r\n"
                                   "EndFragment:00000269\r\n");

    const std::string fragment = "<td>Grüße</td>";
    std::string text = fragment;
    MakeCFHTML(text);
    auto offset = [&](const std::string& name) {
        size_t at = text.find(name + ":");
        return std::stoul(text.substr(at + name.size() + 1, 8));
    };
    EXPECT_EQ(text.substr(offset("StartFragment"), fragment.size()), fragment);
    EXPECT_EQ(offset("EndFragment") - offset("StartFragment"), fragment.size());
    EXPECT_EQ(text.substr(offset("StartHTML"), 9), "<!DOCTYPE");
    EXPECT_EQ(offset("EndHTML"), text.size());
    EXPECT_NE(text.find("charset=utf-8"), std::string::npos);
}

TEST(ExDrawingLayered, MissingCallsCountAsDone) {
    EXPECT_TRUE(SafeUpdateLayeredWindow(nullptr, nullptr, Point(0, 0), 255));
    EXPECT_TRUE(SafeSetLayeredWindowAttributes(nullptr, clNone, 128, 2));
}
