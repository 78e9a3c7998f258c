#pragma once

#include <vector>

class TBaseGrid;
class THiddenColumnSet;

// The width and hidden mark of every real column of a base grid, taken before an operation that
// inserts, removes or moves real columns and laid out again after it. The cell store is
// addressed by real column, the grid's widths by display column and the marks by real column:
// the operation changes this list as it changes the cells, and Apply rebuilds the marks, the
// column count and the display widths from it, so every column keeps its width and its mark
// whichever columns are hidden.
class TBaseGridColumnLayout {
public:
    TBaseGridColumnLayout(TBaseGrid& grid, THiddenColumnSet& hidden);

    int Count() const { return static_cast<int>(FColumns.size()); }
    // New columns on show.
    void Insert(int realCol, int count, int width);
    void Remove(int realCol, int count);
    // The column takes the new place; those between shift one place towards the old one.
    void Move(int fromRealCol, int toRealCol);
    // Marks, column count and display widths from the list; at least one column stays on show.
    void Apply();

private:
    struct TColumn {
        int Width;
        bool Hidden;
    };

    TBaseGrid& FGrid;
    THiddenColumnSet& FHidden;
    std::vector<TColumn> FColumns;
};
