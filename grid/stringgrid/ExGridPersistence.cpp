// Grid settings persistence.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::SaveColPositions() {}

void TExStringGrid::LoadColPositions() {}

void TExStringGrid::SaveColSizes() {}

void TExStringGrid::LoadColSizes() {}
