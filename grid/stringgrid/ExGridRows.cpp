// Row operations: inserting, removing, moving and swapping rows.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/FlagScope.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/core/Text.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Moving a row costs one move of row pointers per row it passes; swapping two rows costs about
// this many such moves per cell.
constexpr int64_t SwapCostInMoves = 20;

std::vector<int> RowRun(int First, int Count) {
    std::vector<int> rows(static_cast<size_t>(Count));
    for (int k = 0; k < Count; ++k)
        rows[static_cast<size_t>(k)] = First + k;
    return rows;
}

} // namespace

// --- the platform grid's rows ------------------------------------------------------------------

// Rows come in as the new last rows (in front of a floating footer row) and move into place, so
// they start empty and carry the default height. Rows kept past the end by a smaller RowCount
// stay past the new end instead of coming back as inserted rows.
void TExStringGrid::OpenRows(int At, int Count) {
    if (FCutOffRows > 0 && FCutOffFirst == RowCount())
        FCutOffFirst += Count;
    const int first = RowCount() - (FFloatingFooter->Visible ? 1 : 0);
    At = std::min(At, first);
    SetRowCount(RowCount() + Count);
    // Each new row moves up past the rows below At, or (for many new rows) each of those rows
    // is swapped down once.
    if (Count <= SwappedWidth() * SwapCostInMoves) {
        for (int k = 0; k < Count; ++k)
            MoveRowQuietly(first + k, At + k);
    } else {
        for (int row = first - 1; row >= At; --row)
            SwapWholeRows(row, row + Count);
    }
    EmptyCells(0, At, TotalColCount() - 1, At + Count - 1);
}

// The platform grid frees the properties of the rows it drops. Without FreeObjects the objects
// are detached first: the caller holds them.
void TExStringGrid::CloseRows(int At, int Count, bool FreeObjects) {
    if (!FreeObjects) {
        std::vector<TGridCoord> held;
        ForEachObject([&](int c, int r, TObject*) {
            if (r >= At && r < At + Count)
                held.push_back({c, r});
        });
        for (TGridCoord cell : held)
            SetGridObject(cell.X, cell.Y, nullptr);
    }
    // Deleting a row moves it past every row below it; one swap pass moves each row below the
    // block once, but cell by cell.
    const int64_t tail = RowCount() - At - Count;
    const int64_t byDeletes = Count * (tail + Count / 2);
    const int64_t bySwaps = tail * SwappedWidth() * SwapCostInMoves + Count;
    if (byDeletes <= bySwaps) {
        TFlagScope quiet(FQuietMoves);
        for (int k = 0; k < Count; ++k)
            TBaseGrid::DeleteRow(At);
    } else {
        std::vector<bool> removed(RowCount(), false);
        std::fill(removed.begin() + At, removed.begin() + At + Count, true);
        DropFlaggedRows(removed, At);
    }
    FNormalRowCount = RowCount();
    FMaxRowCount = std::max(RowCount(), FMaxRowCount - Count);
}

// Cells past the column count (hidden columns, columns cut off) belong to their rows too.
int TExStringGrid::SwappedWidth() const {
    return std::max(TotalColCount(), FMaxColCount);
}

// Texts, objects and heights of two rows change places.
void TExStringGrid::SwapWholeRows(int ARow1, int ARow2) {
    const int width = SwappedWidth();
    for (int c = 0; c < width; ++c)
        SwapCells({c, ARow1}, {c, ARow2});
    if (const int height = RowHeights(ARow1); height != RowHeights(ARow2)) {
        SetRowHeights(ARow1, RowHeights(ARow2));
        SetRowHeights(ARow2, height);
    }
}

// The rows that stay are swapped up in their order, so the flagged ones gather at the end,
// where the platform grid drops them as it drops a deleted row.
void TExStringGrid::DropFlaggedRows(const std::vector<bool>& Removed, int First) {
    const int count = RowCount();
    int write = First;
    for (int read = First; read < count; ++read) {
        if (Removed[read])
            continue;
        if (read != write)
            SwapWholeRows(read, write);
        ++write;
    }
    TStringGrid::SetRowCount(write);
}

void TExStringGrid::MoveRowQuietly(int FromIndex, int ToIndex) {
    TFlagScope quiet(FQuietMoves);
    TBaseGrid::MoveRow(FromIndex, ToIndex);
}

int TExStringGrid::RequestedRows(int RowIndex, int RCount) const {
    const int end = RowCount() - (FFloatingFooter->Visible ? 1 : 0);
    if (RowIndex < 0 || RowIndex >= end || RCount <= 0)
        return 0;
    return std::min(RCount, end - RowIndex);
}

