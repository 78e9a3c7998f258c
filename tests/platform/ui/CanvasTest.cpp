#include "platform/ui/Canvas.h"
#include "platform/ui/Bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Draws on a white 20 x 20 bitmap and reads pixels back.
struct CanvasDrawing : ::testing::Test {
    TBitmap bitmap{20, 20};
    TCanvas* canvas = bitmap.Canvas();
};

} // namespace

TEST_F(CanvasDrawing, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clYellow);
    canvas->Rectangle(2, 2, 8, 6);

    EXPECT_EQ(bitmap.Pixel(2, 2), clBlack);
    EXPECT_EQ(bitmap.Pixel(7, 5), clBlack) << "the outline's last pixel is right - 1, bottom - 1";
    EXPECT_EQ(bitmap.Pixel(8, 5), clWhite);
    EXPECT_EQ(bitmap.Pixel(7, 6), clWhite);
    EXPECT_EQ(bitmap.Pixel(4, 3), clYellow);
}

TEST_F(CanvasDrawing, LineToLeavesOutTheEndPoint) {
    canvas->Pen()->SetColor(clRed);
    canvas->MoveTo(1, 1);
    canvas->LineTo(6, 1);
    canvas->LineTo(6, 5);

    EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(5, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(6, 1), clRed) << "drawn as the next line's start";
    EXPECT_EQ(bitmap.Pixel(6, 4), clRed);
    EXPECT_EQ(bitmap.Pixel(6, 5), clWhite);
    EXPECT_EQ(canvas->PenPos(), Point(6, 5));
}

TEST_F(CanvasDrawing, FrameRectDrawsWithTheBrushAndFillRectFillsExactly) {
    canvas->Brush()->SetColor(clBlue);
    canvas->FrameRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(bitmap.Pixel(4, 4), clBlue);
    EXPECT_EQ(bitmap.Pixel(2, 2), clWhite);

    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(Rect(10, 10, 12, 11));
    EXPECT_EQ(bitmap.Pixel(11, 10), clLime);
    EXPECT_EQ(bitmap.Pixel(12, 10), clWhite);
    EXPECT_EQ(bitmap.Pixel(11, 11), clWhite);
}

TEST_F(CanvasDrawing, ClearBrushFillsNothing) {
    canvas->Brush()->SetStyle(bsClear);
    canvas->FillRect(Rect(0, 0, 20, 20));
    canvas->Brush()->SetColor(clNone);
    EXPECT_EQ(canvas->Brush()->Style(), bsClear);
    canvas->Brush()->SetColor(clRed);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid) << "a colour makes the brush solid again";
    EXPECT_EQ(bitmap.Pixel(5, 5), clWhite);
}

TEST_F(CanvasDrawing, ClippingDropsDrawingOutsideAndRestoreBringsTheOldClipBack) {
    canvas->SaveState();
    canvas->SetClipRect(Rect(0, 0, 10, 10));
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 20, 20));
    canvas->RestoreState();
    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect(Rect(15, 15, 20, 20));

    EXPECT_EQ(bitmap.Pixel(9, 9), clRed);
    EXPECT_EQ(bitmap.Pixel(10, 10), clWhite);
    EXPECT_EQ(bitmap.Pixel(17, 17), clBlue);
    EXPECT_EQ(canvas->Brush()->Color(), clBlue);
}

TEST_F(CanvasDrawing, FocusRectDrawnTwiceRestoresThePixels) {
    canvas->Brush()->SetColor(0x336699);
    canvas->FillRect(Rect(0, 0, 20, 20));
    canvas->DrawFocusRect(Rect(2, 2, 12, 9));
    EXPECT_NE(bitmap.Pixel(2, 2), 0x336699);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0x336699) << "dotted";

    canvas->DrawFocusRect(Rect(2, 2, 12, 9));
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 20; ++y)
            ASSERT_EQ(bitmap.Pixel(x, y), 0x336699) << x << "," << y;
}

TEST_F(CanvasDrawing, TransparentBitmapLeavesItsTransparentColourOut) {
    TBitmap glyph(3, 3);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 3, 3));
    glyph.Canvas()->SetPixel(1, 1, clGreen);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia) << "automatic: the bottom-left pixel";

    canvas->Draw(4, 4, &glyph);
    EXPECT_EQ(bitmap.Pixel(5, 5), clGreen);
    EXPECT_EQ(bitmap.Pixel(4, 4), clWhite);

    glyph.SetTransparent(false);
    canvas->Draw(10, 10, &glyph);
    EXPECT_EQ(bitmap.Pixel(10, 10), clFuchsia);
}

TEST(CanvasText, MeasuringGrowsWithTextAndFont) {
    TCanvas canvas;
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetSize(8);
    int narrow = canvas.TextWidth("iii");
    int wide = canvas.TextWidth("WWW");
    EXPECT_GT(wide, narrow);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    EXPECT_EQ(canvas.TextWidth("ab") + canvas.TextWidth("cd"), canvas.TextWidth("abcd"));
    int height = canvas.TextHeight("X");
    canvas.Font()->SetSize(16);
    EXPECT_GT(canvas.TextHeight("X"), height);
    EXPECT_EQ(canvas.TextExtent("abc").cx, canvas.TextWidth("abc"));
}

