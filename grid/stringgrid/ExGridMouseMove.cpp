// Mouse moves and the mouse leaving the grid: hovering, header drags, the mode the next press
// starts, and what the framework's own move step is wrapped in.
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridCursors.h"

void TExStringGrid::HandleMouseMove(TShiftState Shift, int X, int Y) {
    if (FMouseDownMove && FMouseActions->RangeSelectAndEdit && Options().Contains(goEditing) &&
        !EditorMode())
        SetOptions(Options() >> goEditing);
    bool cursorSet = false;
    bool scrolledUp = false;
    const TGridRect sel0 = Selection();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);

    if (ACol >= 0 && ARow >= 0 && !Designing() && HoverRow() && ARow != FHoverRowIdx) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = ARow;
        RepaintRow(ARow);
        if (old >= 0 && old < RowCount())
            RepaintRow(old);
    }
    TrackHoverFixedCell(ACol, ARow);
    TrackCellScrollBar(ACol, ARow);
    HoverButtons(ACol, ARow, X, Y);
    HeaderDragMove(ACol, ARow, Y, scrolledUp);
    UpdateFixedSizingZone(ACol, ARow, X, Y);
    if (FSizeFixed || FSizeFixedR || FSizingFixed || FSizingFixedR) {
        TBaseGrid::SetCursor(FSizeFixed || FSizingFixed ? crHSplit : crVSplit);
        cursorSet = true;
    }
    MoveFixedSizingLine(X, Y);
    StartOleDrag(ACol, ARow, X, Y);

    if (!Designing()) {
        ColSized = GridState() == gsColSizing;
        Rowsized = GridState() == gsRowSizing;
        FollowMove(ACol, ARow, X, Y);
        UpdateMouseSelectMode(ACol, ARow, X, Y, scrolledUp);
    }
    HoverLinks(ACol, ARow, X, Y, cursorSet);
    if (!cursorSet && Cursor() != FOldCursor && GridState() == gsNormal)
        TBaseGrid::SetCursor(FOldCursor);

    // A hint belongs to the cell it was shown for.
    if (FLastHintPos.X >= 0 && FLastHintPos.Y >= 0) {
        int baseCol = ACol;
        int baseRow = ARow;
        if (ACol >= 0 && ARow >= 0)
            FindBaseCell(ACol, ARow, baseCol, baseRow);
        if (baseCol != FLastHintPos.X || baseRow != FLastHintPos.Y)
            FLastHintPos = TPoint{-1, -1};
    }
    if (GridState() == gsSelecting && FSelectionRectangle && Selection() != FMoveSelection) {
        Invalidate();
        FMoveSelection = Selection();
    }

    TBaseGrid::MouseMove(Shift, X, Y);

    // A press-and-drag never scrolls the grid sideways.
    if (FNavigation->KeepHorizScroll && FMouseKeepDown && GridState() != gsColMoving &&
        LeftCol() != FOldKeepLeftCol) {
        StartUpdate();
        SetLeftCol(FOldKeepLeftCol);
        ResetUpdate();
    }
    FireSizingEvents(X, Y);
    ShowSizingHint(X, Y);
    const TGridRect sel = Selection();
    if (sel != sel0)
        SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    HandleSetCursor(X, Y);
}

// The cursor shown tells what a press here would do: select rows, columns or everything, pick
// cells, or size a fixed border; elsewhere it is the grid's own or the one a cell asks for.
void TExStringGrid::HandleSetCursor(int X, int Y) {
    if (wheelpan)
        return; // the pan step shows the direction instead
    RegisterGridCursors();
    const bool frameworkSizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    if (MouseSelectMode != msNormal && !frameworkSizing) {
        SetShownCursor(MouseSelectMode == msColumn ? crGridColSelect
                       : MouseSelectMode == msRow  ? crGridRowSelect
                                                   : crGridSelectAll);
    } else if (FCellSelectorMode) {
        SetShownCursor(crGridCellSelector);
    } else {
        SetShownCursor(Cursor());
        int ACol = -1;
        int ARow = -1;
        MouseToCell(X, Y, ACol, ARow);
        if (ACol >= 0 && ARow >= 0)
            GetCellCursor(ACol, ARow, X, Y);
    }
    if (FSizeFixed || FSizingFixed)
        SetShownCursor(crHSplit);
    else if (FSizeFixedR || FSizingFixedR)
        SetShownCursor(crVSplit);
}

void TExStringGrid::TrackHoverFixedCell(int ACol, int ARow) {
    const auto repaintIfFixed = [this](int c, int r) {
        if ((r >= 0 && r <= FixedRows()) || (c >= 0 && c <= FixedCols()))
            if (c >= 0 && r >= 0)
                RepaintCell(c, r);
    };
    if (HoverFixedCells != hfNone && !FNoMouseLeave) {
        const TPoint old{FHoverFixedX, FHoverFixedY};
        FHoverFixedX = ACol;
        FHoverFixedY = ARow;
        if (old.X != ACol || old.Y != ARow) {
            repaintIfFixed(old.X, old.Y);
            repaintIfFixed(ACol, ARow);
        }
    }
    if (FLook == glListView && (FHotFixedCell.X != ACol || FHotFixedCell.Y != ARow)) {
        const auto isHotFixed = [this](TPoint p) {
            return p.X >= 0 && p.Y >= 0 && (p.X < FixedCols() || p.Y < FixedRows());
        };
        if (isHotFixed(FHotFixedCell))
            RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
        FHotFixedCell = TPoint{ACol, ARow};
        if (isHotFixed(FHotFixedCell))
            RepaintCell(ACol, ARow);
    }
}

void TExStringGrid::HandleMouseLeave() {
    TBaseGrid::MouseLeave();
    MouseSelectMode = msNormal;
    FSizeFixed = false;
    FSizeFixedR = false;
    if (!FNoMouseLeave && HoverFixedCells != hfNone && (FHoverFixedX >= 0 || FHoverFixedY >= 0))
        ResetFixedCellHighlight();
    if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0 &&
        (FHotFixedCell.X < FixedCols() || FHotFixedCell.Y < FixedRows()))
        RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
    if (HoverRow() && FHoverRowIdx >= 0) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount())
            RepaintRow(old);
    }
}

void TExStringGrid::ResetFixedCellHighlight() {
    const TPoint old{FHoverFixedX, FHoverFixedY};
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    FNoMouseLeave = false;
    if (old.X >= 0 && old.Y >= 0)
        RepaintCell(old.X, old.Y);
}
