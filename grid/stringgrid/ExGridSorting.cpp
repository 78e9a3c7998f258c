// Sorting: the sorts of the normal rows, of the rows of tree nodes and of any row range, and
// the way back to the order before sorting.
//
// A sort reads the key of every row once (SortKeyTable), sorts a row index stably and then
// moves each row once to its place, instead of swapping rows per comparison.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/SortKeyTable.h"
#include "grid/stringgrid/SortRowIndex.h"

#include <algorithm>
#include <numeric>

namespace {

// The comparisons of the sorts, over keys read once: a column with tie-breaks on the columns
// right of it, or the entries of the sort index.
class TRowComparison {
public:
    TRowComparison(TExStringGrid& Grid, TSortKeyTable& Keys) : FGrid(Grid), FKeys(Keys) {}

    // In the order of the sort: -1 when A goes before B.
    int Full(int ACol, int A, int B) {
        const TSortSettings& settings = *FGrid.SortSettings();
        const int last = FGrid.TotalColCount() - 1;
        for (int col = ACol;; ++col) {
            if (FGrid.IsIgnoredColumn(col))
                return 0;
            const int result = Cell(col, A, B, settings.Direction);
            if (result != 0 || !settings.Full || col >= last)
                return result;
        }
    }
    int Indexed(int From, int A, int B) {
        const TSortIndexList& index = *FGrid.SortIndexes();
        for (int i = From; i < index.Count(); ++i) {
            const int col = index.SortColumns(i);
            if (FGrid.IsIgnoredColumn(col))
                return 0;
            const int result =
                Cell(col, A, B, index.SortDirections(i) ? sdAscending : sdDescending);
            if (result != 0 || !FGrid.SortSettings()->Full)
                return result;
        }
        return 0;
    }
    // A column the grid does not have compares equal.
    int Cell(int ACol, int A, int B, TSortDirection Direction) {
        if (ACol < 0 || ACol >= std::max(FGrid.TotalColCount(), FGrid.MaxColCount()))
            return 0;
        return FKeys.Compare(ACol, A, B, Direction);
    }

private:
    TExStringGrid& FGrid;
    TSortKeyTable& FKeys;
};

std::vector<int> RowsFromTo(int First, int Last) {
    std::vector<int> rows(std::max(0, Last - First + 1));
    std::iota(rows.begin(), rows.end(), First);
    return rows;
}

// Runs the restoring steps of a sort on every way out, exceptions included.
template <typename TRestore> class TOnExit {
public:
    explicit TOnExit(TRestore Restore) : FRestore(std::move(Restore)) {}
    ~TOnExit() { FRestore(); }
    TOnExit(const TOnExit&) = delete;
    TOnExit& operator=(const TOnExit&) = delete;

private:
    TRestore FRestore;
};

} // namespace

// --- comparisons --------------------------------------------------------------------------------

int TExStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
    TSortKeyTable keys(*this, {ARow1, ARow2});
    const int result = TRowComparison(*this, keys).Cell(ACol, 0, 1, Direction);
    Compares += keys.Compares();
    return Direction == sdDescending ? -result : result;
}

int TExStringGrid::CompareRowsFull(int ACol, int ARow1, int ARow2) {
    TSortKeyTable keys(*this, {ARow1, ARow2});
    const int result = TRowComparison(*this, keys).Full(ACol, 0, 1);
    Compares += keys.Compares();
    return FSortSettings->Direction == sdDescending ? -result : result;
}

int TExStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2) {
    TSortKeyTable keys(*this, {ARow1, ARow2});
    const int result = TRowComparison(*this, keys).Indexed(Index, 0, 1);
    Compares += keys.Compares();
    return result;
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2) {
    for (int col = Col;; ++col) {
        const int result = CompareCells(col, ARow1, ARow2, FSortSettings->Direction);
        if (result == SortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0 || col >= TotalColCount() - 1)
            return false;
    }
}

