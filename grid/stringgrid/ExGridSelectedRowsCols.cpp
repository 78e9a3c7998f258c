// Removing and clearing the selected (or the not selected) rows and columns.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"

#include <algorithm>

// Persistent row selection keeps real rows; a selected row hidden now has no display row and
// is left out, so that nothing else gets removed or cleared in its place.
std::vector<int> TExStringGrid::DisjunctSelectedRows() const {
    const bool persistent = FMouseActions->RowSelectPersistent;
    std::vector<int> rows;
    for (int i = 0; i < FSelectedRows->Count(); ++i) {
        int row = (*FSelectedRows)[i];
        if (persistent) {
            if (IsHiddenRow(row))
                continue;
            row = DisplRowIndex(row);
        }
        if (row >= FixedRows() && row < RowCount())
            rows.push_back(row);
    }
    return rows;
}

std::vector<int> TExStringGrid::DisjunctSelectedCols() const {
    std::vector<int> cols;
    const int count = std::min(ColCount(), static_cast<int>(FColSelect.size()));
    for (int c = 0; c < count; ++c)
        if (FColSelect[static_cast<size_t>(c)])
            cols.push_back(c);
    return cols;
}

namespace {

// The indexes of [First, Last] that are not in Selected.
std::vector<int> Unselected(int First, int Last, std::vector<int> Selected) {
    std::sort(Selected.begin(), Selected.end());
    std::vector<int> others;
    for (int i = First; i <= Last; ++i)
        if (!std::binary_search(Selected.begin(), Selected.end(), i))
            others.push_back(i);
    return others;
}

// The indexes First to Last.
std::vector<int> Range(int First, int Last) {
    std::vector<int> indexes;
    for (int i = First; i <= Last; ++i)
        indexes.push_back(i);
    return indexes;
}

} // namespace

std::vector<int> TExStringGrid::RowsOfSelection() const {
    if (FMouseActions->DisjunctRowSelect())
        return DisjunctSelectedRows();
    return Range(Selection().Top, Selection().Bottom);
}

void TExStringGrid::RemoveSelectedRows() {
    RemoveRowsBottomUp(RowsOfSelection());
}

void TExStringGrid::RemoveUnSelectedRows() {
    RemoveRowsBottomUp(Unselected(FixedRows(), RowCount() - FFixedFooters - 1, RowsOfSelection()));
}

void TExStringGrid::HideRowsBottomUp(std::vector<int> Rows) {
    std::sort(Rows.rbegin(), Rows.rend());
    BeginUpdate();
    for (const int row : Rows) {
        const int real = RealRowIndex(row);
        HideRows(real, real);
    }
    EndUpdate();
}

void TExStringGrid::HideSelectedRows() {
    HideRowsBottomUp(RowsOfSelection());
}

void TExStringGrid::HideUnSelectedRows() {
    HideRowsBottomUp(Unselected(FixedRows(), RowCount() - FFixedFooters - 1, RowsOfSelection()));
}

// Columns go from the right, so the indexes of those left of them stay valid.
void TExStringGrid::RemoveSelectedCols() {
    std::vector<int> cols = FMouseActions->DisjunctColSelect()
                                ? DisjunctSelectedCols()
                                : Range(Selection().Left, Selection().Right);
    std::sort(cols.begin(), cols.end(), std::greater<>());
    BeginUpdate();
    for (int c : cols)
        if (c >= FixedCols())
            RemoveCols(c, 1);
    EndUpdate();
}

void TExStringGrid::RemoveUnSelectedCols() {
    const std::vector<int> selected = FMouseActions->DisjunctColSelect()
                                          ? DisjunctSelectedCols()
                                          : Range(Selection().Left, Selection().Right);
    std::vector<int> cols = Unselected(FixedCols(), ColCount() - 1, selected);
    std::sort(cols.begin(), cols.end(), std::greater<>());
    BeginUpdate();
    for (int c : cols)
        RemoveCols(c, 1);
    EndUpdate();
}

void TExStringGrid::ClearSelection() {
    BeginUpdate();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r : DisjunctSelectedRows())
            ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c : DisjunctSelectedCols())
            if (c >= FixedCols())
                ClearCols(c, 1);
    } else {
        const TGridRect selection = Selection();
        ClearRect(selection.Left, selection.Top, selection.Right, selection.Bottom);
    }
    EndUpdate();
}
