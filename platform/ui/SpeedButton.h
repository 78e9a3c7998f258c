#pragma once

#include "platform/ui/Control.h"

#include <memory>

class TBitmap;
class TCanvas;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// A light push button without the focus, showing a glyph and a caption. It is down while the
// left button is held on it; leaving it with the button held lifts it, coming back presses it
// again. OnClick fires when the left button is released over it. A flat button shows its frame
// only while the mouse is over it.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // The picture shown beside the caption: NumGlyphs images side by side (up, disabled, down,
    // ...); the bottom-left pixel's colour is transparent. Assigning copies it.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    void SetEnabled(bool value) override;
    // A disabled button does not click.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // Glyph and caption centred in r, moved one pixel right and down when pushed.
    void DrawGlyphAndCaption(const TRect& r, bool pushed, TColor textColor);
    // The one-pixel edge of a button: raised, or sunken when pushed; r shrinks inside it.
    static void DrawButtonEdge(TCanvas* canvas, TRect& r, bool pushed);

    TButtonState FState = bsUp;

private:
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    bool FFlat = false;
    bool FMouseInControl = false;
    bool FDragging = false;
};
