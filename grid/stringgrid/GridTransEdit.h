#pragma once

#include "platform/ui/Edit.h"

class TExStringGrid;

// The transient editor of a fixed cell: Enter does nothing, and the text goes into the cell
// when the focus leaves and the grid's validation accepts it.
class TGridTransEdit : public TEdit {
public:
    // AOwner may be a grid or nothing; without a grid the editor only hides when it stops.
    explicit TGridTransEdit(TComponent* AOwner);

    // Validates and stores the text; false keeps the editor open.
    bool StopEdit();

    int Col = 0; // real column
    int Row = 0;

protected:
    void KeyPress(TChar& Key) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid;
};
