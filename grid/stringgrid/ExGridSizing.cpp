// Column and row sizing and zoom.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::UpdateColumnSize(int ACol, int& Width) {}

void TExStringGrid::UpdateAutoColumnSize(int ACol, int& Width) {}

void TExStringGrid::ColumnHeadersChanged() {}

void TExStringGrid::InitOrigColSizes() {}

void TExStringGrid::ColumnStretchChanged(int OldColCount, int OldRowCount) {}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {}
