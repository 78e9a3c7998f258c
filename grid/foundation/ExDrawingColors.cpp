#include "grid/foundation/ExDrawing.h"

#include <algorithm>
#include <cmath>

namespace {
// Channel arithmetic runs in double and is kept within 0..255 before it becomes an integer again,
// so no percent or range, however large, can overflow.
int Channel(int base, double change) {
    return static_cast<int>(std::clamp(base + std::nearbyint(change), 0.0, 255.0));
}
} // namespace

TColor HalveColor(TColor Color) {
    TColor rgb = ColorToRGB(Color);
    return RGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2);
}

TColor ShadeColor(TColor Color, int Percent) {
    TColor rgb = ColorToRGB(Color);
    auto shade = [Percent](int channel) {
        return Channel(channel, static_cast<double>(Percent) * channel / 100.0);
    };
    return RGB(shade(GetRValue(rgb)), shade(GetGValue(rgb)), shade(GetBValue(rgb)));
}

TColor BlendColorStep(TColor FromColor, TColor ToColor, int Low, int High, int Position) {
    if (ToColor == clNone || High == Low)
        return FromColor;
    TColor from = ColorToRGB(FromColor);
    TColor to = ColorToRGB(ToColor);
    auto blend = [&](int a, int b) {
        const double range = static_cast<double>(High) - Low;
        return Channel(a, (b - a) / range * Position);
    };
    return RGB(blend(GetRValue(from), GetRValue(to)), blend(GetGValue(from), GetGValue(to)),
               blend(GetBValue(from), GetBValue(to)));
}
