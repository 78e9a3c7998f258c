#pragma once

class TBaseGrid;
class THiddenColumnSet;

// Hides and shows columns of a base grid by its hidden-column marks. A hidden column keeps its
// cells where they are (the cell store is addressed by real column); it leaves the display:
// the grid's column count drops by one and the display widths after it close up, and its width
// is kept in the marks until it is shown again. A range is done in one pass over the widths.
class TBaseGridColumnHider {
public:
    TBaseGridColumnHider(TBaseGrid& grid, THiddenColumnSet& hidden)
        : FGrid(grid), FHidden(hidden) {}

    // Real columns on show and hidden.
    int TotalColCount() const;
    // Hides the real columns FromCol to ToCol; skips columns already hidden or past the grid,
    // and keeps at least one column on show. A current cell beyond the new last column moves
    // to it. The number hidden.
    int HideColumns(int FromCol, int ToCol);
    // Shows the hidden real columns FromCol to ToCol with the widths they had. The number shown.
    int UnHideColumns(int FromCol, int ToCol);
    int UnHideColumnsAll();

private:
    TBaseGrid& FGrid;
    THiddenColumnSet& FHidden;
};
