// Keyboard handling.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::GotoFirstRow() {}

bool TExStringGrid::HasCellBorders() {
    return false;
}

void TExStringGrid::NavigateFromEditor(bool Backward) {}

bool TExStringGrid::IsOnLastDataRow() {
    return false;
}

void TExStringGrid::AutoAddRow() {}
