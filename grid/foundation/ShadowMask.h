#pragma once

#include <array>

class TBitmap;

// Weights of a Gaussian blur for the offsets -10..10 (index offset + 10), of which -Size..Size
// are used and sum to 1.
struct TGaussianKernel {
    int Size = 1;
    std::array<float, 21> Weights{};
};

// The kernel of the given radius, trimmed where the outer weights together stay below half a
// step of 255. A radius that is not positive gives the kernel that changes nothing.
TGaussianKernel MakeGaussianKernel(double Radius);

// Blurs the 24-bit bitmap along its rows and then its columns (edge pixels repeat). Only the
// 21 rows and columns at each edge are blurred one by one: the ones in between take row and
// column 15, which is exact for masks whose middle band is uniform, as MakeShadowMask makes
// them. Throws Exception "Blur only works for 24-bit bitmaps" for any other format.
void BlurBitmap(TBitmap* Bitmap, double Radius);

// Makes Bitmap a 24-bit Width x Height mask: black with a white rounded rectangle inset by
// PenWidth div 2 + 2, an outline PenWidth wide (filled when PenWidth < 1), with Corner x Corner
// corners; blurred with Radius when it is positive.
void MakeShadowMask(TBitmap* Bitmap, int Width, int Height, double Radius, int Corner,
                    int PenWidth);
