#include "grid/foundation/ExDrawing.h"

#include <algorithm>
#include <cmath>

namespace {
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}
int Clamp8(int value) {
    return std::clamp(value, 0, 255);
}
} // namespace

TColor HalveColor(TColor Color) {
    TColor rgb = ColorToRGB(Color);
    return RGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2);
}

TColor ShadeColor(TColor Color, int Percent) {
    TColor rgb = ColorToRGB(Color);
    auto shade = [Percent](int channel) {
        return Clamp8(channel + Round(Percent * channel / 100.0));
    };
    return RGB(shade(GetRValue(rgb)), shade(GetGValue(rgb)), shade(GetBValue(rgb)));
}

TColor BlendColorStep(TColor FromColor, TColor ToColor, int Low, int High, int Position) {
    if (ToColor == clNone || High == Low)
        return FromColor;
    TColor from = ColorToRGB(FromColor);
    TColor to = ColorToRGB(ToColor);
    auto blend = [&](int a, int b) {
        return Clamp8(a + Round(static_cast<double>(b - a) / (High - Low) * Position));
    };
    return RGB(blend(GetRValue(from), GetRValue(to)), blend(GetGValue(from), GetGValue(to)),
               blend(GetBValue(from), GetBValue(to)));
}
