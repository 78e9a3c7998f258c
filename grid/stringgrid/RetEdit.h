#pragma once

#include "platform/ui/Edit.h"

// The search footer's edit: Enter is an action of its own (Ctrl+Enter another), not a key
// that the dialog or the edit takes, and line breaks never get into its text.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
};
