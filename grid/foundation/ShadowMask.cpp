#include "grid/foundation/ShadowMask.h"

#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int MaxKernelSize = 10;
// Rows and columns blurred one by one at each edge, and the one the others copy.
constexpr int EdgeLines = 21;
constexpr int PatternLine = 15;
constexpr int BytesPerPixel = 3;

float KernelWeight(const TGaussianKernel& kernel, int offset) {
    return kernel.Weights[static_cast<size_t>(offset + MaxKernelSize)];
}

void NormalizeWeights(TGaussianKernel& kernel, int size) {
    double sum = 0;
    for (int i = -size; i <= size; ++i)
        sum += KernelWeight(kernel, i);
    for (int i = -size; i <= size; ++i)
        kernel.Weights[static_cast<size_t>(i + MaxKernelSize)] =
            static_cast<float>(KernelWeight(kernel, i) / sum);
}

using Pixel = std::array<uint8_t, BytesPerPixel>;

// Blurs n pixels that follow each other.
void BlurLine(uint8_t* first, int n, const TGaussianKernel& kernel, std::vector<Pixel>& buffer) {
    auto at = [&](int index) { return first + static_cast<ptrdiff_t>(index) * BytesPerPixel; };
    buffer.resize(static_cast<size_t>(n));
    for (int a = 0; a < n; ++a) {
        for (int channel = 0; channel < BytesPerPixel; ++channel) {
            double sum = 0;
            for (int k = -kernel.Size; k <= kernel.Size; ++k)
                sum += KernelWeight(kernel, k) * at(std::clamp(a - k, 0, n - 1))[channel];
            // Weights that sum to 1 only within single precision must still leave a uniform
            // area as it is.
            sum = std::trunc(sum + 1e-4);
            buffer[static_cast<size_t>(a)][static_cast<size_t>(channel)] =
                static_cast<uint8_t>(std::clamp(sum, 0.0, 255.0));
        }
    }
    for (int a = 0; a < n; ++a)
        std::copy(buffer[static_cast<size_t>(a)].begin(), buffer[static_cast<size_t>(a)].end(),
                  at(a));
}

// Whether line i of count is blurred by itself; the others copy the pattern line. Small
// pictures, whose edge bands meet, blur every line once.
bool BlurredOneByOne(int i, int count) {
    return i < EdgeLines || i >= count - (EdgeLines - 1) || count < 2 * EdgeLines;
}

} // namespace

TGaussianKernel MakeGaussianKernel(double Radius) {
    TGaussianKernel kernel;
    if (!(Radius > 0) || !std::isfinite(Radius)) {
        kernel.Weights[MaxKernelSize] = 1;
        return kernel;
    }
    for (int i = -MaxKernelSize; i <= MaxKernelSize; ++i)
        kernel.Weights[static_cast<size_t>(i + MaxKernelSize)] =
            static_cast<float>(std::exp(-std::pow(i / Radius, 2) / 2));
    NormalizeWeights(kernel, MaxKernelSize);
    int j = MaxKernelSize;
    double trimmed = 0;
    while (trimmed < 1.0 / (2 * 255) && j > 1) {
        trimmed += 2 * KernelWeight(kernel, j);
        --j;
    }
    kernel.Size = j;
    NormalizeWeights(kernel, j);
    return kernel;
}

void BlurBitmap(TBitmap* Bitmap, double Radius) {
    if (!Bitmap || Bitmap->PixelFormat() != pf24bit)
        throw Exception("Blur only works for 24-bit bitmaps");
    const int width = Bitmap->Width();
    const int height = Bitmap->Height();
    if (width <= 0 || height <= 0)
        return;
    const TGaussianKernel kernel = MakeGaussianKernel(Radius);
    std::vector<Pixel> buffer;
    const size_t rowBytes = static_cast<size_t>(width) * BytesPerPixel;

    for (int y = 0; y < height; ++y)
        if (BlurredOneByOne(y, height))
            BlurLine(Bitmap->ScanLine(y), width, kernel, buffer);
    for (int y = EdgeLines; y < height - (EdgeLines - 1) && height >= 2 * EdgeLines; ++y)
        std::copy_n(Bitmap->ScanLine(PatternLine), rowBytes, Bitmap->ScanLine(y));

    // Columns: gathered through the rows, so the row stride is not assumed.
    std::vector<uint8_t> column(static_cast<size_t>(height) * BytesPerPixel);
    for (int x = 0; x < width; ++x) {
        if (!BlurredOneByOne(x, width))
            continue;
        for (int y = 0; y < height; ++y)
            std::copy_n(Bitmap->ScanLine(y) + x * BytesPerPixel, BytesPerPixel,
                        column.data() + y * BytesPerPixel);
        BlurLine(column.data(), height, kernel, buffer);
        for (int y = 0; y < height; ++y)
            std::copy_n(column.data() + y * BytesPerPixel, BytesPerPixel,
                        Bitmap->ScanLine(y) + x * BytesPerPixel);
    }
    if (width >= 2 * EdgeLines)
        for (int y = 0; y < height; ++y) {
            uint8_t* row = Bitmap->ScanLine(y);
            for (int x = EdgeLines; x < width - (EdgeLines - 1); ++x)
                std::copy_n(row + PatternLine * BytesPerPixel, BytesPerPixel,
                            row + x * BytesPerPixel);
        }
}

void MakeShadowMask(TBitmap* Bitmap, int Width, int Height, double Radius, int Corner,
                    int PenWidth) {
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    TCanvas* canvas = Bitmap->Canvas();
    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(Rect(0, 0, Width, Height));
    const int c = PenWidth / 2;
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetColor(clWhite);
    if (PenWidth < 1) {
        canvas->Pen()->SetWidth(1);
        canvas->Brush()->SetColor(clWhite);
    } else {
        canvas->Pen()->SetWidth(PenWidth);
        canvas->Brush()->SetColor(clBlack);
    }
    canvas->RoundRect(c + 2, c + 2, Width - c - 2, Height - c - 2, Corner, Corner);
    if (Radius > 0)
        BlurBitmap(Bitmap, Radius);
}
