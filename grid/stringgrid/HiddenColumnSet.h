#pragma once

#include <vector>

// The hidden columns of the string grid. Hidden columns keep their cells in the cell store,
// which is addressed by real column; only the grid's column count and widths leave out the
// hidden ones. The set marks them (with the width each had, given back when it is shown) and
// maps between real columns (all of them) and display columns (those on show).
//
// Any column from 0 up can be hidden. The marks are a sorted list of the hidden columns, so a
// mapping is a binary search: O(log h) for h hidden columns, whatever the column count.
class THiddenColumnSet {
public:
    int Count() const { return static_cast<int>(FHidden.size()); }
    bool IsHiddenColumn(int realCol) const;
    // Width the column had when it was hidden; 0 for a column on show.
    int KeptWidth(int realCol) const;
    // Hidden columns in ascending order.
    std::vector<int> HiddenColumns() const;

    // Display column of a real column: the real column less the hidden ones before it. A hidden
    // column maps to the display column of the next column on show; negative columns map to
    // themselves.
    int DisplColIndex(int realCol) const;
    // Real column shown at a display column: the (displayCol + 1)-th column on show, counted
    // over an unbounded row of columns, so that the mapping is one-to-one for every index;
    // -1 for a negative display column.
    int RealColIndex(int displayCol) const;

    // Whether hiding the column is allowed in a grid of totalColCount real columns: it exists,
    // is on show, and is not the last column on show.
    bool CanHide(int realCol, int totalColCount) const;
    // Marks the column hidden with the width to give back; false (nothing changed) when it is
    // negative or already hidden.
    bool Hide(int realCol, int width);
    // Changes the width a hidden column gets back; nothing for a column on show.
    void SetKeptWidth(int realCol, int width);
    // Shows the column again; false when it was not hidden.
    bool Show(int realCol);
    void Clear();

private:
    struct THiddenColumn {
        int Col;
        int Width;
    };
    std::vector<THiddenColumn>::const_iterator Find(int realCol) const;

    std::vector<THiddenColumn> FHidden; // ascending by Col
};
