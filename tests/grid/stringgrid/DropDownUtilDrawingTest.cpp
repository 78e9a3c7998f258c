#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Pixels of the bitmap outside R that are no longer white.
int PaintedOutside(const TBitmap& bitmap, const TRect& r) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (!r.Contains({x, y}) && bitmap.Pixel(x, y) != clWhite)
                ++count;
    return count;
}

std::vector<TColor> Row(const TBitmap& bitmap, int y, int from, int to) {
    std::vector<TColor> row;
    for (int x = from; x < to; ++x)
        row.push_back(bitmap.Pixel(x, y));
    return row;
}

} // namespace

TEST(DrawGradientBands, StaysInsideItsRectangleAndCoversIt) {
    struct Case {
        TRect R;
        int Steps;
        bool Horizontal;
    };
    // Among them band shares that round up (3.5 pixels) and down (2.5), more bands than pixels,
    // and a single pixel row.
    const std::vector<Case> cases = {
        {Rect(5, 4, 13, 20), 2, true},  {Rect(5, 4, 11, 20), 2, true},
        {Rect(3, 3, 40, 30), 80, true}, {Rect(3, 3, 40, 30), 80, false},
        {Rect(2, 7, 50, 15), 7, false}, {Rect(10, 10, 11, 11), 5, true},
        {Rect(0, 0, 60, 40), 3, false}, {Rect(6, 6, 33, 9), 1, true},
    };
    for (const Case& c : cases) {
        TBitmap bitmap(60, 40);
        DrawGradientBands(bitmap.Canvas(), RGB(0, 0, 200), RGB(200, 100, 0), c.Steps, c.R,
                          c.Horizontal);
        EXPECT_EQ(PaintedOutside(bitmap, c.R), 0)
            << c.R.Left << "," << c.R.Right << " steps " << c.Steps;
        for (int y = c.R.Top; y < c.R.Bottom; ++y)
            for (int x = c.R.Left; x < c.R.Right; ++x)
                ASSERT_NE(bitmap.Pixel(x, y), clWhite) << x << "," << y << " steps " << c.Steps;
    }
}

TEST(DrawGradientBands, NoStepsFillsExactlyTheRectangleWithTheFirstColour) {
    TBitmap bitmap(30, 30);
    const TRect r = Rect(4, 6, 21, 19);
    DrawGradientBands(bitmap.Canvas(), clRed, clBlue, 0, r, true);
    EXPECT_EQ(PaintedOutside(bitmap, r), 0);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            ASSERT_EQ(bitmap.Pixel(x, y), clRed);
}

