#pragma once

#include "grid/foundation/EsgDateTimePicker.h"
#include "platform/ui/CellEditor.h"

#include <cstdint>

class TExStringGrid;

// The date and time picker editor of the string grid (edDateEdit with its calendar,
// edDateEditUpDown, edTimeEdit). A typed digit that completes a part moves the caret on by
// itself; Enter and Tab commit through the grid's validation.
class TGridDatePicker : public TEsgDateTimePicker, public TCellEditor {
public:
    explicit TGridDatePicker(TComponent* AOwner);

    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    // Dates outside MinDate..MaxDate open on the nearer limit; the limits themselves stay.
    void LoadCellText(const std::string& Text) override;
    // A digit goes into the part the caret stands on; the time editor takes no start key.
    void TypeStartKey(char16_t Key) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

protected:
    // After a typed digit has reached the value: on to the next part once this one changed.
    virtual void AutoAdvanceField();
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid;
    // The value's parts before the last digit.
    uint16_t Fy = 0, Fm = 0, Fd = 0;
    uint16_t Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
};
