// The left-button release and the framework's mouse-up step: OnClick, the end of sizing and
// moving, group selection and the header click that may sort.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/Grouping.h"

#include <cstdlib>

void TExStringGrid::HandleLeftButtonUp(TShiftState Shift, int X, int Y) {
    ColMoveFlg = false;
    FColSizeFlg = false;
    FMouseKeepDown = false;
    MouseSelectMode = msNormal;
    if (FCtrlDown) {
        FCtrlDown = false;
        if (FCtrlXY.X >= 0 && FCtrlXY.Y >= 0)
            RepaintCell(RealToDisplCol(FCtrlXY.X), FCtrlXY.Y);
    }
    FMouseDownMove = false;
    if (FLook == glListView) {
        RepaintRow(0);
        if (FixedCols() > 0)
            RepaintCol(0);
    }
    FMouseSelectStart = -1;
    if (!Designing())
        HideDropArrows();
    FinishFixedSizing(X, Y);
    ReleaseFixedCellLook();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const int displCol = ACol;
    const bool buttonWasPushed = FPushedCellButton.X >= 0 && FPushedCellButton.Y >= 0;
    ReleasePushedButton(X, Y);
    HideSizingHint();
    // The release of a press on a cell button or expand glyph belongs to that control.
    if (buttonWasPushed && ACol >= 0 && ARow >= 0 &&
        ((HasButton(DisplToRealCol(ACol), ARow) &&
          GetCellButtonRect(ACol, ARow).Contains(TPoint{X, Y})) ||
         (HasExpand(DisplToRealCol(ACol), ARow) &&
          GetExpandGlyphRect(ACol, ARow).Contains(TPoint{X, Y})))) {
        FDoOnClick = false;
        FClickHeldBack = false;
        return;
    }
    const bool sizingCursor =
        ARow < FixedRows() && ACol >= 0 && Options().Contains(goColSizing) && Cursor() == crHSplit;
    const bool fixedRelease = ARow < FixedRows() || ACol < FixedCols();
    if (OnClick && FDoOnClick && !sizingCursor && fixedRelease)
        FireEvent(OnClick, this);
    FDoOnClick = false;
    if (GridState() == gsSelecting)
        SetGridState(gsNormal);
    if (ReleaseDragCandidate(Shift, ACol, ARow, X, Y))
        return;
    bool rowUnselected = false;
    DisjunctRowColRelease(ACol, ARow, rowUnselected);

    if (ARow >= 0 && IsNode(ARow) && FGrouping->AutoSelectGroup && ACol > 0 &&
        !GetNodeState(ARow)) {
        const int span = GetNodeSpan(ARow);
        if (span > 0)
            SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow + span - 1});
    }
    FMovedByDrag = FinishMove(X, Y);

    // The framework's release: its click (for a normal cell; fixed cells had theirs above) and
    // its mouse-up step.
    if (FClickHeldBack) {
        FClickHeldBack = false;
        if (!fixedRelease && FFrameworkPressed)
            ClickCell();
    }
    HandleMouseUp(mbLeft, Shift, X, Y);
    if (rowUnselected)
        FSelChange = false;
    if (GridState() == gsSelecting)
        SetGridState(gsNormal);
    ReleaseSelectionResizer();

    if (ColMoveFlg || FColSizeFlg || ACol < 0 || ARow < 0)
        return;
    // Fixed columns take part when sorting is allowed on them.
    if (ACol >= FixedCols() || FSortSettings->FixedCols) {
        ReleaseCellControls(ACol, ARow);
        if (FDblClk) {
            FDblClk = false;
            return;
        }
        ReleaseHeaderClick(displCol, ARow, X, Y, Shift);
    }
}

// A header release sorts unless it lands on a border, on the drop-down or filter button, on a
// check box, in another row than the press, after a move, or in a grid of two rows or fewer.
void TExStringGrid::ReleaseHeaderClick(int DisplCol, int ARow, int X, int Y, TShiftState Shift) {
    if (ARow >= FixedRows() || FixedRows() <= 0 || FMovedByDrag || RowCount() <= 2)
        return;
    const int realCol = DisplToRealCol(DisplCol);
    const TRect cellR = CellRect(DisplCol, ARow);
    if (ARow == 0 && Options().Contains(goColSizing) &&
        (std::abs(X - cellR.Left) < 4 || std::abs(X - cellR.Right) < 4))
        return;
    int pressCol = -1;
    int pressRow = -1;
    MouseToCell(Clickposx, Clickposy, pressCol, pressRow);
    if (X > cellR.Right - 16 && (CanShowFixedDropDown(realCol) || GetColumnFilter(realCol)))
        return;
    if (pressRow != ARow || IsInCheckBox(realCol, ARow, X, Y))
        return;
    HeaderClickSort(realCol, ARow, Shift);
}

// Only the sort row of a grid that shows sorting sorts; an ignored column or OnCanSort may
// refuse, and a refused header cell is repainted so a pressed look does not stay on it.
void TExStringGrid::HeaderClickSort(int ACol, int ARow, TShiftState Shift) {
    if (!FSortSettings->Show() || ARow != FSortSettings->Row())
        return;
    bool doSort = !IsIgnoredColumn(ACol);
    FireEvent(OnCanSort, this, ACol, doSort);
    if (!doSort) {
        RepaintCell(RealToDisplCol(ACol), FSortSettings->Row());
        return;
    }
    const TShiftStateElement extendKey = FSortSettings->IndexSortKey == ikCtrl ? ssCtrl : ssShift;
    SortOnHeaderClick(ACol, Shift.Contains(extendKey));
}

void TExStringGrid::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Designing()) {
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        DesignHelperClick(X, Y);
        return;
    }
    const bool changed =
        Button == mbLeft || (Button == mbRight && FMouseActions->SelectOnRightClick);
    const TGridRect sel1 = Selection();
    ReleaseOnFilterButton(X, Y);
    FDropDownDown = false;
    const TGridState state = GridState();
    if (state == gsColSizing || state == gsRowSizing) {
        FColSizeFlg = true;
        // A border dragged out of the grid is dropped: the size stays as it was.
        const bool outside = state == gsColSizing ? X > Width() : Y > Height();
        if (outside) {
            CancelSizing();
            return;
        }
    }
    if (FMouseActions->DisjunctCellSelect() && Button == mbLeft) {
        int ACol = -1;
        int ARow = -1;
        MouseToCell(X, Y, ACol, ARow);
        if (!DisjunctCellRelease(Shift, ACol, ARow))
            return;
    }
    if (changed)
        SelectionChanged(sel1.Left, sel1.Top, sel1.Right, sel1.Bottom);
    if (state == gsColMoving && Button == mbRight)
        return;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    const TGridRect sel = Selection();
    if (sel != sel1)
        SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}
