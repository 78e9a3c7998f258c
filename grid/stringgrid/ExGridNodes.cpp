// Tree rows: node rows spanning the rows below them, contracted by hiding those rows; node
// levels and the queries of the tree; expand cells.
//
// A node lives in the graphic of its column-0 cell: CellBoolean contracted, CellIndex the span
// (node row included, real rows), CellErrFrom the sub-node count, CellAngle the row it was made
// on, CellVar -1 or the sub-group column. The level of every row is its column-0 NodeLevel.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CellNode.h"
#include "platform/ui/Bitmap.h"

#include <algorithm>
#include <set>

TCellGraphic* TExStringGrid::NodeGraphic(int ARow) {
    if (ARow < 0 || ARow >= RowCount())
        return nullptr;
    TCellGraphic* graphic = GetCellGraphic(0, ARow);
    return graphic && graphic->CellType == ctNode ? graphic : nullptr;
}

bool TExStringGrid::IsNode(int ARow) {
    return NodeGraphic(ARow) != nullptr;
}

bool TExStringGrid::IsSummary(int ARow) {
    return ARow >= 0 && ARow < RowCount() && GetCellType(0, ARow) == ctSummary;
}

bool TExStringGrid::HasNodes() {
    return FNumNodes > 0;
}

int TExStringGrid::GetRowIndent(int ARow) {
    const TCellProperties* props = ExistingProperties(0, ARow);
    return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}

bool TExStringGrid::GetNodeState(int ARow) {
    const TCellGraphic* node = NodeGraphic(ARow);
    return node && node->CellBoolean;
}

int TExStringGrid::GetNodeLevel(int ARow) {
    if (!IsNode(ARow))
        return -1;
    const TCellProperties* props = ExistingProperties(0, ARow);
    return props ? props->NodeLevel() : 0;
}

int TExStringGrid::GetNodeSpan(int ARow) {
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellIndex : -1;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span) {
    if (TCellGraphic* node = NodeGraphic(ARow))
        node->CellIndex = Span;
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta) {
    if (TCellGraphic* node = NodeGraphic(ARow))
        node->CellIndex += Delta;
}

int TExStringGrid::GetSubNodeCount(int ARow) {
    const TCellGraphic* node = NodeGraphic(ARow);
    return node ? node->CellErrFrom : 0;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
    if (TCellGraphic* node = NodeGraphic(ARow))
        node->CellErrFrom += Delta;
}

int TExStringGrid::GetNodeSpanType(int ARow) {
    if (IsNode(ARow))
        return 0;
    if (ARow >= RowCount() - FFixedFooters - 1)
        return 1;
    const TCellProperties* here = ExistingProperties(0, ARow);
    const TCellProperties* next = ExistingProperties(0, ARow + 1);
    const int level = here ? here->NodeLevel() : 0;
    if (!next || next->NodeLevel() < level)
        return 1;
    return 2;
}

void TExStringGrid::SetNodeLevelOfRows(int FromRow, int ToRow, int Delta) {
    for (int r = std::max(FromRow, 0); r <= std::min(ToRow, RowCount() - 1); ++r) {
        TCellProperties* props = GetCellProperties(0, r);
        props->SetNodeLevel(std::max(0, props->NodeLevel() + Delta));
    }
}

// Every contracted node between the parent and ARow hides rows of the parent's span, so the
// parent's span on show is its span less those.
int TExStringGrid::GetParentRow(int ARow) {
    if (!HasNodes() || ARow < 0 || ARow >= RowCount())
        return -1;
    const bool node = IsNode(ARow);
    const int level = node ? GetNodeLevel(ARow) : 65535;
    int hiddenBelow = 0;
    for (int r = ARow - 1; r >= FixedRows(); --r) {
        const TCellGraphic* graphic = NodeGraphic(r);
        if (!graphic)
            continue;
        if (graphic->CellBoolean) {
            hiddenBelow += graphic->CellIndex - 1;
            continue;
        }
        if (GetNodeLevel(r) < level && ARow < r + graphic->CellIndex - hiddenBelow)
            return r;
    }
    return node ? ARow : -1;
}

