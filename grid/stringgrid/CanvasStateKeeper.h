#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

// Gives a canvas its font and brush back at the end of a scope, so that measuring with cell
// fonts leaves no trace on later painting.
class TCanvasStateKeeper {
public:
    explicit TCanvasStateKeeper(TCanvas* Canvas) : FCanvas(Canvas) {
        FFont.Assign(*Canvas->Font());
        FBrush.Assign(*Canvas->Brush());
    }
    ~TCanvasStateKeeper() {
        FCanvas->Font()->Assign(FFont);
        FCanvas->Brush()->Assign(FBrush);
    }
    TCanvasStateKeeper(const TCanvasStateKeeper&) = delete;
    TCanvasStateKeeper& operator=(const TCanvasStateKeeper&) = delete;

private:
    TCanvas* FCanvas;
    TFont FFont;
    TBrush FBrush;
};
