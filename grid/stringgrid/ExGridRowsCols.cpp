// Operations on rectangles of cells: clearing, trimming, colouring, merging and splitting runs
// of equal cells, finding a cell, the used and the saved range; scrolling a cell into view and
// the sizing-border hit test.
#include "grid/stringgrid/ExGrid.h"

#include "platform/core/Text.h"

#include <algorithm>

// --- keeping side stores in step ---------------------------------------------------------------

// Properties know their cell (they repaint it): after cells moved, each follows its cell.
void TExStringGrid::PropertiesFollowCells() {
    if (!FHasCellProps)
        return;
    ForEachObject([](int c, int r, TObject* object) {
        if (auto* props = dynamic_cast<TCellProperties*>(object)) {
            props->SetOwnerCol(c);
            props->SetOwnerRow(r);
        }
    });
}

// Texts emptied and properties freed, with no notification: for cells that must start empty.
void TExStringGrid::EmptyCells(int ACol1, int ARow1, int ACol2, int ARow2) {
    FreeCellPropertiesRange(ACol1, ARow1, ACol2, ARow2);
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            if (!GetGridCell(c, r).empty())
                SetGridCell(c, r, "");
}

// --- clearing ----------------------------------------------------------------------------------

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    const bool mapCols = SaveHiddenCells;
    auto storageCol = [&](int i) { return mapCols ? RealColIndex(i) : i; };
    const int top = std::max(0, ARow1);
    const int bottom = std::min(ARow2, RowCount() - 1);
    if (!ClearTextOnly) {
        if (FNilObjects) {
            // The objects were moved elsewhere: only detach them.
            for (int r = top; r <= bottom; ++r)
                for (int i = ACol1; i <= ACol2; ++i)
                    if (GetGridObject(storageCol(i), r))
                        SetGridObject(storageCol(i), r, nullptr);
        } else if (mapCols) {
            for (int i = ACol1; i <= ACol2; ++i)
                FreeCellPropertiesRange(storageCol(i), top, storageCol(i), bottom);
        } else {
            FreeCellPropertiesRange(ACol1, top, ACol2, bottom);
        }
    }
    FNilObjects = false;
    if (!Destroying())
        for (int r = top; r <= bottom; ++r)
            for (int i = std::max(0, ACol1); i <= ACol2; ++i)
                if (!GetGridCell(storageCol(i), r).empty())
                    SetGridCell(storageCol(i), r, "");
    // Cleared over the whole grid, it may forget that cells had properties, but only when none
    // is left (hidden columns and columns past the count keep theirs), or they would leak.
    if (!ClearTextOnly && ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 &&
        ARow2 >= RowCount() - 1) {
        bool anyLeft = false;
        ForEachObject([&](int, int, TObject*) { anyLeft = true; });
        FHasCellProps = anyLeft;
    }
    if (Destroying())
        return;
    NotifyCellsChanged(Rect(storageCol(ACol1), ARow1, storageCol(ACol2), ARow2));
    if (!LockUpdate())
        Invalidate();
}

void TExStringGrid::ClearRows(int RowIndex, int RCount) {
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0)
        return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount) {
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0)
        return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount) {
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0)
        return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount) {
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0)
        return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearNormalCells() {
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1,
              RowCount() - FFixedFooters - 1);
}

void TExStringGrid::Clear() {
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
}

// The cells of hidden rows are emptied too once the hidden-row store is wired into the grid.
void TExStringGrid::ClearAll() {
    Clear();
}

// --- trimming and colouring --------------------------------------------------------------------

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (int r = std::max(0, ARow1); r <= std::min(ARow2, RowCount() - 1); ++r)
        for (int i = std::max(0, ACol1); i <= ACol2; ++i) {
            const int c = SaveHiddenCells ? RealColIndex(i) : i;
            const std::string text = GetGridCell(c, r);
            if (std::string trimmed = Trim(text); trimmed != text)
                SetGridCell(c, r, trimmed);
        }
    if (!LockUpdate())
        Invalidate();
}

void TExStringGrid::TrimColumn(int ACol) {
    TrimRect(ACol, 0, ACol, RowCount() - 1);
}

void TExStringGrid::TrimRow(int ARow) {
    TrimRect(0, ARow, ColCount() - 1, ARow);
}

