// Moving columns and rows by dragging their header cells: the events that may refuse a move or
// a drop place, the cursor that tells which, scrolling at the grid's edges and the move itself
// on release.
#include "grid/foundation/ArrowWindow.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HeaderDragButton.h"
#include "platform/ui/Form.h"
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
    const bool columns = state == gsColMoving;
    ShowMovePicture(columns, ACol, ARow, X, Y);
    PlaceMoveArrows(columns, ACol, ARow);
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
    HideMovePicture();
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

void TExStringGrid::ShowMovePicture(bool Columns, int ACol, int ARow, int X, int Y) {
    const bool showCells = FDragDropSettings->ShowCells;
    if (!MoveButton)
        MoveButton = new THeaderDragButton(this, this);
    if (Columns && Movecell >= FixedCols() && ARow >= 0) {
        if (showCells && !MoveForm)
            MoveForm = SelectionToForm(
                TGridRect{Movecell, 0, Movecell, TopRow() + VisibleRowCount() - FixedRows()});
        MoveButton->SetCaption(Cells(DisplToRealCol(Movecell), 0));
        MoveButton->SetBounds(MoveButton->Left(), MoveButton->Top(), ColWidths(Movecell),
                              RowHeights(ARow));
        MoveButton->Invalidate();
    } else if (!Columns && Movecell >= FixedRows() && ACol >= 0) {
        if (showCells && !MoveForm)
            MoveForm = SelectionToForm(
                TGridRect{0, Movecell, LeftCol() + VisibleColCount() - FixedCols(), Movecell});
        MoveButton->SetCaption(Cells(0, Movecell));
        MoveButton->SetBounds(MoveButton->Left(), MoveButton->Top(), ColWidths(ACol),
                              RowHeights(Movecell));
        MoveButton->Invalidate();
    }
    // The picture keeps the offset at which the header was taken.
    const TPoint at = ClientToScreen(TPoint{X - MoveOfsX, Y - MoveOfsY});
    if (showCells && MoveForm) {
        MoveForm->SetBounds(at.X, at.Y, MoveForm->Width(), MoveForm->Height());
        if (!MoveForm->Visible())
            MoveForm->Show();
    } else if (!showCells) {
        MoveButton->SetBounds(at.X, at.Y, MoveButton->Width(), MoveButton->Height());
        if (!MoveButton->Visible())
            MoveButton->Show();
    }
}

// The arrows mark the border of the column (row) the mouse was over, on the side the moved one
// would go: before it when it lies before the moved one, after it otherwise.
void TExStringGrid::PlaceMoveArrows(bool Columns, int ACol, int ARow) {
    const auto place = [](TArrowWindow* arrow, int left, int top, bool visible) {
        arrow->SetBounds(left, top, arrow->Width(), arrow->Height());
        arrow->SetVisible(visible);
    };
    if (ACol < 0 || ARow < 0)
        return;
    if (Columns && FMoveColInd >= 0) {
        const TRect r = CellRect(FMoveColInd, 0);
        const TPoint tl = ClientToScreen(r.TopLeft());
        const TPoint br = ClientToScreen(TPoint{r.Right, r.Bottom});
        const int left = FMoveColInd < Movecell ? tl.X - 5 : tl.X + ColWidths(FMoveColInd) - 5;
        const bool visible =
            FMoveColInd >= FixedCols() && FMoveColInd - LeftCol() < VisibleColCount();
        place(EnsureDropArrow(ArwU, arrUp), left, br.Y, visible);
        place(EnsureDropArrow(ArwD, arrDown), left, tl.Y - 8, visible);
    }
    if (!Columns && FMoveRowInd >= FixedRows()) {
        const TRect r = CellRect(0, FMoveRowInd);
        const TPoint tl = ClientToScreen(r.TopLeft());
        const TPoint br = ClientToScreen(TPoint{r.Right, r.Bottom});
        const int top = FMoveRowInd < Movecell ? tl.Y - 5 : tl.Y + RowHeights(FMoveRowInd) - 5;
        const bool visible = FMoveRowInd - TopRow() < VisibleRowCount();
        place(EnsureDropArrow(ArwL, arrLeft), tl.X - 10, top, visible);
        place(EnsureDropArrow(ArwR, arrRight), br.X, top, visible);
    }
}

void TExStringGrid::HideMovePicture() {
    if (MoveButton)
        MoveButton->Hide();
    delete MoveForm;
    MoveForm = nullptr;
    HideDropArrows();
}
