#pragma once

#include "grid/stringgrid/GridRowMover.h"

class TBaseGrid;

// The hidden-row store's view of a base grid: rows leave and come back through the grid's cell
// texts, object slots and row heights, every real column included (the cells of hidden columns
// lie past ColCount in the same store). A batch costs one pass over the rows from the first
// moved one to the end.
class TBaseGridRowMover : public TGridRowMover {
public:
    explicit TBaseGridRowMover(TBaseGrid& grid) : FGrid(grid) {}

    int RowCount() const override;
    std::vector<TStoredRow> TakeRows(const std::vector<int>& displayRows) override;
    void PutRows(const std::vector<int>& displayRows, std::vector<TStoredRow> rows) override;
    void FreeObject(TObject* object) override;

private:
    int RealColCount() const;
    TStoredRow ReadRow(int row) const;
    void WriteRow(int row, TStoredRow& cells);
    void CopyRow(int from, int to);

    TBaseGrid& FGrid;
};
