#include "grid/stringgrid/DropListBase.h"

#include "platform/ui/Keys.h"

void TDropListBase::KeyDown(WORD& Key, TShiftState Shift) {
    TListBox::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE) {
        Key = 0;
        Cancel();
    }
}

void TDropListBase::DoExit() {
    TListBox::DoExit();
    if (Visible())
        Cancel();
}

void TDropListBase::Cancel() {
    Hide();
    if (OnCancel)
        OnCancel(this);
}
