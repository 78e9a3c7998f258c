#include "platform/ui/Splitter.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(Left(), Top(), 3, 100);
    SetAlign(alLeft);
}

int TSplitter::SizeOf(const TControl& control) const {
    return Vertical() ? control.Height() : control.Width();
}

int TSplitter::PointerPosition(int X, int Y) const {
    return Vertical() ? Top() + Y : Left() + X;
}

TControl* TSplitter::ResizedControl() const {
    const TWinControl* parent = Parent();
    const bool onASide = Vertical() || Align() == alLeft || Align() == alRight;
    if (!parent || !onASide)
        return nullptr;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (control == this || !control->Visible() || control->Align() != Align())
            continue;
        const bool touches = (Align() == alBottom && control->Top() == Top() + Height()) ||
                             (Align() == alTop && control->Top() + control->Height() == Top()) ||
                             (Align() == alRight && control->Left() == Left() + Width()) ||
                             (Align() == alLeft && control->Left() + control->Width() == Left());
        if (touches)
            return control;
    }
    return nullptr;
}

int TSplitter::LargestSize(const TControl& resized) const {
    // The room of the client-aligned control beside the bar, less its own least size.
    const TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* control = parent->Controls(i);
        if (control->Visible() && control->Align() == alClient)
            return SizeOf(resized) + std::max(0, SizeOf(*control) - FMinSize);
    }
    return SizeOf(resized);
}

void TSplitter::MouseEnter() {
    TCustomControl::MouseEnter();
    SetCursor(Vertical() ? crVSplit : crHSplit);
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FResized = ResizedControl();
    if (!FResized)
        return;
    FDownPosition = PointerPosition(X, Y);
    FDownSize = SizeOf(*FResized);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FResized)
        return;
    // The resized control lies beyond the bar: moving towards it makes it smaller.
    const int moved = PointerPosition(X, Y) - FDownPosition;
    const bool growsWithPointer = Align() == alTop || Align() == alLeft;
    const int wanted = FDownSize + (growsWithPointer ? moved : -moved);
    const int size = std::clamp(wanted, std::min(FMinSize, FDownSize), LargestSize(*FResized));
    if (size == SizeOf(*FResized))
        return;
    // A control aligned to the bottom or the right keeps its far edge, so that it keeps its
    // place among the controls stacked on that side.
    TControl& c = *FResized;
    const int grown = size - SizeOf(c);
    switch (Align()) {
    case alTop:
        c.SetHeight(size);
        break;
    case alBottom:
        c.SetBounds(c.Left(), c.Top() - grown, c.Width(), size);
        break;
    case alLeft:
        c.SetWidth(size);
        break;
    default:
        c.SetBounds(c.Left() - grown, c.Top(), size, c.Height());
        break;
    }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FResized || Button != mbLeft)
        return;
    const bool moved = SizeOf(*FResized) != FDownSize;
    FResized = nullptr;
    if (moved)
        FireEvent(OnMoved, this);
}
