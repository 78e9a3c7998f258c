#pragma once

#include "platform/ui/Control.h"

// A bar between aligned controls that the user drags to share their room: it resizes the
// control aligned to the same side right beyond it (for a bar aligned to the bottom, the control
// below it), never below MinSize, and never so far that the client-aligned control beside it
// would shrink below MinSize.
class TSplitter : public TCustomControl {
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = value < 1 ? 1 : value; }

    // After a drag changed the size.
    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;

private:
    bool Vertical() const { return Align() == alTop || Align() == alBottom; }
    // The control the bar resizes: aligned to the same side and touching the bar's far edge.
    TControl* ResizedControl() const;
    // The largest size the resized control may take.
    int LargestSize(const TControl& resized) const;
    int SizeOf(const TControl& control) const;
    // Where the pointer is along the bar's axis, in the parent's coordinates.
    int PointerPosition(int X, int Y) const;

    int FMinSize = 30;
    TControl* FResized = nullptr; // while dragging
    int FDownPosition = 0;
    int FDownSize = 0;
};
