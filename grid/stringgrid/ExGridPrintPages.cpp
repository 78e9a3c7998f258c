// The page driver: measures columns and rows on paper, fits the columns to the page, splits the
// grid into strips of columns and pages of rows, repeats fixed rows and columns, fires the print
// events and counts pages. The drawing of rows, headers and footers is in ExGridPrintCells.cpp
// and ExGridPrintHeader.cpp.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/PrintPass.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Printer.h"

#include <algorithm>
#include <cmath>

namespace {
bool IsTop(TPrintPosition Position) {
    return Position == ppTopLeft || Position == ppTopRight || Position == ppTopCenter;
}
bool IsBottom(TPrintPosition Position) {
    return Position == ppBottomLeft || Position == ppBottomRight || Position == ppBottomCenter;
}
} // namespace

// The page count asked for is the caller's: the driver counts the pages it lays out.
int TExStringGrid::PrintPages(TCanvas* Canvas, TPrintPagesMode Mode, int /*PageCount*/,
                              bool SelectedOnly) {
    if (!FPrintPass)
        FPrintPass = std::make_unique<TPrintPass>();
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    pass.Canvas = Canvas;
    pass.Mode = Mode;
    pass.SelectedOnly = SelectedOnly;
    pass.Fit = 1.0;
    pass.CachedRow = -1;
    pass.Cancelled = false;
    pass.MultipleStrips = false;
    pass.PageIndex = 0;
    pass.PageInStrip = 0;
    pass.StripNumber = 1;
    FPrintFontScale = 1.0;
    Canvas->SaveState();
    struct RestoreCanvas {
        TCanvas* Canvas;
        double& Scale;
        ~RestoreCanvas() {
            Canvas->RestoreState();
            Scale = 1.0;
        }
    } restore{Canvas, FPrintFontScale};

    pass.Pen.SetColor(clBlack);
    pass.Pen.SetStyle(settings.BorderStyle);
    pass.Pen.SetWidth(settings.Borders == pbDouble ? 10 : 2);

    Canvas->Font()->Assign(*settings.HeaderFont());
    pass.HeaderLineHeight = TPrintPass::ToPaper(Canvas->TextHeight("gh"));
    Canvas->Font()->Assign(*settings.FooterFont());
    pass.FooterLineHeight = TPrintPass::ToPaper(Canvas->TextHeight("gh"));
    Canvas->Font()->Assign(settings.UseDisplayFont ? *Font() : *settings.Font());
    pass.LineGap = TPrintPass::ToPaper(Canvas->TextHeight("gh")) / 8;
    pass.TextMargin = TPrintPass::ToPaper(Canvas->TextWidth("g")) / 2;

    pass.PageWidth = TPrintPass::ToPaper(pass.PageRect.Width());
    pass.PageHeight = -TPrintPass::ToPaper(pass.PageRect.Height());
    pass.ColumnSpacing = settings.UseFixedWidth ? 0 : settings.ColumnSpacing + 20;
    pass.Rect.Left = std::max(0, pass.Rect.Left);
    pass.Rect.Top = std::max(0, pass.Rect.Top);
    pass.Rect.Right = std::min(pass.Rect.Right, ColCount() - 1);
    pass.Rect.Bottom = std::min(pass.Rect.Bottom, RowCount() - 1);
    pass.ColWidths.clear();
    pass.ColPositions.clear();
    pass.EnsureColumns(std::max(512, ColCount() + 1));
    if (pass.Rect.Right < pass.Rect.Left || pass.Rect.Bottom < pass.Rect.Top)
        return 0;

    PrintColumnWidths();
    PrintFitToPage();
    for (int col = pass.Rect.Left; col <= pass.Rect.Right; ++col)
        FireEvent(OnPrintSetColumnWidth, this, col, pass.ColWidths[col]);
    pass.ExportState =
        pass.Rect.Top > FixedRows() || pass.Rect.Bottom < RowCount() - FFixedFooters - 1
            ? esExportSelRow
            : esExportNewRow;

    for (int first = pass.Rect.Left; first <= pass.Rect.Right && !pass.Cancelled;)
        first = PrintStrip(first);
    return pass.PageIndex + 1;
}

