// Hints and balloons.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::StartBalloons() {}

void TExStringGrid::EndBalloons() {}
