#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

TEST(CanvasRotatedText, NinetyDegreesRunsTheTextUpward) {
    TBitmap bitmap(200, 200);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetColor(clYellow);
    const int width = canvas->TextWidth("Wide text");
    const int height = canvas->TextHeight("Wide text");
    ASSERT_LT(width, 140);
    canvas->TextOutRotated(20, 150, 900, "Wide text");
    // The background now stands upright: width along y, above the start point.
    EXPECT_EQ(bitmap.Pixel(21, 150 - width + 1), clYellow) << "above the letters";
    EXPECT_EQ(bitmap.Pixel(20 + height / 2, 151), clWhite);
    EXPECT_EQ(bitmap.Pixel(20 + width - 1, 150 - 1), clWhite) << "nothing along x";
}
