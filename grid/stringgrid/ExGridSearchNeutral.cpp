// Operations of row selection, modified-row flags and tree rows that the search calls. Their
// features own them; these neutral bodies stand in until those are merged.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::ClearRowSelect() {}

void TExStringGrid::SetRowSelect(int, bool) {}

void TExStringGrid::ScrollAboveSearchFooter() {}
