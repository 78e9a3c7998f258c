#pragma once

#include "grid/stringgrid/GridRowMover.h"
#include "platform/ui/Object.h"

#include <cassert>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// An object that counts the live instances, so tests see what was freed and what was not.
class TCountedObject : public TObject {
public:
    explicit TCountedObject(int id) : Id(id) { ++Live; }
    ~TCountedObject() override { --Live; }
    const int Id;
    static inline int Live = 0;
};

// The display rows of a grid as a plain vector: the reference cell store for the hidden-row
// store's tests and benchmark. Its row moves are one linear pass, as a cell store's should be.
class TMemoryRowGrid : public TGridRowMover {
public:
    std::vector<TStoredRow> Rows;

    TMemoryRowGrid() = default;
    // Rows named "r0", "r1", ... in column 0, with `cols` cells each.
    TMemoryRowGrid(int rows, int cols) {
        Rows.resize(rows);
        for (int r = 0; r < rows; ++r) {
            Rows[r].Height = 20;
            Rows[r].Cells.resize(cols);
            std::string name(1, 'r');
            name.append(std::to_string(r));
            Rows[r].Cells[0].Text = std::move(name);
        }
    }
    ~TMemoryRowGrid() override {
        for (TStoredRow& row : Rows)
            for (TStoredCell& cell : row.Cells)
                delete cell.Object;
    }

    std::string Text(int displayRow, int col = 0) const {
        return Rows.at(displayRow).Cells.at(col).Text;
    }
    // Column 0 of every display row.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TStoredRow& row : Rows)
            names.push_back(row.Cells.empty() ? std::string() : row.Cells[0].Text);
        return names;
    }

    int RowCount() const override { return static_cast<int>(Rows.size()); }

    std::vector<TStoredRow> TakeRows(const std::vector<int>& displayRows) override {
        std::vector<TStoredRow> taken;
        if (displayRows.empty())
            return taken;
        std::size_t kept = displayRows.front();
        std::size_t next = 0;
        for (std::size_t row = kept; row < Rows.size(); ++row) {
            if (next < displayRows.size() && displayRows[next] == static_cast<int>(row)) {
                taken.push_back(std::move(Rows[row]));
                ++next;
            } else {
                Rows[kept++] = std::move(Rows[row]);
            }
        }
        assert(next == displayRows.size());
        Rows.resize(kept);
        ++Batches;
        return taken;
    }

    void PutRows(const std::vector<int>& displayRows, std::vector<TStoredRow> rows) override {
        if (rows.empty())
            return;
        assert(displayRows.size() == rows.size());
        const int oldCount = RowCount();
        Rows.resize(Rows.size() + rows.size());
        int source = oldCount - 1;
        int next = static_cast<int>(rows.size()) - 1;
        for (int row = RowCount() - 1; row >= displayRows.front(); --row)
            Rows[row] = next >= 0 && displayRows[next] == row ? std::move(rows[next--])
                                                              : std::move(Rows[source--]);
        assert(next < 0);
        ++Batches;
    }

    void FreeObject(TObject* object) override {
        delete object;
        ++Freed;
    }

    int Batches = 0; // batch moves made
    int Freed = 0;
};
