#pragma once

#include "grid/foundation/ExDateTimePicker.h"
#include "platform/ui/CellEditor.h"

class TExStringGrid;

// The date-and-time picker editor of the string grid (edDateTimeEdit). Enter and Tab store the
// value through the grid's validation; Escape brings back the value editing began with.
class TGridDateTimePicker : public TExDateTimePicker, public TCellEditor {
public:
    explicit TGridDateTimePicker(TComponent* AOwner);

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    // The text's value, inside the picker's range.
    void ShowCellText(const std::string& Text);

    TExStringGrid* FGrid;
};
