#include "grid/foundation/GridAlphaMask.h"

#include <cmath>

TGridAlphaMask::TGridAlphaMask() {
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap* Mask, const TBitmap* Bitmap, TColor) {
    if (!Mask || !Bitmap || Bitmap->PixelFormat() != pf24bit || Mask->PixelFormat() != pf24bit ||
        Mask->Width() < Bitmap->Width() || Mask->Height() < Bitmap->Height())
        return;
    SetPixelFormat(pf32bit);
    SetSize(Bitmap->Width(), Bitmap->Height());
    for (int y = 0; y < Bitmap->Height(); ++y) {
        const uint8_t* picture = Bitmap->ScanLine(y);
        const uint8_t* mask = Mask->ScanLine(y);
        uint8_t* target = ScanLine(y);
        for (int x = 0; x < Bitmap->Width(); ++x) {
            const uint8_t alpha = mask[3 * x + 2];
            for (int channel = 0; channel < 3; ++channel)
                target[4 * x + channel] =
                    static_cast<uint8_t>(std::nearbyint(picture[3 * x + channel] * alpha / 255.0));
            target[4 * x + 3] = alpha;
        }
    }
}

void TGridAlphaMask::Assign(const TBitmap* Source) {
    TBitmap::Assign(Source);
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(Source))
        FOpacity = mask->FOpacity;
    SetPixelFormat(pf32bit);
}
