// Hidden columns: their cells stay in the cell store, addressed by real column; the grid's
// column count and widths leave them out, and the hidden-column marks map between the two.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/BaseGridColumnHider.h"
#include "grid/stringgrid/HiddenColumnSet.h"

int TExStringGrid::RealColIndex(int ACol) const {
    return FHiddenColumns->RealColIndex(ACol);
}

int TExStringGrid::DisplColIndex(int ACol) {
    return RealToDisplCol(ACol);
}

int TExStringGrid::RealToDisplCol(int ACol) const {
    return FHiddenColumns->DisplColIndex(ACol);
}

bool TExStringGrid::IsHiddenColumn(int ColIndex) const {
    return FHiddenColumns->IsHiddenColumn(ColIndex);
}

// Asked while the grid is built and freed, when the marks may not exist.
int TExStringGrid::NumHiddenColumns() const {
    return FHiddenColumns ? FHiddenColumns->Count() : 0;
}

void TExStringGrid::HideColumns(int FromCol, int ToCol) {
    const int oldCount = ColCount();
    TBaseGridColumnHider(*this, *FHiddenColumns).HideColumns(FromCol, ToCol);
    ColumnsOnShowChanged(oldCount);
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol) {
    const int oldCount = ColCount();
    TBaseGridColumnHider(*this, *FHiddenColumns).UnHideColumns(FromCol, ToCol);
    ColumnsOnShowChanged(oldCount);
}

void TExStringGrid::UnHideColumnsAll() {
    UnHideColumns(0, TotalColCount() - 1);
}

// The hider sets the platform grid's count; the frame's own setter adds what follows a new
// column count (fixed-column minimum, footer, scroll bars).
void TExStringGrid::ColumnsOnShowChanged(int OldColCount) {
    if (ColCount() == OldColCount)
        return;
    SetColCount(ColCount());
    CellControlsUpdate(false);
}

int TExStringGrid::AllColWidths(int i) const {
    if (IsHiddenColumn(i))
        return FHiddenColumns->KeptWidth(i);
    return ColWidths(RealToDisplCol(i));
}

void TExStringGrid::SetAllColWidths(int i, int Value) {
    if (IsHiddenColumn(i))
        FHiddenColumns->SetKeptWidth(i, Value);
    else if (i >= 0)
        SetColWidths(RealToDisplCol(i), Value);
}
