// Scrolling while something is dragged near the grid's edges: after a first delay the grid
// moves one row or column a step, as long as the drag stays near the edge.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/DragScrollOptions.h"
#include "platform/ui/Timer.h"

void TExStringGrid::StopDragScrollTimer() {
    delete FDragTmr;
    FDragTmr = nullptr;
}

void TExStringGrid::HandleDragOver(int X, int Y, TDragState State) {
    if (!FDragScrollOptions->Active) {
        StopDragScrollTimer();
        return;
    }
    const TDragScrollDirection old = FDragScrollDirection;
    FDragScrollDirection = TDragScrollDirection{};
    if (State == dsDragLeave) {
        StopDragScrollTimer();
        return;
    }
    const TDragScrollMargins& margins = FDragScrollOptions->Margins;
    if (Y < margins.TopMargin)
        FDragScrollDirection << dsdUp;
    else if (Y > Height() - margins.BottomMargin)
        FDragScrollDirection << dsdDown;
    if (X < margins.LeftMargin)
        FDragScrollDirection << dsdLeft;
    else if (X > Width() - margins.RightMargin)
        FDragScrollDirection << dsdRight;
    if (FDragScrollDirection.Empty()) {
        StopDragScrollTimer();
        return;
    }
    const unsigned initialDelay = static_cast<unsigned>(FDragScrollOptions->Delays.InitialDelay);
    if (!FDragTmr) {
        FDragTmr = new TTimer(this);
        FDragTmr->SetInterval(initialDelay);
        FDragTmr->SetOnTimer([this](TObject*) { DragScrollStep(); });
        FDragTmr->SetEnabled(true);
    } else if (!old.Empty())
        FDragTmr->SetInterval(initialDelay);
}

void TExStringGrid::DragScrollStep() {
    if (!FDragTmr)
        return;
    // The timer is stopped here but freed only by the next drag event: this runs inside its
    // own tick.
    if (!FDragScrollOptions->Active) {
        FDragTmr->SetEnabled(false);
        return;
    }
    FDragTmr->SetInterval(static_cast<unsigned>(FDragScrollOptions->Delays.RepeatDelay));
    TDragScrollDirection direction = FDragScrollDirection;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), direction, canScroll);
        if (!canScroll)
            return;
    }
    if (direction.Contains(dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (direction.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (direction.Contains(dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (direction.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
