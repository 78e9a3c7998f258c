// Selection: the current cell, ranges and disjunct cells, and the advance to the next cell.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward,
                                bool KeepOrigin, bool ShowEditor) {}
