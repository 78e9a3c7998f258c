#include "platform/ui/StringGridControl.h"

#include "platform/ui/StringGridControlScrollBars.h"

#include <algorithm>
#include <limits>

int TStringGrid::ClientWidth() const {
    return std::max(0, Width() - (FScrollBarsImpl ? FScrollBarsImpl->VerticalWidth() : 0));
}

int TStringGrid::ClientHeight() const {
    return std::max(0, Height() - (FScrollBarsImpl ? FScrollBarsImpl->HorizontalHeight() : 0));
}

int TStringGrid::GridWidth() const {
    return ClampToPixels(FCols.Total(FGridLineWidth));
}

int TStringGrid::GridHeight() const {
    return ClampToPixels(FRows.Total(FGridLineWidth));
}

int TStringGrid::FixedWidth() const {
    return ClampToPixels(FCols.Offset(FFixedCols, FGridLineWidth));
}

int TStringGrid::FixedHeight() const {
    return ClampToPixels(FRows.Offset(FFixedRows, FGridLineWidth));
}

// Start of a cell in client coordinates: fixed cells from the edge, the others scrolled so
// that the top-left cell starts right after the fixed area.
int64_t TStringGrid::ColStart(int ACol) const {
    if (ACol < FFixedCols)
        return FCols.Offset(ACol, FGridLineWidth);
    return FixedWidth() + FCols.Offset(ACol, FGridLineWidth) -
           FCols.Offset(FTopLeft.X, FGridLineWidth);
}

int64_t TStringGrid::RowStart(int ARow) const {
    if (ARow < FFixedRows)
        return FRows.Offset(ARow, FGridLineWidth);
    return FixedHeight() + FRows.Offset(ARow, FGridLineWidth) -
           FRows.Offset(FTopLeft.Y, FGridLineWidth);
}

TRect TStringGrid::CellRect(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return {};
    if ((ACol >= FFixedCols && ACol < FTopLeft.X) || (ARow >= FFixedRows && ARow < FTopLeft.Y))
        return {};
    const int64_t left = ColStart(ACol);
    const int64_t top = RowStart(ARow);
    if (left >= ClientWidth() || top >= ClientHeight())
        return {};
    return Rect(ClampToPixels(left), ClampToPixels(top), ClampToPixels(left + FCols.Size(ACol)),
                ClampToPixels(top + FRows.Size(ARow)));
}

namespace {
// The cell of one axis under a client position: fixed cells first, then the scrolled ones.
int CellAt(const TGridAxis& axis, int position, int fixedCount, int fixedSize, int first, int gap) {
    if (position < 0)
        return -1;
    if (position < fixedSize)
        return axis.IndexAt(position, gap);
    const int index = axis.IndexAt(position - fixedSize + axis.Offset(first, gap), gap);
    return index >= fixedCount ? index : -1;
}
} // namespace

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    ACol = -1;
    ARow = -1;
    if (X < 0 || Y < 0 || X >= ClientWidth() || Y >= ClientHeight())
        return;
    ACol = CellAt(FCols, X, FFixedCols, FixedWidth(), FTopLeft.X, FGridLineWidth);
    ARow = CellAt(FRows, Y, FFixedRows, FixedHeight(), FTopLeft.Y, FGridLineWidth);
}

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
    TGridCoord coord;
    MouseToCell(X, Y, coord.X, coord.Y);
    if (coord.X < 0 || coord.Y < 0)
        coord = {-1, -1};
    return coord;
}

// Index of the first scrollable entry that does not fit when `first` is the top-left one.
int TStringGrid::LastFullyVisible(const TGridAxis& axis, int first, int fixedSize,
                                  int clientSize) const {
    const int64_t end = axis.Offset(first, FGridLineWidth) + clientSize - fixedSize;
    const int beyond = axis.IndexAt(end, FGridLineWidth);
    return beyond < 0 ? axis.Count() : beyond;
}

int TStringGrid::VisibleColCount() const {
    if (FFixedCols >= ColCount())
        return 0;
    const int beyond = LastFullyVisible(FCols, FTopLeft.X, FixedWidth(), ClientWidth());
    return std::max(1, beyond - FTopLeft.X);
}

int TStringGrid::VisibleRowCount() const {
    if (FFixedRows >= RowCount())
        return 0;
    const int beyond = LastFullyVisible(FRows, FTopLeft.Y, FixedHeight(), ClientHeight());
    return std::max(1, beyond - FTopLeft.Y);
}

// The smallest top-left index that shows the entries before `endIndex` up to its end.
int TStringGrid::TopLeftEndingAt(const TGridAxis& axis, int fixedCount, int fixedSize,
                                 int clientSize, int endIndex) const {
    const int64_t end = axis.Offset(endIndex, FGridLineWidth);
    const int64_t start = end - (clientSize - fixedSize);
    if (start <= axis.Offset(fixedCount, FGridLineWidth))
        return fixedCount;
    int index = axis.IndexAt(start, FGridLineWidth);
    if (index < 0)
        return std::max(fixedCount, axis.Count() - 1);
    if (axis.Offset(index, FGridLineWidth) < start)
        ++index;
    return std::clamp(index, fixedCount, std::max(fixedCount, axis.Count() - 1));
}

int TStringGrid::MaxLeftCol() const {
    return TopLeftEndingAt(FCols, FFixedCols, FixedWidth(), ClientWidth(), ColCount());
}

// Panels docked along the bottom edge (a search bar, a footer) cover the last rows: the view
// scrolls on until the last row clears them.
int TStringGrid::MaxTopRow() const {
    return TopLeftEndingAt(FRows, FFixedRows, FixedHeight(), ClientHeight() - BottomDockedHeight(),
                           RowCount());
}

int TStringGrid::BottomDockedHeight() const {
    int height = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (child->Visible() && child->Align() == alBottom)
            height += child->Height();
    }
    return height;
}
