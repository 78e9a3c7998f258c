#include "grid/stringgrid/RetEdit.h"

void TRetEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN) {
        if (Shift.Contains(ssCtrl))
            FireEvent(OnCtrlReturn, this);
        else
            FireEvent(OnReturn, this);
        Key = 0;
        return;
    }
    TEdit::KeyDown(Key, Shift);
}

void TRetEdit::KeyPress(TChar& Key) {
    TEdit::KeyPress(Key);
    if (Key == 10 || Key == 13)
        Key = 0;
}
