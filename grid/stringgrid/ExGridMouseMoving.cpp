// Moving columns and rows by dragging their header cells: the events that may refuse a move or
// a drop place, the cursor that tells which, scrolling at the grid's edges and the move itself
// on release.
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Screen.h"

void TExStringGrid::FollowMove(int ACol, int ARow, int X, int Y) {
    if (GridState() == gsColMoving || GridState() == gsRowMoving) {
        const bool columns = GridState() == gsColMoving;
        bool allow = true;
        FireEvent(columns ? OnColumnMove : OnRowMove, this, Movecell, allow);
        if (!allow)
            SetGridState(gsNormal);
    }
    const TGridState state = GridState();
    if ((state != gsColMoving && state != gsRowMoving) || RowCount() <= 1 || !EnhRowColMove ||
        (X == Clickposx && Y == Clickposy) || FSizingFixed || FSizingFixedR)
        return;
    if (!FMoveFocusBlocked) {
        StartBlockFocus();
        FMoveFocusBlocked = true;
    }
    bool allowed = true;
    if (state == gsColMoving) {
        if (ACol >= 0 && ARow >= 0) {
            FMoveColInd = ACol;
            FMoveRowInd = 0;
            FireEvent(OnColumnMoving, this, ACol, allowed);
        }
        // Beyond an edge the grid scrolls one column per move.
        if (VisibleColCount() < ColCount() - FixedCols()) {
            if (X < FixedColsWidth() && LeftCol() > FixedCols())
                SetLeftCol(LeftCol() - 1);
            else if (X > Width() && LeftCol() + VisibleColCount() < ColCount())
                SetLeftCol(LeftCol() + 1);
        }
    } else {
        if (ACol >= 0 && ARow >= 0) {
            FMoveColInd = 0;
            FMoveRowInd = ARow;
            FireEvent(OnRowMoving, this, ARow, allowed);
        }
        if (VisibleRowCount() < RowCount() - FixedRows()) {
            if (Y < FixedRowsHeight() && TopRow() > FixedRows())
                SetTopRow(TopRow() - 1);
            else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount())
                SetTopRow(TopRow() + 1);
        }
    }
    Screen->SetCursor(allowed ? crDrag : crNoDrop);
}

// True when the release ended a move (whether or not anything moved).
bool TExStringGrid::FinishMove(int X, int Y) {
    const TGridState state = GridState();
    const TCursor cursor = Screen->Cursor();
    if ((state != gsColMoving && state != gsRowMoving) || !EnhRowColMove ||
        (cursor != crDrag && cursor != crNoDrop))
        return false;
    if (FMoveFocusBlocked) {
        FMoveFocusBlocked = false;
        EndBlockFocus();
    }
    Screen->SetCursor(crDefault);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (cursor == crNoDrop) {
        if (state == gsColMoving)
            RepaintRow(0);
        else
            RepaintCol(0);
    } else if (state == gsColMoving && Movecell >= 0 && col >= FixedCols() && col != Movecell) {
        MoveColumn(Movecell, col);
    } else if (state == gsRowMoving && Movecell >= 0 && row >= FixedRows() && row != Movecell) {
        MoveRow(Movecell, row);
    }
    SetGridState(gsNormal);
    return true;
}
