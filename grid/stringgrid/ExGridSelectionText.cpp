// What the selection holds: counts, lists and text, the repaint of a selected range, and the
// disjunct cells that keys add and remove.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/SearchPanel.h"

#include <algorithm>

int TExStringGrid::SelectedRowCount() {
    if (FMouseActions->DisjunctRowSelect())
        return FSelectedRows->Count();
    const TGridRect sel = Selection();
    const int top = sel.Top;
    const int bottom = std::min(sel.Bottom, RowCount() - FFixedFooters - 1);
    if (IsMergedCell(sel.Left, top)) {
        const int spanY = CellSpan(sel.Left, top).Y;
        return bottom < top + spanY ? spanY + 1 : std::abs(top - bottom) + 1;
    }
    if (IsMergedCell(sel.Left, bottom))
        return std::abs(top - bottom) + CellSpan(sel.Left, bottom).Y + 1;
    return std::abs(top - bottom) + 1;
}

int TExStringGrid::SelectedColCount() {
    if (FMouseActions->DisjunctColSelect())
        return ColSelectCount();
    const TGridRect sel = Selection();
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int spanX = CellSpan(sel.Left, sel.Top).X;
        return sel.Right < sel.Left + spanX ? spanX + 1 : std::abs(sel.Left - sel.Right) + 1;
    }
    if (IsMergedCell(sel.Right, sel.Top))
        return std::abs(sel.Left - sel.Right) + CellSpan(sel.Right, sel.Top).X + 1;
    return std::abs(sel.Left - sel.Right) + 1;
}

int TExStringGrid::SelectedCellsCount() {
    if (FMouseActions->DisjunctCellSelect())
        return static_cast<int>(FDisjunctCells.size());
    // Without disjunct cells the list mirrors the selection rectangle.
    FDisjunctCells.clear();
    const TGridRect sel = Selection();
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
        FDisjunctCells.push_back(TGridCoord{Col(), Row()});
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                FDisjunctCells.push_back(TGridCoord{c, r});
    }
    return static_cast<int>(FDisjunctCells.size());
}

std::string TExStringGrid::SelectedText() {
    const TGridRect sel = Selection();
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsSelected(FixedCols(), r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    std::string text;
    for (size_t k = 0; k < rows.size(); ++k) {
        if (k > 0)
            text += "\r\n";
        for (int c = sel.Left; c <= sel.Right; ++c) {
            if (c > sel.Left)
                text += '\t';
            std::string cell = Cells(RealColIndex(c), rows[k]);
            const bool multiLine = Multilinecells && cell.find('\r') != std::string::npos;
            if (multiLine && ExcelClipboardFormat)
                cell = QuoteMultiLineField(cell);
            text += cell;
        }
    }
    return text;
}

void TExStringGrid::InvalidateGridRect(const TGridRect& R) {
    const TRect first = CellRect(R.Left, R.Top);
    const TRect last = CellRect(R.Right, R.Bottom);
    if (first.Width() <= 0 || last.Width() <= 0) {
        // A corner out of view: the range may still cross the view.
        Invalidate();
        return;
    }
    InvalidateRect(Rect(std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                        std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)));
}

bool TExStringGrid::IsLastRowAboveSearchFooter() {
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    const TRect last = CellRect(LeftCol(), RowCount() - 1);
    return last.Bottom < ClientHeight() - FSearchPanel->Height() + 2;
}

void TExStringGrid::ScrollAboveSearchFooter() {
    if (Row() <= RowCount() - 1)
        ScrollRowAboveSearchFooter(RowCount() - 1);
}

// A row in view but covered by the search footer scrolls up until it clears it; a row out of
// view is not covered and stays where it is.
void TExStringGrid::ScrollRowAboveSearchFooter(int ARow) {
    if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + FSearchPanel->Height())
        return;
    const int limit = ClientHeight() - FSearchPanel->Height() + 2;
    while (TopRow() < RowCount()) {
        const TRect cell = CellRect(LeftCol(), ARow);
        if (cell.Height() <= 0 || cell.Bottom <= limit)
            return;
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            return; // the view cannot scroll further
    }
}

// Shift with the arrows lists the range's cells; Space picks the current cell, with Ctrl added
// to the cells picked before.
void TExStringGrid::DisjunctCellsByKey(WORD Key, TShiftState Shift, const TGridRect& Before) {
    if (Shift.Contains(ssShift) && Key != VK_SPACE) {
        for (int r = Before.Top; r <= Before.Bottom; ++r)
            for (int c = Before.Left; c <= Before.Right; ++c)
                FlagDisjunctCell(TGridCoord{c, r}, false);
        const TGridRect sel = Selection();
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                if (c != Col() || r != Row())
                    FlagDisjunctCell(TGridCoord{c, r}, true);
        return;
    }
    if (Key != VK_SPACE)
        return;
    const TPoint base = BaseCell(Col(), Row());
    if (IsFixed(base.X, base.Y))
        return;
    bool canSelect = true;
    FireEvent(OnSelectCell, this, base.X, base.Y, canSelect);
    if (!canSelect)
        return;
    const TGridCoord cell{base.X, base.Y};
    if (Shift.Contains(ssCtrl)) {
        const bool listed =
            std::find(FDisjunctCells.begin(), FDisjunctCells.end(), cell) != FDisjunctCells.end();
        FlagDisjunctCell(cell, !listed);
    } else {
        const std::vector<TGridCoord> old = FDisjunctCells;
        FDisjunctCells.clear();
        for (const TGridCoord& c : old)
            RepaintCell(c.X, c.Y);
        FlagDisjunctCell(cell, true);
        const TGridRect sel = Selection();
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                FlagDisjunctCell(TGridCoord{c, r}, true);
    }
    RepaintCell(Col(), Row());
}
