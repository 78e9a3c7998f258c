// Column operations: inserting, removing, merging, moving and swapping columns.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/BaseGridColumnLayout.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "grid/stringgrid/ScopedValue.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/Text.h"

#include <algorithm>

namespace {

// Where a column index goes when the column FromCol moves to ToCol: those between shift one
// place back.
int ColumnAfterMove(int Col, int FromCol, int ToCol) {
    if (Col == FromCol)
        return ToCol;
    if (FromCol < ToCol && Col > FromCol && Col <= ToCol)
        return Col - 1;
    if (ToCol < FromCol && Col >= ToCol && Col < FromCol)
        return Col + 1;
    return Col;
}

} // namespace

// Recorded cell changes name real columns: they follow every column operation.
void TExStringGrid::UndoFollowsColumns(const std::function<int(int)>& NewColumn) {
    if (UndoRedo())
        UndoRedo()->ColumnsChanged(NewColumn);
}

// --- the platform grid's columns ---------------------------------------------------------------

// The cell store is addressed by real column and the widths by display column: each column
// operation moves whole columns of the cell store (hidden cells included) under a count that
// takes in the hidden columns, moves the widths and hidden marks of the same real columns in a
// layout taken before, and lays the display out again from it.

// Columns past the count may still hold cells of a wider grid: the caller empties the new ones.
void TExStringGrid::OpenCols(int At, int Count) {
    const int total = TotalColCount();
    TBaseGrid::SetColCount(total + Count);
    TScopedFlag quiet(FQuietMoves);
    for (int k = 0; k < Count; ++k)
        TBaseGrid::MoveColumn(total + k, At + k);
}

// The platform grid frees the properties of each deleted column's cells.
void TExStringGrid::CloseCols(int At, int Count) {
    TBaseGrid::SetColCount(TotalColCount());
    TScopedFlag quiet(FQuietMoves);
    for (int k = 0; k < Count; ++k)
        TBaseGrid::DeleteColumn(At);
}

// Cells, width, hidden mark and stored hidden-row cells of a real column go to another place.
void TExStringGrid::MoveRealColumn(int FromCol, int ToCol) {
    TBaseGridColumnLayout layout(*this, *FHiddenColumns);
    TBaseGrid::SetColCount(TotalColCount());
    {
        TScopedFlag quiet(FQuietMoves);
        TBaseGrid::MoveColumn(FromCol, ToCol);
    }
    layout.Move(FromCol, ToCol);
    layout.Apply();
    FGridItems->ColumnMoved(FromCol, ToCol);
}

// The last normal column always stays, as the last normal row does.
int TExStringGrid::RemovableCols(int ColIndex, int CCount) const {
    if (ColIndex < 0 || ColIndex >= TotalColCount() || CCount <= 0)
        return 0;
    const int count = std::min(CCount, TotalColCount() - ColIndex);
    return std::max(0, std::min(count, ColCount() - FixedCols() - 1));
}

// --- inserting and removing --------------------------------------------------------------------

