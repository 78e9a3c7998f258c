// Sizing columns, rows and cells to their contents, fitting the columns into the grid's width,
// and sizing the control to its cells.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CanvasStateKeeper.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "platform/ui/Screen.h"

#include <algorithm>

namespace {

// Automatic sizes keep within the grid's limits and never go below zero.
int LimitedSize(int Value, int Min, int Max) {
    return std::max(0, ClampToLimits(Value, Min, Max));
}

bool IsCheckGraphic(const TCellGraphic* Graphic) {
    if (!Graphic)
        return false;
    switch (Graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRadioButton:
        return true;
    default:
        return false;
    }
}

} // namespace

int TExStringGrid::HorzTextMargin() const {
    return XYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X;
}

int TExStringGrid::VertTextMargin() const {
    return XYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y;
}

// The sort glyph and the filter button add their room here once those features place them.
int TExStringGrid::CellButtonsWidth(int ACol, int ARow) {
    int width = 0;
    if (FControlLook && FControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, ARow))
        width += 16;
    return width;
}

void TExStringGrid::FitColumnWidth(int ACol, bool GrowOnly) {
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int realCol = RealColIndex(ACol);
    int first = 0;
    int last = RowCount() - 1;
    switch (FColumnSize->Rows) {
    case arNormal:
        first = FixedRows();
        last = RowCount() - FFixedFooters - 1;
        break;
    case arFixed:
        last = FixedRows() - 1;
        break;
    case arAll:
        break;
    }
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(ACol, r))
            continue;
        int w = GetCellGraphicSize(realCol, r).X +
                MeasureCellText(realCol, ACol, r, false, false).X + CellButtonsWidth(ACol, r);
        const TCellGraphic* graphic = GetCellGraphic(realCol, r);
        if (graphic && graphic->CellHAlign == haFull)
            w = GetCellGraphicSize(realCol, r).X - (2 * (GridLineWidth() + 1) + FXYOffset.X);
        widest = std::max(widest, w);
    }
    int newWidth = widest + HorzTextMargin() + 2 * (GridLineWidth() + 1);
    if (!GrowOnly || ColWidths(ACol) < newWidth) {
        UpdateAutoColumnSize(ACol, newWidth);
        SetColWidths(ACol, LimitedSize(newWidth, MinColWidth, MaxColWidth));
    }
}

