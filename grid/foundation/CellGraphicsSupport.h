#pragma once

// What the in-cell graphics share; for their .cpp files only.

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>

namespace CellGraphicsSupport {

// Round with halves to the even neighbour, kept within int; what is not a number gives 0.
inline int Round(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(value), -2147483648.0, 2147483647.0));
}

// Keeps the drawing inside r: the clip narrows to it for the call and is given back after,
// while pen, brush and font keep what the drawing left in them.
class ClipTo {
public:
    ClipTo(TCanvas* canvas, const TRect& r) : FCanvas(canvas) {
        FCanvas->SaveState();
        FCanvas->IntersectClipRect(r);
    }
    ~ClipTo() {
        TPen pen;
        TBrush brush;
        TFont font;
        pen.Assign(*FCanvas->Pen());
        brush.Assign(*FCanvas->Brush());
        font.Assign(*FCanvas->Font());
        FCanvas->RestoreState();
        FCanvas->Pen()->Assign(pen);
        FCanvas->Brush()->Assign(brush);
        FCanvas->Font()->Assign(font);
    }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    TCanvas* FCanvas;
};

inline void SetFill(TCanvas* canvas, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
}

} // namespace CellGraphicsSupport
