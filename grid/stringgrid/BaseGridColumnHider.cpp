#include "grid/stringgrid/BaseGridColumnHider.h"

#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/HiddenColumnSet.h"

#include <algorithm>
#include <vector>

int TBaseGridColumnHider::TotalColCount() const {
    return FGrid.ColCount() + FHidden.Count();
}

int TBaseGridColumnHider::HideColumns(int FromCol, int ToCol) {
    FGrid.HideEditor();
    FromCol = std::max(FromCol, 0);
    ToCol = std::min(ToCol, TotalColCount() - 1);
    const int count = FGrid.ColCount();
    std::vector<int> cols;
    std::vector<int> displays; // ascending, as the real columns are
    for (int col = FromCol; col <= ToCol && count - static_cast<int>(cols.size()) >= 2; ++col)
        if (!FHidden.IsHiddenColumn(col)) {
            cols.push_back(col);
            displays.push_back(FHidden.DisplColIndex(col));
        }
    if (cols.empty())
        return 0;
    for (std::size_t i = 0; i < cols.size(); ++i)
        FHidden.Hide(cols[i], FGrid.ColWidths(displays[i]));
    // The widths of the columns still on show close up over the hidden ones.
    int kept = displays.front();
    std::size_t next = 0;
    for (int col = displays.front(); col < count; ++col) {
        if (next < displays.size() && displays[next] == col)
            ++next;
        else
            FGrid.SetColWidths(kept++, FGrid.ColWidths(col));
    }
    FGrid.SetColCount(kept);
    FGrid.InvalidateGrid();
    return static_cast<int>(cols.size());
}

int TBaseGridColumnHider::UnHideColumns(int FromCol, int ToCol) {
    FGrid.HideEditor();
    std::vector<int> cols;
    std::vector<int> widths;
    for (int col : FHidden.HiddenColumns())
        if (col >= FromCol && col <= ToCol) {
            cols.push_back(col);
            widths.push_back(FHidden.KeptWidth(col));
        }
    if (cols.empty())
        return 0;
    for (int col : cols)
        FHidden.Show(col);
    const int oldCount = FGrid.ColCount();
    const int newCount = oldCount + static_cast<int>(cols.size());
    FGrid.SetColCount(newCount);
    // From the last column down, each display column takes either a shown column's kept width
    // or the width of the column on show that moves there.
    int source = oldCount - 1;
    int next = static_cast<int>(cols.size()) - 1;
    const int first = FHidden.DisplColIndex(cols.front());
    for (int col = newCount - 1; col >= first; --col) {
        if (next >= 0 && FHidden.DisplColIndex(cols[next]) == col)
            FGrid.SetColWidths(col, widths[next--]);
        else
            FGrid.SetColWidths(col, FGrid.ColWidths(source--));
    }
    FGrid.InvalidateGrid();
    return static_cast<int>(cols.size());
}

int TBaseGridColumnHider::UnHideColumnsAll() {
    return UnHideColumns(0, TotalColCount() - 1);
}
