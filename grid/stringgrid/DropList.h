#pragma once

#include "grid/stringgrid/DropListBase.h"

// The list the filter drop-down opens under a header cell: a click on an entry or Enter closes
// it and reports the entry (ItemIndex) through OnSelect; the arrow keys only move through it.
class TDropList : public TDropListBase {
public:
    using TDropListBase::TDropListBase;

protected:
    void Click() override {}
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Choose();
};