void TExStringGrid::AutoSizeCol(int ACol, int Padding) {
    if (ACol < 0 || ACol >= ColCount())
        return;
    FitColumnWidth(ACol, SizeGrowOnly);
    if (Padding != 0)
        SetColWidths(ACol, LimitedSize(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) {
        AutoSizeCol(c, 0);
        if (Padding != 0)
            SetColWidths(c, LimitedSize(ColWidths(c) + Padding, MinColWidth, MaxColWidth));
    }
}

void TExStringGrid::FitRowHeight(int ARow, bool GrowOnly, int Padding) {
    if (ARow < 0 || ARow >= RowCount())
        return;
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int realCol = RealColIndex(c);
        if (IsYMergedCell(c, ARow) || IsIgnoredColumn(realCol))
            continue;
        const int textHeight = MeasureCellText(realCol, c, ARow, FWordWrapEx, false).Y;
        int graphicHeight = CalcGraphicSize(realCol, ARow, Padding).Y;
        const TCellGraphic* graphic = GetCellGraphic(realCol, ARow);
        if (graphic && graphic->CellVAlign == vaFull)
            graphicHeight = textHeight > 0 ? 0 : DefaultRowHeight();
        int h = textHeight + graphicHeight;
        if (IsMergedCell(c, ARow) && !IsBaseCell(c, ARow))
            h = 0;
        if (IsCheckGraphic(graphic))
            h = DefaultRowHeight();
        tallest = std::max(tallest, h);
    }
    const int height =
        tallest + VertTextMargin() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
    if (!GrowOnly || RowHeights(ARow) < height)
        SetRowHeights(ARow, LimitedSize(height, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRow(int ARow, int Padding) {
    if (ARow < 0 || ARow >= RowCount())
        return;
    FitRowHeight(ARow, SizeGrowOnly, Padding);
    if (Padding != 0)
        SetRowHeights(ARow, LimitedSize(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::SetRowLines(int ARow, int Lines, int Padding) {
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TCanvasStateKeeper keeper(canvas);
    canvas->Font()->Assign(*Font());
    GetCellColor(FixedCols(), ARow, TGridDrawState{}, canvas->Brush(), canvas->Font());
    const int lineHeight = canvas->TextHeight("gh");
    SetRowHeights(ARow, LimitedSize(Padding + Lines * (lineHeight + lineHeight / 8), MinRowHeight,
                                    MaxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
    if (RowCount() == 0)
        return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (FWordWrapEx) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(r, LimitedSize(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
        } else {
            int lines = 1;
            for (int c = 0; c < ColCount(); ++c)
                lines = std::max(lines, CountLines(Cells(RealColIndex(c), r), Multilinecells));
            SetRowLines(r, lines, Padding);
        }
    }
    UpdateScrollBarsAlways(true);
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    BeginUpdate();
    try {
        for (int c = firstCol; c < ColCount(); ++c) {
            const int realCol = RealColIndex(c);
            int width = SizeGrowOnly ? ColWidths(c) : 0;
            for (int r = firstRow; r < RowCount(); ++r) {
                const int rowHeight = RowHeights(r);
                const TPoint graphic = GetCellGraphicSize(realCol, r);
                const TPoint text = MeasureCellText(realCol, c, r, false, false);
                int cellWidth = text.X + graphic.X + PaddingX + FXYOffset.X;
                int cellHeight = text.Y + graphic.Y + PaddingY + FXYOffset.Y;
                if (!IsXMergedCell(c, r) && width < cellWidth) {
                    cellWidth = LimitedSize(cellWidth, MinColWidth, MaxColWidth);
                    if (width < cellWidth) {
                        SetColWidths(c, cellWidth);
                        width = cellWidth;
                    }
                }
                if (!IsYMergedCell(c, r) && rowHeight < cellHeight) {
                    cellHeight = LimitedSize(cellHeight, MinRowHeight, MaxRowHeight);
                    if (rowHeight < cellHeight)
                        SetRowHeights(r, cellHeight);
                }
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TExStringGrid::AutoFitColumns(bool DoFixedCells) {
    const bool vertBar = FScrollBarAlways == saVert ||
                         (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int scrollBar = vertBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    // The platform's single border always has the 3-D look.
    const int border = FBorderSingle ? 4 : 0;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    int width = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < FixedCols(); ++c)
            width -= ColWidths(c);
        for (int c = std::max(0, ColCount() - FFixedRightCols); c < ColCount(); ++c)
            width -= ColWidths(c);
    }
    int lines = Options().Contains(goVertLine)
                    ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols)
                    : 0;
    if (DoFixedCells && Options().Contains(goFixedVertLine))
        lines += FixedCols() + FFixedRightCols;
    const int target = width - scrollBar - border;
    auto rangeSum = [&] {
        int64_t sum = 0;
        for (int c = first; c <= last; ++c)
            sum += ColWidths(c);
        return sum;
    };

    if (ColCount() < 2) {
        SetColWidths(0, std::max(0, Width() - scrollBar - 5));
    } else {
        const int64_t sum = rangeSum();
        // Columns of no width have no proportions to keep.
        if (sum == target || sum <= 0)
            return;
        const double scale = static_cast<double>(target - lines) / sum;
        int64_t total = 0;
        for (int c = first; c <= last; ++c)
            total += RoundHalfEven(scale * ColWidths(c));
        const double factor = static_cast<double>(total) / sum;
        for (int c = first; c <= last; ++c)
            SetColWidths(c, std::max(0, RoundHalfEven(ColWidths(c) * factor)));
    }

    const int count = last - first + 1;
    if (count <= 0)
        return;
    int64_t rest = target - rangeSum();
    if (count >= 2 && count < rest) {
        const int64_t share = rest / count;
        for (int c = first; c <= last; ++c)
            SetColWidths(c, static_cast<int>(ColWidths(c) + share));
        rest -= count * share;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    SetColWidths(widest, static_cast<int>(std::max<int64_t>(0, ColWidths(widest) + rest)));
}

void TExStringGrid::SizeToCols() {
    int64_t sum = 0;
    for (int c = 0; c < ColCount(); ++c)
        sum += ColWidths(c);
    SetClientWidth(static_cast<int>(sum));
}

void TExStringGrid::SizeToRows() {
    int64_t sum = 0;
    for (int r = 0; r < RowCount(); ++r)
        sum += RowHeights(r);
    SetClientHeight(static_cast<int>(sum));
}

void TExStringGrid::SizeToCells() {
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    try {
        SizeToCols();
        SizeToRows();
    } catch (...) {
        SetScrollBars(bars);
        throw;
    }
    SetScrollBars(bars);
}
