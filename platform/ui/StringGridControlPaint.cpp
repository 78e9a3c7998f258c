#include "platform/ui/StringGridControl.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/internal/NativeHost.h"

#include <QWidget>

#include <algorithm>

namespace {
// One run of cells along an axis: the fixed ones, or the scrolled ones after them.
struct TBand {
    int First;    // index of the first entry drawn at Origin
    int End;      // one past the last entry of the band
    int Origin;   // client position of entry First
    int EndPixel; // client position where the band stops
};

// The entries of a band that meet the client range [lo, hi), as [from, to).
void CellsInRange(const TGridAxis& axis, const TBand& band, int lo, int hi, int gap, int& from,
                  int& to) {
    from = to = 0;
    lo = std::max(lo, band.Origin);
    hi = std::min(hi, band.EndPixel);
    if (lo >= hi || band.First >= band.End)
        return;
    const int64_t shift = axis.Offset(band.First, gap) - band.Origin;
    const int first = axis.IndexAt(lo + shift, gap);
    if (first < 0)
        return;
    const int last = axis.IndexAt(hi - 1 + shift, gap);
    from = std::max(first, band.First);
    to = (last < 0 ? band.End : std::min(last + 1, band.End));
}
} // namespace

void TStringGrid::Paint() {
    PaintArea(Canvas()->ClipRect());
}

void TStringGrid::PaintArea(const TRect& area) {
    TRect clip;
    if (!IntersectRect(clip, area, ClientRect()))
        return;
    const TBand rowBands[2] = {{0, FFixedRows, 0, FixedHeight()},
                               {FTopLeft.Y, RowCount(), FixedHeight(), ClientHeight()}};
    const TBand colBands[2] = {{0, FFixedCols, 0, FixedWidth()},
                               {FTopLeft.X, ColCount(), FixedWidth(), ClientWidth()}};
    for (const TBand& rows : rowBands) {
        int rowFrom, rowTo;
        CellsInRange(FRows, rows, clip.Top, clip.Bottom, FGridLineWidth, rowFrom, rowTo);
        for (const TBand& cols : colBands) {
            int colFrom, colTo;
            CellsInRange(FCols, cols, clip.Left, clip.Right, FGridLineWidth, colFrom, colTo);
            for (int r = rowFrom; r < rowTo; ++r) {
                const int top = ClampToPixels(RowStart(r));
                for (int c = colFrom; c < colTo; ++c) {
                    const int left = ClampToPixels(ColStart(c));
                    PaintCell(c, r, Rect(left, top, left + FCols.Size(c), top + FRows.Size(r)));
                }
            }
        }
    }
    // The client area past the last column and row shows the grid's colour.
    const int gridRight = ClampToPixels(ColStart(ColCount()));
    const int gridBottom = ClampToPixels(RowStart(RowCount()));
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    if (gridRight < clip.Right)
        canvas->FillRect(Rect(std::max(gridRight, clip.Left), clip.Top, clip.Right, clip.Bottom));
    if (gridBottom < clip.Bottom)
        canvas->FillRect(Rect(clip.Left, std::max(gridBottom, clip.Top),
                              std::min(gridRight, clip.Right), clip.Bottom));
}

TGridDrawState TStringGrid::CellDrawState(int ACol, int ARow) const {
    if (ACol < FFixedCols || ARow < FFixedRows)
        return {gdFixed};
    TGridDrawState state;
    const bool current = ACol == FCurrent.X && ARow == FCurrent.Y;
    if (current && Focused())
        state << gdFocused;
    const bool highlightCurrent =
        FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);
    if (FSelectionShown && Selection().Contains(ACol, ARow) && (!current || highlightCurrent))
        state << gdSelected;
    if (FOptions.Contains(goRowSelect) && ARow == FCurrent.Y)
        state << gdRowSelected;
    return state;
}

void TStringGrid::PaintCell(int ACol, int ARow, const TRect& ARect) {
    TCanvas* canvas = Canvas();
    const TGridDrawState state = CellDrawState(ACol, ARow);
    const bool fixed = state.Contains(gdFixed);
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsSolid);
    if (fixed)
        canvas->Brush()->SetColor(FFixedColor);
    else if (state.Contains(gdSelected)) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
    } else
        canvas->Brush()->SetColor(Color());
    if (FDefaultDrawing)
        canvas->FillRect(ARect);
    DrawGridCell(ACol, ARow, ARect, state);
    if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect) &&
        !FEditorMode)
        canvas->DrawFocusRect(ARect);
    if (FGridLineWidth > 0)
        PaintGridLines(ARect, fixed);
}

