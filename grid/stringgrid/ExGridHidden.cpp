// Hidden rows and columns: the mappings between real indexes (hidden rows and columns counted)
// and display indexes (only those on show). Until rows and columns can be hidden, every index
// maps to itself and the stores stay empty.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/GridItems.h"

#include <algorithm>

int TExStringGrid::RealColIndex(int ACol) const {
    return ACol;
}

int TExStringGrid::DisplColIndex(int ACol) {
    return RealToDisplCol(ACol);
}

int TExStringGrid::RealToDisplCol(int ACol) const {
    return ACol;
}

int TExStringGrid::RealRowIndex(int ARow) const {
    return ARow;
}

int TExStringGrid::DisplRowIndex(int ARow) const {
    return ARow;
}

bool TExStringGrid::IsHiddenColumn(int ColIndex) const {
    return ColIndex >= 0 && ColIndex < 512 && !FVisibleCol[ColIndex];
}

bool TExStringGrid::IsHiddenRow(int RowIndex) const {
    return FGridItems && FGridItems->FindRow(RowIndex) != nullptr;
}

int TExStringGrid::NumHiddenRows() const {
    return FGridItems ? FGridItems->Count() : 0;
}

bool TExStringGrid::IsIgnoredColumn(int ACol) const {
    return FIgnoreColumns && FIgnoreColumns->HasValue(ACol);
}

TGridRowCells* TExStringGrid::HiddenRowItems(int ARealRow) const {
    TGridItem* item = FGridItems ? FGridItems->FindRow(ARealRow) : nullptr;
    return item ? &item->Items : nullptr;
}

int TExStringGrid::ColumnPosition(int ACol) const {
    if (!FColumnOrder || FColumnOrder->Count() == 0)
        return ACol;
    const int count = std::min(FColumnOrder->Count(), TotalColCount());
    int position = ACol;
    for (int p = 0; p < count; ++p)
        if ((*FColumnOrder)[p] == ACol) {
            position = p;
            break;
        }
    if (FGroupColumn != -1 && ACol >= FGroupColumn)
        --position;
    return position;
}

void TExStringGrid::UnHideColumnsAll() {}

void TExStringGrid::SetColumnOrder() {
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder->Add(c);
}
