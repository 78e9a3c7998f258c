// Column positions: each item remembers in DefIdx where its column stood when the grid was
// loaded, so that a saved order can be put back by moving columns.
#include "grid/stringgrid/ExCGrid.h"

#include <vector>

std::vector<int> TExColumnGrid::ColumnPositions() const {
    std::vector<int> positions;
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        positions.push_back(FColumnCollection->GetItem(i)->DefIdx);
    return positions;
}

// Positions come from a file: only a permutation of the item positions is applied, so that a
// damaged or foreign list can neither lose a column nor move columns without end.
bool TExColumnGrid::RestoreColumnPositions(const std::vector<int>& Positions) {
    const int count = FColumnCollection->Count();
    if (static_cast<int>(Positions.size()) != count)
        return false;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (int origin : Positions) {
        if (origin < 0 || origin >= count || seen[static_cast<size_t>(origin)])
            return false;
        seen[static_cast<size_t>(origin)] = true;
    }
    for (int j = 0; j < count; ++j)
        FColumnCollection->GetItem(Positions[static_cast<size_t>(j)])->DefIdx = j;
    FColumnCollection->ResetOrganization();
    for (int j = 0; j < count; ++j)
        FColumnCollection->GetItem(j)->DefIdx = Positions[static_cast<size_t>(j)];
    return true;
}
