#include "grid/foundation/BaseGrid.h"

#include <algorithm>

namespace {
// Along one axis: the last index of the merged area, where a step from `current` must start
// so that it leaves the area whole; -1 when no such step is needed or possible.
int AreaEnd(int base, int span, int current, int count) {
    const int last = base + span;
    return last >= current && current < count - 1 && base < count - 1 && last < count ? last : -1;
}
} // namespace

// Moves the current cell to the last column (row) of its merged area, so that the platform's
// one-cell step that follows leaves the area whole.
void TBaseGrid::MoveToAreaEnd(bool Vertical) {
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint base = BaseCell(Col(), Row());
    const TCellProperties* baseProps = PropertiesOf(base.X, base.Y);
    if (!baseProps)
        return;
    if (Vertical) {
        if (const int last = AreaEnd(base.Y, baseProps->CellSpanY(), Row(), RowCount()); last >= 0)
            SetRow(last);
    } else if (const int last = AreaEnd(base.X, baseProps->CellSpanX(), Col(), ColCount());
               last >= 0)
        SetCol(last);
}

void TBaseGrid::HandleKeyDown(WORD& Key, TShiftState Shift) {
    int baseCol, baseRow;
    FindBaseCell(Col(), Row(), baseCol, baseRow);
    const TCellProperties* baseProps =
        HasCellProperties(Col(), Row()) ? PropertiesOf(baseCol, baseRow) : nullptr;
    // Steps taken before the platform's one-cell step, so that it leaves a merged area whole.
    if (baseProps) {
        switch (Key) {
        case VK_RIGHT:
            MoveToAreaEnd(false);
            break;
        case VK_DOWN:
            MoveToAreaEnd(true);
            break;
        case VK_LEFT:
            if (baseCol < Col() && Col() > FixedCols() && baseCol > 0)
                SetCol(baseCol);
            break;
        case VK_UP:
            if (baseRow < Row() && Row() > FixedRows() && baseRow > 0)
                SetRow(baseRow);
            break;
        default:
            break;
        }
    }
    const bool pageDown = Key == VK_NEXT;
    TObjStringGrid::HandleKeyDown(Key, Shift);
    // A hidden footer row is never reached by paging.
    if (pageDown && FHideLastRow && RowCount() > 1 && Row() == RowCount() - 1 &&
        RowCount() - 2 >= FixedRows())
        SetRow(RowCount() - 2);
    SnapToBaseCell();
}

bool TBaseGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) {
    bool result = true;
    // Like the Down key, the wheel passes a merged area whole instead of snapping back into it.
    MoveToAreaEnd(true);
    // The wheel stops before a hidden footer row.
    if (!(FHideLastRow && Row() >= RowCount() - 2))
        result = TObjStringGrid::HandleWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow)
        SetTopRow(TopRow() + 1);
    SnapToBaseCell();
    return result;
}

bool TBaseGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::HandleWheelUp(Shift, MousePos);
    SnapToBaseCell();
    return result;
}

void TBaseGrid::SnapToBaseCell() {
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X == Col() && base.Y == Row())
        return;
    if (base.X < 0 || base.Y < 0 || base.X >= ColCount() || base.Y >= RowCount())
        return;
    // A range being extended keeps its anchor; a single current cell moves whole.
    const TGridRect selection = Selection();
    const bool single = Options().Contains(goRowSelect) ? selection.Top == selection.Bottom
                                                        : selection.Left == selection.Right &&
                                                              selection.Top == selection.Bottom;
    FocusCell(base.X, base.Y, single);
}

void TBaseGrid::HandleTopLeftChange() {
    TObjStringGrid::HandleTopLeftChange();
    RepaintMergedFixedColCells();
    RepaintMergedFixedRowCells();
}

void TBaseGrid::RepaintMergedCells(int FromCol, int ToCol, int FromRow, int ToRow) {
    ToCol = std::min(ToCol, ColCount() - 1);
    ToRow = std::min(ToRow, RowCount() - 1);
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRowCells() {
    if (FixedRows() > 0)
        RepaintMergedCells(LeftCol(), LeftCol() + VisibleColCount(), 0, FixedRows() - 1);
}

void TBaseGrid::RepaintMergedFixedColCells() {
    if (FixedCols() > 0)
        RepaintMergedCells(0, FixedCols() - 1, TopRow(), TopRow() + VisibleRowCount());
}

bool TBaseGrid::CanSelectCell(int ACol, int ARow) {
    if (UseRightToLeftAlignment()) {
        const bool result = TObjStringGrid::CanSelectCell(ACol, ARow);
        Invalidate();
        return result;
    }
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::CanSelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}
