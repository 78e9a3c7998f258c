#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/CheckBox.h"

class TExStringGrid;

// The check-box editor of the string grid (edCheckBox): captioned with the cell's text, it
// leaves the cell as it is; Enter, the page keys, End and the arrows hand the keyboard back to
// the grid. Space and clicks toggle it once, through the platform's own handling.
class TGridCheckBox : public TCheckBox, public TCellEditor {
public:
    explicit TGridCheckBox(TComponent* AOwner);

    // Back to the state of a newly made box: no press held by the mouse or Space.
    void ReCreate();

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid;
    int FCol = 0;
    int FRow = 0;
};
