// The scroll bar of a cell whose long text scrolls inside it: drawn at the cell's right edge,
// and a live bar laid over the cell the mouse is on, whose steps move the cell's text.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellDrawContext.h"
#include "platform/ui/CellScrollBar.h"

#include <algorithm>

void TExStringGrid::DrawCellScrollBar(TCellDrawContext& Ctx) {
    const TScrollProp prop = GetScrollProp(Ctx.RealCol, Ctx.Row);
    if (prop.PageSize >= prop.Range)
        return;
    TRect& r = Ctx.Rect;
    Ctx.CellScrollPosition = std::max(0, GetScrollPosition(Ctx.RealCol, Ctx.Row));
    r.Right -= TCellScrollBar::Width;
    TCellScrollBar::Paint(Ctx.Canvas,
                          TRect{r.Right, r.Top, r.Right + TCellScrollBar::Width, r.Bottom}, 0,
                          prop.Range, prop.PageSize, Ctx.CellScrollPosition);
}

void TExStringGrid::TrackCellScrollBar(int ACol, int ARow) {
    const int realCol = ACol >= 0 ? DisplToRealCol(ACol) : -1;
    const bool over = ACol >= 0 && ARow >= 0 && HasScrollBar(realCol, ARow);
    const TScrollProp prop = over ? GetScrollProp(realCol, ARow) : TScrollProp{};
    if (!over || prop.PageSize >= prop.Range) {
        if (FScrollBar)
            FScrollBar->SetVisible(false);
        return;
    }
    if (!FScrollBar)
        FScrollBar = std::make_unique<TCellScrollBar>(this, [this](int Code, int Track) {
            ScrollCellBar(FScrollCol, FScrollRow, Code, Track);
            return std::max(0, GetScrollPosition(FScrollCol, FScrollRow));
        });
    FScrollCol = realCol;
    FScrollRow = ARow;
    const TRect cell = CellRect(ACol, ARow);
    const int line = GridLineWidth();
    const TRect place{cell.Right - TCellScrollBar::Width - line, cell.Top + line, cell.Right - line,
                      cell.Bottom - line};
    if (FScrollBar->Visible() && FScrollBar->BoundsRect() == place)
        return;
    FScrollBar->Setup(0, prop.Range, prop.PageSize, std::max(0, GetScrollPosition(realCol, ARow)));
    FScrollBar->SetBoundsRect(place);
    FScrollBar->SetVisible(true);
}

// The live bar belongs to one cell: when the grid scrolls it goes along with that cell, and
// leaves with it once the cell is out of sight.
void TExStringGrid::FollowCellScrollBar() {
    if (!FScrollBar || !FScrollBar->Visible())
        return;
    const int col = RealToDisplCol(FScrollCol);
    const bool onShow =
        col >= 0 && FScrollRow >= 0 &&
        (col < FixedCols() || (col >= LeftCol() && col < LeftCol() + VisibleColCount())) &&
        (FScrollRow < FixedRows() ||
         (FScrollRow >= TopRow() && FScrollRow < TopRow() + VisibleRowCount()));
    TrackCellScrollBar(onShow ? col : -1, onShow ? FScrollRow : -1);
}
