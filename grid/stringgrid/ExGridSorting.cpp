// Sorting.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::QSort() {}

void TExStringGrid::QSortIndexed() {}

void TExStringGrid::QSortGroup() {}

void TExStringGrid::QSortGroupIndexed() {}

void TExStringGrid::QUnSort() {}