void TExStringGrid::PrintColumnWidths() {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    auto measureColumn = [&](int col) {
        int& width = pass.ColWidths[col];
        width = 0;
        if (!IsColumnPrinted(col))
            return;
        if (settings.NoAutoSize) {
            width = TPrintPass::ToPaper(ColWidths(col));
            return;
        }
        if (settings.UseFixedWidth) {
            width = settings.FixedWidth;
            return;
        }
        const int realCol = DisplToRealCol(col);
        auto measure = [&](int row) {
            if (!IsXMergedCell(realCol, row))
                width = std::max(width, PrintCellSize(realCol, row).X);
        };
        for (int row = pass.Rect.Top; row <= pass.Rect.Bottom; ++row)
            measure(row);
        if (settings.RepeatFixedRows)
            for (int row = 0; row < std::min(FixedRows(), pass.Rect.Top); ++row)
                measure(row);
    };
    for (int col = pass.Rect.Left; col <= pass.Rect.Right; ++col)
        measureColumn(col);
    // Fixed columns left of the printed rectangle are repeated on every strip.
    if (settings.RepeatFixedCols)
        for (int col = 0; col < std::min(FixedCols(), pass.Rect.Left); ++col)
            measureColumn(col);
}

void TExStringGrid::PrintFitToPage() {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    if (settings.FitToPage == fpNever)
        return;
    const int columns = pass.Rect.Right - pass.Rect.Left + 1;
    const double spacing = double(columns) * pass.ColumnSpacing;
    double sum = 0;
    for (int col = pass.Rect.Left; col <= pass.Rect.Right; ++col)
        if (IsColumnPrinted(col))
            sum += pass.ColWidths[col] + pass.ColumnSpacing;
    if (sum == spacing)
        return;
    double fit =
        (pass.PageWidth - settings.RightSize - settings.LeftSize - spacing) / (sum - spacing);
    if ((fit > 1 && settings.FitToPage == fpShrink) || (fit < 1 && settings.FitToPage == fpGrow))
        fit = 1;
    if (fit != 1 && settings.FitToPage == fpCustom) {
        bool allow = true;
        FireEvent(OnFitToPage, this, fit, allow);
        if (!allow)
            fit = 1;
    }
    if (fit == 1 || fit <= 0)
        return;
    pass.Fit = fit;
    for (int col = pass.Rect.Left; col <= pass.Rect.Right; ++col)
        pass.ColWidths[col] = static_cast<int>(std::lrint(pass.ColWidths[col] * fit));
}

