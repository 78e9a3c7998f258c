// Grouping: the rows sorted by one column, a node header row per value (and a summary row per
// group), the grouped column taken out; ungrouping puts everything back. Group statistics go
// into the header or summary rows.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CellNode.h"
#include "grid/stringgrid/Grouping.h"

#include <algorithm>
#include <vector>

namespace {

struct TGroupRange {
    std::string Value;
    int First = 0; // first data row
    int Count = 0;
};

// The column a header shows its value in: the first normal column once the grouped column is
// out (the second while it is column 1 and still in).
int HeaderValueColumn(int GroupColumn) {
    return GroupColumn == 1 ? 2 : 1;
}

} // namespace

void TExStringGrid::SetGroupColumn(int Value) {
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TExStringGrid::ApplyGroupColours(int ARow, bool Header) {
    const TColor from = Header ? FGrouping->HeaderColor : FGrouping->SummaryColor;
    const TColor to = Header ? FGrouping->HeaderColorTo : FGrouping->SummaryColorTo;
    const TColor text = Header ? FGrouping->HeaderTextColor : FGrouping->SummaryTextColor;
    for (int c = 0; c < TotalColCount(); ++c) {
        if (from != clNone)
            SetColors(c, ARow, ColorToRGB(from));
        if (to != clNone)
            SetColorsTo(c, ARow, ColorToRGB(to));
        if (text != clNone)
            SetFontColors(c, ARow, ColorToRGB(text));
    }
}

void TExStringGrid::MergeGroupRow(int ARow, bool Header) {
    if (ColCount() > 2)
        MergeCells(1, ARow, ColCount() - 1, 1);
    ApplyGroupColours(ARow, Header);
}

void TExStringGrid::Group(int ColIndex) {
    // Column 0 holds the tree: it cannot be the grouped column.
    if (ColIndex < std::max(FixedCols(), 1) || ColIndex >= TotalColCount())
        return;
    if (FGroupColumn > 0)
        UnGroup();
    if (RowCount() - FixedRows() - FFixedFooters <= 0)
        return;

    BeginUpdate();
    FIsGrouping = true;
    struct TEnd {
        TExStringGrid& Grid;
        ~TEnd() {
            Grid.FIsGrouping = false;
            Grid.EndUpdate();
        }
    } end{*this};
    FGroupColumn = ColIndex;
    FGroupWidth = AllColWidths(ColIndex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : std::string();
    FGroupFooter = FFixedFooters > 0 ? GetGridCell(ColIndex, RowCount() - 1) : std::string();
    if (FSortSettings->AutoSortForGrouping) {
        FSortSettings->Column = ColIndex;
        QSort();
    }

    std::vector<TGroupRange> groups;
    const int lastNormal = RowCount() - 1 - FFixedFooters;
    for (int r = FixedRows(); r <= lastNormal; ++r) {
        std::string value = GetGridCell(ColIndex, r);
        if (groups.empty() || groups.back().Value != value)
            groups.push_back({std::move(value), r, 0});
        ++groups.back().Count;
    }
    // From the last group up, so the rows of the groups above keep their places.
    const bool summary = FGrouping->Summary;
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        if (summary) {
            InsertRows(g->First + g->Count, 1, true);
            if (TCellGraphic* mark = CreateCellGraphic(0, g->First + g->Count))
                mark->CellType = ctSummary;
        }
        InsertRows(g->First, 1, true);
        SetGridCell(HeaderValueColumn(ColIndex), g->First, g->Value);
    }
    int header = FixedRows();
    for (const TGroupRange& g : groups) {
        AddNode(RealRowIndex(header), g.Count + 1);
        if (!FGrouping->MergeHeader)
            ApplyGroupColours(header, true);
        if (summary && !FGrouping->MergeSummary)
            ApplyGroupColours(header + g.Count + 1, false);
        header += g.Count + 1 + (summary ? 1 : 0);
    }
    RemoveCols(ColIndex, 1);
    header = FixedRows();
    for (const TGroupRange& g : groups) {
        if (FGrouping->MergeHeader)
            MergeGroupRow(header, true);
        if (summary && FGrouping->MergeSummary)
            MergeGroupRow(header + g.Count + 1, false);
        header += g.Count + 1 + (summary ? 1 : 0);
    }
    if (FCellNode->ExpandOne && !groups.empty())
        ExpandNode(RealRowIndex(FixedRows()));
    if (Col() >= ColCount() || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows(), true);
    if (FixedRows() < RowCount())
        SetRow(FixedRows());
}

void TExStringGrid::UnGroup() {
    if (FGroupColumn <= 0)
        return;
    SubUnGroup();
    const bool expandOne = FCellNode->ExpandOne;
    FCellNode->ExpandOne = false;
    BeginUpdate();
    struct TEnd {
        TExStringGrid& Grid;
        bool ExpandOne;
        ~TEnd() {
            Grid.FCellNode->ExpandOne = ExpandOne;
            Grid.EndUpdate();
        }
    } end{*this, expandOne};
    ExpandAll();
    const int column = FGroupColumn;
    InsertCols(column, 1);
    SetAllColWidths(column, FGroupWidth);
    if (FixedRows() > 0)
        SetGridCell(column, 0, FGroupCaption);
    if (FFixedFooters > 0)
        SetGridCell(column, RowCount() - 1, FGroupFooter);

    std::string value;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters;) {
        if (IsNode(r)) {
            value = GetGridCell(HeaderValueColumn(column), r);
            const int span = GetNodeSpan(r);
            if (FGrouping->Summary && IsSummary(r + span)) {
                SplitCells(1, r + span);
                RemoveRows(r + span, 1);
            }
            SetNodeLevelOfRows(r, r + span - 1, -1);
            SplitCells(1, r);
            RemoveRows(r, 1);
            FNumNodes = std::max(0, FNumNodes - 1);
            continue;
        }
        if (IsSummary(r)) {
            SplitCells(1, r);
            RemoveRows(r, 1);
            continue;
        }
        SetGridCell(column, r, value);
        ++r;
    }
    FGroupColumn = -1;
    Invalidate();
}

