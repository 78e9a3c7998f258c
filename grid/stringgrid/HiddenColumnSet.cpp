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
