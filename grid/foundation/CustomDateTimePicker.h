#pragma once

#include "grid/foundation/StyledDateTimePicker.h"

// The window message a picker posts to itself after a typed digit, so that it moves on to the
// next part once the digit has reached the value. Registered by name: every unit that asks for
// "DTPShiftFocus" gets the same number.
UINT DTPShiftFocusMessage();

// The styled picker with a flat black border (Ctl3D off) and AutoTab: with AutoTab on, a typed
// digit that changes the hour, minute or second of a time picker moves the caret to the next
// part. The combined date and time picker builds on it; on its own it is the time field that
// picker carries, and it never draws the metro button or the coloured border.
class TCustomDateTimePicker : public TStyledDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool value);

    void WndProc(TMessage& Message) override;

protected:
    // The step after a typed digit has reached the value ("DTPShiftFocus").
    virtual void AutoAdvanceField();
    // On its own the picker never draws the metro button or the coloured border.
    bool SkipCustomPaint() const override { return true; }
    bool FlatBorderNeedsColor() const override { return false; }
    bool PaintsFlatFrame() const override { return true; }
    int MetroClearance() const override { return 4; }
    void KeyPress(TChar& Key) override;
    // Moves the caret to the next part as the Right key does, once the current key is done.
    void PostNextField();

private:
    bool FAutoTab = false;
    // Hour, minute, second and millisecond before the last typed digit.
    int Fh = 0;
    int Fm = 0;
    int Fs = 0;
    int Fms = 0;
};
