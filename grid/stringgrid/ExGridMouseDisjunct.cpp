// Disjunct selections by mouse: a click picks one row, column or cell; with Ctrl it adds one or,
// on one already picked, takes it away again on the release.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"

#include <algorithm>

// A plain press on a normal cell starts a new cell selection.
void TExStringGrid::DisjunctCellPress(int ACol, int ARow, TShiftState Shift) {
    if (!FMouseActions->DisjunctCellSelect() || Shift.Contains(ssCtrl) || ACol < 0 || ARow < 0 ||
        IsFixed(ACol, ARow))
        return;
    FDisjunctCells.clear();
    Invalidate();
}

bool TExStringGrid::DisjunctRowColPress(int ACol, int ARow, TShiftState Shift,
                                        const TGridRect& Sel0, int X, int Y) {
    const bool ctrl = Shift.Contains(ssCtrl);
    if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() &&
        (ACol != 0 || !FMouseActions->HotmailRowSelect())) {
        if (Shift.Contains(ssShift)) {
            HandleMouseDown(mbLeft, Shift, X, Y);
            SetSelection(TGridRect{std::min(ACol, Sel0.Left), std::min(ARow, Sel0.Top),
                                   std::max(ACol, Sel0.Left), std::max(ARow, Sel0.Top)});
            return true;
        }
        if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl) {
            if (GetRowSelect(SelectionRowOf(ARow)))
                FDeselectState = true;
        } else if (!Shift.Contains(ssAlt)) {
            ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
        if (ctrl) {
            if (GetColSelect(ACol))
                FDeselectState = true;
        } else {
            ClearColSelect();
        }
    }
    return false;
}

// The rows (columns) the press selected join the selection; a Ctrl press on a selected one
// takes it out.
void TExStringGrid::DisjunctRowColRelease(int ACol, int ARow, bool& RowUnselected) {
    if (FMouseActions->DisjunctRowSelect() && ACol >= 0 && ARow >= 0 &&
        (!IsNode(ARow) || ACol != 0)) {
        const bool hotmailBox = ACol == 0 && FMouseActions->HotmailRowSelect();
        if (!hotmailBox)
            SelectionToRowSelect(false);
        if (ARow >= FixedRows() && ARow < RowCount() - FFixedFooters) {
            if (FDeselectState) {
                SetRowSelect(SelectionRowOf(ARow), false);
                RowUnselected = true;
            }
            if (FMouseActions->HotmailRowSelect())
                RepaintCell(0, 0);
        }
        FDeselectState = false;
    }
    if (FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols && FDeselectState)
            SetColSelect(ACol, false);
        FDeselectState = false;
    }
}

// False when OnSelectCell refused the cell: the release then ends.
bool TExStringGrid::DisjunctCellRelease(TShiftState Shift, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return true;
    const TPoint base = BaseCell(ACol, ARow);
    const TGridCoord cell{base.X, base.Y};
    if (!IsFixed(base.X, base.Y)) {
        bool canSelect = true;
        FireEvent(OnSelectCell, this, base.X, base.Y, canSelect);
        if (!canSelect)
            return false;
        if (Shift.Contains(ssShift)) {
            FlagDisjunctCell(cell, true);
        } else if (Shift.Contains(ssCtrl)) {
            FlagDisjunctCell(cell, !GetSelectedCells(cell.X, cell.Y));
        } else {
            FDisjunctCells.clear();
            Invalidate();
            FlagDisjunctCell(cell, true);
        }
    } else if (!Shift.Contains(ssCtrl) && !IsFixed(ACol, ARow)) {
        FDisjunctCells.clear();
        Invalidate();
    }
    // A range dragged or Shift-clicked joins the cells it covers.
    const TGridRect sel = Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom)
        for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r)
            for (int c = std::min(sel.Left, sel.Right); c <= std::max(sel.Left, sel.Right); ++c)
                if (TGridCoord{c, r} != cell)
                    FlagDisjunctCell(TGridCoord{c, r}, true);
    RepaintCell(ACol, ARow);
    return true;
}
