#include "grid/foundation/ShadowMask.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

std::unique_ptr<TBitmap> Bitmap24(int width, int height, TColor color) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
    return bitmap;
}

std::vector<uint8_t> Bytes(const TBitmap& bitmap) {
    std::vector<uint8_t> bytes;
    for (int y = 0; y < bitmap.Height(); ++y)
        bytes.insert(bytes.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width() * 3);
    return bytes;
}

// A blur of every row and then every column, one by one: what BlurBitmap must give for masks
// with a uniform middle band.
std::vector<uint8_t> ReferenceBlur(const TBitmap& bitmap, double radius) {
    const TGaussianKernel kernel = MakeGaussianKernel(radius);
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    std::vector<uint8_t> bytes = Bytes(bitmap);
    auto blur = [&](auto at, int n) {
        std::vector<uint8_t> out(static_cast<size_t>(n) * 3);
        for (int a = 0; a < n; ++a)
            for (int c = 0; c < 3; ++c) {
                double sum = 0;
                for (int k = -kernel.Size; k <= kernel.Size; ++k)
                    sum += kernel.Weights[static_cast<size_t>(k + 10)] *
                           at(std::clamp(a - k, 0, n - 1))[c];
                out[static_cast<size_t>(a * 3 + c)] =
                    static_cast<uint8_t>(std::clamp(std::trunc(sum + 1e-4), 0.0, 255.0));
            }
        for (int a = 0; a < n; ++a)
            std::copy_n(&out[static_cast<size_t>(a * 3)], 3, at(a));
    };
    for (int y = 0; y < h; ++y)
        blur([&](int x) { return &bytes[static_cast<size_t>((y * w + x) * 3)]; }, w);
    for (int x = 0; x < w; ++x)
        blur([&](int y) { return &bytes[static_cast<size_t>((y * w + x) * 3)]; }, h);
    return bytes;
}

float KernelSum(const TGaussianKernel& kernel) {
    float sum = 0;
    for (int i = -kernel.Size; i <= kernel.Size; ++i)
        sum += kernel.Weights[static_cast<size_t>(i + 10)];
    return sum;
}

} // namespace

TEST(GaussianKernel, WeightsAreSymmetricSumToOneAndGrowWithTheRadius) {
    int previousSize = 0;
    for (double radius : {0.5, 1.0, 3.0, 6.0, 50.0}) {
        const TGaussianKernel kernel = MakeGaussianKernel(radius);
        EXPECT_GE(kernel.Size, 1) << radius;
        EXPECT_LE(kernel.Size, 10) << radius;
        EXPECT_GE(kernel.Size, previousSize) << radius;
        previousSize = kernel.Size;
        EXPECT_NEAR(KernelSum(kernel), 1.0f, 1e-5) << radius;
        for (int i = 1; i <= kernel.Size; ++i) {
            EXPECT_FLOAT_EQ(kernel.Weights[static_cast<size_t>(10 + i)],
                            kernel.Weights[static_cast<size_t>(10 - i)]);
            EXPECT_LT(kernel.Weights[static_cast<size_t>(10 + i)],
                      kernel.Weights[static_cast<size_t>(10 + i - 1)]);
        }
    }
    EXPECT_EQ(MakeGaussianKernel(3.0).Size, 8) << "weights below half a step of 255 trimmed";
    EXPECT_EQ(MakeGaussianKernel(50.0).Size, 9) << "the outermost pair always goes";
}

TEST(GaussianKernel, ARadiusThatIsNotPositiveChangesNothing) {
    for (double radius : {0.0, -2.0, std::nan("")}) {
        const TGaussianKernel kernel = MakeGaussianKernel(radius);
        EXPECT_EQ(kernel.Size, 1);
        EXPECT_FLOAT_EQ(kernel.Weights[10], 1.0f);
        EXPECT_FLOAT_EQ(kernel.Weights[9] + kernel.Weights[11], 0.0f);
    }
}

TEST(BlurBitmap, RefusesOtherFormatsAndLeavesThemAsTheyWere) {
    for (TPixelFormat format : {pfDevice, pf32bit, pf8bit}) {
        TBitmap bitmap(4, 4);
        bitmap.SetPixelFormat(format);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(Rect(1, 1, 2, 2));
        try {
            BlurBitmap(&bitmap, 2);
            ADD_FAILURE() << "format " << format << " was blurred";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Blur only works for 24-bit bitmaps");
        }
        EXPECT_EQ(bitmap.Pixel(1, 1), clBlack);
        EXPECT_EQ(bitmap.Pixel(2, 1), clWhite);
    }
    EXPECT_THROW(BlurBitmap(nullptr, 2), Exception);
}