void TExStringGrid::InsertCols(int ColIndex, int CCount) {
    if (ColIndex < 0 || CCount <= 0)
        return;
    ColIndex = std::min(ColIndex, TotalColCount());
    BeginUpdate();
    TBaseGridColumnLayout layout(*this, *FHiddenColumns);
    OpenCols(ColIndex, CCount);
    layout.Insert(ColIndex, CCount, DefaultColWidth());
    layout.Apply();
    FGridItems->ColumnsInserted(ColIndex, CCount);
    UndoFollowsColumns([&](int c) { return c >= ColIndex ? c + CCount : c; });
    SetColCount(ColCount());
    EmptyCells(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    PropertiesFollowCells();
    EndUpdate();
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    NotifyCellsChanged(Rect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TExStringGrid::AddColumn() {
    InsertCols(ColCount(), 1);
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount) {
    const int count = RemovableCols(ColIndex, CCount);
    if (count == 0)
        return;
    BeginUpdate();
    TBaseGridColumnLayout layout(*this, *FHiddenColumns);
    CloseCols(ColIndex, count);
    layout.Remove(ColIndex, count);
    layout.Apply();
    FGridItems->ColumnsRemoved(ColIndex, count);
    UndoFollowsColumns([&](int c) {
        return c < ColIndex ? c : c < ColIndex + count ? -1 : c - count;
    });
    SetColCount(ColCount());
    PropertiesFollowCells();
    EndUpdate();
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    NotifyCellsChanged(Rect(ColIndex, 0, ColIndex + count, RowCount() - 1));
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator) {
    if (ColIndex1 == ColIndex2)
        return;
    BeginUpdate();
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
    EndUpdate();
}

// --- moving and swapping -----------------------------------------------------------------------

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
}

// The platform grid has moved the display column's cells and width. While columns are hidden or
// rows are stored, the cells belong to real columns: the move is taken back and made again by
// real column. Then what refers to columns by position follows the move: the moved one takes the
// new position, those between shift one place back.
void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (FQuietMoves)
        return;
    const int f = RealColIndex(FromIndex);
    const int t = RealColIndex(ToIndex);
    if (NumHiddenColumns() > 0 || FGridItems->Count() > 0) {
        {
            TScopedFlag quiet(FQuietMoves);
            TBaseGrid::MoveColumn(ToIndex, FromIndex);
        }
        MoveRealColumn(f, t);
    }
    if (f < FColumnOrder->Count() && t < FColumnOrder->Count()) {
        const int entry = (*FColumnOrder)[f];
        FColumnOrder->Delete(f);
        FColumnOrder->Insert(t, entry);
    }
    SortColumnsFollowMove(f, t);
    UndoFollowsColumns([&](int c) { return ColumnAfterMove(c, f, t); });
    PropertiesFollowCells();
    const int col = Col();
    if (col == FromIndex)
        FocusCell(ToIndex, Row(), true);
    else if (FromIndex < ToIndex && col > FromIndex && col <= ToIndex)
        FocusCell(col - 1, Row(), true);
    else if (ToIndex < FromIndex && col >= ToIndex && col < FromIndex)
        FocusCell(col + 1, Row(), true);
    if (EnhRowColMove)
        ColMoveFlg = true;
    if (FFloatingFooter->Visible)
        UpdateFooter();
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    auto* other = dynamic_cast<TExStringGrid*>(FSyncGrid->Grid());
    if (other && other != this && FSyncGrid->MoveColumn && !FSyncMoving) {
        other->FSyncMoving = true;
        other->MoveColumn(FromIndex, ToIndex);
        other->FSyncMoving = false;
    }
}

// The sort column and the sorted columns of the sort index list name real columns.
void TExStringGrid::SortColumnsFollowMove(int FromCol, int ToCol) {
    const auto follow = [&](int col) { return ColumnAfterMove(col, FromCol, ToCol); };
    FSortSettings->Column = follow(FSortSettings->Column);
    if (FSortSettings->IndexShow())
        for (int i = 0; i < FSortIndexes->Count(); ++i)
            FSortIndexes->SetSortColumns(i, follow(FSortIndexes->SortColumns(i)));
}

// Real columns change places with their cells, widths and hidden marks: two moves, the first
// column to the second's place and the second (shifted one back) to the first's.
void TExStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || std::min(ACol1, ACol2) < 0 || std::max(ACol1, ACol2) >= TotalColCount())
        return;
    const int low = std::min(ACol1, ACol2);
    const int high = std::max(ACol1, ACol2);
    BeginUpdate();
    MoveRealColumn(low, high);
    MoveRealColumn(high - 1, low);
    SetColCount(ColCount());
    PropertiesFollowCells();
    EndUpdate();
    const auto swapped = [&](int c) { return c == low ? high : c == high ? low : c; };
    FSortSettings->Column = swapped(FSortSettings->Column);
    UndoFollowsColumns(swapped);
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    Invalidate();
}
