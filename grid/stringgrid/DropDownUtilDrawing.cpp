#include "grid/stringgrid/DropDownUtil.h"

#include "grid/foundation/ExDrawing.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Numerator / Denominator (Denominator > 0) to the nearest integer, halves to even; exact, so
// a mix such as 90 % of 225 rounds as the decimal value says, not as its binary neighbour does.
int64_t RoundHalfEven(int64_t Numerator, int64_t Denominator) {
    int64_t quotient = Numerator / Denominator;
    int64_t remainder = Numerator % Denominator;
    if (remainder < 0) {
        --quotient;
        remainder += Denominator;
    }
    const int64_t twice = 2 * remainder;
    if (twice > Denominator || (twice == Denominator && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

int ClampChannel(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, 255));
}

void FillBand(TCanvas* canvas, TColor color, const TRect& band) {
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(band);
}

} // namespace

void DrawGradientBands(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                       bool Horizontal) {
    if (Canvas == nullptr || R.IsEmpty() || Steps < 0)
        return;
    if (Steps == 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    // The extent is measured to the last pixel inside R; each band is one pixel wider than its
    // share so that rounding leaves no gap between bands.
    const int64_t span = Horizontal ? int64_t(R.Right) - 1 - R.Left : int64_t(R.Bottom) - 1 - R.Top;
    const int64_t share = RoundHalfEven(span, Steps);
    for (int i = 0; i < Steps; ++i) {
        auto channel = [&](int a, int b) {
            return ClampChannel(a + RoundHalfEven(int64_t(i) * (b - a), Steps));
        };
        const TColor color =
            RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                channel(GetBValue(from), GetBValue(to)));
        const int64_t start = RoundHalfEven(int64_t(i) * span, Steps);
        TRect band = R;
        int& low = Horizontal ? band.Left : band.Top;
        int& high = Horizontal ? band.Right : band.Bottom;
        const int origin = low;
        const int end = high;
        low = static_cast<int>(std::min<int64_t>(origin + start, end));
        // The last band reaches R's far edge whatever the rounding did, and no band passes it.
        high = i == Steps - 1 ? end : static_cast<int>(std::min<int64_t>(low + share + 1, end));
        FillBand(Canvas, color, band);
    }
}

TColor MixColors(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor a = ColorToRGB(Color1);
    const TColor b = ColorToRGB(Color2);
    auto mix = [Percent](int x, int y) {
        return ClampChannel(RoundHalfEven(int64_t(Percent) * x + int64_t(100 - Percent) * y, 100));
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

TColor ShadeColorChannels(TColor Color, int DR, int DG, int DB) {
    const TColor rgb = ColorToRGB(Color);
    auto shade = [](int channel, int delta) {
        if (channel == 0)
            return ClampChannel(delta);
        const int64_t percent = std::min<int64_t>(100, int64_t(delta) + 100);
        return ClampChannel(RoundHalfEven(percent * channel, 100));
    };
    return RGB(shade(GetRValue(rgb), DR), shade(GetGValue(rgb), DG), shade(GetBValue(rgb), DB));
}

void DrawAppearanceBackground(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo,
                              TColor BorderColor, int BorderWidth, bool Vertical) {
    if (Canvas == nullptr)
        return;
    if (ColorTo != clNone) {
        DrawGradientBands(Canvas, Color, ColorTo, 80, R, !Vertical);
    } else if (Color != clNone) {
        FillBand(Canvas, Color, R);
    }
    if (BorderColor == clNone || BorderWidth <= 0)
        return;
    // A wide pen is laid inside R, one outline per pixel of width, so nothing spills over.
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    TRect frame = R;
    for (int i = 0; i < BorderWidth && !frame.IsEmpty(); ++i) {
        Canvas->Rectangle(frame);
        InflateRect(frame, -1, -1);
    }
}

void DrawImageAndText(TCanvas* Canvas, TRect R, const std::string& Text, const TImageList* Images,
                      int ImageIndex) {
    if (Canvas == nullptr)
        return;
    unsigned align = DT_CENTER;
    if (ImageIndex >= 0 && Images != nullptr) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        R.Left += Images->Width() + 8;
        align = DT_LEFT;
    }
    if (Text.empty())
        return;
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->DrawText(Text, R, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void PaintBitmapOnColor(TCanvas* Canvas, const TBitmap* Bitmap, TColor BackColor, const TRect& R) {
    if (Canvas == nullptr || Bitmap == nullptr || R.IsEmpty())
        return;
    Canvas->SaveState();
    Canvas->IntersectClipRect(R);
    DrawBitmapOnColor(Canvas, Bitmap, BackColor, R);
    Canvas->RestoreState();
}
