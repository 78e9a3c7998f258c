#pragma once

#include "platform/ui/CellEditor.h"
#include "platform/ui/Edit.h"

class TStringGrid;

// The grid's in-place text editor: one edit that the grid moves over the cell being edited.
// Navigation keys go to the grid, so arrows and Tab leave the cell as on the grid itself;
// every change of the text is handed to the grid at once.
class TInplaceEdit : public TEdit, public TCellEditor {
public:
    explicit TInplaceEdit(TStringGrid* AGrid);
    ~TInplaceEdit() override;

    TStringGrid* Grid() const { return FGrid; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // The cell being edited (as the grid gave it to BeginCellEdit).
    int EditCol() const { return FEditCol; }
    int EditRow() const { return FEditRow; }

    // The grid drives the editor through these.
    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    void TypeStartKey(char16_t Key) override;
    std::string ApplyCellText() override { return Text(); }
    void CancelCellEdit() override {}
    void EndCellEdit() override { Hide(); }

    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    // Keys the grid handles while the editor is open.
    static bool IsGridKey(WORD Key, TShiftState Shift);

private:
    friend class TStringGrid;

    TStringGrid* FGrid;
    TAlignment FAlignment = taLeftJustify;
    int FEditCol = -1;
    int FEditRow = -1;
};
