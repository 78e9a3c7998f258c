#include "grid/stringgrid/ScrollControl.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>

TScrollControl::TScrollControl(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetColor(0xC0C0C0);
}

TExStringGrid* TScrollControl::GetGrid() const {
    return dynamic_cast<TExStringGrid*>(Parent());
}

void TScrollControl::SetScrollWidth(int Value) {
    FScrollWidth = std::max(0, Value);
    Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
    FDirection = Value;
    Invalidate();
}

bool TScrollControl::HasHidden() const {
    const TExStringGrid* grid = GetGrid();
    if (!grid)
        return false;
    return Vertical() ? grid->VisibleRowCount() < grid->RowCount() - grid->FixedRows()
                      : grid->VisibleColCount() < grid->ColCount() - grid->FixedCols();
}

int TScrollControl::TrackLength() const {
    const TExStringGrid* grid = GetGrid();
    if (!grid)
        return 0;
    int length = Vertical() ? Height() : Width();
    if (Vertical()) {
        for (int r = 0; r < grid->FixedRows(); ++r)
            length -= grid->RowHeights(r);
        for (int r = std::max(0, grid->RowCount() - grid->FixedFooters()); r < grid->RowCount();
             ++r)
            length -= grid->RowHeights(r);
    } else {
        for (int c = 0; c < grid->FixedCols(); ++c)
            length -= grid->ColWidths(c);
        for (int c = std::max(0, grid->ColCount() - grid->FixedRightCols()); c < grid->ColCount();
             ++c)
            length -= grid->ColWidths(c);
    }
    return std::max(0, length);
}

int TScrollControl::TrackOffset() const {
    const TExStringGrid* grid = GetGrid();
    if (!grid)
        return 0;
    int offset = 0;
    if (Vertical())
        for (int r = 0; r < grid->FixedRows(); ++r)
            offset += grid->RowHeights(r);
    else
        for (int c = 0; c < grid->FixedCols(); ++c)
            offset += grid->ColWidths(c);
    return offset;
}

void TScrollControl::GetThumb(int& Pos, int& Len) const {
    Pos = 0;
    Len = MinThumb;
    const TExStringGrid* grid = GetGrid();
    if (!grid)
        return;
    const int track = TrackLength();
    const int count = Vertical() ? grid->RowCount() : grid->ColCount();
    const int fixed = Vertical() ? grid->FixedRows() : grid->FixedCols();
    const int first = Vertical() ? grid->TopRow() : grid->LeftCol();
    const int visible = Vertical() ? grid->VisibleRowCount() : grid->VisibleColCount();
    const int edge = Vertical() ? Height() : Width();
    Pos = TrackOffset();
    if (count - fixed > 0)
        Pos += RoundHalfEven(static_cast<double>(track) * (first - fixed) / (count - fixed));
    if (count > 0)
        Len = RoundHalfEven(static_cast<double>(track) * visible / count);
    Len = std::max(Len, MinThumb);
    if (Pos + Len > edge)
        Pos = edge - Len;
}

void TScrollControl::Paint() {
    if (!GetGrid() || !HasHidden())
        return;
    int pos = 0;
    int len = 0;
    GetThumb(pos, len);
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(Color());
    canvas->Brush()->SetColor(Color());
    if (Vertical())
        canvas->Rectangle(0, pos, FScrollWidth, pos + len);
    else
        canvas->Rectangle(pos, 0, pos + len, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    TExStringGrid* grid = GetGrid();
    if (!grid)
        return;
    int pos = 0;
    int len = 0;
    GetThumb(pos, len);
    const int at = Vertical() ? Y : X;
    if (Vertical()) {
        if (at < pos)
            grid->SetTopRow(std::max(grid->FixedRows(), grid->TopRow() - grid->VisibleRowCount()));
        else if (at > pos + len)
            grid->SetTopRow(std::min(grid->TopRow() + grid->VisibleRowCount(),
                                     grid->RowCount() - grid->VisibleRowCount()));
    } else {
        if (at < pos)
            grid->SetLeftCol(
                std::max(grid->FixedCols(), grid->LeftCol() - grid->VisibleColCount()));
        else if (at > pos + len)
            grid->SetLeftCol(std::min(grid->LeftCol() + grid->VisibleColCount(),
                                      grid->ColCount() - grid->VisibleColCount()));
    }
    if (at >= pos && at <= pos + len) {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = Vertical() ? grid->TopRow() : grid->LeftCol();
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    TExStringGrid* grid = GetGrid();
    if (!grid || !FDownOnScroller)
        return;
    const int at = Vertical() ? Y : X;
    const int span = Vertical() ? Height() - grid->RowHeights(0) : Width() - grid->ColWidths(0);
    if (span <= 0)
        return;
    const int count = Vertical() ? grid->RowCount() : grid->ColCount();
    const int fixed = Vertical() ? grid->FixedRows() : grid->FixedCols();
    const int visible = Vertical() ? grid->VisibleRowCount() : grid->VisibleColCount();
    const int moved = RoundHalfEven(static_cast<double>(at - FDownPos) / span * count);
    const int target = std::max(fixed, std::min(moved + FDownRow, count - visible));
    if (Vertical())
        grid->SetTopRow(target);
    else
        grid->SetLeftCol(target);
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