void TExStringGrid::TrimAll() {
    TrimRect(0, 0, ColCount() - 1, RowCount() - 1);
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

// --- merging and splitting runs of cells -------------------------------------------------------

void TExStringGrid::SplitColumnCells(int ColIndex) {
    for (int r = 0; r <= RowCount() - FFixedFooters - 2; ++r)
        if (IsYMergedCell(ColIndex, r)) {
            const int span = std::max(1, CellSpan(ColIndex, r).Y + 1);
            SplitCells(ColIndex, r);
            r += span - 1;
        }
}

void TExStringGrid::SplitRowCells(int RowIndex) {
    for (int c = 0; c <= ColCount() - FFixedRightCols - 2; ++c)
        if (IsMergedCell(c, RowIndex)) {
            const int span = std::max(1, CellSpan(c, RowIndex).X + 1);
            SplitCells(c, RowIndex);
            c += span - 1;
        }
}

void TExStringGrid::SplitAllCells() {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsBaseCell(c, r) && IsMergedCell(c, r))
                SplitCells(c, r);
}

// Runs of equal texts (case-sensitive) down the normal rows become one merged area each.
void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
    const int last = RowCount() - FFixedFooters - 1;
    int first = FixedRows();
    for (int r = FixedRows() + 1; r <= last + 1; ++r) {
        const bool goesOn = r <= last && GetGridCell(ColIndex, r) == GetGridCell(ColIndex, r - 1) &&
                            (MainMerge || RowSpanIdentical(r, r - 1));
        if (goesOn)
            continue;
        if (r - first > 1)
            MergeCells(ColIndex, first, 1, r - first);
        first = r;
    }
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
    const int last = ColCount() - FFixedRightCols - 1;
    int first = FixedCols();
    for (int c = FixedCols() + 1; c <= last + 1; ++c) {
        const bool goesOn = c <= last && GetGridCell(c, RowIndex) == GetGridCell(c - 1, RowIndex) &&
                            (MainMerge || ColSpanIdentical(c, c - 1));
        if (goesOn)
            continue;
        if (c - first > 1)
            MergeCells(first, RowIndex, c - first, 1);
        first = c;
    }
}

// --- finding and ranges ------------------------------------------------------------------------

bool TExStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) const {
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) const {
    return GetGridCell(ACol, ARow).starts_with("|\\");
}

TRect TExStringGrid::UsedCells() {
    TRect used{ColCount(), RowCount(), -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (!GetGridCell(c, r).empty()) {
                used.Left = std::min(used.Left, c);
                used.Top = std::min(used.Top, r);
                used.Right = std::max(used.Right, c);
                used.Bottom = std::max(used.Bottom, r);
            }
    return used.Right < 0 ? TRect{} : used;
}

int TExStringGrid::SaveStartCol() const {
    return SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
}

int TExStringGrid::SaveEndCol() const {
    return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TExStringGrid::SaveStartRow() const {
    return SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
}

int TExStringGrid::SaveEndRow() const {
    return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

// --- view and hit tests ------------------------------------------------------------------------

void TExStringGrid::ScrollInView(int ColIndex, int RowIndex) {
    if (ColIndex >= ColCount() || RowIndex >= RowCount() || ColIndex < 0 || RowIndex < 0)
        return;
    const int visibleCols = VisibleColCount();
    const int visibleRows = VisibleRowCount();
    int left = LeftCol();
    int top = TopRow();
    if (ColIndex >= FixedCols() && (ColIndex < left || ColIndex >= left + visibleCols)) {
        SetCol(ColIndex);
        left = std::max(FixedCols(), ColIndex - visibleCols / 2);
    }
    if (RowIndex >= FixedRows() && (RowIndex < top || RowIndex >= top + visibleRows)) {
        SetRow(RowIndex);
        top = std::max(FixedRows(), RowIndex - visibleRows / 2);
    }
    if (visibleCols < ColCount() - FixedCols())
        SetLeftCol(std::min(left, ColCount() - visibleCols + 1));
    if (visibleRows < RowCount() - FixedRows())
        SetTopRow(std::min(top, RowCount() - visibleRows + 1));
}

void TExStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) const {
    const TPoint client = ScreenToClient(pt);
    MouseToCell(client.X, client.Y, ACol, ARow);
}

bool TExStringGrid::IsOnSizingBorder(int X, int Y) const {
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return false;
    const TRect cell = TStringGrid::CellRect(col, row);
    const TGridOptions options = Options();
    bool onBorder = false;
    if (row <= FixedRows() && options.Contains(goColSizing))
        onBorder = X - cell.Left < 4 || cell.Right - X < 4;
    // In the fixed columns the row borders decide.
    if (col <= FixedCols() && options.Contains(goRowSizing))
        onBorder = Y - cell.Top <= 3 || cell.Bottom - Y <= 3;
    return onBorder;
}
