#include "grid/foundation/BaseGrid.h"

#include <algorithm>

int TBaseGrid::FixedColsWidth() const {
    return ClampToPixels(ColsOffset(FixedCols()));
}

int TBaseGrid::FixedRowsHeight() const {
    return ClampToPixels(RowsOffset(FixedRows()));
}

TRect TBaseGrid::VirtualCellRect(int c, int r) const {
    int64_t x = ColsOffset(c);
    int64_t y = RowsOffset(r);
    if (c >= FixedCols())
        x += FixedColsWidth() - ColsOffset(LeftCol());
    if (r >= FixedRows())
        y += FixedRowsHeight() - RowsOffset(TopRow());
    return Rect(ClampToPixels(x), ClampToPixels(y), ClampToPixels(x + ColWidths(c)),
                ClampToPixels(y + RowHeights(r)));
}

TRect TBaseGrid::CellRect(int c, int r) const {
    const TCellProperties* props = HasCellProperties(c, r) ? PropertiesOf(c, r) : nullptr;
    if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
        const TPoint base = props->GetBaseCell(c, r);
        const TPoint span = CellSpan(c, r);
        const TRect first = VirtualCellRect(base.X, base.Y);
        const TRect last = VirtualCellRect(base.X + span.X, base.Y + span.Y);
        return Rect(std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                    std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom));
    }
    if (props && props->Control())
        return VirtualCellRect(c, r);
    const TRect shown = TStringGrid::CellRect(c, r);
    if (shown.IsEmpty())
        return shown;
    return Rect(shown.Left, shown.Top, shown.Left + ColWidths(c), shown.Top + RowHeights(r));
}

TPoint TBaseGrid::CellSize(int c, int r) const {
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    const TRect first = VirtualCellRect(base.X, base.Y);
    const TRect last = VirtualCellRect(base.X + span.X, base.Y + span.Y);
    return {last.Right - first.Left, last.Bottom - first.Top};
}

void TBaseGrid::RepaintCell(int c, int r) {
    if (!Parent() || !DrawsOnScreen())
        return;
    const TRect r1 = CellRect(c, r);
    if (!r1.IsEmpty())
        InvalidateRect(r1);
}
