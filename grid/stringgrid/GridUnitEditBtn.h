#pragma once

#include "grid/foundation/EsgUnitEditBtn.h"
#include "platform/ui/CellEditor.h"

class TExStringGrid;

// The value-with-unit editor of the string grid (edUnitEditBtn, edNumericUnitEditBtn,
// edFloatUnitEditBtn): the cell holds the value followed directly by its unit; the editor shows
// them apart and commits them together through the grid's validation.
class TGridUnitEditBtn : public TEsgUnitEditBtn, public TCellEditor {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner);

    void ButtonClick(TObject* Sender);

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    // A text ending in none of the units is kept whole as the value, with no unit.
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void TypeStartKey(char16_t Key) override;
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

protected:
    void HandleKeyDown(WORD& Key, TShiftState Shift) override;
    void HandleChar(TMessage& Message) override;
    void HandleKeyPress(TChar& Key) override;
    void DoExit() override;

private:
    // Splits the text into value and unit; without a known unit the whole text is the value.
    void SetValueAndUnit(const std::string& Text);

    TExStringGrid* FGrid;
};