void TExStringGrid::AddNode(int ARow, int Span) {
    if (ARow < 0 || IsHiddenRow(ARow))
        return;
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount() || Span < 0)
        return;
    const bool wasNode = IsNode(d);
    TCellGraphic* node = wasNode ? NodeGraphic(d) : CreateCellGraphic(0, d);
    if (!node)
        return;
    node->CellType = ctNode;
    node->CellBoolean = false;
    node->CellIndex = Span;
    node->CellAngle = d;
    node->CellErrFrom = 0;
    node->CellVar = -1;
    node->CellHAlign = haBeforeText;
    node->CellVAlign = vaCenter;
    if (!wasNode) {
        SetNodeLevelOfRows(d, d + Span - 1, 1);
        if (FNumNodes++ == 0)
            RepaintCol(0);
        // The group count of a node counts its plain rows only, so every node around this one
        // learns of it, and this one learns of the nodes already inside it.
        for (int p = d, up = GetParentRow(d); up >= 0 && up != p; p = up, up = GetParentRow(p))
            UpdateSubNodeCount(up, 1);
        for (int r = d + 1; r < std::min(d + Span, RowCount()); ++r)
            if (IsNode(r))
                UpdateSubNodeCount(d, 1);
    }
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TExStringGrid::RemoveNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow))
        return;
    const int d = DisplRowIndex(ARow);
    if (!IsNode(d))
        return;
    ExpandNode(ARow);
    const int span = GetNodeSpan(d);
    for (int p = d, up = GetParentRow(d); up >= 0 && up != p; p = up, up = GetParentRow(p))
        UpdateSubNodeCount(up, -1);
    SetNodeLevelOfRows(d, d + span - 1, -1);
    RemoveCellGraphic(0, d);
    FNumNodes = std::max(0, FNumNodes - 1);
}

void TExStringGrid::RemoveAllNodes() {
    BeginUpdate();
    ExpandAll();
    for (int r = RowCount() - 1; r >= 0; --r)
        if (IsNode(r)) {
            SetNodeLevelOfRows(r, r + GetNodeSpan(r) - 1, -1);
            RemoveCellGraphic(0, r);
        }
    FNumNodes = 0;
    EndUpdate();
}

void TExStringGrid::ContractNodeRows(int ARow) {
    const int d = DisplRowIndex(ARow);
    TCellGraphic* node = NodeGraphic(d);
    if (!node || node->CellBoolean)
        return;
    int last = ARow + node->CellIndex - 1;
    if (node->CellIndex <= 0) {
        int next = d + 1;
        while (next < RowCount() && !IsNode(next))
            ++next;
        last = next < RowCount() ? RealRowIndex(next) - 1 : TotalRowCount() - 1;
    }
    // A contracted node inside goes with the range and is expanded, so expanding this node
    // later shows its whole span open.
    const int lastShown = std::min(DisplRowIndex(last + 1), RowCount()) - 1;
    for (int r = d + 1; r <= lastShown; ++r)
        if (TCellGraphic* inner = NodeGraphic(r))
            inner->CellBoolean = false;
    node->CellBoolean = true;
    if (last > ARow)
        HideRows(ARow + 1, last);
}

void TExStringGrid::ExpandNodeRows(int ARow) {
    TCellGraphic* node = NodeGraphic(DisplRowIndex(ARow));
    if (!node || !node->CellBoolean)
        return;
    node->CellBoolean = false;
    int last = ARow + node->CellIndex - 1;
    if (node->CellIndex <= 0) {
        const int next = DisplRowIndex(ARow) + 1;
        last = next < RowCount() ? RealRowIndex(next) - 1 : TotalRowCount() - 1;
    }
    if (last > ARow)
        UnHideRows(ARow + 1, last);
}

void TExStringGrid::ContractNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow))
        return;
    HideInplaceEdit();
    BeginUpdate();
    ContractNodeRows(ARow);
    EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::ExpandNode(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow) || !IsNode(DisplRowIndex(ARow)))
        return;
    BeginUpdate();
    if (FCellNode->ExpandOne) {
        // The nodes that hold this one stay open; every other open node closes.
        std::set<int> keep{ARow};
        for (int p = DisplRowIndex(ARow), up = GetParentRow(p); up >= 0 && up != p;
             p = up, up = GetParentRow(p))
            keep.insert(RealRowIndex(up));
        std::vector<int> others;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r) && !GetNodeState(r) && !keep.count(RealRowIndex(r)))
                others.push_back(RealRowIndex(r));
        for (auto it = others.rbegin(); it != others.rend(); ++it)
            if (!IsHiddenRow(*it))
                ContractNodeRows(*it);
    }
    ExpandNodeRows(ARow);
    EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::SetNodeState(int ARow, bool Value) {
    if (!IsNode(ARow) || GetNodeState(ARow) == Value)
        return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

void TExStringGrid::ExpandAll() {
    BeginUpdate();
    // Rows shown by one node come into view below it, so one pass reaches nested nodes too.
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetNodeState(r))
            ExpandNodeRows(RealRowIndex(r));
    EndUpdate();
    CalcFooter(-1);
}

void TExStringGrid::ContractAll() {
    BeginUpdate();
    ExpandAll();
    TIntList rows(0, 0);
    for (int r = FixedRows(); r < RowCount();) {
        TCellGraphic* node = NodeGraphic(r);
        if (!node) {
            ++r;
            continue;
        }
        node->CellBoolean = true;
        const int span = std::max(node->CellIndex, 1);
        for (int k = r + 1; k < std::min(r + span, RowCount()); ++k)
            rows.Add(k);
        r += span;
    }
    if (rows.Count() > 0)
        HideRowList(rows);
    EndUpdate();
    CellControlsUpdate(false);
    CalcFooter(-1);
}

