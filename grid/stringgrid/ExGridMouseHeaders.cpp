// Whole rows, whole columns and the whole grid selected through the fixed cells: the mode a
// move arms, the press that starts it and the drag that extends it.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Bitmap.h"

#include <algorithm>

void TExStringGrid::UpdateMouseSelectMode(int ACol, int ARow, int X, int Y, bool ScrolledUp) {
    MouseSelectMode = msNormal;
    const bool inFixedRow = ARow >= 0 && ARow < FixedRows();
    const bool inFixedCol = ACol >= 0 && ACol < FixedCols();
    if (inFixedRow && inFixedCol && FMouseActions->AllSelect)
        MouseSelectMode = msAll;
    else if (inFixedRow && ACol >= FixedCols() && FMouseActions->ColSelect &&
             !IsOnSizingBorder(X, Y))
        MouseSelectMode = msColumn;
    else if (inFixedCol && ARow >= 0 && ARow <= RowCount() - 1 &&
             (ARow >= FixedRows() || ScrolledUp) && FMouseActions->RowSelect &&
             !IsOnSizingBorder(X, Y) && !IsOnNodeGlyph(ARow, X))
        MouseSelectMode = msRow;
}

void TExStringGrid::HeaderSelectionPress(int ACol, int ARow, TShiftState Shift) {
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    if (ACol < FixedCols() && ARow < FixedRows() && FMouseActions->AllSelect &&
        Options().Contains(goRangeSelect) && MouseSelectMode == msAll) {
        if (CanFocus())
            SetFocus();
        ExportNotification(esExportStart, -1);
        ExportNotification(esExportNewRow, RowCount() - 1);
        ExportNotification(esExportFail, -1);
        CornerSelectAll();
        SetSelection(TGridRect{FixedCols(), FixedRows(), lastCol, lastRow});
    }
    if (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->RowSelect &&
        MouseSelectMode == msRow) {
        const TGridRect oldSel = Selection();
        if (EditMode && CanFocus())
            SetFocus();
        const int from = Shift.Contains(ssShift) ? std::min(ARow, oldSel.Top) : ARow;
        const int to = Shift.Contains(ssShift) ? std::max(ARow, oldSel.Top) : ARow;
        SetSelection(TGridRect{FixedCols(), from, lastCol, to});
        FMouseSelectStart = ARow;
        if (FRowIndicator && !FRowIndicator->Empty())
            RepaintCol(0);
    }
    if (ACol >= FixedCols() && ARow < FixedRows() && FMouseActions->ColSelect &&
        Options().Contains(goRangeSelect) && MouseSelectMode == msColumn) {
        const TGridRect oldSel = Selection();
        if (CanFocus())
            SetFocus();
        int from = ACol;
        int to = ACol;
        if (Shift.Contains(ssShift)) {
            from = ACol < oldSel.Left ? ACol : oldSel.Left;
            to = ACol < oldSel.Left ? oldSel.Right : ACol;
        }
        SetSelection(TGridRect{from, FixedRows(), to, lastRow});
        FMouseSelectStart = ACol;
    }
}

// A drag along the row headers extends the row selection and scrolls at the top and bottom
// edges; one along the column headers extends the column selection without scrolling.
void TExStringGrid::HeaderDragMove(int ACol, int ARow, int Y, bool& ScrolledUp) {
    if (FMouseSelectStart == -1)
        return;
    if (FMouseActions->RowSelect && MouseSelectMode == msRow) {
        if (ARow >= FixedRows() && ARow <= RowCount() - FFixedFooters) {
            const int top = std::max(FixedRows(), ARow);
            SelectBand(TGridRect{FixedCols(), std::min(FMouseSelectStart, top), ColCount() - 1,
                                 std::max(FMouseSelectStart, top)});
        }
        if (Y > Height() - 4 && TopRow() < RowCount() - 1)
            SetTopRow(TopRow() + 1);
        if (FixedRows() > 0 && RowCount() > 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            ScrolledUp = true;
        }
    }
    if (FMouseActions->ColSelect && MouseSelectMode == msColumn) {
        const int left = std::max(FixedCols(), ACol);
        SelectBand(TGridRect{std::min(FMouseSelectStart, left), FixedRows(),
                             std::max(FMouseSelectStart, left), RowCount() - 1});
    }
}

void TExStringGrid::SelectBand(const TGridRect& Band) {
    SetSelection(Band);
    if (FSelectionRectangle && Band != FSizeSelection) {
        Invalidate();
        FSizeSelection = Band;
    }
}
