#include "grid/stringgrid/DropList.h"

#include "platform/ui/Keys.h"

void TDropList::KeyDown(WORD& Key, TShiftState Shift) {
    TDropListBase::KeyDown(Key, Shift);
    if (Key == VK_RETURN && ItemIndex() >= 0) {
        Key = 0;
        Choose();
    }
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDropListBase::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && ItemAtPos(TPoint{X, Y}) >= 0)
        Choose();
}

void TDropList::Choose() {
    // Hidden first: the choice may rebuild the grid under the list.
    Hide();
    if (OnSelect)
        OnSelect(this);
}
