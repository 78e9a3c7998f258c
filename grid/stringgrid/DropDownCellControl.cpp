#include "grid/stringgrid/DropDownCellControl.h"

#include "platform/ui/Messages.h"

TDropDownCellControl::~TDropDownCellControl() {
    if (FEditor != nullptr)
        FEditor->DropDownControlDestroyed();
}

void TDropDownCellControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (FEditor != nullptr)
        FEditor->DropDownKeyDown(Key, Shift);
    if (Key != 0)
        DropDownKeyDown(Key, Shift);
}

void TDropDownCellControl::KeyPress(TChar& Key) {
    if (FEditor != nullptr)
        FEditor->DropDownKeyPress(Key);
    DropDownKeyPress(Key);
}

void TDropDownCellControl::TextChanged() {
    if (FEditor != nullptr)
        FEditor->DropDownTextChanged();
}

void TDropDownCellControl::DoExit() {
    if (FEditor != nullptr)
        FEditor->DropDownExit();
    TWinControl::DoExit();
}

void TDropDownCellControl::WndProc(TMessage& Message) {
    TWinControl::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY && FEditor != nullptr &&
        FEditor->DropDownWantsKey(Message.WParam))
        Message.Result = 1;
}
