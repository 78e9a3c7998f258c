// Focus arriving at and leaving the grid.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"

void TExStringGrid::HandleSetFocus(TMessage& Message) {
    if (InvokedFocusChange)
        return;
    TBaseGrid::WndProc(Message);
    if (HasCheckBox(RealColIndex(Col()), Row()))
        return;
    if (FNavigation->AlwaysEdit && EditControl == edNormal && !EditorMode()) {
        bool canEdit = true;
        QueryCanEdit(RealColIndex(Col()), Row(), canEdit);
        const TRect r = CellRect(Col(), Row());
        if (canEdit && r.Width() > 0 && IsEditable(RealColIndex(Col()), Row())) {
            ShowInplaceEdit();
            Message.Result = 0;
            return;
        }
    }
    if (IsMergedCell(Col(), Row()))
        RepaintCell(Col(), Row());
}

void TExStringGrid::HandleKillFocus(TMessage& Message) {
    if (FBlockKill) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(Message);
    if (IsMergedCell(Col(), Row()))
        RepaintCell(Col(), Row());
}

void TExStringGrid::DoEnter() {
    if (FBlockFocus)
        return;
    // The cell state is remembered even when an OnEnter handler fails.
    try {
        TBaseGrid::DoEnter();
        if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit)
            CanSelectCell(Col(), Row());
    } catch (...) {
        RememberCellState(Col(), Row());
        throw;
    }
    RememberCellState(Col(), Row());
}

void TExStringGrid::DoExit() {
    if (FBlockKill)
        return;
    if (FSelChange && FMouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

void TExStringGrid::Select() {
    CanSelectCell(Col(), Row());
}
