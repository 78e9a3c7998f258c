#pragma once

#include "grid/foundation/EsgCombo.h"

// The editor of a combo control element inside a cell's mark-up. Enter commits it and gives
// the grid the focus; Tab commits it and moves on to the next element.
class TControlCombo : public TEsgComboBox {
public:
    explicit TControlCombo(TComponent* AOwner) : TEsgComboBox(AOwner) {}

    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(TChar& Key) override;
};
