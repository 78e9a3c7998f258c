#pragma once

#include "platform/ui/MaskEdit.h"

class TExStringGrid;

// The editor of an edit, password or masked control element inside a cell's mark-up. Enter
// commits it and gives the grid the focus; Tab commits it and moves on to the next element.
class TControlEdit : public TMaskEdit {
public:
    explicit TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {}

    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(TChar& Key) override;
};
