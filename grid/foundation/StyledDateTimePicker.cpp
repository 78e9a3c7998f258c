#include "grid/foundation/StyledDateTimePicker.h"

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Screen.h"

TStyledDateTimePicker::TStyledDateTimePicker(TComponent* AOwner, TColor borderColor)
    : TDateTimePicker(AOwner), FBorderColor(borderColor), FIsThemed(IsComCtl6()),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FIsWinXP(IsWinXPOrLater()) {
    SetDoubleBuffered(true);
}

TStyledDateTimePicker::~TStyledDateTimePicker() = default;

void TStyledDateTimePicker::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
}

void TStyledDateTimePicker::SetBorderColor(TColor value) {
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    Invalidate();
}

void TStyledDateTimePicker::SetMetroStyle(bool value) {
    if (value == FMetroStyle)
        return;
    FMetroStyle = value;
    Invalidate();
}

void TStyledDateTimePicker::SetCtl3D(bool value) {
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    Invalidate();
}

void TStyledDateTimePicker::MouseEnter() {
    TDateTimePicker::MouseEnter();
    if (FMouseInControl || !Enabled())
        return;
    FMouseInControl = true;
    Invalidate();
}

void TStyledDateTimePicker::MouseLeave() {
    TDateTimePicker::MouseLeave();
    if (FMouseInControl && Enabled())
        FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TStyledDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool overButton = Width() - FButtonWidth < X && X < Width();
    if (overButton != FButtonHover) {
        FButtonHover = overButton;
        Invalidate();
    }
}

void TStyledDateTimePicker::DoEnter() {
    TDateTimePicker::DoEnter();
    FHasFocus = true;
    Invalidate();
}

void TStyledDateTimePicker::DoExit() {
    TDateTimePicker::DoExit();
    FHasFocus = false;
    Invalidate();
}