// The lines of a cell run in the gap after its right and bottom edges.
void TStringGrid::PaintGridLines(const TRect& ARect, bool Fixed) {
    TCanvas* canvas = Canvas();
    const bool vert = FOptions.Contains(Fixed ? goFixedVertLine : goVertLine);
    const bool horz = FOptions.Contains(Fixed ? goFixedHorzLine : goHorzLine);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Fixed ? clBtnShadow : clSilver);
    const int w = FGridLineWidth;
    if (vert)
        canvas->FillRect(Rect(ARect.Right, ARect.Top, ARect.Right + w, ARect.Bottom + w));
    if (horz)
        canvas->FillRect(Rect(ARect.Left, ARect.Bottom, ARect.Right + w, ARect.Bottom + w));
}

void TStringGrid::DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (FDefaultDrawing)
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TStringGrid::DrawsOnScreen() const {
    const QWidget* widget = NativeHost::Widget(this);
    return widget->isVisible() && widget->updatesEnabled();
}

namespace {
// One past the last entry after `first` that starts before `clientSize` (fixed area included).
int ViewEnd(const TGridAxis& axis, int first, int fixedSize, int clientSize, int gap) {
    const int covering = axis.IndexAt(axis.Offset(first, gap) + clientSize - fixedSize, gap);
    return covering < 0 ? axis.Count() : std::min(covering + 1, axis.Count());
}
} // namespace

void TStringGrid::CacheView() const {
    FView.Width = Width();
    FView.Height = Height();
    FView.ColEnd = ViewEnd(FCols, FTopLeft.X, FixedWidth(), ClientWidth(), FGridLineWidth);
    FView.RowEnd = ViewEnd(FRows, FTopLeft.Y, FixedHeight(), ClientHeight(), FGridLineWidth);
    FView.Valid = true;
}

// A hidden grid (or one with drawing off) queues nothing: it paints whole when it shows.
void TStringGrid::InvalidateCellOnShow(int ACol, int ARow) {
    if (!DrawsOnScreen())
        return;
    const TRect r = CellRect(ACol, ARow);
    if (!r.IsEmpty())
        InvalidateRect(Rect(r.Left, r.Top, r.Right + FGridLineWidth, r.Bottom + FGridLineWidth));
}

void TStringGrid::InvalidateRow(int ARow) {
    if (!DrawsOnScreen())
        return;
    const TRect r = CellRect(FFixedCols > 0 ? 0 : FTopLeft.X, ARow);
    if (!r.IsEmpty())
        InvalidateRect(Rect(0, r.Top, ClientWidth(), r.Bottom + FGridLineWidth));
}

void TStringGrid::InvalidateCol(int ACol) {
    if (!DrawsOnScreen())
        return;
    const TRect r = CellRect(ACol, FFixedRows > 0 ? 0 : FTopLeft.Y);
    if (!r.IsEmpty())
        InvalidateRect(Rect(r.Left, 0, r.Right + FGridLineWidth, ClientHeight()));
}

// Invalidates the part of a cell range that is on show.
void TStringGrid::InvalidateSelection(const TGridRect& Range) {
    if (!DrawsOnScreen())
        return;
    const int left = std::max(Range.Left, FTopLeft.X);
    const int top = std::max(Range.Top, FTopLeft.Y);
    const int right = std::min(Range.Right, FTopLeft.X + VisibleColCount());
    const int bottom = std::min(Range.Bottom, FTopLeft.Y + VisibleRowCount());
    if (left > right || top > bottom)
        return;
    const TRect a = CellRect(left, top);
    const TRect b = CellRect(std::min(right, ColCount() - 1), std::min(bottom, RowCount() - 1));
    if (a.IsEmpty() || b.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect(Rect(a.Left, a.Top, b.Right + FGridLineWidth, b.Bottom + FGridLineWidth));
}
