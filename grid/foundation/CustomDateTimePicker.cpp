#include "grid/foundation/CustomDateTimePicker.h"

#include "grid/foundation/GridDate.h"

UINT DTPShiftFocusMessage() {
    static const UINT message = RegisterWindowMessage("DTPShiftFocus");
    return message;
}

namespace {
// Registered when the program starts, as the picker's unit does.
[[maybe_unused]] const UINT RegisteredAtStart = DTPShiftFocusMessage();
} // namespace

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner)
    : TStyledDateTimePicker(AOwner, clBlack) {
    SetCtl3D(false);
}

void TCustomDateTimePicker::SetAutoTab(bool value) {
    FAutoTab = value;
}

void TCustomDateTimePicker::KeyPress(TChar& Key) {
    const bool digit = Key >= '0' && Key <= '9';
    if (digit && FAutoTab && Kind() == dtkTime)
        TGridDate::DecodeTime(DateTime(), Fh, Fm, Fs, Fms);
    TStyledDateTimePicker::KeyPress(Key);
    if (digit && FAutoTab)
        PostMessage(DTPShiftFocusMessage());
}

void TCustomDateTimePicker::WndProc(TMessage& Message) {
    if (Message.Msg == DTPShiftFocusMessage())
        AutoAdvanceField();
    TStyledDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::AutoAdvanceField() {
    if (Kind() != dtkTime)
        return;
    int h = 0, m = 0, s = 0, ms = 0;
    TGridDate::DecodeTime(DateTime(), h, m, s, ms);
    if (h != Fh || m != Fm || s != Fs)
        PostNextField();
}

void TCustomDateTimePicker::PostNextField() {
    PostMessage(WM_KEYDOWN, VK_RIGHT);
}
