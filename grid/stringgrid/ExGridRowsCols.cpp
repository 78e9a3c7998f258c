// Row and column operations: insert, remove, clear, trim and swap.
#include "grid/stringgrid/ExGrid.h"

int TExStringGrid::UsedCells() {
    return 0;
}

void TExStringGrid::RemoveRowRange(int RowIndex, int RCount) {}

void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount) {}

void TExStringGrid::RemoveRows(int RowIndex, int RCount) {}

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {}

void TExStringGrid::RemoveCols(int ColIndex, int CCount) {}

void TExStringGrid::InsertCols(int ColIndex, int CCount) {}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2) {}

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {}

void TExStringGrid::ClearRows(int RowIndex, int RCount) {}
