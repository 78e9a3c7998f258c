#include "grid/foundation/ExDrawing.h"

#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

void FillSolid(TCanvas* canvas, TColor color, const TRect& r) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->FillRect(r);
}

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

void Frame(TCanvas* canvas, TColor color, const TRect& r) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FrameRect(r);
}

// The two halves of r split across the direction of change.
std::pair<TRect, TRect> Halves(const TRect& r, bool splitAtX) {
    TRect first = r;
    TRect second = r;
    if (splitAtX) {
        first.Right = second.Left = r.Left + r.Width() / 2;
    } else {
        first.Bottom = second.Top = r.Top + r.Height() / 2;
    }
    return {first, second};
}

} // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R,
                  bool Horizontal) {
    if (R.Top == R.Bottom)
        return;
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    if (FromColor == clNone && ToColor == clNone)
        return;
    if (FromColor == clNone || ToColor == clNone) {
        FillSolid(Canvas, FromColor == clNone ? ToColor : FromColor, R);
        return;
    }
    TColor from = ColorToRGB(FromColor);
    TColor to = ColorToRGB(ToColor);
    int span = std::max(0, (Horizontal ? R.Width() : R.Height()) - 1);
    int steps = std::max(1, std::min(Steps, span));
    double bandWidth = static_cast<double>(span) / steps;
    int thickness = static_cast<int>(bandWidth + 1);
    for (int i = 0; i <= steps; ++i) {
        auto mix = [&](int a, int b) {
            return a + static_cast<int>(std::nearbyint(static_cast<double>(i) * (b - a) / steps));
        };
        TColor color = RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                           mix(GetBValue(from), GetBValue(to)));
        int offset = static_cast<int>(i * bandWidth);
        TRect band = R;
        if (Horizontal) {
            band.Left = R.Left + offset;
            band.Right = std::min(R.Right, band.Left + thickness);
        } else {
            band.Top = R.Top + offset;
            band.Bottom = std::min(R.Bottom, band.Top + thickness);
        }
        FillSolid(Canvas, color, band);
    }
}

namespace {
// Without a mirror colour one gradient over r; with it two: the first half from color to colorTo,
// the second from mirror to mirrorTo, split across the direction of change.
void GradientOrHalves(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor mirror,
                      TColor mirrorTo, int steps, bool horizontal) {
    if (mirror == clNone) {
        DrawGradient(canvas, color, colorTo, steps, r, horizontal);
        return;
    }
    auto [first, second] = Halves(r, horizontal);
    DrawGradient(canvas, color, colorTo, steps, first, horizontal);
    DrawGradient(canvas, mirror, mirrorTo, steps, second, horizontal);
}
} // namespace

void DrawMirrorGradient(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, int Direction, TColor BorderColor, bool SidesOnly,
                        bool Fill) {
    bool horizontal = Direction == mgdHorizontal;
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone && ColorTo == clNone) {
            ++R.Bottom;
            FillSolid(Canvas, Color, R);
        } else {
            GradientOrHalves(Canvas, R, Color, ColorTo, MirrorColor, MirrorColorTo, 128,
                             horizontal);
        }
    }
    if (BorderColor == clNone)
        return;
    if (SidesOnly) {
        Line(Canvas, BorderColor, R.Left, R.Top, R.Left, R.Bottom);
        Line(Canvas, BorderColor, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        Frame(Canvas, BorderColor, R);
    }
}

void DrawSelectionFrame(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, TColor UpperInnerColor, TColor LowerInnerColor,
                        TColor BorderColor, TColor InnerCornerColor, TColor OuterCornerColor,
                        TRect R, int Position) {
    const bool leftEnd = Position == sfpSingle || Position == sfpFirst;
    const bool rightEnd = Position == sfpSingle || Position == sfpLast;
    const int left = R.Left;
    const int top = R.Top;
    const int right = R.Right - 1;
    const int bottom = R.Bottom - 2;
    const int mid = top + (bottom - top) / 2;
    const int a = leftEnd ? 2 : 0;
    const int b = rightEnd ? 2 : 0;

    Line(Canvas, UpperInnerColor, left, top + 1, right, top + 1);
    if (leftEnd)
        Line(Canvas, UpperInnerColor, left + 1, top + 1, left + 1, mid);
    if (rightEnd)
        Line(Canvas, UpperInnerColor, right - 2, top + 1, right - 2, mid);

    Line(Canvas, LowerInnerColor, left, bottom - 1, right, bottom - 1);
    if (leftEnd)
        Line(Canvas, LowerInnerColor, left + 1, mid, left + 1, bottom - 1);
    if (rightEnd)
        Line(Canvas, LowerInnerColor, right - 2, mid, right - 2, bottom - 1);

    Line(Canvas, BorderColor, left + a, top, right - b, top);
    Line(Canvas, BorderColor, left + a, bottom, right - b, bottom);
    if (rightEnd)
        Line(Canvas, BorderColor, right - 1, top + 2, right - 1, bottom - 1);
    if (leftEnd)
        Line(Canvas, BorderColor, left, top + 2, left, bottom - 1);

    auto corners = [&](int inner, int outer) {
        if (InnerCornerColor != clNone)
            for (TPoint p :
                 {TPoint{inner, top}, TPoint{inner, top + 1}, TPoint{outer, top + 1},
                  TPoint{inner, bottom}, TPoint{inner, bottom - 1}, TPoint{outer, bottom - 1}})
                Canvas->SetPixel(p.X, p.Y, InnerCornerColor);
        if (OuterCornerColor != clNone) {
            Canvas->SetPixel(outer, top, OuterCornerColor);
            Canvas->SetPixel(outer, bottom, OuterCornerColor);
        }
    };
    if (leftEnd)
        corners(left + 1, left);
    if (rightEnd)
        corners(right - 2, right - 1);

    TRect fill{left + a, top + 2, right - b, bottom - 1};
    if (ColorTo == clNone)
        FillSolid(Canvas, Color, fill);
    else
        GradientOrHalves(Canvas, fill, Color, ColorTo, MirrorColor, MirrorColorTo, 16, false);
}
