#pragma once

#include "platform/ui/Edit.h"

class TStringGrid;

// The grid's in-place text editor: one edit that the grid moves over the cell being edited.
// Navigation keys go to the grid, so arrows and Tab leave the cell as on the grid itself;
// every change of the text is handed to the grid at once.
class TInplaceEdit : public TEdit {
public:
    explicit TInplaceEdit(TStringGrid* AGrid);
    ~TInplaceEdit() override;

    TStringGrid* Grid() const { return FGrid; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;

private:
    friend class TStringGrid;
    // Keys the grid handles while the editor is open.
    static bool IsGridKey(WORD Key, TShiftState Shift);

    TStringGrid* FGrid;
    TAlignment FAlignment = taLeftJustify;
};
