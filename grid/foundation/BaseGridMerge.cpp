#include "grid/foundation/BaseGrid.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

// --- merging -----------------------------------------------------------------------------------

namespace {
// A merge of one cell by one leaves the cell unmerged, so it blocks no larger area.
bool IsSingleCellArea(const TCellProperties* props) {
    return props && props->IsBaseCell() && props->CellSpanX() == 0 && props->CellSpanY() == 0;
}
} // namespace

bool TBaseGrid::AreaIsFree(int c, int r, int spanx, int spany) const {
    for (int j = r; j < r + spany; ++j)
        for (int i = c; i < c + spanx; ++i) {
            const TCellProperties* props = PropertiesOf(i, j);
            if (props && (props->CellSpanX() > 0 || props->CellSpanY() > 0))
                return false;
        }
    return true;
}

bool TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
    if (spanx < 1 || spany < 1 || c < 0 || r < 0)
        return false;
    if (int64_t{c} + spanx > TotalColCount() || int64_t{r} + spany > RowCount())
        return false;
    const TCellProperties* base = PropertiesOf(c, r);
    if (base && base->IsBaseCell() && base->CellSpanX() == spanx - 1 &&
        base->CellSpanY() == spany - 1)
        return true; // already exactly this area
    if (!AreaIsFree(c, r, spanx, spany))
        return false;
    ++FMergeCount;
    for (int j = r; j < r + spany; ++j)
        for (int i = c; i < c + spanx; ++i) {
            TCellProperties* props = GetCellProperties(i, j);
            if (IsSingleCellArea(props))
                FMergeCount = std::max(0, FMergeCount - 1); // the new area takes its place
            const bool isBase = i == c && j == r;
            props->SetIsBaseCell(isBase);
            props->SetCellSpanX(isBase ? spanx - 1 : i - c);
            props->SetCellSpanY(isBase ? spany - 1 : j - r);
        }
    RepaintCell(c, r); // the whole area
    return true;
}

bool TBaseGrid::SplitCells(int c, int r) {
    if (!HasCellProperties(c, r))
        return false;
    const TPoint base = BaseCell(c, r);
    const TCellProperties* baseProps = PropertiesOf(base.X, base.Y);
    if (!baseProps || !baseProps->IsBaseCell() || baseProps->CellSpanX() < 0 ||
        baseProps->CellSpanY() < 0)
        return false;
    const int spanx = baseProps->CellSpanX() + 1;
    const int spany = baseProps->CellSpanY() + 1;
    for (int j = base.Y; j < base.Y + spany; ++j)
        for (int i = base.X; i < base.X + spanx; ++i)
            if (TCellProperties* props = PropertiesOf(i, j)) {
                props->SetIsBaseCell(true);
                props->SetCellSpanX(-1);
                props->SetCellSpanY(-1);
            }
    if (Parent())
        Invalidate(); // the cells repaint one by one now
    FMergeCount = std::max(0, FMergeCount - 1);
    return true;
}

// --- span queries ------------------------------------------------------------------------------

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
    if (!HasCellProperties(ACol, ARow))
        return {ACol, ARow};
    return PropertiesOf(ACol, ARow)->GetBaseCell(ACol, ARow);
}

bool TBaseGrid::FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
    const TPoint base = BaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return base.X == ACol && base.Y == ARow;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
    const TCellProperties* props =
        HasCellProperties(ACol, ARow) ? PropertiesOf(ACol, ARow) : nullptr;
    return !props || props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
    const TCellProperties* props =
        HasCellProperties(ACol, ARow) ? PropertiesOf(ACol, ARow) : nullptr;
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
    if (!HasCellProperties(ACol, ARow))
        return {0, 0};
    const TCellProperties* props = PropertiesOf(ACol, ARow);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropertiesOf(base.X, base.Y);
    if (!baseProps)
        return {0, 0};
    return {std::max(0, baseProps->CellSpanX()), std::max(0, baseProps->CellSpanY())};
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
    return CellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
    return CellSpan(ACol, ARow).Y > 0;
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
    const TPoint span = CellSpan(ACol, ARow);
    if (span.X == 0 && span.Y == 0)
        return {0, 0};
    const TPoint base = BaseCell(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const {
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const {
    int result = std::numeric_limits<int>::max();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0)
            result = std::min(result, span);
    }
    return result == std::numeric_limits<int>::max() ? RowCount() : result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
    bool seen = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0)
            continue;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
            return false;
        seen = true;
    }
    return seen;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
    bool seen = false;
    for (int r = 0; r < RowCount(); ++r) {
        const bool merged1 = CellSpan(ACol1, r).X > 0;
        const bool merged2 = CellSpan(ACol2, r).X > 0;
        if (merged1 != merged2)
            return false;
        if (!merged1)
            continue;
        if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
            return false;
        seen = true;
    }
    return seen;
}

// --- consistency -------------------------------------------------------------------------------

std::string TBaseGrid::CheckMergedAreas() const {
    std::string problem;
    auto at = [](int c, int r) {
        std::string cell = "(";
        cell.append(std::to_string(c)).append(", ").append(std::to_string(r)).append(")");
        return cell;
    };
    ForEachObject([&](int c, int r, TObject* object) {
        const auto* props = dynamic_cast<const TCellProperties*>(object);
        if (!problem.empty() || !props)
            return;
        const int sx = props->CellSpanX();
        const int sy = props->CellSpanY();
        if ((sx == -1) != (sy == -1)) {
            problem = "cell " + at(c, r) + " has only one span set";
            return;
        }
        if (sx == -1) {
            if (!props->IsBaseCell())
                problem = "unmerged cell " + at(c, r) + " is not its own base cell";
            return;
        }
        if (props->IsBaseCell()) {
            if (c + sx >= TotalColCount() || r + sy >= RowCount()) {
                problem = "area of " + at(c, r) + " leaves the grid";
                return;
            }
            for (int j = r; j <= r + sy && problem.empty(); ++j)
                for (int i = c; i <= c + sx && problem.empty(); ++i) {
                    if (i == c && j == r)
                        continue;
                    const TCellProperties* member = PropertiesOf(i, j);
                    if (!member || member->IsBaseCell() || member->CellSpanX() != i - c ||
                        member->CellSpanY() != j - r)
                        problem = "cell " + at(i, j) + " does not point to its base " + at(c, r);
                }
            return;
        }
        const TPoint base = props->GetBaseCell(c, r);
        const TCellProperties* baseProps = PropertiesOf(base.X, base.Y);
        if (sx < 0 || sy < 0 || (sx == 0 && sy == 0) || !baseProps || !baseProps->IsBaseCell() ||
            baseProps->CellSpanX() < sx || baseProps->CellSpanY() < sy)
            problem = "cell " + at(c, r) + " points to no area covering it";
    });
    return problem;
}
