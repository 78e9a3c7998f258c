// Hidden rows and columns: what both share, the ignored columns and the column order.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/HiddenRowStore.h"

#include <algorithm>

bool TExStringGrid::IsIgnoredColumn(int ACol) const {
    return FIgnoreColumns && FIgnoreColumns->HasValue(ACol);
}

int TExStringGrid::ColumnPosition(int ACol) const {
    if (!FColumnOrder || FColumnOrder->Count() == 0)
        return ACol;
    const int count = std::min(FColumnOrder->Count(), TotalColCount());
    int position = ACol;
    for (int p = 0; p < count; ++p)
        if ((*FColumnOrder)[p] == ACol) {
            position = p;
            break;
        }
    if (FGroupColumn != -1 && ACol >= FGroupColumn)
        --position;
    return position;
}

int TExStringGrid::ColumnAtPosition(int APos) {
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    // A position the recorded order does not reach has stayed where it was.
    if (APos < 0 || APos >= FColumnOrder->Count())
        return APos;
    int column = (*FColumnOrder)[APos];
    if (FGroupColumn != -1 && column >= FGroupColumn)
        ++column;
    return column;
}

// Each pass moves every column that stands right of its recorded place back to it; a pass that
// moves nothing ends it. The passes are bounded, so an order the columns cannot follow (more
// entries than columns) cannot keep it going.
void TExStringGrid::ResetColumnOrder() {
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    const int count = std::min(FColumnOrder->Count(), ColCount());
    for (int pass = 0; pass <= count; ++pass) {
        bool moved = false;
        for (int i = 0; i < std::min(FColumnOrder->Count(), ColCount()); ++i) {
            const int entry = (*FColumnOrder)[i];
            if (entry < 0 || entry >= i)
                continue;
            MoveColumn(i, entry);
            moved = moved || (*FColumnOrder)[i] != entry;
        }
        if (!moved)
            break;
    }
}

void TExStringGrid::SetColumnOrder() {
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder->Add(c);
}

int TExStringGrid::ColumnByHeader(const std::string& AValue) const {
    const int count = TotalColCount();
    for (int c = 0; c < count; ++c)
        if (AllCells(c, 0) == AValue)
            return c;
    return -1;
}

// --- keeping the hidden rows with the rows around them ----------------------------

void TExStringGrid::HiddenRowsFollowInsert(int ARow, int RCount) {
    FGridItems->RowsInserted(ARow, RCount);
}

void TExStringGrid::HiddenRowsFollowRemove(int ARow, int RCount) {
    FGridItems->RowsRemoved(ARow, RCount);
}