bool TExStringGrid::IsOnNodeGlyph(int ARow, int X) {
    if (!FMouseActions->PreciseNodeClick)
        return true;
    const int level = std::max(GetNodeLevel(ARow), 0);
    const int indent = FCellNode->NodeIndent();
    const bool glyph = !FCellNode->ExpandGlyph()->Empty();
    int half = 4, offset = 4;
    switch (FCellNode->NodeType()) {
    case cn3D:
        half = 6;
        offset = 0;
        break;
    case cnGlyph:
        half = glyph ? FCellNode->ExpandGlyph()->Width() / 2 : 0;
        offset = glyph ? 2 : 0;
        break;
    case cnLeaf:
        half = 8;
        offset = 2;
        break;
    case cnFlat:
    case cnXP:
        break;
    }
    return (level - 1) * indent + offset < X && X < level * indent + half;
}

// --- rows inserted into and removed from the tree ----------------------------------------------

void TExStringGrid::InsertNormalRow(int ARow) {
    const int d = ARow < 0 ? -1 : DisplRowIndex(ARow);
    if (d < 0)
        return;
    InsertRows(d, 1, true);
}

void TExStringGrid::RemoveNormalRow(int ARow) {
    RemoveRows(ARow, 1);
    FMaxRowCount = std::max(RowCount(), FMaxRowCount - 1);
}

// The new row belongs to the node of ARow (or to ARow itself when it is a node and InsertAt is
// 0): that node and every node above it grow by one row.
void TExStringGrid::InsertChildRow(int ARow, int InsertAt) {
    if (ARow < 0 || IsHiddenRow(ARow))
        return;
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount())
        return;
    const bool intoNode = IsNode(d) && InsertAt == 0;
    if (intoNode && GetNodeState(d))
        ExpandNode(ARow);
    const int at = intoNode ? d + 1 : d + InsertAt;
    int owner = intoNode ? d : GetParentRow(d);
    if (owner >= 0 && GetNodeState(owner))
        ExpandNode(RealRowIndex(owner));
    const int level = owner >= 0 ? GetNodeLevel(owner) : 0;
    InsertRows(at, 1, true);
    if (owner >= at)
        ++owner;
    for (int node = owner; node >= 0;) {
        UpdateNodeSpan(node, 1);
        const int up = GetParentRow(node);
        node = up == node ? -1 : up;
    }
    if (intoNode)
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, at, GetGridCell(c, d));
            SetGridCell(c, d, std::string());
            if (c >= 1) {
                TObject* object = GetGridObject(c, d);
                SetGridObject(c, d, nullptr);
                SetGridObject(c, at, object);
                if (auto* props = dynamic_cast<TCellProperties*>(object))
                    props->SetOwnerRow(at);
            }
        }
    if (level > 0)
        GetCellProperties(0, at)->SetNodeLevel(level);
}

void TExStringGrid::RemoveChildRow(int ARow) {
    if (ARow < 0 || IsHiddenRow(ARow))
        return;
    const int d = DisplRowIndex(ARow);
    const int parent = GetParentRow(d);
    if (parent >= 0 && parent != d) {
        for (int node = parent; node >= 0;) {
            if (GetNodeSpan(node) > 1)
                UpdateNodeSpan(node, -1);
            const int up = GetParentRow(node);
            node = up == node ? -1 : up;
        }
    }
    RemoveRowRange(d, 1);
    FMaxRowCount = std::max(RowCount(), FMaxRowCount - 1);
}

// --- expand cells -------------------------------------------------------------------------------

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
    if (ACol < 0 || ARow < 0 || ARow >= RowCount() || ACol >= TotalColCount())
        return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->CellType = ctExpand;
    graphic->CellAngle = ExpandedHeight;
    graphic->CellIndex = RowHeights(ARow);
    graphic->CellVar = false;
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::RemoveExpand(int ACol, int ARow) {
    if (HasExpand(ACol, ARow))
        RemoveCellGraphic(ACol, ARow);
}

bool TExStringGrid::ToggleExpand(int ACol, int ARow) {
    if (!HasExpand(ACol, ARow))
        return false;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    const bool expanded = !GetExpandState(ACol, ARow);
    graphic->CellVar = expanded;
    RepaintCell(RealToDisplCol(ACol), ARow);
    return expanded;
}

bool TExStringGrid::GetExpandState(int ACol, int ARow) {
    if (!HasExpand(ACol, ARow))
        return false;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    const bool* state = std::get_if<bool>(&graphic->CellVar);
    return state && *state;
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
    if (!HasExpand(ACol, ARow))
        return DefaultRowHeight();
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    const int height = Expanded ? graphic->CellAngle : graphic->CellIndex;
    // A glyph whose heights were never given keeps its row as it is instead of folding it away.
    return height > 0 ? height : RowHeights(ARow);
}
