#pragma once

#include "platform/ui/Bitmap.h"
#include "platform/ui/Colors.h"

#include <cstdint>

// A 32-bit picture with per-pixel alpha (blue, green, red, alpha; colours premultiplied), as a
// layered window shows it, and the constant opacity it is shown with.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t value) { FOpacity = value; }

    // Takes Bitmap's size and pixels with the red channel of Mask as alpha. Refused (nothing
    // changes) unless both are 24-bit and Mask covers Bitmap. Color is not used.
    void MergeMask(const TBitmap* Mask, const TBitmap* Bitmap, TColor Color);
    // Copies size, pixels and, from another alpha mask, its opacity; stays 32-bit.
    void Assign(const TBitmap* Source);

private:
    uint8_t FOpacity = 255;
};