// The last normal row always stays (the platform grid needs a row below the fixed ones), and so
// does a floating footer row.
int TExStringGrid::RemovableRows(int RowIndex, int RCount) const {
    return std::max(0, std::min(RequestedRows(RowIndex, RCount), NormalRowsOnShow() - 1));
}

int TExStringGrid::NormalRowsOnShow() const {
    return RowCount() - FixedRows() - (FFloatingFooter->Visible ? 1 : 0);
}

// --- inserting ---------------------------------------------------------------------------------

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
    InsertRowRange(RowIndex, RCount, UpdateCellControls);
}

void TExStringGrid::InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls) {
    if (RowIndex < 0 || RCount <= 0)
        return;
    RowIndex = std::min(RowIndex, RowCount());
    BeginUpdate();
    RowMarksFollowInsert(RowIndex, RCount);
    OpenRows(RowIndex, RCount);
    HiddenRowsFollowInsert(RowIndex, RCount);
    PropertiesFollowCells();
    EndUpdate();
    if (UpdateCellControls && FNumCellControls > 0)
        CellControlsUpdate(true);
    if (!Destroying())
        NotifyCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExStringGrid::AddRow() {
    // A floating footer stays the last row: the new row goes in front of it.
    InsertRows(FFloatingFooter->Visible ? RowCount() - 1 : RowCount(), 1, true);
}

// --- removing ----------------------------------------------------------------------------------

void TExStringGrid::RemoveRows(int RowIndex, int RCount) {
    DeleteRowRange(RowIndex, RCount, true);
}

void TExStringGrid::RemoveRowRange(int RowIndex, int RCount) {
    DeleteRowRange(RowIndex, RCount, true);
}

// Removing every normal row leaves one empty row, as the user's row deletion does.
void TExStringGrid::DeleteRowRange(int RowIndex, int RCount, bool UpdateControls) {
    const int count = RemovableRows(RowIndex, RCount);
    if (RequestedRows(RowIndex, RCount) > count)
        ClearRows(RowIndex + count, 1);
    if (count == 0)
        return;
    const int oldRow = Row();
    const int oldTop = TopRow();
    BeginUpdate();
    RowMarksFollowRemoval(RowRun(RowIndex, count));
    HiddenRowsFollowRemove(RowIndex, count);
    CloseRows(RowIndex, count, true);
    KeepCurrentRowAfterRemoval(oldRow, oldTop);
    PropertiesFollowCells();
    EndUpdate();
    if (UpdateControls && FNumCellControls > 0)
        CellControlsUpdate(true);
    if (!Destroying())
        NotifyCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + count));
}

// The removed rows' objects are not freed: the caller took them along.
void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
    const int count = RemovableRows(RowIndex, RCount);
    if (count == 0)
        return;
    const int oldRow = Row();
    BeginUpdate();
    RowMarksFollowRemoval(RowRun(RowIndex, count));
    HiddenRowsFollowRemove(RowIndex, count);
    CloseRows(RowIndex, count, false);
    if (oldRow < RowCount() && Row() != oldRow)
        SetRow(oldRow);
    PropertiesFollowCells();
    EndUpdate();
    NotifyCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + count));
}

// The current row keeps its place while it still is a normal row, else the last normal row
// becomes current.
void TExStringGrid::KeepCurrentRowAfterRemoval(int OldRow, int OldTop) {
    const int lastNormal = RowCount() - FFixedFooters - 1;
    if (OldRow <= lastNormal) {
        SetTopRow(std::min(OldTop, RowCount() - 1));
        if (Row() != OldRow)
            SetRow(OldRow);
    } else if (lastNormal >= FixedRows()) {
        SetRow(lastNormal);
    }
}

// A few runs of neighbouring rows go one removal each, the lowest run first so the rows above
// keep their indexes. Many runs go in one pass over the rows instead of one pass per run.
void TExStringGrid::RemoveRowsBottomUp(const std::vector<int>& Rows) {
    constexpr int MaxRunsOneByOne = 32;
    std::vector<int> rows;
    for (int r : Rows)
        if (RequestedRows(r, 1) == 1)
            rows.push_back(r);
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // The last normal row stays: when every one is listed, the topmost is emptied instead.
    const size_t removable = std::max(0, NormalRowsOnShow() - 1);
    if (rows.size() > removable) {
        ClearRows(rows[removable], 1);
        rows.resize(removable);
    }
    std::vector<std::pair<int, int>> runs; // first row, count; bottom up
    for (size_t i = 0; i < rows.size();) {
        size_t j = i + 1;
        while (j < rows.size() && rows[j] == rows[j - 1] - 1)
            ++j;
        runs.emplace_back(rows[j - 1], static_cast<int>(j - i));
        i = j;
    }
    if (runs.size() > MaxRunsOneByOne) {
        RemoveScatteredRows(rows);
        return;
    }
    BeginUpdate();
    for (auto [first, count] : runs)
        RemoveRowRange(first, count);
    EndUpdate();
}

