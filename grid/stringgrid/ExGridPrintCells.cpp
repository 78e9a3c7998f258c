// The cells of one printed row: their size on paper, their background and print borders, and
// their content drawn by the grid's one cell drawer at the paper's scale. The selected-only
// filters decide which rows and columns print.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/PrintPass.h"
#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cmath>

bool TExStringGrid::IsRowPrinted(int ARow) {
    if (!FPrintPass || !FPrintPass->SelectedOnly)
        return true;
    if (ARow < FixedRows() && FPrintSettings->FixedCellsAlways)
        return true;
    if (FMouseActions->DisjunctRowSelect())
        return GetRowSelect(FMouseActions->RowSelectPersistent ? DisplToRealRow(ARow) : ARow);
    const TGridRect sel = Selection();
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TExStringGrid::IsColumnPrinted(int ACol) {
    if (!FPrintPass || !FPrintPass->SelectedOnly || FMouseActions->DisjunctRowSelect())
        return true;
    if (ACol < FixedCols() && FPrintSettings->FixedCellsAlways)
        return true;
    if (FMouseActions->DisjunctColSelect())
        return GetColSelect(ACol);
    const TGridRect sel = Selection();
    return ACol >= sel.Left && ACol <= sel.Right;
}

void TExStringGrid::ScalePrintFont(TFont* AFont) const {
    if (FPrintFontScale != 1.0)
        AFont->SetHeight(static_cast<int>(std::lrint(AFont->Height() * FPrintFontScale)));
}

// Measured as the screen measures the cell, in the print font at the pass's scale.
TPoint TExStringGrid::PrintCellSize(int ACol, int ARow) {
    TScopedValue<bool> printing(FPrintingCells, true);
    const bool graphics = FPrintSettings->PrintGraphics;
    TPoint size{0, 0};
    if (!graphics || !IsDataGraphicCell(this, ACol, ARow))
        size = MeasureCellText(ACol, RealToDisplCol(ACol), ARow, false, false);
    if (size.Y == 0 && Canvas()) {
        TFont saved;
        saved.Assign(*Canvas()->Font());
        Canvas()->Font()->Assign(FPrintSettings->UseDisplayFont ? *Font()
                                                                : *FPrintSettings->Font());
        size.Y = Canvas()->TextHeight("gh");
        Canvas()->Font()->Assign(saved);
    }
    if (graphics && GetCellGraphic(ACol, ARow)) {
        const TPoint graphic = GetCellGraphicSize(ACol, ARow);
        size.X += graphic.X;
        size.Y = std::max(size.Y, graphic.Y);
    }
    TPoint paper{TPrintPass::ToPaper(size.X), TPrintPass::ToPaper(size.Y)};
    if (OnCustomCellSize)
        OnCustomCellSize(this, FPrintPass ? FPrintPass->Canvas : Canvas(), ACol, ARow, paper, true);
    return paper;
}

int TExStringGrid::PrintPageCells(int Y, int FromCol, int ToCol, int ARow) {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    FPrintFontScale = pass.Fit;
    const int advance = PrintRowAdvance(ARow);
    if (pass.Drawing() && PrintPageInRange()) {
        const int c = pass.ColumnSpacing;
        for (int col = FromCol; col <= ToCol; ++col) {
            if (!IsColumnPrinted(col))
                continue;
            const int realCol = DisplToRealCol(col);
            const TPoint ext = CellExt(realCol, ARow);
            int width = 0;
            for (int k = col; k <= std::min(col + std::max(0, ext.X), ColCount() - 1); ++k)
                width += pass.ColWidths[k] + c;
            int height = advance;
            for (int k = 1; k <= ext.Y && ARow + k < RowCount(); ++k)
                height += 2 * pass.LineGap + settings.RowSpacing +
                          (settings.NoAutoSizeRow ? TPrintPass::ToPaper(RowHeights(ARow + k) - 4)
                                                  : PrintRowHeight(ARow + k));
            const int left = pass.ColPositions[col];
            const TRect paper{left, Y, left + width, Y - height};
            if (IsBaseCell(realCol, ARow))
                PrintCellContent(col, ARow, paper);
            PrintCellBorders(realCol, ARow, paper, advance);
        }
    }
    FPrintFontScale = 1.0;
    return advance;
}

void TExStringGrid::PrintCellContent(int DisplCol, int ARow, const TRect& Paper) {
    TPrintPass& pass = *FPrintPass;
    TCanvas* canvas = pass.Canvas;
    const TRect cell = pass.ToCanvas(Paper.Left, Paper.Top, Paper.Right, Paper.Bottom);
    canvas->SaveState();
    canvas->IntersectClipRect(cell);
    TGridDrawState state;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = FWordWrapEx;
    TCellGradientDirection direction{};
    {
        TScopedValue<bool> printing(FPrintingCells, true);
        GetVisualProperties(DisplCol, ARow, state, true, false, true, canvas->Brush(), colorTo,
                            mirrorColor, mirrorColorTo, canvas->Font(), ha, va, wordWrap,
                            direction);
        if (canvas->Brush()->Color() != clNone)
            DrawGradient(canvas, canvas->Brush()->Color(), colorTo, 64, cell, false);
        // The drawer's own margins, as on screen: the paper cell is the screen cell scaled.
        DrawCellContent(canvas, DisplCol, ARow, cell, TGridDrawState{});
    }
    canvas->RestoreState();
}

void TExStringGrid::PrintCellBorders(int RealCol, int ARow, const TRect& Paper, int Advance) {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    TCanvas* canvas = pass.Canvas;
    TCellBorders borders;
    switch (settings.Borders) {
    case pbSingle:
    case pbDouble:
        borders = TCellBorders{cbTop, cbLeft, cbRight, cbBottom};
        break;
    case pbHorizontal:
    case pbAroundHorizontal:
        borders = TCellBorders{cbTop, cbBottom};
        break;
    case pbVertical:
    case pbAroundVertical:
        borders = TCellBorders{cbLeft, cbRight};
        break;
    default:
        break;
    }
    TPen saved;
    saved.Assign(*canvas->Pen());
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetColor(settings.BorderColor);
    GetCellPrintBorder(RealCol, ARow, canvas->Pen(), borders);

    // Inner lines of a merged area are not drawn.
    if (!IsBaseCell(RealCol, ARow)) {
        const TPoint ext = CellExt(RealCol, ARow);
        if (ext.X > 0)
            borders = borders - TCellBorders{cbLeft, cbRight};
        if (ext.Y > 0)
            borders = borders - TCellBorders{cbTop, cbBottom};
        if (IsYMergedCell(RealCol, ARow) && ext.Y == 0)
            borders = borders - TCellBorders{cbTop};
        if (IsXMergedCell(RealCol, ARow) && ext.X == 0)
            borders = borders - TCellBorders{cbLeft};
    }
    int bottom = Paper.Bottom;
    if (bottom < pass.PageHeight + pass.FooterHeight) {
        bottom = Paper.Top - Advance;
        borders = borders - TCellBorders{cbBottom};
    }
    const int right = std::min(Paper.Right, pass.PageWidth);
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas->MoveTo(pass.X(x1), pass.Y(y1));
        canvas->LineTo(pass.X(x2), pass.Y(y2));
    };
    if (borders.Contains(cbLeft))
        line(Paper.Left, Paper.Top, Paper.Left, bottom);
    if (borders.Contains(cbRight))
        line(right, Paper.Top, right, bottom);
    if (borders.Contains(cbTop))
        line(Paper.Left, Paper.Top, right, Paper.Top);
    if (borders.Contains(cbBottom))
        line(Paper.Left, bottom, right, bottom);
    canvas->Pen()->Assign(saved);
}
