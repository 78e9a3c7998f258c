#include "grid/stringgrid/BaseGridRowMover.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/CellProperties.h"

#include <cassert>

int TBaseGridRowMover::RowCount() const {
    return FGrid.RowCount();
}

int TBaseGridRowMover::RealColCount() const {
    return FGrid.TotalColCount();
}

TStoredRow TBaseGridRowMover::ReadRow(int row) const {
    TStoredRow stored;
    stored.Height = FGrid.RowHeights(row);
    const int cols = RealColCount();
    stored.Cells.resize(cols);
    for (int col = 0; col < cols; ++col) {
        stored.Cells[col].Text = FGrid.GridCells(col, row);
        stored.Cells[col].Object = FGrid.GetGridObject(col, row);
    }
    return stored;
}

// Writes every real column, so that nothing of the row that stood there before remains.
void TBaseGridRowMover::WriteRow(int row, TStoredRow& stored) {
    const int cols = RealColCount();
    for (int col = 0; col < cols; ++col) {
        TStoredCell* cell =
            col < static_cast<int>(stored.Cells.size()) ? &stored.Cells[col] : nullptr;
        FGrid.SetGridCell(col, row, cell ? cell->Text : std::string());
        FGrid.SetGridObject(col, row, cell ? cell->Object : nullptr);
    }
    // Objects of columns the grid no longer has would be lost in the row: free them.
    for (int col = cols; col < static_cast<int>(stored.Cells.size()); ++col)
        if (stored.Cells[col].Object)
            FreeObject(stored.Cells[col].Object);
    if (FGrid.RowHeights(row) != stored.Height)
        FGrid.SetRowHeights(row, stored.Height);
}

void TBaseGridRowMover::CopyRow(int from, int to) {
    const int cols = RealColCount();
    for (int col = 0; col < cols; ++col) {
        FGrid.SetGridCell(col, to, FGrid.GridCells(col, from));
        FGrid.SetGridObject(col, to, FGrid.GetGridObject(col, from));
    }
    if (FGrid.RowHeights(to) != FGrid.RowHeights(from))
        FGrid.SetRowHeights(to, FGrid.RowHeights(from));
}

std::vector<TStoredRow> TBaseGridRowMover::TakeRows(const std::vector<int>& displayRows) {
    std::vector<TStoredRow> taken;
    if (displayRows.empty())
        return taken;
    taken.reserve(displayRows.size());
    const int count = FGrid.RowCount();
    int kept = displayRows.front();
    std::size_t next = 0;
    for (int row = displayRows.front(); row < count; ++row) {
        if (next < displayRows.size() && displayRows[next] == row) {
            taken.push_back(ReadRow(row));
            ++next;
        } else {
            CopyRow(row, kept++);
        }
    }
    assert(next == displayRows.size());
    // The rows past the new end hold objects that now live elsewhere; shrinking the grid
    // would free them.
    const int cols = RealColCount();
    for (int row = kept; row < count; ++row)
        for (int col = 0; col < cols; ++col)
            FGrid.SetGridObject(col, row, nullptr);
    FGrid.SetRowCount(kept);
    return taken;
}

void TBaseGridRowMover::PutRows(const std::vector<int>& displayRows, std::vector<TStoredRow> rows) {
    if (rows.empty())
        return;
    assert(displayRows.size() == rows.size());
    const int oldCount = FGrid.RowCount();
    const int newCount = oldCount + static_cast<int>(rows.size());
    FGrid.SetRowCount(newCount);
    // From the end upwards every row from the first restored one on is written once, either
    // from the restored rows or from the row on show it replaces, so nothing is left behind.
    int source = oldCount - 1;
    int next = static_cast<int>(rows.size()) - 1;
    for (int row = newCount - 1; row >= displayRows.front(); --row) {
        if (next >= 0 && displayRows[next] == row)
            WriteRow(row, rows[next--]);
        else
            CopyRow(source--, row);
    }
    assert(next < 0);
}

// The base grid frees cell properties the same way when their cells leave it.
void TBaseGridRowMover::FreeObject(TObject* object) {
    if (auto* props = dynamic_cast<TCellProperties*>(object)) {
        TObject* graphic = props->GraphicObject();
        if (graphic && graphic->ClassName() == "TCellGraphic")
            delete graphic;
    }
    delete object;
}