// Lays out and prints the columns from FirstCol that fit the page width, page by page; returns
// the first column of the next strip.
int TExStringGrid::PrintStrip(int FirstCol) {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    const int c = pass.ColumnSpacing;
    const int fixedCols = std::min(FixedCols(), ColCount());
    pass.RepeatCols = fixedCols > 0 && settings.RepeatFixedCols && FirstCol >= fixedCols &&
                      (FirstCol != pass.Rect.Left || pass.Rect.Left > fixedCols - 1);
    int repeated = 0;
    if (pass.RepeatCols)
        for (int k = 0; k < fixedCols; ++k)
            repeated += pass.ColWidths[k] + c;
    int width = repeated;
    int last = FirstCol;
    for (int col = FirstCol; col <= pass.Rect.Right; ++col) {
        const int add = IsColumnPrinted(col) ? pass.ColWidths[col] + c : 0;
        if (col > FirstCol && width + add > pass.PageWidth - settings.RightSize)
            break;
        width += add;
        last = col;
    }
    pass.StripWidth = width;
    if (last < pass.Rect.Right)
        pass.MultipleStrips = true;

    std::vector<int>& pos = pass.ColPositions;
    const int start = settings.Centered ? 0 : settings.LeftSize;
    pos[FirstCol] = start;
    pos[0] = start;
    for (int col = FirstCol; col <= last; ++col)
        pos[col + 1] = pos[col] + (IsColumnPrinted(col) ? pass.ColWidths[col] + c : 0);
    if (pass.RepeatCols)
        for (int k = 1; k < fixedCols; ++k)
            pos[k] = pos[k - 1] + pass.ColWidths[k - 1] + c;
    if (settings.Centered && width < pass.PageWidth) {
        const int d = (pass.PageWidth - width) / 2;
        for (int col = FirstCol; col <= last + 1; ++col)
            pos[col] += d;
        if (pass.RepeatCols)
            for (int k = 0; k < fixedCols; ++k)
                pos[k] += d;
    }
    for (int col = FirstCol; col <= last + 1; ++col)
        pos[col] += repeated;
    pass.ColStart = FirstCol;
    pass.ColEnd = last;

    ComputeHeaderFooterHeights();
    pass.PageInStrip = 0;
    if (pass.Drawing() && PrintPageInRange())
        FireEvent(OnPrintPage, this, pass.Canvas, pass.PageIndex + 1, pass.PageWidth,
                  pass.PageHeight);

    const bool previewOnly = pass.Mode == ppmDrawPreview || pass.Mode == ppmCountPreview;
    int row = pass.Rect.Top;
    while (true) {
        int y = -pass.HeaderHeight;
        y -= settings.TitleSpacing + PrintHeaderFooter();
        if (settings.RepeatFixedRows && FixedRows() > 0 && row > 0 &&
            (pass.PageInStrip > 0 || pass.Rect.Top >= FixedRows()))
            for (int fixedRow = 0; fixedRow < FixedRows(); ++fixedRow)
                y -= PrintRowAcross(y, fixedRow, false);
        const int bodyBottom = pass.PageHeight + pass.FooterHeight;
        bool rowsOnPage = false;
        bool newPage = false;
        for (; row <= pass.Rect.Bottom; ++row) {
            ExportNotification(pass.ExportState, row);
            if (!IsRowPrinted(row))
                continue;
            const int advance = PrintRowAdvance(row);
            const bool fits = y - advance > bodyBottom;
            // A row taller than a whole page gets a page of its own, cut at the footer.
            if (!fits && rowsOnPage)
                break;
            y -= PrintRowAcross(y, row, !fits);
            rowsOnPage = true;
            newPage = false;
            FireEvent(OnPrintNewPage, this, row + 1, newPage);
            if (newPage) {
                ++row;
                break;
            }
        }
        while (row <= pass.Rect.Bottom && !IsRowPrinted(row))
            ExportNotification(pass.ExportState, row++);
        const bool allDone = row > pass.Rect.Bottom;
        if (pass.Drawing() && PrintPageInRange()) {
            FireEvent(OnPrintPageDone, this, pass.Canvas, row, y, pass.PageIndex + 1,
                      pass.PageWidth, pass.PageHeight);
            bool cancel = false;
            FireEvent(OnPrintCancel, this, pass.PageIndex + 1, cancel);
            pass.Cancelled = pass.Cancelled || cancel;
        }
        PrintPageBorders(FirstCol, last, y);
        if (allDone || pass.Cancelled)
            break;
        // A fast preview stops once its page is drawn; printing goes on to the end.
        if (FastPrint && previewOnly && pass.PageIndex + 1 >= FPrintPageFrom) {
            pass.Cancelled = true;
            break;
        }
        PrintNextPage(pass.PageIndex);
        ++pass.PageIndex;
        ++pass.PageInStrip;
        ComputeHeaderFooterHeights();
    }
    if (last < pass.Rect.Right && !pass.Cancelled) {
        PrintNextPage(pass.PageIndex);
        ++pass.PageIndex;
        ++pass.StripNumber;
    }
    return last + 1;
}

bool TExStringGrid::PrintPageInRange() const {
    const int page = FPrintPass->PageIndex + 1;
    return page >= FPrintPageFrom && page <= FPrintPageTo;
}

int TExStringGrid::PrintRowAcross(int Y, int ARow, bool ClipToBody) {
    TPrintPass& pass = *FPrintPass;
    TCanvas* canvas = pass.Canvas;
    canvas->SaveState();
    if (ClipToBody)
        canvas->IntersectClipRect(
            pass.ToCanvas(0, Y, pass.PageWidth, pass.PageHeight + pass.FooterHeight));
    int advance = 0;
    try {
        if (pass.RepeatCols)
            PrintPageCells(Y, 0, std::min(FixedCols(), ColCount()) - 1, ARow);
        advance = PrintPageCells(Y, pass.ColStart, pass.ColEnd, ARow);
    } catch (...) {
        canvas->RestoreState();
        throw;
    }
    canvas->RestoreState();
    return advance;
}

