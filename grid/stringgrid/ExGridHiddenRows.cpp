// Hidden rows: they leave the cell store, which holds the rows on show by display row, and live
// in the hidden-row store until they are shown again in their places.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/HiddenRowStore.h"

#include <utility>
#include <vector>

int TExStringGrid::RealRowIndex(int ARow) const {
    return FGridItems->RealRowIndex(ARow);
}

int TExStringGrid::DisplRowIndex(int ARow) const {
    return FGridItems->DisplRowIndex(ARow);
}

bool TExStringGrid::IsHiddenRow(int RowIndex) const {
    return FGridItems->IsHiddenRow(RowIndex);
}

bool TExStringGrid::IsHiddenRow(int RowIndex, TIntList*& ListHidden) const {
    if (!ListHidden) {
        ListHidden = new TIntList(0, 0);
        for (int row : FGridItems->HiddenRows())
            ListHidden->Add(row);
    }
    return ListHidden->HasValue(RowIndex);
}

// Asked while the grid is built and freed, when the store may not exist.
int TExStringGrid::NumHiddenRows() const {
    return FGridItems ? FGridItems->Count() : 0;
}

TStoredRow* TExStringGrid::HiddenRowItems(int ARealRow) const {
    TGridItem* item = FGridItems ? FGridItems->FindRow(ARealRow) : nullptr;
    return item ? &item->Row : nullptr;
}

int TExStringGrid::FilterLevel() const {
    return FGridItems->FilterLevel();
}

void TExStringGrid::SetFilterLevel(int Value) {
    FGridItems->SetFilterLevel(Value);
}

void TExStringGrid::SetTopRowEx(int Value) {
    if (Value >= FixedRows() && Value <= RowCount() - 1)
        SetTopRow(Value);
}

void TExStringGrid::SetRowEx(int Value) {
    SetRow(Value);
    if (OnRowUpdate && Row() != FOldRowSel) {
        const int oldRow = FOldRowSel;
        FOldRowSel = Row(); // first, so that a handler moving the row again is seen as a change
        OnRowUpdate(this, oldRow, Row());
    }
    // Two grids synchronised with each other stop where the rows agree.
    TBaseGrid* synced = FSyncGrid && FSyncGrid->SelectionRow ? FSyncGrid->Grid() : nullptr;
    if (!synced || synced->Row() == Row())
        return;
    if (auto* grid = dynamic_cast<TExStringGrid*>(synced))
        grid->SetRowEx(Row());
    else
        synced->SetRow(Row());
}

// --- hiding and showing ------------------------------------------------------------------------

void TExStringGrid::HideRows(int FromRow, int ToRow) {
    ChangeRowsOnShow([&] { return FGridItems->HideRows(FromRow, ToRow); });
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow) {
    if (!IsHiddenRow(FromRow))
        HideRows(FromRow, ToRow);
}

void TExStringGrid::HideRowList(const TIntList& RowList) {
    std::vector<int> rows;
    rows.reserve(RowList.Count());
    for (int i = 0; i < RowList.Count(); ++i)
        rows.push_back(RowList[i]);
    ChangeRowsOnShow([&] { return FGridItems->HideRowList(rows); });
}

void TExStringGrid::UnHideRow(int RowIndex) {
    ChangeRowsOnShow([&] { return FGridItems->UnHideRow(RowIndex); });
}

void TExStringGrid::UnHideRows(int FromRow, int ToRow) {
    ChangeRowsOnShow([&] { return FGridItems->UnHideRows(FromRow, ToRow); });
}

void TExStringGrid::UnHideRowsAll() {
    ChangeRowsOnShow([&] { return FGridItems->UnHideRowsAll(); });
}

void TExStringGrid::UnHideRowList() {
    ChangeRowsOnShow([&] { return FGridItems->UnHideRowList(); });
}

// The store moves rows through the platform grid's count, whose changes would drop the rows cut
// off by a smaller RowCount: they are set aside and run on from the new count afterwards.
void TExStringGrid::ChangeRowsOnShow(const std::function<int()>& Change) {
    HideEditor(); // its cell may move away
    TGridCellStore cutOffCells;
    std::swap(cutOffCells, FCutOffCells);
    const int cutOffRows = std::exchange(FCutOffRows, 0);
    struct TPutBack {
        TExStringGrid& Grid;
        TGridCellStore& Cells;
        int Rows;
        ~TPutBack() {
            std::swap(Cells, Grid.FCutOffCells);
            Grid.FCutOffRows = Rows;
            Grid.FCutOffFirst = Grid.RowCount();
        }
    };
    int moved = 0;
    {
        const TPutBack putBack{*this, cutOffCells, cutOffRows};
        moved = Change();
    }
    if (moved > 0)
        RowsOnShowChanged();
}

// The frame's own setter adds what follows a new row count (normal rows, footer, scroll bars),
// and the cell controls of the rows that left or came back follow them. Properties know their
// cell (they repaint it): those of rows that moved learn their new one.
void TExStringGrid::RowsOnShowChanged() {
    SetRowCount(RowCount());
    if (FHasCellProps)
        ForEachObject([](int c, int r, TObject* object) {
            if (auto* props = dynamic_cast<TCellProperties*>(object)) {
                props->SetOwnerCol(c);
                props->SetOwnerRow(r);
            }
        });
    CellControlsUpdate(false);
}
