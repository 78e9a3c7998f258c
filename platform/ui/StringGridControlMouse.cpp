#include "platform/ui/StringGridControl.h"

#include <algorithm>

namespace {
// How close to a border the mouse must be to size a column or row.
constexpr int SizingMargin = 3;
} // namespace

// Scrollable columns are sized at their right border inside the fixed rows, scrollable rows at
// their bottom border inside the fixed columns.
void TStringGrid::HandleSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                    int& SizingOfs) {
    State = gsNormal;
    Index = -1;
    int col, row;
    if (FOptions.Contains(goColSizing) && Y < FixedHeight()) {
        MouseToCell(X - SizingMargin, Y, col, row);
        const TRect r = CellRect(col, row);
        if (col >= FFixedCols && !r.IsEmpty() && X >= r.Right - SizingMargin &&
            X <= r.Right + FGridLineWidth + SizingMargin) {
            State = gsColSizing;
            Index = col;
            SizingPos = X;
            SizingOfs = X - r.Right;
            return;
        }
    }
    if (FOptions.Contains(goRowSizing) && X < FixedWidth()) {
        MouseToCell(X, Y - SizingMargin, col, row);
        const TRect r = CellRect(col, row);
        if (row >= FFixedRows && !r.IsEmpty() && Y >= r.Bottom - SizingMargin &&
            Y <= r.Bottom + FGridLineWidth + SizingMargin) {
            State = gsRowSizing;
            Index = row;
            SizingPos = Y;
            SizingOfs = Y - r.Bottom;
        }
    }
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused() && !FEditorMode) {
        SetFocus();
        // The control that had the keys took them back (it refused to give up its value): the
        // press ends here.
        if (!Focused())
            return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    int sizingPos = 0;
    HandleSizingState(X, Y, FGridState, FSizingIndex, sizingPos, FSizingOrigin);
    if (FGridState == gsColSizing)
        FSizingStartSize = ColWidths(FSizingIndex);
    if (FGridState == gsRowSizing)
        FSizingStartSize = RowHeights(FSizingIndex);
    if (FGridState != gsNormal)
        return;
    int col, row;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return;
    // A header cell of a scrollable column (row) picks it up to move it.
    if (row < FFixedRows && col >= FFixedCols && FOptions.Contains(goColMoving)) {
        FGridState = gsColMoving;
        FSizingIndex = col;
        return;
    }
    if (col < FFixedCols && row >= FFixedRows && FOptions.Contains(goRowMoving)) {
        FGridState = gsRowMoving;
        FSizingIndex = row;
        return;
    }
    if (col < FFixedCols || row < FFixedRows)
        return;
    if (col == FCurrent.X && row == FCurrent.Y && FOptions.Contains(goEditing) &&
        !Shift.Contains(ssShift)) {
        ShowEditor();
        return;
    }
    const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
    FocusCell(col, row, !extend);
    if (FOptions.Contains(goRangeSelect))
        FGridState = gsSelecting;
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    switch (FGridState) {
    case gsSelecting: {
        // Dragging past an edge keeps selecting the cells along it.
        int c, r;
        MouseToCell(std::clamp(X, 0, ClientWidth() - 1), std::clamp(Y, 0, ClientHeight() - 1), c,
                    r);
        if (c >= FFixedCols && r >= FFixedRows)
            FocusCell(c, r, false);
        break;
    }
    case gsColSizing: {
        const TRect r = CellRect(FSizingIndex, 0);
        if (!r.IsEmpty())
            ShowSizingSize(std::max(0, X - FSizingOrigin - r.Left));
        break;
    }
    case gsRowSizing: {
        const TRect r = CellRect(0, FSizingIndex);
        if (!r.IsEmpty())
            ShowSizingSize(std::max(0, Y - FSizingOrigin - r.Top));
        break;
    }
    case gsNormal:
        UpdateSizingCursor(X, Y);
        break;
    default:
        break;
    }
}

// Over a border that can be dragged the cursor shows which way it sizes; elsewhere the grid's
// own cursor comes back.
void TStringGrid::UpdateSizingCursor(int X, int Y) {
    TGridState sizing;
    int index, position, offset;
    HandleSizingState(X, Y, sizing, index, position, offset);
    if (sizing != gsNormal) {
        if (!FSizingCursor)
            FCursorBeforeSizing = Cursor();
        FSizingCursor = true;
        SetCursor(sizing == gsColSizing ? crHSplit : crVSplit);
    } else if (FSizingCursor) {
        FSizingCursor = false;
        SetCursor(FCursorBeforeSizing);
    }
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FGridState == gsColSizing || FGridState == gsRowSizing)
        EndSizing();
    const TGridState state = FGridState;
    const int from = FSizingIndex;
    FGridState = gsNormal;
    FSizingIndex = -1;
    if (state == gsColMoving || state == gsRowMoving) {
        // Dropped over another scrollable column (row): it moves there.
        int col, row;
        MouseToCell(std::clamp(X, 0, ClientWidth() - 1), std::clamp(Y, 0, ClientHeight() - 1), col,
                    row);
        if (state == gsColMoving && col >= FFixedCols && col != from)
            MoveColumn(from, col);
        if (state == gsRowMoving && row >= FFixedRows && row != from)
            MoveRow(from, row);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}