TEST(DrawGradientBands, BandsStepLinearlyAndStopShortOfTheLastColour) {
    // 41 pixels: 40 to the last one, 10 per band.
    TBitmap bitmap(41, 3);
    DrawGradientBands(bitmap.Canvas(), RGB(0, 0, 0), RGB(100, 200, 40), 4, Rect(0, 0, 41, 3), true);
    EXPECT_EQ(bitmap.Pixel(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Pixel(15, 1), RGB(25, 50, 10));
    EXPECT_EQ(bitmap.Pixel(25, 1), RGB(50, 100, 20));
    EXPECT_EQ(bitmap.Pixel(35, 1), RGB(75, 150, 30));
    EXPECT_EQ(bitmap.Pixel(40, 1), RGB(75, 150, 30));
}

TEST(DrawGradientBands, VerticalBandsRunTopToBottomWithSystemColoursResolved) {
    TBitmap bitmap(5, 21);
    DrawGradientBands(bitmap.Canvas(), clBlack, clWhite, 2, Rect(0, 0, 5, 21), false);
    // Halfway is 127.5, which rounds to the even 128.
    EXPECT_EQ(Row(bitmap, 5, 0, 5), std::vector<TColor>(5, RGB(0, 0, 0)));
    EXPECT_EQ(Row(bitmap, 15, 0, 5), std::vector<TColor>(5, RGB(128, 128, 128)));
    TBitmap system(4, 4);
    DrawGradientBands(system.Canvas(), clBtnFace, clBtnFace, 3, Rect(0, 0, 4, 4), true);
    EXPECT_EQ(system.Pixel(2, 2), ColorToRGB(clBtnFace));
}

TEST(DrawGradientBands, EmptyRectangleOrNoCanvasDrawsNothing) {
    TBitmap bitmap(10, 10);
    DrawGradientBands(bitmap.Canvas(), clRed, clBlue, 4, Rect(5, 5, 5, 9), true);
    DrawGradientBands(bitmap.Canvas(), clRed, clBlue, 4, Rect(8, 8, 2, 2), false);
    DrawGradientBands(nullptr, clRed, clBlue, 4, Rect(0, 0, 10, 10), false);
    EXPECT_EQ(PaintedOutside(bitmap, {}), 0);
}

TEST(DrawAppearanceBackground, FillGradientAndFrameStayInsideTheRectangle) {
    struct Case {
        TColor Color, ColorTo, Border;
        int BorderWidth;
        bool Vertical;
        TColor Inside; // at the rectangle's centre
        TColor Edge;   // on its left edge, half way down
    };
    const std::vector<Case> cases = {
        {clRed, clNone, clNone, 1, true, clRed, clRed},
        {clRed, clNone, clBlue, 1, true, clRed, clBlue},
        {clRed, clNone, clBlue, 3, true, clRed, clBlue},
        {clRed, clNone, clBlue, 0, true, clRed, clRed},
        {clNone, clNone, clBlue, 2, true, clWhite, clBlue},
        {clRed, clRed, clNone, 1, false, clRed, clRed},
    };
    const TRect r = Rect(5, 5, 35, 25);
    for (const Case& c : cases) {
        TBitmap bitmap(40, 30);
        DrawAppearanceBackground(bitmap.Canvas(), r, c.Color, c.ColorTo, c.Border, c.BorderWidth,
                                 c.Vertical);
        EXPECT_EQ(PaintedOutside(bitmap, r), 0) << c.BorderWidth;
        EXPECT_EQ(bitmap.Pixel(20, 15), c.Inside) << c.BorderWidth;
        EXPECT_EQ(bitmap.Pixel(5, 15), c.Edge) << c.BorderWidth;
        if (c.Border != clNone && c.BorderWidth > 1)
            EXPECT_EQ(bitmap.Pixel(5 + c.BorderWidth - 1, 15), c.Border);
    }
    DrawAppearanceBackground(nullptr, r, clRed, clBlue, clBlack, 1, true);
}

TEST(DrawAppearanceBackground, VerticalDirectionChangesColourDownwards) {
    const TRect r = Rect(0, 0, 20, 20);
    TBitmap vertical(20, 20);
    DrawAppearanceBackground(vertical.Canvas(), r, clBlack, clWhite, clNone, 0, true);
    EXPECT_EQ(vertical.Pixel(2, 10), vertical.Pixel(17, 10));
    EXPECT_NE(vertical.Pixel(10, 2), vertical.Pixel(10, 17));
    TBitmap horizontal(20, 20);
    DrawAppearanceBackground(horizontal.Canvas(), r, clBlack, clWhite, clNone, 0, false);
    EXPECT_NE(horizontal.Pixel(2, 10), horizontal.Pixel(17, 10));
    EXPECT_EQ(horizontal.Pixel(10, 2), horizontal.Pixel(10, 17));
}

TEST(DrawImageAndText, ImageAtTheLeftAndTextInsideTheRectangle) {
    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap glyph(8, 8);
    glyph.Canvas()->Brush()->SetColor(clGreen);
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    images.Add(&glyph, clNone);

    const TRect r = Rect(10, 10, 150, 30);
    TBitmap bitmap(160, 40);
    bitmap.Canvas()->Font()->SetColor(clBlack);
    DrawImageAndText(bitmap.Canvas(), r, "Caption text", &images, 0);
    // The image: 4 pixels in, centred in the 20 pixel height.
    EXPECT_EQ(bitmap.Pixel(14, 16), clGreen);
    EXPECT_EQ(bitmap.Pixel(13, 16), clWhite);
    EXPECT_EQ(PaintedOutside(bitmap, r), 0);
    // Left-aligned text begins right after the image (R.Left + 8 + 8).
    int firstText = -1;
    for (int x = 22; x < r.Right && firstText < 0; ++x)
        for (int y = r.Top; y < r.Bottom; ++y)
            if (bitmap.Pixel(x, y) != clWhite) {
                firstText = x;
                break;
            }
    EXPECT_GE(firstText, 26);
    EXPECT_LT(firstText, 32);

    TBitmap centred(160, 40);
    DrawImageAndText(centred.Canvas(), r, "Caption text", &images, -1);
    EXPECT_EQ(centred.Pixel(14, 16), clWhite);
    EXPECT_EQ(PaintedOutside(centred, r), 0);
    DrawImageAndText(nullptr, r, "x", &images, 0);
}

TEST(PaintBitmapOnColor, ReplacesTheBackgroundAndClipsToTheRectangle) {
    TBitmap glyph(10, 10);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 10, 10));
    glyph.Canvas()->SetPixel(2, 2, clBlue);
    TBitmap bitmap(20, 20);
    const TRect r = Bounds(4, 4, 5, 5);
    PaintBitmapOnColor(bitmap.Canvas(), &glyph, clYellow, r);
    EXPECT_EQ(bitmap.Pixel(6, 6), clBlue);
    EXPECT_EQ(bitmap.Pixel(4, 4), clYellow);
    EXPECT_EQ(bitmap.Pixel(8, 8), clYellow);
    EXPECT_EQ(PaintedOutside(bitmap, r), 0);
    PaintBitmapOnColor(bitmap.Canvas(), nullptr, clYellow, r);
}