// --- the sorts ----------------------------------------------------------------------------------

void TExStringGrid::InitSortXRef() {
    FSortRowXRef->Clear();
    for (int r = 0; r < RowCount(); ++r)
        FSortRowXRef->Add(r);
}

std::vector<int> TExStringGrid::SortedOrder(int Col, int First, int Last, bool Indexed) {
    std::vector<int> rows = RowsFromTo(First, Last);
    if (rows.size() < 2 || (Indexed && FSortIndexes->Count() == 0))
        return rows;
    TSortKeyTable keys(*this, rows);
    TRowComparison compare(*this, keys);
    const int keyCol = Indexed ? FSortIndexes->SortColumns(0) : Col;
    const TSortDirection keyDirection =
        Indexed ? (FSortIndexes->SortDirections(0) ? sdAscending : sdDescending)
                : FSortSettings->Direction;
    if (IsIgnoredColumn(keyCol) || keyCol < 0 || keyCol >= std::max(TotalColCount(), MaxColCount()))
        return rows;

    std::vector<TSortEntry> entries = keys.OrderPrefixes(keyCol, keyDirection);
    // Only a result of exactly -1 puts a row first: a hook's other answers keep the order.
    // Ties are compared on the key column, unless the prefixes already tell its keys apart, and
    // for full sorts on the next columns: the keys they need first are read in one forward pass.
    const bool keyColumnDecided = keys.PrefixesExact();
    const int nextCol =
        Indexed ? (FSortIndexes->Count() > 1 ? FSortIndexes->SortColumns(1) : -1) : keyCol + 1;
    const bool readNext = FSortSettings->Full && nextCol >= 0 &&
                          nextCol < std::max(TotalColCount(), MaxColCount()) &&
                          !IsIgnoredColumn(nextCol);
    const auto readTies = [&](const std::vector<int32_t>& tied) {
        if (!keyColumnDecided)
            keys.ReadAhead(keyCol, tied);
        if (readNext)
            keys.ReadAhead(nextCol, tied);
    };
    // Where the key column compares equal, a partial sort keeps the rows in their order.
    const bool breakTies = FSortSettings->Full && (Indexed || Col < TotalColCount() - 1);
    if (Indexed)
        StableSortEntries(
            entries,
            [&](int a, int b) {
                if (keyColumnDecided)
                    return breakTies && compare.Indexed(1, a, b) == -1;
                return compare.Indexed(0, a, b) == -1;
            },
            readTies);
    else
        StableSortEntries(
            entries,
            [&](int a, int b) {
                if (keyColumnDecided)
                    return breakTies && compare.Full(Col + 1, a, b) == -1;
                return compare.Full(Col, a, b) == -1;
            },
            readTies);
    Compares += keys.Compares();

    std::vector<int> order(rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        order[k] = rows[entries[k].Pos];
    return order;
}

void TExStringGrid::SortRange(int Col, int First, int Last, bool Indexed) {
    SortDir = FSortSettings->Direction == sdAscending ? 1 : -1;
    First = std::max(First, 0);
    Last = std::min(Last, RowCount() - 1);
    if (Last <= First)
        return;
    PlaceRowsInOrder(First, SortedOrder(Col, First, Last, Indexed));
}

void TExStringGrid::QuickSort(int Col, int Left, int Right) {
    BeginUpdate();
    TOnExit endUpdate([this] { EndUpdate(); });
    SortRange(Col, Left, Right, false);
}

void TExStringGrid::QuickSortIndexed(int Left, int Right) {
    BeginUpdate();
    TOnExit endUpdate([this] { EndUpdate(); });
    SortRange(-1, Left, Right, true);
}

void TExStringGrid::SortNormalRows(bool Indexed) {
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    if (Indexed && FSortIndexes->Count() == 0)
        throw ROvoVariRodev("No indexes specified for indexed sort");
    if (!Indexed)
        FSortIndexes->Clear();

    const int oldTop = TopRow();
    const int oldRow = Row();
    const bool footerVisible = FFloatingFooter->Visible;
    BeginUpdate();
    FFloatingFooter->Visible = false;
    TOnExit restore([&] {
        if (FNavigation->KeepScrollOnSort)
            SetTopRowEx(oldTop);
        FFloatingFooter->Visible = footerVisible;
        EndUpdate();
        if (footerVisible)
            UpdateFooter();
    });

    SortRow = Row();
    SortRange(FSortSettings->Column, FixedRows(), RowCount() - 1 - FFixedFooters, Indexed);

    // The current row follows its data, or keeps its place.
    if (Indexed || !FMouseActions->DisjunctRowSelect()) {
        const bool entered = FEntered;
        FEntered = false;
        TOnExit putBack([&] { FEntered = entered; });
        const int target = FNavigation->MoveRowOnSort ? SortRow : oldRow;
        if (target != Row() && target >= FixedRows() && target < RowCount())
            SetRow(target);
    }
    if (!Indexed && OnRowUpdate && !FNavigation->MoveRowOnSort)
        OnRowUpdate(this, oldRow, Row());
}

void TExStringGrid::QSort() {
    const int column = FSortSettings->Column;
    if (column < 0 || column >= std::max(TotalColCount(), MaxColCount()))
        return;
    SortNormalRows(false);
}

void TExStringGrid::QSortIndexed() {
    SortNormalRows(true);
}

void TExStringGrid::Sort(int Column, TSortDirection Direction) {
    FSortSettings->Column = Column;
    FSortSettings->Direction = Direction;
    QSort();
}

void TExStringGrid::SortByColumn(int Col) {
    if (RowCount() <= 1)
        return;
    FSortSettings->Column = Col;
    QSort();
}

// The child rows of every expanded node of the deepest level are sorted among themselves.
void TExStringGrid::SortGroups(bool Indexed) {
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    const int column = FSortSettings->Column;
    if (!Indexed && (column < 0 || column >= TotalColCount()))
        return;
    const int oldTop = TopRow();
    const int oldRow = Row();
    BeginUpdate();
    TOnExit restore([&] {
        if (FNavigation->KeepScrollOnSort)
            SetTopRowEx(oldTop);
        EndUpdate();
    });
    SortRow = Row();
    const int lastNormal = RowCount() - 1 - FFixedFooters;
    int deepest = 0;
    for (int r = FixedRows(); r <= lastNormal; ++r)
        if (IsNode(r))
            deepest = std::max(deepest, GetNodeLevel(r));
    for (int r = FixedRows(); r <= lastNormal; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r))
            continue;
        const int span = GetNodeSpan(r);
        if (span > 2)
            SortRange(column, r + 1, std::min(r + span - 1, lastNormal), Indexed);
    }
    const bool entered = FEntered;
    FEntered = false;
    const int target = FNavigation->MoveRowOnSort ? SortRow : oldRow;
    if (target != Row() && target >= FixedRows() && target < RowCount())
        SetRow(target);
    FEntered = entered;
}

void TExStringGrid::QSortGroup() {
    SortGroups(false);
}

void TExStringGrid::QSortGroupIndexed() {
    SortGroups(true);
}

void TExStringGrid::QUnSort() {
    const int count = FSortRowXRef->Count();
    // A cross-reference of another row count describes other rows: nothing to go back to.
    if (count == 0 || count != RowCount())
        return;
    FUnSortRowXRef->Clear();
    std::vector<int> xref(count);
    for (int r = 0; r < count; ++r) {
        xref[r] = (*FSortRowXRef)[r];
        FUnSortRowXRef->Add(xref[r]);
    }
    std::vector<int> order = RowsFromTo(0, count - 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return xref[a] < xref[b]; });
    BeginUpdate();
    TOnExit endUpdate([this] { EndUpdate(); });
    PlaceRowsInOrder(0, order);
}
