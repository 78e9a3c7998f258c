// The marks that belong to rows of data (picked, disabled, modified) stay with their rows when
// rows are inserted or removed above them: a mark left on its old number would land on another
// row's data.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"

#include <algorithm>
#include <functional>

namespace {

// The new place of a row after the rows Removed (ascending, distinct) left; -1 for a removed one.
int RowMarkIndexAfterRemoval(int Index, const std::vector<int>& Removed) {
    const auto it = std::lower_bound(Removed.begin(), Removed.end(), Index);
    if (it != Removed.end() && *it == Index)
        return -1;
    return Index - static_cast<int>(it - Removed.begin());
}

void RemoveRowMarkEntries(TIntList& Marks, const std::vector<int>& Removed) {
    for (auto it = Removed.rbegin(); it != Removed.rend(); ++it)
        if (*it < Marks.Count())
            Marks.Delete(*it);
}

void InsertRowMarkEntries(TIntList& Marks, int At, int Count) {
    if (At >= Marks.Count())
        return;
    for (int k = 0; k < Count; ++k)
        Marks.Insert(At, 0);
}

// The picked rows in the order they were picked, renumbered; rows that left are dropped.
void RenumberPickedRows(TIntList& Picked, const std::function<int(int)>& NewIndex) {
    for (int i = Picked.Count() - 1; i >= 0; --i) {
        const int moved = NewIndex(Picked[i]);
        if (moved < 0)
            Picked.Delete(i);
        else if (moved != Picked[i])
            Picked.SetItems(i, moved);
    }
}

} // namespace

// The row-select flags keep real rows with persistent selection; the other marks display rows.
int TExStringGrid::PickedRowMarkIndex(int ARow) const {
    if (!FMouseActions->RowSelectPersistent)
        return ARow;
    return ARow < RowCount() ? RealRowIndex(ARow) : ARow + NumHiddenRows();
}

void TExStringGrid::RowMarksFollowInsert(int At, int Count) {
    if (At < 0 || Count <= 0)
        return;
    InsertRowMarkEntries(*FModifiedRows, At, Count);
    InsertRowMarkEntries(*FEnabledRows, At, Count);
    const int picked = PickedRowMarkIndex(At);
    if (picked < static_cast<int>(FRowSelect.size()))
        FRowSelect.insert(FRowSelect.begin() + picked, static_cast<size_t>(Count), nullptr);
    RenumberPickedRows(*FSelectedRows, [&](int R) { return R < picked ? R : R + Count; });
}

void TExStringGrid::RowMarksFollowRemoval(std::vector<int> Rows) {
    std::sort(Rows.begin(), Rows.end());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
    Rows.erase(std::remove_if(Rows.begin(), Rows.end(), [](int R) { return R < 0; }), Rows.end());
    if (Rows.empty())
        return;
    RemoveRowMarkEntries(*FModifiedRows, Rows);
    RemoveRowMarkEntries(*FEnabledRows, Rows);
    std::vector<int> picked;
    for (int r : Rows)
        picked.push_back(PickedRowMarkIndex(r));
    std::sort(picked.begin(), picked.end());
    for (auto it = picked.rbegin(); it != picked.rend(); ++it)
        if (*it < static_cast<int>(FRowSelect.size()))
            FRowSelect.erase(FRowSelect.begin() + *it);
    RenumberPickedRows(*FSelectedRows, [&](int R) { return RowMarkIndexAfterRemoval(R, picked); });
}
