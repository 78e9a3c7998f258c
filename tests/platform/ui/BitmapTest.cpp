#include "platform/ui/Bitmap.h"
#include "platform/core/Exception.h"
#include "platform/ui/Canvas.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string Fixtures = std::string(VELMARO_FIXTURES) + "/platform/ui/";

} // namespace

TEST(Bitmap, LoadsABmpFileWithItsPixels) {
    TBitmap bitmap;
    bitmap.LoadFromFile(Fixtures + "four_by_two.bmp");
    ASSERT_EQ(bitmap.Width(), 4);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Pixel(3, 0), clLime);
    EXPECT_EQ(bitmap.Pixel(2, 1), clBlue);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue) << "the bottom-left pixel";
    EXPECT_EQ(bitmap.Pixel(4, 0), clNone);
}

TEST(Bitmap, UnreadableFilesRaiseAnErrorNamingTheFileAndKeepThePicture) {
    for (const std::string name : {"missing.bmp", "not_a_bitmap.bmp"}) {
        TBitmap bitmap(2, 2);
        try {
            bitmap.LoadFromFile(Fixtures + name);
            ADD_FAILURE() << name << " loaded";
        } catch (const EFileError& e) {
            EXPECT_NE(e.Message.find(name), std::string::npos) << e.Message;
        }
        EXPECT_EQ(bitmap.Width(), 2) << name;
    }
}

TEST(Bitmap, SavedFileLoadsBackTheSamePixels) {
    TTempFolder folder;
    std::string path = folder.File("saved.bmp");
    TBitmap original(5, 3);
    original.Canvas()->Brush()->SetColor(0x123456);
    original.Canvas()->FillRect(Rect(1, 1, 4, 2));
    original.SaveToFile(path);

    TBitmap loaded;
    loaded.LoadFromFile(path);

    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 3);
    EXPECT_EQ(loaded.Pixel(2, 1), 0x123456);
    EXPECT_EQ(loaded.Pixel(0, 0), clWhite);
}

TEST(Bitmap, SavingAnEmptyBitmapFailsWithoutTouchingTheFile) {
    TTempFolder folder;
    std::string path = folder.File("kept.bmp");
    TBitmap(1, 1).SaveToFile(path);
    auto size = std::filesystem::file_size(path);

    EXPECT_THROW(TBitmap().SaveToFile(path), EFileError);
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST(Bitmap, ResizingKeepsThePixelsThatStillFitAndAssignCopies) {
    TBitmap bitmap(3, 3);
    bitmap.Canvas()->SetPixel(1, 1, clRed);
    bitmap.SetSize(5, 2);
    EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(4, 1), clWhite);

    TBitmap copy;
    bitmap.SetTransparent(true);
    copy.Assign(&bitmap);
    bitmap.Canvas()->SetPixel(1, 1, clBlue);
    EXPECT_EQ(copy.Pixel(1, 1), clRed) << "a copy, not a share";
    EXPECT_TRUE(copy.Transparent());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}
