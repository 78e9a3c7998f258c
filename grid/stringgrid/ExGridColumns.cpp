// Column operations: inserting, removing, merging, moving and swapping columns.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/core/Text.h"

#include <algorithm>

// --- the platform grid's columns ---------------------------------------------------------------

// While the count takes in the hidden columns, whole rows of the cell store move, hidden
// cells included. Columns past the count may still hold cells of a wider grid: the inserted
// columns are emptied, so they never show old texts.
void TExStringGrid::OpenCols(int At, int Count) {
    const int shown = ColCount();
    const int total = TotalColCount();
    TBaseGrid::SetColCount(total + Count);
    for (int k = 0; k < Count; ++k) {
        const bool quiet = FQuietMoves;
        FQuietMoves = true;
        TBaseGrid::MoveColumn(total + k, At + k);
        FQuietMoves = quiet;
    }
    SetColCount(shown + Count);
    EmptyCells(At, 0, At + Count - 1, RowCount() - 1);
}

// The platform grid frees the properties of each deleted column's cells.
void TExStringGrid::CloseCols(int At, int Count) {
    int hiddenAmong = 0;
    for (int c = At; c < At + Count; ++c)
        hiddenAmong += IsHiddenColumn(c) ? 1 : 0;
    const int shown = ColCount();
    TBaseGrid::SetColCount(TotalColCount());
    const bool quiet = FQuietMoves;
    FQuietMoves = true;
    for (int k = 0; k < Count; ++k)
        TBaseGrid::DeleteColumn(At);
    FQuietMoves = quiet;
    SetColCount(std::max(1, shown - (Count - hiddenAmong)));
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
    OpenCols(ColIndex, CCount);
    HiddenFollowColumnsInsert(ColIndex, CCount);
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
    HiddenFollowColumnsRemove(ColIndex, count);
    CloseCols(ColIndex, count);
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

// The platform grid has moved the cells and widths; what refers to columns by position follows
// the move: the moved one takes the new position, those between shift one place back.
void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (FQuietMoves)
        return;
    const int f = RealColIndex(FromIndex);
    const int t = RealColIndex(ToIndex);
    if (f < FColumnOrder->Count() && t < FColumnOrder->Count()) {
        const int entry = (*FColumnOrder)[f];
        FColumnOrder->Delete(f);
        FColumnOrder->Insert(t, entry);
    }
    HiddenFollowColumnMove(f, t);
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
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    auto* other = dynamic_cast<TExStringGrid*>(FSyncGrid->Grid());
    if (other && other != this && FSyncGrid->MoveColumn && !FSyncMoving) {
        other->FSyncMoving = true;
        other->MoveColumn(FromIndex, ToIndex);
        other->FSyncMoving = false;
    }
}

void TExStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || std::min(ACol1, ACol2) < 0 || std::max(ACol1, ACol2) >= TotalColCount())
        return;
    for (int r = 0; r < RowCount(); ++r)
        SwapCells({ACol1, r}, {ACol2, r});
    const int width = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, width);
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    RepaintCol(ACol1);
    RepaintCol(ACol2);
}
