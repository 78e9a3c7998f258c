#include "grid/stringgrid/HiddenRowStore.h"

#include "grid/stringgrid/IndexMapping.h"
#include "grid/stringgrid/ListItemMove.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace {
int RealIndexOf(const TGridItem& item) {
    return item.Idx;
}
} // namespace

THiddenRowStore::~THiddenRowStore() {
    Clear();
}

// --- lookups -----------------------------------------------------------------------------------

std::vector<TGridItem>::iterator THiddenRowStore::LowerBound(int realRow) {
    return std::partition_point(FItems.begin(), FItems.end(),
                                [&](const TGridItem& item) { return item.Idx < realRow; });
}

std::vector<TGridItem>::const_iterator THiddenRowStore::LowerBound(int realRow) const {
    return std::partition_point(FItems.begin(), FItems.end(),
                                [&](const TGridItem& item) { return item.Idx < realRow; });
}

const TGridItem* THiddenRowStore::FindRow(int realRow) const {
    const auto it = LowerBound(realRow);
    return it != FItems.end() && it->Idx == realRow ? &*it : nullptr;
}

TGridItem* THiddenRowStore::FindRow(int realRow) {
    const auto it = LowerBound(realRow);
    return it != FItems.end() && it->Idx == realRow ? &*it : nullptr;
}

std::vector<int> THiddenRowStore::HiddenRows() const {
    std::vector<int> rows;
    rows.reserve(FItems.size());
    for (const TGridItem& item : FItems)
        rows.push_back(item.Idx);
    return rows;
}

int THiddenRowStore::DisplRowIndex(int realRow) const {
    return RealToDisplayIndex(FItems, realRow, RealIndexOf);
}

int THiddenRowStore::RealRowIndex(int displayRow) const {
    return DisplayToRealIndex(FItems, displayRow, RealIndexOf);
}

// --- hiding ------------------------------------------------------------------------------------

int THiddenRowStore::HideRows(int FromRow, int ToRow) {
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, FGrid.RowCount() + Count() - 1);
    if (FromRow > ToRow)
        return 0;
    std::vector<int> rows(ToRow - FromRow + 1);
    std::iota(rows.begin(), rows.end(), FromRow);
    return HideRealRows(std::move(rows));
}

int THiddenRowStore::HideRealRows(std::vector<int> realRows) {
    if (!std::is_sorted(realRows.begin(), realRows.end()))
        std::sort(realRows.begin(), realRows.end());
    const int total = FGrid.RowCount() + Count();
    // One walk along the rows and the store together: a row's display row is its real row less
    // the hidden rows before it.
    std::vector<int> displayRows;
    std::vector<int> rows;
    auto hidden = FItems.begin();
    for (std::size_t i = 0; i < realRows.size(); ++i) {
        const int row = realRows[i];
        if (row < 0 || row >= total || (i > 0 && row == realRows[i - 1]))
            continue;
        while (hidden != FItems.end() && hidden->Idx < row)
            ++hidden;
        if (hidden != FItems.end() && hidden->Idx == row)
            continue;
        displayRows.push_back(row - static_cast<int>(hidden - FItems.begin()));
        rows.push_back(row);
    }
    return Store(displayRows, rows, 0);
}

int THiddenRowStore::HideRowList(const std::vector<int>& displayRows) {
    const int level = FFilterLevel++;
    const int shown = FGrid.RowCount();
    std::vector<int> rows;
    rows.reserve(displayRows.size());
    for (int row : displayRows)
        if (row >= 0 && row < shown)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> realRows;
    realRows.reserve(rows.size());
    for (int row : rows)
        realRows.push_back(RealRowIndex(row));
    return Store(rows, realRows, level);
}