// Many scattered rows leave in one pass over the rows.
void TExStringGrid::RemoveScatteredRows(const std::vector<int>& RowsDescending) {
    const int oldCount = RowCount();
    const int oldRow = Row();
    const int oldTop = TopRow();
    std::vector<bool> removed(oldCount, false);
    for (int r : RowsDescending)
        removed[r] = true;
    BeginUpdate();
    RowMarksFollowRemoval(RowsDescending);
    for (int r : RowsDescending)
        HiddenRowsFollowRemove(r, 1);
    DropFlaggedRows(removed, RowsDescending.back());
    FNormalRowCount = RowCount();
    FMaxRowCount = std::max(RowCount(), FMaxRowCount - (oldCount - RowCount()));
    KeepCurrentRowAfterRemoval(oldRow, oldTop);
    EndUpdate();
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    NotifyCellsChanged(Rect(0, RowsDescending.back(), ColCount() - 1, oldCount - 1));
}

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
    std::vector<int> rows;
    for (int r = RowCount() - 1; r >= FixedRows(); --r) {
        bool state = false;
        if (GetCheckBoxState(CheckBoxColumn, RealRowIndex(r), state) && state == RemoveChecked)
            rows.push_back(r);
    }
    RemoveRowsBottomUp(rows);
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
    const int col = RealColIndex(ACol);
    std::unordered_set<std::string> seen;
    std::vector<int> duplicates;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        std::string key = GetGridCell(col, r);
        if (!DoCase)
            key = UpperCaseFull(key);
        if (!seen.insert(std::move(key)).second)
            duplicates.push_back(r);
    }
    RemoveRowsBottomUp(duplicates);
}

// --- moving and swapping -----------------------------------------------------------------------

void TExStringGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    // A floating footer row stays last.
    if (FFloatingFooter->Visible && std::max(FromIndex, ToIndex) == RowCount() - 1)
        return;
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
}

void TExStringGrid::RowMoved(int FromIndex, int ToIndex) {
    if (FQuietMoves)
        return;
    PropertiesFollowCells();
    if (EnhRowColMove)
        ColMoveFlg = true;
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    auto* other = dynamic_cast<TExStringGrid*>(FSyncGrid->Grid());
    if (other && other != this && FSyncGrid->MoveRow && !FSyncMoving) {
        TFlagScope syncing(other->FSyncMoving);
        other->MoveRow(FromIndex, ToIndex);
    }
}

// The Count rows from FromIndex go to ToIndex; a target past the block counts the rows as they
// were before the move. Rows carry their cells, objects and heights.
void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0)
        return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    ToIndex = std::min(ToIndex, RowCount() - Count);
    if (Count <= 0 || ToIndex == FromIndex)
        return;
    BeginUpdate();
    for (int k = 0; k < Count; ++k) {
        if (ToIndex < FromIndex)
            MoveRowQuietly(FromIndex + k, ToIndex + k);
        else
            MoveRowQuietly(FromIndex, ToIndex + Count - 1);
    }
    PropertiesFollowCells();
    EndUpdate();
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    NotifyCellsChanged(Rect(0, std::min(FromIndex, ToIndex), ColCount() - 1,
                            std::max(FromIndex, ToIndex) + Count - 1));
}

void TExStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || std::min(ARow1, ARow2) < 0 || std::max(ARow1, ARow2) >= RowCount())
        return;
    SwapWholeRows(ARow1, ARow2);
    if (FNumCellControls > 0)
        CellControlsUpdate(true);
    RepaintRow(ARow1);
    RepaintRow(ARow2);
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2) {
    if (ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count() && ARow1 >= 0 &&
        ARow2 >= 0) {
        const int entry = (*FSortRowXRef)[ARow1];
        FSortRowXRef->SetItems(ARow1, (*FSortRowXRef)[ARow2]);
        FSortRowXRef->SetItems(ARow2, entry);
    }
    if (FShowModified->Enabled && std::max(ARow1, ARow2) < FModifiedRows->Count() &&
        std::min(ARow1, ARow2) >= 0) {
        const int flag = (*FModifiedRows)[ARow1];
        FModifiedRows->SetItems(ARow1, (*FModifiedRows)[ARow2]);
        FModifiedRows->SetItems(ARow2, flag);
    }
    SwapRows(ARow1, ARow2);
}
