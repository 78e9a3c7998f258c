// The steps of Tab navigation. Every search for the next cell is bounded by the cells of the
// grid: on a grid without a cell to stop on, Tab ends where it started.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/FloatingFooter.h"

#include <algorithm>

void TExStringGrid::TakeNavigatedCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    if (FIsDBVersion) {
        SetRow(ARow);
        SetCol(ACol);
    } else {
        FocusCell(ACol, ARow, true);
    }
    SnapToBaseCell();
}

bool TExStringGrid::NavigateForward() {
    if (FNavigation->TabAdvanceDirection != adLeftRight)
        return NavigateVertically(false);
    const int row = Row();
    const int span = std::max(0, CellSpan(Col(), row).X);
    const int endCol = ColCount() - VisibleFixedRightCols();
    for (int c = Col() + span + 1; c < endCol; ++c)
        if (CanNavigateToCell(c, row) && IsBaseCell(c, row)) {
            TakeNavigatedCell(c, row);
            return true;
        }
    // On to the next data row that has a cell to stop on, when the changing events agree.
    FForceSel = true;
    for (int r = row + 1; r <= LastDataRow(); ++r) {
        const int c = FirstNavigableCol(r);
        if (c < 0)
            continue;
        bool allow = true;
        FireEvent(OnRowChanging, this, row, r, allow);
        if (allow)
            FireEvent(OnCellChanging, this, row, Col(), r, c, allow);
        if (allow)
            FireEvent(OnColChanging, this, Col(), c, allow);
        if (allow)
            TakeNavigatedCell(c, r);
        FForceSel = false;
        return true;
    }
    FForceSel = false;
    return NavigateAtEnd();
}

// Past the last cell: a new row when the grid may grow, else back to the first data row; with
// TabToNextAtEnd the Tab then goes on to the parent window.
bool TExStringGrid::NavigateAtEnd() {
    const bool addRow = !FNavigation->TabToNextAtEnd && FNavigation->AdvanceInsert();
    bool allow = addRow;
    if (addRow)
        CanAddRow(allow);
    if (allow) {
        const bool floating = FFloatingFooter->Visible;
        const int at = RowCount() - (floating ? 1 : FFixedFooters);
        if (at == RowCount())
            SetRowCount(RowCount() + 1);
        else
            InsertRows(at, 1, true);
        FireEvent(OnAutoAddRow, this, RowCount() - FFixedFooters - 1);
        const int c = FirstNavigableCol(at);
        TakeNavigatedCell(c >= 0 ? c : Col(), at);
    } else {
        int target = -1;
        int r = FixedRows();
        for (; r <= LastDataRow() && target < 0; ++r)
            target = FirstNavigableCol(r);
        if (target < 0)
            return true;
        GotoFirstRow();
        TakeNavigatedCell(target, r - 1);
    }
    if (FNavigation->TabToNextAtEnd && Parent()) {
        Parent()->PostMessage(WM_KEYDOWN, VK_TAB, 0);
        return false;
    }
    return true;
}

bool TExStringGrid::NavigateBackward() {
    if (FNavigation->TabAdvanceDirection != adLeftRight)
        return NavigateVertically(true);
    const int row = Row();
    for (int c = Col() - 1; c >= FirstNormalCol(); --c)
        if (CanNavigateToCell(c, row) && IsBaseCell(c, row)) {
            TakeNavigatedCell(c, row);
            return true;
        }
    // The previous row's last cell, from the first data row round to the last data row.
    int r = row;
    for (int k = 0; k < DataRowCount(); ++k) {
        r = r > FixedRows() ? r - 1 : LastDataRow();
        const int c = LastNavigableCol(r);
        if (c < 0)
            continue;
        TakeNavigatedCell(c, r);
        if (r > row)
            ScrollInView(Col(), Row());
        return true;
    }
    return true;
}

// Tab down the column, then on to the top of the next one (Shift+Tab: up, then to the bottom
// of the previous one); with goEditing cells that cannot be edited are passed.
bool TExStringGrid::NavigateVertically(bool Backward) {
    const int firstCol = FirstNormalCol();
    const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
    const int lastRow = LastDataRow();
    if (lastCol < firstCol || lastRow < FixedRows())
        return true;
    int c = Col();
    int r = Row();
    bool wrapped = false;
    const long long cells =
        static_cast<long long>(lastCol - firstCol + 1) * (lastRow - FixedRows() + 1);
    for (long long k = 0; k < cells; ++k) {
        if (Backward) {
            if (r > FixedRows()) {
                --r;
            } else {
                r = lastRow;
                c = c > firstCol ? c - 1 : lastCol;
            }
        } else {
            const int span = std::max(0, CellSpan(c, r).Y);
            if (r + span + 1 <= lastRow) {
                r += span + 1;
            } else {
                r = FixedRows();
                if (c < lastCol) {
                    ++c;
                } else {
                    c = firstCol;
                    wrapped = true;
                }
            }
        }
        if (Options().Contains(goEditing) && !IsEditable(RealColIndex(c), r))
            continue;
        TakeNavigatedCell(c, r);
        if (wrapped && FNavigation->TabToNextAtEnd && Parent()) {
            Parent()->PostMessage(WM_KEYDOWN, VK_TAB, 0);
            return false;
        }
        return true;
    }
    return true;
}