int THiddenRowStore::Store(const std::vector<int>& displayRows, const std::vector<int>& realRows,
                           int level) {
    // The platform grid keeps at least one row, so taking every row would leave a stray one.
    if (displayRows.empty() || static_cast<int>(displayRows.size()) >= FGrid.RowCount())
        return 0;
    std::vector<TStoredRow> rows = FGrid.TakeRows(displayRows);
    const auto middle = static_cast<std::ptrdiff_t>(FItems.size());
    FItems.reserve(FItems.size() + rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        FItems.push_back(TGridItem{realRows[i], level, std::move(rows[i])});
    std::inplace_merge(FItems.begin(), FItems.begin() + middle, FItems.end(),
                       [](const TGridItem& a, const TGridItem& b) { return a.Idx < b.Idx; });
    return static_cast<int>(displayRows.size());
}

// --- showing -----------------------------------------------------------------------------------

int THiddenRowStore::RestoreRange(int first, int last) {
    if (first >= last)
        return 0;
    // Every item before `first` stays hidden and every item of the range comes back, so an
    // item's display row is its real row less the `first` hidden rows before it.
    std::vector<int> displayRows;
    std::vector<TStoredRow> rows;
    displayRows.reserve(last - first);
    rows.reserve(last - first);
    for (int i = first; i < last; ++i) {
        displayRows.push_back(FItems[i].Idx - first);
        rows.push_back(std::move(FItems[i].Row));
    }
    FItems.erase(FItems.begin() + first, FItems.begin() + last);
    FGrid.PutRows(displayRows, std::move(rows));
    return last - first;
}

int THiddenRowStore::UnHideRow(int realRow) {
    return UnHideRows(realRow, realRow);
}

int THiddenRowStore::UnHideRows(int FromRow, int ToRow) {
    const auto first = LowerBound(FromRow);
    if (first == FItems.end() || first->Idx != FromRow)
        return 0;
    const auto last = std::partition_point(
        first, FItems.end(), [&](const TGridItem& item) { return item.Idx <= ToRow; });
    return RestoreRange(static_cast<int>(first - FItems.begin()),
                        static_cast<int>(last - FItems.begin()));
}

int THiddenRowStore::UnHideRowsAll() {
    return RestoreRange(0, Count());
}

int THiddenRowStore::UnHideRowList() {
    const int newest = std::max(FFilterLevel - 1, 0);
    std::vector<int> displayRows;
    std::vector<TStoredRow> rows;
    int staying = 0;
    for (TGridItem& item : FItems) {
        if (item.Level < newest) {
            ++staying;
            continue;
        }
        displayRows.push_back(item.Idx - staying);
        rows.push_back(std::move(item.Row));
    }
    if (rows.empty())
        return 0;
    std::erase_if(FItems, [&](const TGridItem& item) { return item.Level >= newest; });
    FGrid.PutRows(displayRows, std::move(rows));
    return static_cast<int>(displayRows.size());
}

// --- clearing ----------------------------------------------------------------------------------

void THiddenRowStore::FreeObjects(TStoredRow& row) {
    for (TStoredCell& cell : row.Cells)
        if (cell.Object) {
            FGrid.FreeObject(cell.Object);
            cell.Object = nullptr;
        }
}

void THiddenRowStore::ClearStoredCells() {
    for (TGridItem& item : FItems) {
        FreeObjects(item.Row);
        item.Row.Cells.clear();
    }
}

void THiddenRowStore::Clear() {
    for (TGridItem& item : FItems)
        FreeObjects(item.Row);
    FItems.clear();
}

// --- row and column operations -----------------------------------------------------------------

void THiddenRowStore::RowsInserted(int displayRow, int count) {
    if (displayRow < 0 || count <= 0)
        return;
    const int realRow = RealRowIndex(displayRow);
    for (auto it = LowerBound(realRow); it != FItems.end(); ++it)
        it->Idx += count;
}

void THiddenRowStore::RowsRemoved(int displayRow, int count) {
    if (displayRow < 0 || count <= 0)
        return;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        const int shownBefore = FItems[i].Idx - static_cast<int>(i);
        FItems[i].Idx -= std::clamp(shownBefore - displayRow, 0, count);
    }
}

void THiddenRowStore::ColumnsInserted(int realCol, int count) {
    if (realCol < 0 || count <= 0)
        return;
    for (TGridItem& item : FItems) {
        std::vector<TStoredCell>& cells = item.Row.Cells;
        if (realCol < static_cast<int>(cells.size()))
            cells.insert(cells.begin() + realCol, count, TStoredCell{});
    }
}

void THiddenRowStore::ColumnsRemoved(int realCol, int count) {
    if (realCol < 0 || count <= 0)
        return;
    for (TGridItem& item : FItems) {
        std::vector<TStoredCell>& cells = item.Row.Cells;
        const int size = static_cast<int>(cells.size());
        if (realCol >= size)
            continue;
        const int end = count < size - realCol ? realCol + count : size;
        for (int c = realCol; c < end; ++c)
            if (cells[c].Object)
                FGrid.FreeObject(cells[c].Object);
        cells.erase(cells.begin() + realCol, cells.begin() + end);
    }
}

void THiddenRowStore::ColumnMoved(int fromRealCol, int toRealCol) {
    if (fromRealCol < 0 || toRealCol < 0 || fromRealCol == toRealCol)
        return;
    for (TGridItem& item : FItems) {
        std::vector<TStoredCell>& cells = item.Row.Cells;
        const auto needed = static_cast<std::size_t>(std::max(fromRealCol, toRealCol)) + 1;
        if (cells.size() < needed) {
            if (static_cast<std::size_t>(fromRealCol) >= cells.size() &&
                static_cast<std::size_t>(toRealCol) >= cells.size())
                continue; // an empty cell moves among empty cells
            cells.resize(needed);
        }
        MoveListItem(cells, fromRealCol, toRealCol);
    }
}
