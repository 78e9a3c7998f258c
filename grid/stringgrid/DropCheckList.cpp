#include "grid/stringgrid/DropCheckList.h"

#include "platform/ui/Keys.h"

TDropCheckList::TDropCheckList(TComponent* AOwner) : TDropListBase(AOwner) {
    SetCheckMarks(true);
}

void TDropCheckList::KeyDown(WORD& Key, TShiftState Shift) {
    TDropListBase::KeyDown(Key, Shift);
    if (Key == VK_SPACE && ItemIndex() >= 0) {
        Key = 0;
        Toggle(ItemIndex());
    }
}

void TDropCheckList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDropListBase::MouseUp(Button, Shift, X, Y);
    const int index = ItemAtPos(TPoint{X, Y});
    if (Button == mbLeft && index >= 0)
        Toggle(index);
}

void TDropCheckList::Toggle(int Index) {
    SetChecked(Index, !Checked(Index));
    if (OnSelect)
        OnSelect(this);
}
