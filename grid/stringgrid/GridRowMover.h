#pragma once

#include <string>
#include <vector>

class TObject;

// One cell of a row taken out of the grid: its text and its object slot.
struct TStoredCell {
    std::string Text;
    TObject* Object = nullptr;
};

// A whole row taken out of the grid: one cell per real column, hidden columns included, and the
// height the row had.
struct TStoredRow {
    int Height = 0;
    std::vector<TStoredCell> Cells;
};

// What the hidden-row store needs of the grid's cell store, which is addressed by display row:
// rows leave it and come back in batches, so hiding or showing many rows costs one pass over
// the grid, not one pass per row. Object slots move with their rows; whoever holds a row owns
// its objects.
class TGridRowMover {
public:
    virtual ~TGridRowMover() = default;

    // Rows on show.
    virtual int RowCount() const = 0;
    // Takes out the listed display rows (ascending, distinct, each below RowCount) with their
    // cells, objects and heights, returned in the same order; the rows below close up.
    virtual std::vector<TStoredRow> TakeRows(const std::vector<int>& displayRows) = 0;
    // Puts rows back so that rows[i] ends up at display row displayRows[i] (ascending, each
    // below RowCount + rows.size()); the rows on show keep their order around them.
    virtual void PutRows(const std::vector<int>& displayRows, std::vector<TStoredRow> rows) = 0;
    // Frees the object of a stored cell that is dropped without coming back.
    virtual void FreeObject(TObject* object) = 0;
};
