#pragma once

#include "platform/ui/ListBox.h"

// What the two filter lists share: they open under a header cell, report a choice through
// OnSelect and close on Escape or when the focus leaves them, reporting OnCancel.
class TDropListBase : public TListBox {
public:
    using TListBox::TListBox;

    TNotifyEvent OnSelect;
    TNotifyEvent OnCancel;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoExit() override;
    // Closes the list without a choice.
    void Cancel();
};
