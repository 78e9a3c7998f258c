#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

TEST(BitmapPixelFormat, ScanLinesHoldBlueGreenRedInTheFormatsBytes) {
    struct Case {
        TPixelFormat Format;
        int BytesPerPixel;
    };
    for (const Case& c : {Case{pf24bit, 3}, Case{pf32bit, 4}, Case{pfDevice, 4}}) {
        TBitmap bitmap(3, 2);
        bitmap.SetPixelFormat(c.Format);
        bitmap.Canvas()->Brush()->SetColor(RGB(10, 20, 30));
        bitmap.Canvas()->FillRect(Rect(1, 1, 2, 2));

        const uint8_t* row = bitmap.ScanLine(1);
        ASSERT_NE(row, nullptr);
        const uint8_t* pixel = row + c.BytesPerPixel;
        EXPECT_EQ(pixel[0], 30) << "blue first, format " << c.Format;
        EXPECT_EQ(pixel[1], 20);
        EXPECT_EQ(pixel[2], 10);
        EXPECT_EQ(row[0], 255) << "untouched pixels stay white";
    }
}

TEST(BitmapPixelFormat, WrittenScanLinesAreWhatThePictureShows) {
    TBitmap bitmap(2, 2);
    bitmap.SetPixelFormat(pf24bit);
    uint8_t* row = bitmap.ScanLine(0);
    row[3] = 0x11;
    row[4] = 0x22;
    row[5] = 0x33;
    EXPECT_EQ(bitmap.Pixel(1, 0), RGB(0x33, 0x22, 0x11));
    EXPECT_EQ(bitmap.ScanLine(2), nullptr);
    EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
}

TEST(BitmapPixelFormat, ChangingTheFormatOrSizeKeepsThePixels) {
    TBitmap bitmap(2, 2);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 1, 1));
    bitmap.SetSize(3, 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.ScanLine(2)[8], 255) << "3 bytes a pixel after the resize too";
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.ScanLine(0)[3], 255) << "opaque alpha";

    TBitmap copy;
    copy.Assign(&bitmap);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_EQ(copy.ScanLine(0)[2], 255);
}

TEST(BitmapPixelFormat, AThirtyTwoBitBitmapKeepsItsAlphaWhenDrawn) {
    TBitmap picture(1, 1);
    picture.SetPixelFormat(pf32bit);
    uint8_t* pixel = picture.ScanLine(0);
    pixel[0] = pixel[1] = pixel[2] = pixel[3] = 0; // fully transparent
    TBitmap target(1, 1);
    target.Canvas()->Draw(0, 0, &picture);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);
}
