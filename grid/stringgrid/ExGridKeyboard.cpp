// Keyboard handling.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::GotoFirstRow() {}

bool TExStringGrid::HasCellBorders() {
    return false;
}
