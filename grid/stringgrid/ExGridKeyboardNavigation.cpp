// Tab navigation between cells, the cells it may stop on, and the automatic row append.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "platform/ui/InplaceEdit.h"

#include <algorithm>

void TExStringGrid::GotoFirstRow() {
    if (FixedRows() < RowCount())
        SetRow(FixedRows());
}

bool TExStringGrid::HasCellBorders() {
    return static_cast<bool>(OnGetCellBorder);
}

int TExStringGrid::DataRowCount() const {
    return std::max(0, RowCount() - FixedRows() - FFixedFooters);
}

int TExStringGrid::LastDataRow() const {
    return RowCount() - FFixedFooters - 1;
}

bool TExStringGrid::IsOnLastDataRow() {
    if (FFloatingFooter->Visible)
        return Row() == RowCount() - 2;
    return Row() == LastDataRow();
}

int TExStringGrid::FirstNormalCol() {
    return FixedCols() == 0 && HasNodes() ? 1 : FixedCols();
}

int TExStringGrid::VisibleFixedRightCols() const {
    if (NumHiddenColumns() == 0)
        return FFixedRightCols;
    int shown = 0;
    const int total = TotalColCount();
    for (int c = std::max(0, total - FFixedRightCols); c < total; ++c)
        if (!IsHiddenColumn(c))
            ++shown;
    return shown;
}

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow) const {
    if (HoverFixedCells == hfNone)
        return false;
    if (ACol < FixedCols() && (HoverFixedCells == hfAll || HoverFixedCells == hfFixedColumns))
        return true;
    return ARow < FixedRows() && (HoverFixedCells == hfAll || HoverFixedCells == hfFixedRows);
}

bool TExStringGrid::CanNavigateToCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    // Fixed rows and columns, at either edge, are never a stop.
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() &&
                        ACol < ColCount() - FFixedRightCols && ARow < RowCount() - FFixedFooters;
    bool can = normal && (Options().Contains(goEditing) ? IsEditable(RealColIndex(ACol), ARow)
                                                        : !IsFixed(ACol, ARow));
    FireEvent(OnSelectCell, this, ACol, ARow, can);
    return can;
}

int TExStringGrid::FirstNavigableCol(int ARow) {
    for (int c = 0; c < ColCount(); ++c)
        if (CanNavigateToCell(c, ARow))
            return c;
    return -1;
}

int TExStringGrid::LastNavigableCol(int ARow) {
    for (int c = ColCount() - 1; c >= 0; --c)
        if (CanNavigateToCell(c, ARow))
            return c;
    return -1;
}

void TExStringGrid::AutoAddRow() {
    bool canAdd = true;
    CanAddRow(canAdd);
    if (!canAdd)
        return;
    const bool floating = FFloatingFooter->Visible;
    // A row appended may bring back cells kept from an earlier, larger count; a floating footer
    // row stays last.
    AppendRow();
    const int added = RowCount() - 1 - (floating ? 1 : 0);
    EmptyCells(0, added, TotalColCount() - 1, added);
    if ((floating || FFixedFooters > 0) && Row() + 1 < RowCount())
        SetRow(Row() + 1);
    if (floating)
        CalcFooter(-1);
    FireEvent(OnAutoAddRow, this, RowCount() - FFixedFooters - 1);
}

// --- Tab navigation -------------------------------------------------------------------------

namespace {

// Guards NavigateFromEditor against re-entry from handlers it calls.
class TTabGuard {
public:
    TTabGuard(int& ACol, int& ARow, int Col, int Row) : FCol(ACol), FRow(ARow) {
        FCol = Col;
        FRow = Row;
    }
    ~TTabGuard() { FCol = FRow = -1; }

private:
    int& FCol;
    int& FRow;
};

} // namespace

bool TExStringGrid::NavigateFromEditor(bool Backward) {
    if (OnKeyDown) {
        WORD key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB)
            return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    // No value leaves the editor unvalidated: a refused value keeps the editor where it is.
    if (!EditorValueAccepted())
        return true;
    bool result = true;
    {
        TTabGuard guard(FLastTabCol, FLastTabRow, Col(), Row());
        result = Backward ? NavigateBackward() : NavigateForward();
    }
    if (FNavigation->AdvanceAutoEdit && Options().Contains(goEditing) &&
        !IsControlCell(RealColIndex(Col()), Row()) && IsEditable(RealColIndex(Col()), Row()))
        ShowInplaceEdit();
    if (FNavigation->AlwaysEdit && CanFocus())
        SetFocus();
    return result;
}

bool TExStringGrid::EditorValueAccepted() {
    if (!EditorMode() || !InplaceEditor())
        return true;
    return ValidateCell(InplaceEditor()->Text());
}
