// Sizing by mouse: the fixed columns and rows (which the framework does not size), the veto on
// the framework's sizing, the events while sizing and the hint that shows the size.
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {
// How close to a fixed border the mouse must be to size it.
constexpr int FixedSizingMargin = 3;
// The widest a sizing hint is laid out.
constexpr int SizingHintMaxWidth = 200;
} // namespace

// The last fixed column (row) whose far border lies within the margin of Pos; -1 for none.
int TExStringGrid::FixedBorderAt(int Pos, bool Columns) const {
    const int count = Columns ? FixedCols() : FixedRows();
    int found = -1;
    int edge = 0;
    for (int i = 0; i < count; ++i) {
        const int size = Columns ? ColWidths(i) : RowHeights(i);
        if (std::abs(edge + size - Pos) < FixedSizingMargin)
            found = i;
        edge += size + GridLineWidth();
    }
    return found;
}

void TExStringGrid::UpdateFixedSizingZone(int ACol, int ARow, int X, int Y) {
    const bool cellValid = ACol >= 0 && ARow >= 0 && !Designing();
    FSizeFixed = cellValid && FMouseActions->SizeFixedCol && FixedBorderAt(X, true) >= 0;
    FSizeFixedR = cellValid && FMouseActions->SizeFixedRow && FixedBorderAt(Y, false) >= 0;
}

void TExStringGrid::StartFixedSizing(int X, int Y, bool Column) {
    if (Column) {
        FSizingFixed = true;
        FSizeFixedX = X;
        FSizingFixedCol = FixedBorderAt(X, true);
    } else {
        FSizingFixedR = true;
        FSizeFixedY = Y;
        FSizingFixedRow = FixedBorderAt(Y, false);
    }
}

void TExStringGrid::MoveFixedSizingLine(int X, int Y) {
    if (FSizingFixed)
        FSizeFixedX = X;
    if (FSizingFixedR)
        FSizeFixedY = Y;
    if (FSizingFixed || FSizingFixedR)
        Invalidate();
}

// The line where a fixed border being dragged would land, over the cells.
void TExStringGrid::DrawFixedSizingLine() {
    if (FSizingFixed)
        DrawColSizingLine(FSizeFixedX);
    if (FSizingFixedR)
        DrawRowSizingLine(FSizeFixedY);
}

// Inverted dots: they show on any cell colour.
void TExStringGrid::DrawSizingLine(TPoint From, TPoint To) {
    TCanvas* canvas = Canvas();
    TPen saved;
    saved.Assign(*canvas->Pen());
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetMode(pmNotXor);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(From.X, From.Y);
    canvas->LineTo(To.X, To.Y);
    canvas->Pen()->Assign(saved);
}

void TExStringGrid::DrawColSizingLine(int X) {
    const int bottom = RowCount() > 0 ? CellRect(0, RowCount() - 1).Bottom : 0;
    DrawSizingLine(TPoint{X, 0}, TPoint{X, std::max(Height(), bottom)});
}

void TExStringGrid::DrawRowSizingLine(int Y) {
    const int right = ColCount() > 0 ? CellRect(ColCount() - 1, 0).Right : 0;
    DrawSizingLine(TPoint{0, Y}, TPoint{std::max(Width(), right), Y});
}

// The border lands where the mouse was released; a size never goes below zero.
void TExStringGrid::FinishFixedSizing(int X, int Y) {
    if (FSizingFixed) {
        FSizeFixed = false;
        FSizingFixed = false;
        const int col = FSizingFixedCol;
        FSizingFixedCol = -1;
        if (col >= 0 && col < FixedCols()) {
            int before = 0;
            for (int i = 0; i < col; ++i)
                before += ColWidths(i);
            int width = std::max(0, X - before);
            SetColWidths(col, width);
            FireEvent(OnEndColumnSize, this, col);
            if (OnUpdateColumnSize) {
                FireEvent(OnUpdateColumnSize, this, col, width);
                width = std::max(0, width);
                if (ColWidths(col) != width)
                    SetColWidths(col, width);
            }
        }
    }
    if (FSizingFixedR) {
        FSizeFixedR = false;
        FSizingFixedR = false;
        const int row = FSizingFixedRow;
        FSizingFixedRow = -1;
        if (row >= 0 && row < FixedRows()) {
            int before = 0;
            for (int i = 0; i < row; ++i)
                before += RowHeights(i);
            SetRowHeights(row, std::max(0, Y - before));
            FireEvent(OnEndRowSize, this, row);
        }
    }
}

