// Grouping and tree rows.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::SubGroup(int ColIndex) {}

void TExStringGrid::SubUnGroup() {}

void TExStringGrid::Group(int ColIndex) {}

void TExStringGrid::UnGroup() {}

bool TExStringGrid::IsNode(int ARow) {
    return false;
}

bool TExStringGrid::IsSummary(int ARow) {
    return false;
}

int TExStringGrid::GetParentRow(int ARow) {
    return -1;
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
    return RowHeights(ARow);
}

void TExStringGrid::InsertNormalRow(int ARow) {}

void TExStringGrid::InsertChildRow(int ARow, int Level) {}

void TExStringGrid::RemoveNormalRow(int ARow) {}

void TExStringGrid::RemoveChildRow(int ARow) {}
