// Selection: the current cell, ranges, and the disjunct row, column and cell selections with
// the modified and disabled row flags that share their technique.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"

#include <algorithm>

namespace {

void* const Flagged = reinterpret_cast<void*>(uintptr_t{1});

// The flag at Index of a list that grows on demand; false beyond it.
bool FlagAt(const std::vector<void*>& List, int Index) {
    return Index >= 0 && Index < static_cast<int>(List.size()) &&
           List[static_cast<size_t>(Index)] != nullptr;
}

void GrowTo(std::vector<void*>& List, int Index) {
    if (Index >= static_cast<int>(List.size()))
        List.resize(static_cast<size_t>(Index) + 1, nullptr);
}

} // namespace

int TExStringGrid::SelectionRowOf(int ARow) const {
    return FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent
               ? RealRowIndex(ARow)
               : ARow;
}

void TExStringGrid::RowFlagGrow(int ARow) {
    GrowTo(FRowSelect, ARow);
}

void TExStringGrid::GotoCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    SetRow(ARow);
    SetCol(ACol);
}

void TExStringGrid::EditCell(int ACol, int ARow) {
    if (CanFocus())
        SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExStringGrid::FocusCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    SetSelection(TGridRect{ACol, ARow, ACol, ARow});
}

void TExStringGrid::MoveCurrentCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    MoveCurrent(ACol, ARow, true, true);
}

void TExStringGrid::SelectRows(int RowIndex, int RCount) {
    if (RowIndex < 0 || RowIndex >= RowCount())
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount <= 0)
        return;
    if (!FMouseActions->DisjunctRowSelect()) {
        SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r)
            SetRowSelect(SelectionRowOf(r), true);
    }
    RepaintCol(0);
    FSelChange = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount) {
    if (!FMouseActions->DisjunctRowSelect() || RowIndex < 0)
        return;
    for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
        SetRowSelect(SelectionRowOf(r), false);
    FSelChange = false;
}

void TExStringGrid::SelectCols(int ColIndex, int CCount) {
    if (ColIndex < 0 || ColIndex >= ColCount() || CCount <= 0)
        return;
    CCount = std::min(CCount, ColCount() - ColIndex);
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount) {
    if (!FMouseActions->DisjunctColSelect() || ColIndex < 0)
        return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, false);
}

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
    if (std::min({FromCol, ToCol, FromRow, ToRow}) < 0 || std::max(FromCol, ToCol) >= ColCount() ||
        std::max(FromRow, ToRow) >= RowCount())
        return;
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    if (std::min({FromCol, ToCol, FromRow, ToRow}) < 0)
        return;
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::ClearRowSelect() {
    for (size_t r = 0; r < FRowSelect.size(); ++r)
        if (FRowSelect[r]) {
            FRowSelect[r] = nullptr;
            if (static_cast<int>(r) < RowCount())
                RepaintRow(static_cast<int>(r));
        }
    FSelectedRows->Clear();
}

void TExStringGrid::ClearColSelect() {
    for (size_t c = 0; c < FColSelect.size(); ++c)
        if (FColSelect[c]) {
            FColSelect[c] = nullptr;
            if (static_cast<int>(c) < ColCount())
                RepaintCol(static_cast<int>(c));
        }
}

void TExStringGrid::ClearSelectedCells() {
    FocusCell(FixedCols(), FixedRows());
    FDisjunctCells.clear();
    Invalidate();
}