// A sub-group header is a child row of its group; its value stands in the column right of the
// sub-grouped column, whose texts are cleared meanwhile and written back by SubUnGroup.
void TExStringGrid::CloseSubGroup(int Header, int End, int ColIndex) {
    if (Header < 0 || IsNode(Header) || IsSummary(Header) || End <= Header)
        return;
    AddNode(RealRowIndex(Header), End - Header);
    if (TCellGraphic* node = NodeGraphic(Header))
        node->CellVar = ColIndex;
}

void TExStringGrid::SubGroup(int ColIndex) {
    if (ColIndex < std::max(FixedCols(), 1) || ColIndex + 1 >= TotalColCount() ||
        FGroupColumn <= 0 || FSubGroupColumn >= 0)
        return;
    BeginUpdate();
    struct TEnd {
        TExStringGrid& Grid;
        ~TEnd() { Grid.EndUpdate(); }
    } end{*this};
    FSubGroupColumn = ColIndex;
    int header = -1;
    std::string previous;
    int r = FixedRows() + 1;
    for (; r < RowCount() - FFixedFooters; ++r) {
        if (IsNode(r) || IsSummary(r)) {
            CloseSubGroup(header, r, ColIndex);
            header = -1;
            continue;
        }
        const std::string value = GetCellEx(ColIndex, r);
        if (header < 0 || value != previous) {
            CloseSubGroup(header, r, ColIndex);
            InsertChildRow(RealRowIndex(r), 0);
            header = r;
            SetGridCell(ColIndex + 1, header, value);
            if (FGrouping->MergeHeader && ColCount() - ColIndex - 1 > 1) {
                MergeCells(ColIndex + 1, header, ColCount() - ColIndex - 1, 1);
                ApplyGroupColours(header, true);
            } else if (!FGrouping->MergeHeader) {
                ApplyGroupColours(header, true);
            }
            previous = value;
            ++r;
        }
        SetGridCell(ColIndex, r, std::string());
    }
    CloseSubGroup(header, r, ColIndex);
    if (FixedRows() < RowCount())
        SetRow(FixedRows());
}

void TExStringGrid::SubUnGroup() {
    const int column = FSubGroupColumn;
    if (column < 0)
        return;
    ExpandAll();
    std::string value;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters;) {
        const TCellGraphic* node = NodeGraphic(r);
        const int* nodeColumn = node ? std::get_if<int>(&node->CellVar) : nullptr;
        if (nodeColumn && *nodeColumn == column) {
            value = GetGridCell(column + 1, r);
            SetNodeLevelOfRows(r, r + GetNodeSpan(r) - 1, -1);
            SplitCells(column + 1, r);
            RemoveCellGraphic(0, r);
            FNumNodes = std::max(0, FNumNodes - 1);
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!node && !IsSummary(r))
            SetGridCell(column, r, value);
        ++r;
    }
    FSubGroupColumn = -1;
}

// --- group statistics ---------------------------------------------------------------------------

double TExStringGrid::GroupValue(int ColIndex, int FromRow, int ToRow, int Method) {
    switch (Method) {
    case 1:
        return ColumnSum(ColIndex, FromRow, ToRow);
    case 2:
        return ColumnAvg(ColIndex, FromRow, ToRow);
    case 3:
        return ColumnMin(ColIndex, FromRow, ToRow);
    case 4:
        return ColumnMax(ColIndex, FromRow, ToRow);
    case 6:
        return GroupCustomColumnCalc(ColIndex, FromRow, ToRow);
    case 7:
        return ColumnDistinct(ColIndex, FromRow, ToRow);
    case 8:
        return ColumnStdDev(ColIndex, FromRow, ToRow);
    default:
        return 0;
    }
}

void TExStringGrid::GroupCalc(int ColIndex, int Method) {
    if (ColIndex < 0 || ColIndex >= TotalColCount())
        return;
    for (int r = FixedRows(); r < RowCount();) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int span = std::max(GetNodeSpan(r), 1);
        const int target = FGrouping->Summary ? r + span : r;
        if (target < RowCount()) {
            if (Method == 5)
                SetInts(ColIndex, target, span - 1);
            else
                SetFloats(ColIndex, target, GroupValue(ColIndex, r + 1, r + span - 1, Method));
        }
        r += span;
    }
}

void TExStringGrid::GroupSum(int ColIndex) {
    GroupCalc(ColIndex, 1);
}

void TExStringGrid::GroupAvg(int ColIndex) {
    GroupCalc(ColIndex, 2);
}

void TExStringGrid::GroupMin(int ColIndex) {
    GroupCalc(ColIndex, 3);
}

void TExStringGrid::GroupMax(int ColIndex) {
    GroupCalc(ColIndex, 4);
}

void TExStringGrid::GroupCount(int ColIndex) {
    GroupCalc(ColIndex, 5);
}

void TExStringGrid::GroupCustomCalc(int ColIndex) {
    GroupCalc(ColIndex, 6);
}

void TExStringGrid::GroupDistinct(int ColIndex) {
    GroupCalc(ColIndex, 7);
}

void TExStringGrid::GroupStdDev(int ColIndex) {
    GroupCalc(ColIndex, 8);
}
