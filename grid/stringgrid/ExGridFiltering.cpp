// Filtering and the filter drop-down.
#include "grid/stringgrid/ExGrid.h"

bool TExStringGrid::MatchFilter(int ARow) {
    return true;
}

std::string TExStringGrid::GetColumnFilter(int ACol) {
    return {};
}

void TExStringGrid::FilterSelect(int ItemIndex) {}

void TExStringGrid::FilterCheck() {}
