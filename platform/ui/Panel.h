#pragma once

#include "platform/ui/Control.h"

class TCanvas;

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;

// Draws a frame of the given width inside r, top and left edges in one colour, bottom and right
// in the other, and leaves r as the rectangle inside the frame.
void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

// A container with a bevelled frame and a centred caption, filled with its colour. Aligned
// children are placed inside the bevels and the border.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);

protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    // The width of the bevels and the border together.
    int FrameWidth() const;
    void FrameChanged();

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    bool FShowCaption = true;
};