TEST(CanvasText, DrawTextCalcRectWrapsAtWordsWithinTheWidth) {
    TCanvas canvas;
    int lineHeight = canvas.TextHeight("X");
    int wordWidth = canvas.TextWidth("alpha beta");
    struct Case {
        std::string Text;
        unsigned Format;
        int Width;
        int Lines;
    };
    const Case cases[] = {
        {"alpha beta gamma", DT_WORDBREAK, wordWidth + 2, 2},
        {"alpha beta gamma", DT_WORDBREAK | DT_SINGLELINE, wordWidth + 2, 1},
        {"alpha beta gamma", DT_LEFT, wordWidth + 2, 1},
        {"one\ntwo\r\nthree", DT_LEFT, 500, 3},
        {"alpha", DT_WORDBREAK, 1, 1}, // a word longer than the line stays whole
        {"", DT_WORDBREAK, 100, 1},
    };
    for (const Case& c : cases) {
        TRect r = Rect(10, 10, 10 + c.Width, 10);
        int height = canvas.DrawText(c.Text, r, c.Format | DT_CALCRECT);
        EXPECT_EQ(height, c.Lines * lineHeight) << c.Text << " " << c.Format;
        EXPECT_EQ(r.Bottom, 10 + height);
        if ((c.Format & DT_WORDBREAK) && c.Lines > 1) {
            EXPECT_LE(r.Width(), c.Width) << c.Text;
        }
    }
}

TEST(CanvasText, PrefixMarksAreRemovedUnlessNoPrefix) {
    TCanvas canvas;
    TRect withPrefix = Rect(0, 0, 0, 0);
    TRect plain = Rect(0, 0, 0, 0);
    TRect literal = Rect(0, 0, 0, 0);
    canvas.DrawText("&Save", withPrefix, DT_CALCRECT | DT_SINGLELINE);
    canvas.DrawText("Save", plain, DT_CALCRECT | DT_SINGLELINE);
    canvas.DrawText("&Save", literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(withPrefix.Width(), plain.Width());
    EXPECT_GT(literal.Width(), plain.Width());
}

namespace {
int InkedPixels(const std::string& text, unsigned format) {
    TBitmap bitmap(120, 60);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBlack);
    TRect r = Rect(0, 0, canvas->TextWidth("Alpha") + 4, 60);
    canvas->DrawText(text, r, format);
    int inked = 0;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 60; ++y)
            inked += bitmap.Pixel(x, y) != clWhite;
    return inked;
}
} // namespace

TEST(CanvasText, TheAcceleratorIsUnderlinedAlsoOnAWrappedLine) {
    // The rectangle is one word wide: "beta" goes to a second line, or is cut off on one line.
    struct Case {
        const char* Marked;
        unsigned Format;
    };
    for (Case c : {Case{"&Alpha beta", DT_SINGLELINE}, Case{"Alpha &beta", DT_WORDBREAK}}) {
        EXPECT_GT(InkedPixels(c.Marked, c.Format), InkedPixels("Alpha beta", c.Format)) << c.Marked;
    }
}

TEST(CanvasText, TextIsDrawnInTheFontColourOverTheBrush) {
    TBitmap bitmap(60, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetColor(clRed);
    canvas->Font()->SetSize(12);
    canvas->Brush()->SetColor(clYellow);
    canvas->TextOut(0, 0, "HHH");
    int width = canvas->TextWidth("HHH");

    int red = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < canvas->TextHeight("H"); ++y)
            if (bitmap.Pixel(x, y) == clRed)
                ++red;
    EXPECT_GT(red, 10);
    EXPECT_EQ(bitmap.Pixel(0, 0), clYellow) << "the solid brush is the text background";
    EXPECT_EQ(bitmap.Pixel(width + 2, 2), clWhite);
    EXPECT_EQ(canvas->PenPos(), Point(width, 0));
}

TEST(CanvasText, EndEllipsisKeepsTheTextInsideTheRectangle) {
    TBitmap bitmap(200, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBlack);
    TRect r = Rect(0, 0, 40, 20);
    canvas->DrawText("a rather long caption that does not fit", r,
                     DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    for (int x = 40; x < 200; ++x)
        for (int y = 0; y < 20; ++y)
            ASSERT_EQ(bitmap.Pixel(x, y), clWhite) << x << "," << y;
}

// A line read from the right puts the neutral dots after a word on the word's left; the line
// keeps its place in the rectangle. The word shows where the tall letter has ink at mid height,
// the dots only near the baseline.
TEST(CanvasText, RightToLeftReadingOrdersTheLineFromTheRight) {
    struct Case {
        unsigned Format;
        bool WordOnTheRight;
    };
    const Case cases[] = {{DT_LEFT, false},
                          {DT_LEFT | DT_RTLREADING, true},
                          {DT_RIGHT, false},
                          {DT_RIGHT | DT_RTLREADING, true}};
    for (const Case& c : cases) {
        TBitmap bitmap(200, 30);
        TCanvas* canvas = bitmap.Canvas();
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(clBlack);
        canvas->Font()->SetSize(14);
        const std::string text = "W.........";
        const int width = canvas->TextWidth(text);
        TRect r = Rect(10, 0, 190, 30);
        canvas->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | c.Format);
        const int midY = 15 - canvas->TextHeight(text) / 6;
        int wordLeft = 200, wordRight = -1, inkLeft = 200, inkRight = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 30; ++y)
                if (bitmap.Pixel(x, y) != clWhite) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    if (y <= midY) {
                        wordLeft = std::min(wordLeft, x);
                        wordRight = std::max(wordRight, x);
                    }
                }
        ASSERT_GE(wordRight, 0) << c.Format;
        const int lineLeft = c.Format & DT_RIGHT ? 190 - width : 10;
        EXPECT_NEAR(inkLeft, lineLeft, 3) << c.Format;
        EXPECT_NEAR(inkRight, lineLeft + width, 4) << c.Format;
        const int wordMiddle = (wordLeft + wordRight) / 2;
        EXPECT_EQ(wordMiddle > lineLeft + width / 2, c.WordOnTheRight) << c.Format;
    }
}
