#include "grid/stringgrid/HiddenColumnSet.h"

#include "grid/stringgrid/IndexMapping.h"

#include <algorithm>

namespace {
struct ByCol {
    template <typename T> bool operator()(const T& hidden, int col) const {
        return hidden.Col < col;
    }
};
} // namespace

std::vector<THiddenColumnSet::THiddenColumn>::const_iterator
THiddenColumnSet::Find(int realCol) const {
    const auto it = std::lower_bound(FHidden.begin(), FHidden.end(), realCol, ByCol());
    return it != FHidden.end() && it->Col == realCol ? it : FHidden.end();
}

bool THiddenColumnSet::IsHiddenColumn(int realCol) const {
    return Find(realCol) != FHidden.end();
}

int THiddenColumnSet::KeptWidth(int realCol) const {
    const auto it = Find(realCol);
    return it != FHidden.end() ? it->Width : 0;
}

std::vector<int> THiddenColumnSet::HiddenColumns() const {
    std::vector<int> cols;
    cols.reserve(FHidden.size());
    for (const THiddenColumn& hidden : FHidden)
        cols.push_back(hidden.Col);
    return cols;
}

int THiddenColumnSet::DisplColIndex(int realCol) const {
    return RealToDisplayIndex(FHidden, realCol, [](const THiddenColumn& h) { return h.Col; });
}

int THiddenColumnSet::RealColIndex(int displayCol) const {
    return DisplayToRealIndex(FHidden, displayCol, [](const THiddenColumn& h) { return h.Col; });
}

bool THiddenColumnSet::CanHide(int realCol, int totalColCount) const {
    return realCol >= 0 && realCol < totalColCount && !IsHiddenColumn(realCol) &&
           totalColCount - Count() >= 2;
}

bool THiddenColumnSet::Hide(int realCol, int width) {
    if (realCol < 0)
        return false;
    const auto it = std::lower_bound(FHidden.begin(), FHidden.end(), realCol, ByCol());
    if (it != FHidden.end() && it->Col == realCol)
        return false;
    FHidden.insert(it, THiddenColumn{realCol, width});
    return true;
}

void THiddenColumnSet::SetKeptWidth(int realCol, int width) {
    const auto it = std::lower_bound(FHidden.begin(), FHidden.end(), realCol, ByCol());
    if (it != FHidden.end() && it->Col == realCol)
        it->Width = width;
}

bool THiddenColumnSet::Show(int realCol) {
    const auto it = Find(realCol);
    if (it == FHidden.end())
        return false;
    FHidden.erase(it);
    return true;
}

void THiddenColumnSet::Clear() {
    FHidden.clear();
}

void THiddenColumnSet::ColumnsInserted(int realCol, int count) {
    if (realCol < 0 || count <= 0)
        return;
    for (THiddenColumn& hidden : FHidden)
        if (hidden.Col >= realCol)
            hidden.Col += count;
}

void THiddenColumnSet::ColumnsRemoved(int realCol, int count) {
    if (realCol < 0 || count <= 0)
        return;
    std::erase_if(FHidden, [&](const THiddenColumn& hidden) {
        return hidden.Col >= realCol && hidden.Col - realCol < count;
    });
    for (THiddenColumn& hidden : FHidden)
        if (hidden.Col >= realCol)
            hidden.Col -= count;
}

void THiddenColumnSet::ColumnMoved(int fromRealCol, int toRealCol) {
    if (fromRealCol < 0 || toRealCol < 0 || fromRealCol == toRealCol)
        return;
    // Columns between the two places shift one place towards the old place; the moved column
    // takes the new place with its mark.
    const int step = fromRealCol < toRealCol ? -1 : 1;
    const int low = std::min(fromRealCol, toRealCol);
    const int high = std::max(fromRealCol, toRealCol);
    for (THiddenColumn& hidden : FHidden) {
        if (hidden.Col == fromRealCol)
            hidden.Col = toRealCol;
        else if (hidden.Col >= low && hidden.Col <= high)
            hidden.Col += step;
    }
    std::sort(FHidden.begin(), FHidden.end(),
              [](const THiddenColumn& a, const THiddenColumn& b) { return a.Col < b.Col; });
}
