#pragma once

#include "grid/stringgrid/GridRowMover.h"

#include <vector>

// A row kept out of the grid while it is hidden.
struct TGridItem {
    int Idx = 0;   // the row's real index
    int Level = 0; // the filter level that hid it (0 for rows hidden by HideRows)
    TStoredRow Row;

    int Height() const { return Row.Height; }
    const std::vector<TStoredCell>& Items() const { return Row.Cells; }
};

// The hidden rows of the string grid. The grid's cell store holds only the rows on show,
// addressed by display row; a hidden row leaves it with its cells and cell objects and lives
// here until it is shown again in its place. The store also maps between real rows (all rows)
// and display rows (those on show).
//
// Items are kept in ascending real order and every item holds the row's real index, also for
// rows hidden by a filter level, so that the levels can be undone in any order and the mappings
// stay exact. Mappings and hidden tests are binary searches, O(log h) for h hidden rows; hiding
// and showing a batch costs one pass over the store and one batch move in the grid.
//
// The mover must outlive the store: the store frees the objects of the rows it still holds
// through it.
class THiddenRowStore {
public:
    explicit THiddenRowStore(TGridRowMover& grid) : FGrid(grid) {}
    ~THiddenRowStore();
    THiddenRowStore(const THiddenRowStore&) = delete;
    THiddenRowStore& operator=(const THiddenRowStore&) = delete;

    // --- counts and lookups ---
    int Count() const { return static_cast<int>(FItems.size()); }
    // Items in ascending real order.
    const TGridItem& Item(int index) const { return FItems.at(index); }
    // The stored row of a hidden real row; nullptr for a row on show.
    const TGridItem* FindRow(int realRow) const;
    TGridItem* FindRow(int realRow);
    bool IsHiddenRow(int realRow) const { return FindRow(realRow) != nullptr; }
    std::vector<int> HiddenRows() const;

    // Display row of a real row: the real row less the hidden rows before it (a hidden row maps
    // to the display row of the next row on show; negative rows map to themselves).
    int DisplRowIndex(int realRow) const;
    // Real row of a display row: the (displayRow + 1)-th row on show; -1 for a negative row.
    int RealRowIndex(int displayRow) const;

    int FilterLevel() const { return FFilterLevel; }
    void SetFilterLevel(int Value) { FFilterLevel = Value; }

    // --- hiding and showing; each returns the number of rows it moved ---
    // Hides the real rows FromRow to ToRow that are on show (rows past the grid are skipped).
    // Refused when it would take every row on show: the grid keeps at least one.
    int HideRows(int FromRow, int ToRow);
    // Hides the listed real rows as HideRows does, in one batch: for hiding the selected rows
    // without one pass over the grid per row. Rows hidden already or past the grid are skipped.
    int HideRealRows(std::vector<int> realRows);
    // Hides the listed display rows as one filter level (Level = FilterLevel), then raises the
    // filter level. Rows outside the grid are skipped; refused, as HideRows, when it would take
    // every row on show (the level is raised all the same, so the caller's undo stays paired).
    int HideRowList(const std::vector<int>& displayRows);
    // Shows one hidden real row in its place; 0 when it is not hidden.
    int UnHideRow(int realRow);
    // Shows the hidden rows of the real range; nothing unless FromRow itself is hidden.
    int UnHideRows(int FromRow, int ToRow);
    int UnHideRowsAll();
    // Shows the rows of the newest filter level (FilterLevel - 1, and every level above it);
    // at level 1 or below this takes the rows hidden by HideRows too, so the store ends empty.
    // The caller lowers the filter level.
    int UnHideRowList();

    // Empties the cells of every stored row (their objects are freed); the rows stay hidden.
    void ClearStoredCells();
    // Drops every stored row without showing it, freeing its objects.
    void Clear();

    // --- keeping the store in step with row and column operations of the grid ---
    // Rows inserted at a display row come right before the row on show there; hidden rows from
    // that row on move down.
    void RowsInserted(int displayRow, int count);
    // Display rows removed: each hidden row moves up by the removed rows that lay before it.
    void RowsRemoved(int displayRow, int count);
    // Real columns inserted, removed (their objects freed) or moved in the stored rows too.
    void ColumnsInserted(int realCol, int count);
    void ColumnsRemoved(int realCol, int count);
    void ColumnMoved(int fromRealCol, int toRealCol);

private:
    std::vector<TGridItem>::iterator LowerBound(int realRow);
    std::vector<TGridItem>::const_iterator LowerBound(int realRow) const;
    // Takes the display rows out of the grid as items with the given real indexes and level.
    int Store(const std::vector<int>& displayRows, const std::vector<int>& realRows, int level);
    // Shows the items [first, last) of the store.
    int RestoreRange(int first, int last);
    void FreeObjects(TStoredRow& row);

    TGridRowMover& FGrid;
    std::vector<TGridItem> FItems; // ascending by Idx
    int FFilterLevel = 0;
};