TEST(BlurBitmap, UniformAreasKeepTheirValueAtEverySize) {
    struct Case {
        int Width, Height;
    };
    for (Case size :
         {Case{1, 1}, Case{3, 2}, Case{16, 16}, Case{30, 41}, Case{42, 42}, Case{100, 60}})
        for (TColor color : {clWhite, clBlack, RGB(128, 64, 1)}) {
            auto bitmap = Bitmap24(size.Width, size.Height, color);
            BlurBitmap(bitmap.get(), 3);
            std::vector<uint8_t> bytes = Bytes(*bitmap);
            auto same = Bytes(*Bitmap24(size.Width, size.Height, color));
            EXPECT_EQ(bytes, same) << size.Width << "x" << size.Height << " colour " << color;
        }
}

TEST(BlurBitmap, RadiusZeroLeavesThePictureUnchanged) {
    auto bitmap = Bitmap24(50, 45, clBlack);
    bitmap->Canvas()->Brush()->SetColor(clWhite);
    bitmap->Canvas()->FillRect(Rect(3, 7, 9, 40));
    const std::vector<uint8_t> before = Bytes(*bitmap);
    BlurBitmap(bitmap.get(), 0);
    EXPECT_EQ(Bytes(*bitmap), before);
}

TEST(BlurBitmap, SmallPicturesAreBlurredOnceInEveryRowAndColumn) {
    // Where the edge bands of 21 lines meet, no line may be blurred twice or taken from a row
    // or column the picture does not have.
    for (int size : {5, 15, 30, 41}) {
        auto bitmap = Bitmap24(size, size, clBlack);
        bitmap->Canvas()->SetPixel(size / 2, size / 2, clWhite);
        auto expected = ReferenceBlur(*bitmap, 1.5);
        BlurBitmap(bitmap.get(), 1.5);
        EXPECT_EQ(Bytes(*bitmap), expected) << size;
    }
}

TEST(BlurBitmap, ShadowMasksBlurAsIfEveryLineWereBlurred) {
    struct Case {
        int Width, Height, PenWidth, Corner;
        double Radius;
    };
    for (Case c : {Case{80, 60, 4, 5, 3.0}, Case{45, 120, 0, 5, 2.0}, Case{200, 42, 2, 8, 4.0}}) {
        TBitmap mask;
        MakeShadowMask(&mask, c.Width, c.Height, 0, c.Corner, c.PenWidth);
        auto expected = ReferenceBlur(mask, c.Radius);
        BlurBitmap(&mask, c.Radius);
        EXPECT_EQ(Bytes(mask), expected) << c.Width << "x" << c.Height;
    }
}

TEST(MakeShadowMask, RadiusZeroLeavesTheSharpRoundedRectangle) {
    TBitmap mask;
    MakeShadowMask(&mask, 40, 30, /*Radius*/ 0, /*Corner*/ 5, /*PenWidth*/ 4);
    EXPECT_EQ(mask.PixelFormat(), pf24bit);
    ASSERT_EQ(mask.Width(), 40);
    ASSERT_EQ(mask.Height(), 30);
    // Outline 4 wide centred on the rectangle inset by 4.
    EXPECT_EQ(mask.Pixel(1, 15), clBlack) << "outside";
    EXPECT_EQ(mask.Pixel(4, 15), clWhite) << "on the outline";
    EXPECT_EQ(mask.Pixel(20, 15), clBlack) << "inside is black";
    EXPECT_EQ(mask.Pixel(20, 4), clWhite);
    EXPECT_EQ(mask.Pixel(2, 2), clBlack) << "the corner is rounded off";
}

TEST(MakeShadowMask, WithoutAPenWidthTheRectangleIsFilledAndBlurredWithARadius) {
    TBitmap mask;
    MakeShadowMask(&mask, 50, 50, /*Radius*/ 0, /*Corner*/ 5, /*PenWidth*/ 0);
    EXPECT_EQ(mask.Pixel(25, 25), clWhite);
    EXPECT_EQ(mask.Pixel(1, 25), clBlack);

    TBitmap blurred;
    MakeShadowMask(&blurred, 50, 50, /*Radius*/ 3, /*Corner*/ 5, /*PenWidth*/ 0);
    const uint8_t edge = blurred.ScanLine(25)[2 * 3 + 2];
    EXPECT_GT(edge, 0) << "the edge fades";
    EXPECT_LT(edge, 255);
    EXPECT_EQ(blurred.Pixel(25, 25), clWhite) << "far inside stays white";
}

TEST(MakeShadowMask, EmptySizesGiveAnEmptyMask) {
    TBitmap mask;
    MakeShadowMask(&mask, 0, 10, /*Radius*/ 3, /*Corner*/ 5, /*PenWidth*/ 4);
    EXPECT_TRUE(mask.Empty());
    MakeShadowMask(&mask, -5, 10, /*Radius*/ 3, /*Corner*/ 5, /*PenWidth*/ 4);
    EXPECT_TRUE(mask.Empty()) << "a negative size is no size";
    MakeShadowMask(&mask, 3, 3, /*Radius*/ 3, /*Corner*/ 5, /*PenWidth*/ 4);
    EXPECT_EQ(mask.Pixel(1, 1), clBlack) << "too small for the rectangle";
}