bool TExStringGrid::GetRowSelect(int ARow) {
    const bool persistent = FMouseActions->RowSelectPersistent;
    if (ARow < 0 || (!persistent && ARow >= RowCount() + NumHiddenRows()))
        throw ROvoVariRodev("Invalid row " + std::to_string(ARow) + " accessed");
    if (FMouseActions->DisjunctRowSelect()) {
        RowFlagGrow(ARow);
        return FlagAt(FRowSelect, ARow);
    }
    const TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TExStringGrid::SetRowSelect(int ARow, bool Value) {
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw ROvoVariRodev("Invalid row accessed");
    bool allow = true;
    const bool stored = ARow < static_cast<int>(FRowSelect.size());
    if (!stored || FlagAt(FRowSelect, ARow) != Value)
        FireEvent(OnRowDisjunctSelect, this, ARow, Value, allow);
    if (!allow)
        return;
    RowFlagGrow(ARow);
    void*& flag = FRowSelect[static_cast<size_t>(ARow)];
    if (Value && !flag) {
        flag = Flagged;
        if (!FSelectedRows->HasValue(ARow) && ARow >= FixedRows())
            FSelectedRows->Add(ARow);
    } else if (!Value && flag) {
        flag = nullptr;
        FSelectedRows->DeleteValue(ARow);
    }
    if (ARow < RowCount())
        RepaintRow(ARow);
    FireEvent(OnRowDisjunctSelected, this, ARow);
}

bool TExStringGrid::GetColSelect(int ACol) {
    if (ACol < 0 || ACol >= ColCount())
        throw ROvoVariRodev("Invalid column accessed");
    GrowTo(FColSelect, ACol);
    return FlagAt(FColSelect, ACol);
}

void TExStringGrid::SetColSelect(int ACol, bool Value) {
    if (ACol < 0 || ACol >= ColCount())
        throw ROvoVariRodev("Invalid column accessed");
    GrowTo(FColSelect, ACol);
    void*& flag = FColSelect[static_cast<size_t>(ACol)];
    if ((flag != nullptr) == Value)
        return;
    flag = Value ? Flagged : nullptr;
    RepaintCol(ACol);
}

int TExStringGrid::RowSelectCount() {
    if (!FMouseActions->DisjunctRowSelect()) {
        const TGridRect sel = Selection();
        return std::abs(sel.Bottom - sel.Top) + 1;
    }
    const int count = std::min(RowCount() + NumHiddenRows(), static_cast<int>(FRowSelect.size()));
    return static_cast<int>(std::count_if(FRowSelect.begin(), FRowSelect.begin() + count,
                                          [](void* flag) { return flag != nullptr; }));
}

int TExStringGrid::ColSelectCount() {
    if (!FMouseActions->DisjunctColSelect()) {
        const TGridRect sel = Selection();
        return sel.Right - sel.Left + 1;
    }
    return static_cast<int>(
        std::count_if(FColSelect.begin(), FColSelect.end(), [](void* flag) { return flag; }));
}

int TExStringGrid::GetSelectedRow(int i) {
    if (i < 0)
        return -1;
    if (FMouseActions->DisjunctRowSelect())
        return i < FSelectedRows->Count() ? (*FSelectedRows)[i] : -1;
    const TGridRect sel = Selection();
    const int row = std::min(sel.Top, sel.Bottom) + i;
    return row <= std::max(sel.Top, sel.Bottom) ? row : -1;
}

TGridCoord TExStringGrid::GetSelectedCell(int i) {
    if (i < 0 || i >= static_cast<int>(FDisjunctCells.size()))
        return TGridCoord{-1, -1};
    return FDisjunctCells[static_cast<size_t>(i)];
}

bool TExStringGrid::GetSelectedCells(int i, int j) {
    if (FMouseActions->DisjunctCellSelect())
        return std::find(FDisjunctCells.begin(), FDisjunctCells.end(), TGridCoord{i, j}) !=
               FDisjunctCells.end();
    const TGridRect sel = Selection();
    return i >= std::min(sel.Left, sel.Right) && i <= std::max(sel.Left, sel.Right) &&
           j >= std::min(sel.Top, sel.Bottom) && j <= std::max(sel.Top, sel.Bottom);
}

void TExStringGrid::SetSelectedCells(int i, int j, bool Value) {
    if (i < 0 || j < 0)
        return;
    FlagDisjunctCell(TGridCoord{i, j}, Value);
}

void TExStringGrid::FlagDisjunctCell(TGridCoord Cell, bool Value) {
    const auto it = std::find(FDisjunctCells.begin(), FDisjunctCells.end(), Cell);
    const bool listed = it != FDisjunctCells.end();
    if (listed == Value)
        return;
    if (Value)
        FDisjunctCells.push_back(Cell);
    else
        FDisjunctCells.erase(it);
    RepaintCell(Cell.X, Cell.Y);
}

bool TExStringGrid::IsSelected(int ACol, int ARow) {
    if (ARow < FixedRows() || ACol < FixedCols() || ARow >= RowCount() || ACol >= ColCount())
        return false;
    if (FMouseActions->DisjunctCellSelect())
        return GetSelectedCells(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect())
        return FlagAt(FRowSelect, SelectionRowOf(ARow));
    if (FMouseActions->DisjunctColSelect())
        return FlagAt(FColSelect, ACol);
    return SelectionShown() && Selection().Contains(ACol, ARow);
}

void TExStringGrid::HideSelection() {
    if (!FSelHidden)
        FOldSelection = Selection();
    FSelHidden = true;
    SetSelectionShown(false);
}

void TExStringGrid::UnHideSelection() {
    FSelHidden = false;
    SetSelectionShown(true);
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int top = FFixedRowAlways && RowCount() == FixedRows() ? 0 : FixedRows();
    const int left = FFixedColAlways && ColCount() == FixedCols() ? 0 : FixedCols();
    SetSelection(TGridRect{left, top, left, top});
}

void TExStringGrid::SelectionToRowSelect(bool All) {
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom);
    const int bottom = std::min(std::max(sel.Top, sel.Bottom), RowCount() - FFixedFooters - 1);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= top && r <= bottom;
        if (inside || All)
            SetRowSelect(SelectionRowOf(r), inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TExStringGrid::SelectionToColSelect(bool All) {
    const TGridRect sel = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (inside || All)
            SetColSelect(c, inside);
    }
}

// --- modified and disabled rows --------------------------------------------------------------

int TExStringGrid::ModifiedRowCount() const {
    int count = 0;
    for (int i = 0; i < FModifiedRows->Count(); ++i)
        count += (*FModifiedRows)[i] == 1 ? 1 : 0;
    return count;
}

bool TExStringGrid::GetRowModified(int ARow) const {
    return ARow >= 0 && ARow < FModifiedRows->Count() && (*FModifiedRows)[ARow] == 1;
}

void TExStringGrid::SetRowModified(int ARow, bool Value) {
    if (ARow < 0)
        return;
    while (FModifiedRows->Count() <= ARow)
        FModifiedRows->Add(0);
    FModifiedRows->SetItems(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

void TExStringGrid::ClearModifiedRows() {
    FModifiedRows->Clear();
    Invalidate();
}

bool TExStringGrid::GetRowEnabled(int ARow) const {
    if (ARow < 0)
        return false;
    return ARow >= FEnabledRows->Count() || (*FEnabledRows)[ARow] == 0;
}

void TExStringGrid::SetRowEnabled(int ARow, bool Value) {
    if (ARow < 0)
        return;
    if (ARow == Row()) {
        // The current row does not stay on a row that may be disabled.
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && GetRowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    FUseEnabledRows = true;
    while (FEnabledRows->Count() <= ARow)
        FEnabledRows->Add(0);
    FEnabledRows->SetItems(ARow, Value ? 0 : 1);
    if (ARow < RowCount())
        RepaintRow(ARow);
}
