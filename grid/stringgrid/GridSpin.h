#pragma once

#include "grid/foundation/EsgSpinEdit.h"
#include "platform/ui/CellEditor.h"

class TExStringGrid;

// The spin editor of the string grid (integer, float, time and date spin kinds): Page Up,
// Page Down, Home and End step or set the value inside its limits, Enter, Tab and the vertical
// arrows commit through the grid's validation, Escape brings back the cell's text.
class TGridSpin : public TEsgSpinEdit, public TCellEditor {
public:
    explicit TGridSpin(TComponent* AOwner);

    void SpinUp() override;
    void SpinDown() override;

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void TypeStartKey(char16_t Key) override;
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

    // Editing began with a click on a cell's spin button: the value steps once after loading.
    bool StepUpOnLoad = false;
    bool StepDownOnLoad = false;

protected:
    void HandleKeyDownMessage(TMessage& Message) override;
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void HandleKeyPress(TChar& Key) override;
    void HandleChar(TMessage& Message) override;
    void Change() override;
    void DoExit() override;

private:
    void FireSpinClick(bool UpDown);
    // Page Up, Page Down, Home and End on integer and float values.
    void StepByKey(WORD Key);

    TExStringGrid* FGrid;
    int FCol = 0;
    int FRow = 0;
};
