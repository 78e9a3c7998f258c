// Clipboard and drag and drop of cells.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::SetPastedCell(int ACol, int ARow, const std::string& Value) {}

void TExStringGrid::RowsPasted(int FromRow, int RCount) {}

bool TExStringGrid::AllowFmtClipboard() {
    return false;
}
