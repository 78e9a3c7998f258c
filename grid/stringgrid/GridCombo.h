#pragma once

#include "grid/foundation/EsgCombo.h"
#include "platform/ui/CellEditor.h"

#include <vector>

class TExStringGrid;

// The combo editor of the string grid (edComboEdit, edComboList): the shared item list of the
// grid, Enter, Tab, the arrows and Escape routed through the grid's commit, completion of typed
// text from the items, and the wheel stepping through the items.
class TGridCombo : public TEsgComboBox, public TCellEditor {
public:
    explicit TGridCombo(TComponent* AOwner);

    // Completes the typed text from the items, else from the grid's lookup items.
    void DoChange();
    // Widens the opened list to its widest item.
    void SizeDropDownWidth();
    // The object attached to an item (nullptr for none or an index outside the list).
    TObject* ItemObject(int Index) const;
    void SetItemObject(int Index, TObject* AObject);
    void DeleteItem(int Index);
    void ClearItems();
    // OnComboChange and OnComboObjectChange of the grid with the current cell, the item index
    // and the text.
    void FireComboChange();

    bool Forced = false;
    bool WorkMode = true;
    int ItemIdx = -1;
    bool ItemChange = false;
    TNotifyEvent OnReturnKey;

    void BeginCellEdit(int ACol, int ARow) override;
    void PlaceCellEditor(const TRect& ARect, TColor Background) override;
    void LoadCellText(const std::string& Text) override;
    std::string ApplyCellText() override;
    void CancelCellEdit() override {}
    void TypeStartKey(char16_t Key) override;
    void EndCellEdit() override;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TChar& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void HandleSetFocus(TMessage& Message) override;
    void DoExit() override;

private:
    bool IsCommitKey(WORD Key, TShiftState Shift) const;
    void CommitFailed(WORD Key);
    // False when the mouse pointer is not over the control: the caret stays where it is.
    bool PlaceCaretAtPointer();

    TExStringGrid* FGrid;
    int FCol = 0; // the cell being edited, a real column
    int FRow = 0;
    std::vector<TObject*> FObjects;
    // A click placed the caret on focus; the cell text loaded next must not move it.
    bool FClickCaretDue = false;
};
