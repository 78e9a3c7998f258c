#include "platform/ui/JpegWriter.h"

#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Form.h"
#include "platform/ui/PictureImage.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(JpegWriter, WritesAJpegOfTheBitmapOverWhite) {
    TBitmap bitmap(30, 20);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(TRect{0, 0, 15, 20});
    const std::string bytes = BitmapToJpegBytes(bitmap);
    ASSERT_EQ(DetectPictureFormat(bytes), TPictureFormat::Jpeg);
    TPictureImage image;
    ASSERT_TRUE(image.Load(bytes));
    EXPECT_EQ(image.Width(), 30);
    EXPECT_EQ(image.Height(), 20);
    TBitmap decoded;
    image.ToBitmap(&decoded);
    EXPECT_GT((decoded.Pixel(5, 10) >> 16) & 0xFF, 0xE0u); // blue
    EXPECT_GT(decoded.Pixel(25, 10) & 0xFF, 0xE0u);        // white
    EXPECT_TRUE(BitmapToJpegBytes(TBitmap()).empty());
}

TEST(JpegWriter, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    TTempFolder folder;
    const std::string path = folder.Write("old.jpg", "old");
    EXPECT_THROW(SaveBitmapAsJpeg(TBitmap(), path), EFileError);
    EXPECT_EQ(TTempFolder::Read(path), "old");
    EXPECT_THROW(SaveBitmapAsJpeg(TBitmap(4, 4), folder.File("missing/x.jpg")), EFileError);
    SaveBitmapAsJpeg(TBitmap(4, 4), path);
    EXPECT_EQ(DetectPictureFormat(TTempFolder::Read(path)), TPictureFormat::Jpeg);
}

TEST(FloatingWindow, AlphaIsKeptWithinItsRange) {
    TForm form(nullptr);
    const int cases[][2] = {{192, 192}, {300, 255}, {-5, 0}, {255, 255}};
    for (const auto& c : cases) {
        SetWindowAlpha(&form, c[0]);
        EXPECT_EQ(WindowAlpha(&form), c[1]) << c[0];
    }
}
