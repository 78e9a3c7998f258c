// The selection resizer: a drag from the handle at the selection's bottom-right corner grows
// the selection and fills it with the cells it started with, repeated. The copy lives in the
// grid, so the user's clipboard keeps what the user put there.
#include "grid/stringgrid/ExGrid.h"

#include <algorithm>

namespace {

// The handle is the bottom-right corner square of the selection's last cell.
constexpr int ResizerHandleSize = 6;

} // namespace

bool TExStringGrid::IsOnSelectionResizer(int X, int Y) {
    if (!FSelectionResizer || !FSelectionRectangle)
        return false;
    const TGridRect sel = Selection();
    const TRect r = CellRect(sel.Right, sel.Bottom);
    if (r.Width() <= 0 || r.Height() <= 0)
        return false;
    return X >= r.Right - ResizerHandleSize && X <= r.Right && Y >= r.Bottom - ResizerHandleSize &&
           Y <= r.Bottom;
}

void TExStringGrid::BeginSelectionResize() {
    FDropSelection = Selection();
    FResizeCopy.clear();
    for (int r = FDropSelection.Top; r <= FDropSelection.Bottom; ++r) {
        std::vector<std::string> row;
        for (int c = FDropSelection.Left; c <= FDropSelection.Right; ++c)
            row.push_back(Cells(RealColIndex(c), r));
        FResizeCopy.push_back(std::move(row));
    }
    FMouseResize = true;
}

void TExStringGrid::EndSelectionResize() {
    if (!FMouseResize)
        return;
    FMouseResize = false;
    const TGridRect sel = Selection();
    if (FResizeCopy.empty() || FResizeCopy.front().empty())
        return;
    const int rows = static_cast<int>(FResizeCopy.size());
    const int cols = static_cast<int>(FResizeCopy.front().size());
    BeginUpdate();
    for (int r = sel.Top; r <= sel.Bottom && r < RowCount(); ++r)
        for (int c = sel.Left; c <= sel.Right && c < ColCount(); ++c) {
            const int pr = ((r - sel.Top) % rows + rows) % rows;
            const int pc = ((c - sel.Left) % cols + cols) % cols;
            const int realCol = RealColIndex(c);
            if (!ReadOnly(realCol, r))
                SetCells(realCol, r, FResizeCopy[static_cast<size_t>(pr)][static_cast<size_t>(pc)]);
        }
    EndUpdate();
    NotifyCellsChanged(Rect(sel.Left, sel.Top, sel.Right, sel.Bottom));
    FResizeCopy.clear();
}

// The base grid selects from the selection's top-left corner while the mouse moves, so the
// selection grows or shrinks from there.
void TExStringGrid::PressSelectionResizer() {
    const TGridRect sel = Selection();
    BeginSelectionResize();
    SetSelection(TGridRect{sel.Right, sel.Bottom, sel.Left, sel.Top});
    SetGridState(gsSelecting);
}

void TExStringGrid::ReleaseSelectionResizer() {
    if (!FMouseResize)
        return;
    const TGridRect from = FDropSelection;
    FireEvent(OnSelectionResize, this, from, Selection());
    EndSelectionResize();
    FireEvent(OnSelectionResized, this, from, Selection());
}
