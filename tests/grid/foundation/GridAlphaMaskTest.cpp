#include "grid/foundation/GridAlphaMask.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

std::unique_ptr<TBitmap> Filled(int width, int height, TColor color,
                                TPixelFormat format = pf24bit) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

std::array<uint8_t, 4> PixelBytes(const TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

} // namespace

TEST(GridAlphaMask, StartsThirtyTwoBitAndOpaque) {
    TGridAlphaMask mask;
    EXPECT_EQ(mask.PixelFormat(), pf32bit);
    EXPECT_EQ(mask.Opacity(), 255);
}

TEST(GridAlphaMask, MergeMaskTakesAlphaFromTheMasksRedAndPremultiplies) {
    struct Case {
        TColor MaskColor;
        std::array<uint8_t, 4> Expected; // blue, green, red, alpha
    };
    const TColor picture = RGB(200, 100, 3); // blue 3, green 100, red 200
    for (Case c : {Case{clWhite, {3, 100, 200, 255}}, Case{clBlack, {0, 0, 0, 0}},
                   Case{RGB(128, 0, 0), {2, 50, 100, 128}}, Case{RGB(0, 255, 255), {0, 0, 0, 0}},
                   Case{RGB(51, 0, 0), {1, 20, 40, 51}}}) {
        TGridAlphaMask alpha;
        auto mask = Filled(4, 3, c.MaskColor);
        auto bitmap = Filled(4, 3, picture);
        alpha.MergeMask(mask.get(), bitmap.get(), clRed);
        ASSERT_EQ(alpha.Width(), 4);
        ASSERT_EQ(alpha.Height(), 3);
        EXPECT_EQ(PixelBytes(alpha, 3, 2), c.Expected) << "mask " << std::hex << c.MaskColor;
    }
}

TEST(GridAlphaMask, MergeMaskTakesThePicturesSizeFromALargerMask) {
    TGridAlphaMask alpha;
    alpha.MergeMask(Filled(10, 10, clWhite).get(), Filled(3, 2, clBlue).get(), clNone);
    EXPECT_EQ(alpha.Width(), 3);
    EXPECT_EQ(alpha.Height(), 2);
    EXPECT_EQ(alpha.PixelFormat(), pf32bit);
}

TEST(GridAlphaMask, MergeMaskRefusesPicturesItCannotReadAndChangesNothing) {
    struct Case {
        const char* Name;
        std::unique_ptr<TBitmap> Mask, Bitmap;
    };
    Case cases[] = {
        {"picture not 24-bit", Filled(4, 4, clWhite), Filled(4, 4, clRed, pf32bit)},
        {"mask not 24-bit", Filled(4, 4, clWhite, pfDevice), Filled(4, 4, clRed)},
        {"mask narrower", Filled(3, 4, clWhite), Filled(4, 4, clRed)},
        {"mask lower", Filled(4, 3, clWhite), Filled(4, 4, clRed)},
    };
    for (Case& c : cases) {
        TGridAlphaMask alpha;
        alpha.SetSize(2, 2);
        alpha.MergeMask(c.Mask.get(), c.Bitmap.get(), clNone);
        EXPECT_EQ(alpha.Width(), 2) << c.Name;
        EXPECT_EQ(alpha.Pixel(1, 1), clWhite) << c.Name;
    }
    TGridAlphaMask alpha;
    alpha.MergeMask(nullptr, Filled(2, 2, clRed).get(), clNone);
    EXPECT_TRUE(alpha.Empty());
}

TEST(GridAlphaMask, AssignCopiesPixelsAndTheOpacityOfAnotherMask) {
    TGridAlphaMask source;
    source.SetOpacity(230);
    source.MergeMask(Filled(2, 2, RGB(128, 0, 0)).get(), Filled(2, 2, clWhite).get(), clNone);
    TGridAlphaMask copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Opacity(), 230);
    EXPECT_EQ(PixelBytes(copy, 1, 1), (std::array<uint8_t, 4>{128, 128, 128, 128}));

    TGridAlphaMask fromBitmap;
    fromBitmap.SetOpacity(10);
    fromBitmap.Assign(Filled(3, 1, clRed).get());
    EXPECT_EQ(fromBitmap.PixelFormat(), pf32bit) << "32-bit again";
    EXPECT_EQ(fromBitmap.Opacity(), 10) << "a plain bitmap has no opacity to give";
    EXPECT_EQ(PixelBytes(fromBitmap, 2, 0), (std::array<uint8_t, 4>{0, 0, 255, 255}));
}
