#pragma once

#include "grid/stringgrid/DropListBase.h"

// The check list the filter drop-down opens for several values at once: a click on an entry,
// or Space on the focused one, toggles its mark and reports the change through OnSelect; the
// list stays open.
class TDropCheckList : public TDropListBase {
public:
    explicit TDropCheckList(TComponent* AOwner);

protected:
    void Click() override {}
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Toggle(int Index);
};