// The framework's sizing of a column (row) starts only when OnColumnSize (OnRowSize) allows it.
void TExStringGrid::HandleSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                      int& SizingOfs) {
    TBaseGrid::HandleSizingState(X, Y, State, Index, SizingPos, SizingOfs);
    int col = -1;
    int row = -1;
    if (State == gsColSizing && OnColumnSize) {
        MouseToCell(X - 6, Y, col, row);
        if (row >= 0 && row < FixedRows() && col >= 0) {
            bool allow = true;
            FireEvent(OnColumnSize, this, col, allow);
            if (!allow) {
                State = gsNormal;
                FSizeFixed = false;
            }
        }
    }
    if (State == gsRowSizing && OnRowSize) {
        MouseToCell(X, Y - 6, col, row);
        if (col >= 0 && col < FixedCols() && row >= 0) {
            bool allow = true;
            FireEvent(OnRowSize, this, row, allow);
            if (!allow)
                State = gsNormal;
        }
    }
}

void TExStringGrid::FireSizingEvents(int X, int Y) {
    if (FSizingFixed)
        FireEvent(OnColumnSizing, this, FSizingFixedCol, FSizeFixedX);
    if (FSizingFixedR)
        FireEvent(OnRowSizing, this, FSizingFixedRow, FSizeFixedY);
    // The framework sizes as the mouse moves: the size now is the size the release keeps.
    const int index = SizingIndex();
    if (GridState() == gsColSizing && index >= 0)
        FireEvent(OnColumnSizing, this, index, ColWidths(index));
    if (GridState() == gsRowSizing && index >= 0)
        FireEvent(OnRowSizing, this, index, RowHeights(index));
}

void TExStringGrid::ShowSizingHint(int X, int Y) {
    if (!Designing() && !HintShowSizing)
        return;
    std::string text;
    TPoint cell{0, 0};
    const int index = SizingIndex();
    if (FSizingFixed) {
        text = "cw=<b>" + std::to_string(FSizeFixedX) + "</b>";
    } else if (FSizingFixedR) {
        text = "rh=<b>" + std::to_string(FSizeFixedY) + "</b>";
    } else if (GridState() == gsColSizing && index >= 0) {
        text = "cw=<b>" + std::to_string(ColWidths(index)) + "</b>";
        cell = TPoint{index, std::max(0, Rowclicked)};
    } else if (GridState() == gsRowSizing && index >= 0) {
        text = "rh=<b>" + std::to_string(RowHeights(index)) + "</b>";
        cell = TPoint{std::max(0, Colclicked), index};
    } else {
        return;
    }
    if (!FScrollHintWnd)
        FScrollHintWnd = std::make_shared<THTMLHintWindow>(nullptr);
    FScrollHintWnd->SetColor(HintColor);
    TRect r = FScrollHintWnd->CalcHintRect(SizingHintMaxWidth, text, nullptr);
    const TPoint at = ClientToScreen(CellRect(cell.X, cell.Y).TopLeft());
    r = TRect{at.X, at.Y, at.X + r.Width(), at.Y + r.Height()};
    FScrollHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
}

void TExStringGrid::HideSizingHint() {
    if (!FScrollHintShow)
        return;
    FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}

THintWindow* TExStringGrid::SizingHintWindow() const {
    return FScrollHintWnd.get();
}
