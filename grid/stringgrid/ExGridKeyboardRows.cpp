// Keys that act on whole rows and on the selection: insert and delete of rows, select all,
// the clipboard keys and the disjunct row and column flags.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/FloatingFooter.h"

bool TExStringGrid::HandleClipboardKeys(WORD Key, TShiftState Shift) {
    enum class TAction { None, Cut, Copy, Paste } action = TAction::None;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shift = Shift.Contains(ssShift);
    if (ctrl && Key == 'X')
        action = TAction::Cut;
    else if (ctrl && Key == 'V')
        action = TAction::Paste;
    else if (ctrl && (Key == VK_INSERT || Key == 'C'))
        action = TAction::Copy;
    else if (shift && Key == VK_INSERT)
        action = TAction::Paste;
    else if (shift && Key == VK_DELETE)
        action = TAction::Cut;
    bool allow = true;
    switch (action) {
    case TAction::None:
        return false;
    case TAction::Cut:
        FireEvent(OnClipboardCut, this, allow);
        if (allow)
            CutSelectionToClipboard();
        break;
    case TAction::Copy:
        FireEvent(OnClipboardCopy, this, allow);
        if (allow)
            CopySelectionToClipboard();
        break;
    case TAction::Paste:
        FireEvent(OnClipboardPaste, this, allow);
        if (allow)
            PasteSelectionFromClipboard();
        break;
    }
    return true;
}

void TExStringGrid::InsertRowByKey() {
    bool allow = true;
    CanInsertRow(Row(), allow);
    if (!allow)
        return;
    int newRow = Row();
    int inserted = Row();
    if (FNavigation->InsertPosition == pInsertAfter) {
        if (FFixedRowAlways && DataRowCount() == 0) {
            newRow = FixedRows();
        } else if (Row() + 1 < RowCount()) {
            inserted = Row() + 1;
            ++newRow;
        } else {
            // After the last row: the row opens at the end and the cursor follows it.
            inserted = RowCount();
            ++newRow;
        }
    }
    UserInsertRow(inserted < RowCount() ? RealRowIndex(inserted) : inserted);
    FireEvent(OnAutoInsertRow, this, inserted);
    if (newRow < RowCount())
        SetRow(newRow);
    CalcFooter(-1);
}

void TExStringGrid::DeleteRowByKey() {
    const int realRow = RealRowIndex(Row());
    bool allow = true;
    FireEvent(OnCanDeleteRow, this, realRow, allow);
    if (!allow)
        return;
    UserDeleteRow(realRow);
    if (FFloatingFooter->Visible && Row() == RowCount() - 1 && RowCount() >= 2)
        SetRow(RowCount() - 2);
    RememberCellState(Col(), Row());
    CalcFooter(-1);
}

void TExStringGrid::SelectAllByKey() {
    const TGridRect all{FirstNormalCol(), FixedRows(), ColCount() - FFixedRightCols - 1,
                        RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    if (FMouseActions->DisjunctRowSelect())
        for (int r = FixedRows(); r <= all.Bottom; ++r)
            SetRowSelect(SelectionRowOf(r), true);
    KeySelectAll();
    SetSelection(all);
}

// Navigation keys move the disjunct row and column flags with the cursor; Space toggles them.
void TExStringGrid::DisjunctFlagsByKey(WORD Key, TShiftState Shift, int SelRow) {
    const bool navigation = Key >= VK_PRIOR && Key <= VK_DOWN;
    const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
    if (FMouseActions->DisjunctRowSelect() && SelRow >= 0) {
        if (navigation && plain)
            ClearRowSelect();
        if (navigation && Shift.Contains(ssShift))
            SelectionToRowSelect(true);
        else if (navigation)
            SetRowSelect(SelRow, true);
        if (Key == VK_SPACE)
            SetRowSelect(SelRow, !GetRowSelect(SelRow));
    }
    if (FMouseActions->DisjunctColSelect()) {
        if (navigation && plain)
            ClearColSelect();
        if (navigation && Shift.Contains(ssShift))
            SelectionToColSelect(true);
        else if (navigation)
            SetColSelect(Col(), true);
        if (Key == VK_SPACE)
            SetColSelect(Col(), !GetColSelect(Col()));
    }
}
