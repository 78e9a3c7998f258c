#pragma once

#include "platform/ui/Canvas.h"

// A rectangle filled, or framed one pixel wide, in one solid colour: what the custom-drawn
// controls paint their faces and borders with.
inline void FillSolid(TCanvas* canvas, const TRect& r, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
}

inline void FrameSolid(TCanvas* canvas, const TRect& r, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FrameRect(r);
}