int TExStringGrid::PrintRowHeight(int ARow) {
    TPrintPass& pass = *FPrintPass;
    if (pass.CachedRow == ARow)
        return pass.CachedRowHeight;
    const TPrintSettings& settings = *FPrintSettings;
    int height = 0;
    if (settings.NoAutoSizeRow) {
        height = TPrintPass::ToPaper(RowHeights(ARow)) - 4;
    } else if (settings.UseFixedHeight) {
        height = settings.FixedHeight;
    } else {
        const double scale = FPrintFontScale;
        FPrintFontScale = pass.Fit;
        int last = 0;
        for (int col = pass.Rect.Left; col <= pass.Rect.Right; ++col) {
            const int realCol = DisplToRealCol(col);
            if (IsYMergedCell(realCol, ARow))
                continue;
            last = PrintCellSize(realCol, ARow).Y;
            height = std::max(height, last);
        }
        if (height <= 0)
            height = last;
        height += height / 8;
        FPrintFontScale = scale;
    }
    FireEvent(OnPrintSetRowHeight, this, ARow, height);
    pass.CachedRow = ARow;
    pass.CachedRowHeight = height;
    return height;
}

int TExStringGrid::PrintRowAdvance(int ARow) {
    const TPrintPass& pass = *FPrintPass;
    return 2 * pass.LineGap + PrintRowHeight(ARow) + FPrintSettings->RowSpacing;
}

void TExStringGrid::PrintPageBorders(int FirstCol, int LastCol, int Y) {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    if (!pass.Drawing() || !PrintPageInRange())
        return;
    const int ya = -pass.HeaderHeight - settings.TitleSpacing;
    const int yb = Y + pass.LineGap / 2;
    const int xa = pass.RepeatCols ? pass.ColPositions[0] : pass.ColPositions[FirstCol];
    const int xb = pass.ColPositions[LastCol + 1];
    TCanvas* canvas = pass.Canvas;
    canvas->Pen()->Assign(pass.Pen);
    canvas->Pen()->SetWidth(std::max(1, TPrintPass::ToPixels(pass.Pen.Width())));
    const TPrintBorders borders = settings.Borders;
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas->MoveTo(pass.X(x1), pass.Y(y1));
        canvas->LineTo(pass.X(x2), pass.Y(y2));
    };
    if (borders == pbAround || borders == pbAroundVertical || borders == pbAroundHorizontal) {
        line(xa, ya, xb, ya);
        line(xb, ya, xb, yb);
        line(xb, yb, xa, yb);
        line(xa, yb, xa, ya);
    }
    if (borders == pbDouble || borders == pbHorizontal || borders == pbAroundHorizontal)
        line(xa, yb, xb, yb);
    if ((borders == pbDouble || borders == pbVertical || borders == pbAroundVertical) &&
        pass.RepeatCols)
        for (int k = 0; k < std::min(FixedCols(), ColCount()); ++k)
            line(pass.ColPositions[k], ya, pass.ColPositions[k], yb);
}

void TExStringGrid::PrintNextPage(int PageIndex) {
    TPrintPass& pass = *FPrintPass;
    if (PageIndex + 2 < FPrintPageFrom || PageIndex + 2 > FPrintPageTo)
        return;
    if (pass.Mode == ppmPrint && PageIndex + 1 >= FPrintPageFrom)
        Printer()->NewPage();
    if (pass.Drawing())
        FireEvent(OnPrintPage, this, pass.Canvas, PageIndex + 2, pass.PageWidth, pass.PageHeight);
}

void TExStringGrid::ComputeHeaderFooterHeights() {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    const TPrintPosition items[] = {settings.Time, settings.Date, settings.PageNr, settings.Title};
    const bool top = std::any_of(std::begin(items), std::end(items), IsTop);
    const bool bottom = std::any_of(std::begin(items), std::end(items), IsBottom);
    const int extraTitleLines =
        settings.TitleText.empty() ? std::max(0, settings.TitleLines()->Count() - 1) : 0;
    const bool htmlTitle = PrintTitleIsHtml();
    const int g = pass.LineGap;
    pass.HeaderHeight = settings.HeaderSize;
    if (top) {
        pass.HeaderHeight += g + pass.HeaderLineHeight;
        if (IsTop(settings.Title) && !htmlTitle)
            pass.HeaderHeight += extraTitleLines * pass.HeaderLineHeight;
    }
    // Upwards from the page bottom: negative page height plus this is the body's bottom.
    pass.FooterHeight = g + pass.FooterLineHeight + settings.FooterSize;
    if (bottom) {
        pass.FooterHeight = 2 * g + 2 * pass.FooterLineHeight + settings.FooterSize;
        if (IsBottom(settings.Title) && !htmlTitle)
            pass.FooterHeight += extraTitleLines * pass.FooterLineHeight;
    }
}
