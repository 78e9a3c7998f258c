#include "grid/stringgrid/BaseGridColumnLayout.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/HiddenColumnSet.h"
#include "grid/stringgrid/ListItemMove.h"

#include <algorithm>

TBaseGridColumnLayout::TBaseGridColumnLayout(TBaseGrid& grid, THiddenColumnSet& hidden)
    : FGrid(grid), FHidden(hidden) {
    const int total = FGrid.ColCount() + FHidden.Count();
    FColumns.reserve(total);
    int display = 0;
    for (int col = 0; col < total; ++col) {
        if (FHidden.IsHiddenColumn(col))
            FColumns.push_back({FHidden.KeptWidth(col), true});
        else
            FColumns.push_back({FGrid.ColWidths(display++), false});
    }
}

void TBaseGridColumnLayout::Insert(int realCol, int count, int width) {
    realCol = std::clamp(realCol, 0, Count());
    FColumns.insert(FColumns.begin() + realCol, std::max(count, 0), TColumn{width, false});
}

void TBaseGridColumnLayout::Remove(int realCol, int count) {
    if (realCol < 0 || realCol >= Count() || count <= 0)
        return;
    count = std::min(count, Count() - realCol);
    FColumns.erase(FColumns.begin() + realCol, FColumns.begin() + realCol + count);
}

void TBaseGridColumnLayout::Move(int fromRealCol, int toRealCol) {
    if (fromRealCol < 0 || toRealCol < 0 || fromRealCol >= Count() || toRealCol >= Count())
        return;
    MoveListItem(FColumns, fromRealCol, toRealCol);
}

void TBaseGridColumnLayout::Apply() {
    if (!FColumns.empty() && std::all_of(FColumns.begin(), FColumns.end(),
                                         [](const TColumn& column) { return column.Hidden; }))
        FColumns.front().Hidden = false;
    FHidden.Clear();
    int shown = 0;
    for (int col = 0; col < Count(); ++col) {
        if (FColumns[col].Hidden)
            FHidden.Hide(col, FColumns[col].Width);
        else
            ++shown;
    }
    FGrid.SetColCount(shown);
    int display = 0;
    for (const TColumn& column : FColumns)
        if (!column.Hidden)
            FGrid.SetColWidths(display++, column.Width);
}
