// Numbering the cells of a column or a row.
#include "grid/stringgrid/ExGrid.h"

// Position a of the line (from Fixed + AutoNumberStart up to the last normal one) gets the
// number a - Fixed + AutoNumberOffset + 1; descending, the numbers are written from the other
// end of the normal part.
void TExStringGrid::AutoNumberLine(int Fixed, int Count, int Trailing,
                                   const std::function<void(int, int)>& Set) {
    if (Count <= 0)
        return;
    const int last = Count - Trailing - 1;
    for (int a = Fixed + AutoNumberStart; a <= last; ++a) {
        const int value = a - Fixed + AutoNumberOffset + 1;
        Set(AutoNumberDirection == sdAscending ? a : Fixed + (last - a), value);
    }
}

void TExStringGrid::AutoNumberCol(int ACol) {
    AutoNumberLine(FixedRows(), RowCount(), FFixedFooters,
                   [this, ACol](int ARow, int Value) { SetInts(ACol, ARow, Value); });
}

void TExStringGrid::AutoNumberRow(int ARow) {
    AutoNumberLine(FixedCols(), ColCount(), FFixedRightCols,
                   [this, ARow](int ACol, int Value) { SetInts(ACol, ARow, Value); });
}
