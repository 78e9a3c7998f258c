#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/ExDrawing.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {
// Colours of the Office-like frame of selected cells.
struct TSelectionColors {
    TColor Fill, FillTo, Outer, InnerUpper, InnerLower, Corner, LowerFill, LowerFillTo;
};

const TSelectionColors& SelectionColors(TGridSelectionStyle style, bool focused) {
    static const TSelectionColors vista{0xFDF8F1, 0xFCEFD5, 0xFDDE99, 0xFDFBF6,
                                        0xFDF5E7, 0xFCEDCB, clNone,   clNone};
    static const TSelectionColors win7{0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDF4EB,
                                       0xFDEADB, 0xE0C5AE, clNone,   clNone};
    static const TSelectionColors office2007{0xD7FFFD, 0x58D4FC, 0x8DD7D3, 0xF4FEFF,
                                             0xCAF8FF, 0xC3D9DF, 0x58D4FC, 0xB3F1FC};
    static const TSelectionColors unfocused{0xF8F8F8, 0xE5E5E5, 0xD9D9D9, 0xFBFAFA,
                                            0xF0F0F0, 0xEFEFEF, clNone,   clNone};
    if (!focused)
        return unfocused;
    switch (style) {
    case ssWin7:
        return win7;
    case ssOffice2007:
        return office2007;
    default:
        return vista;
    }
}

// Where a cell sits in the selected run of columns.
int RunPosition(int col, int left, int right) {
    if (left > right)
        std::swap(left, right);
    if (col == left && right > left)
        return sfpFirst;
    if (col == right && left < right)
        return sfpLast;
    if (col > left && col < right)
        return sfpMiddle;
    return sfpSingle;
}
} // namespace

void TBaseGrid::Paint() {
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    // The platform leaves the current cell out of the selected state (its own brush does not
    // highlight it); the selection frame and the looks of descendants count it in, as it lies in
    // the selection. Its brush stays the platform's.
    if (!AState.Contains(gdFixed) && Selection().Contains(ACol, ARow))
        AState << gdSelected;
    PaintCellInternal(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                          TGridDrawState AState) {
    PaintCellInternal(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                             TGridDrawState AState) {
    PaintCellInternal(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::PaintCellInternal(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                  TGridDrawState AState, bool DrawContent) {
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Color());
        ACanvas->Pen()->SetColor(Color());
        ACanvas->FillRect(ARect);
        return;
    }
    int baseCol, baseRow;
    if (!FindBaseCell(ACol, ARow, baseCol, baseRow)) {
        // A merged area paints once per pass, through its base cell, from the first of its
        // cells the paint loop meets.
        TCellProperties* baseProps = PropertiesOf(baseCol, baseRow);
        if (baseProps && baseProps->FPaintID != FPaintID) {
            baseProps->FPaintID = FPaintID;
            PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
        }
        return;
    }
    if (DrawContent && IsFixed(ACol, ARow)) {
        AState << gdFixed;
        AState >> gdSelected;
    }
    if (DrawContent) {
        const TRect whole = CellRect(ACol, ARow);
        if (!whole.IsEmpty())
            ARect = whole;
    }

    // A cell partly scrolled under the fixed area must not paint over it.
    const int fx = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fy = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 && ARect.Left < fx) ||
                      (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < fy);
    ACanvas->SaveState();
    if (clip)
        ACanvas->IntersectClipRect(Rect(fx, fy, Width(), Height()));

    ACanvas->Pen()->SetWidth(1);
    ACanvas->Font()->Assign(*Font());
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TCellGradientDirection gd = GradientVertical;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas->Brush(), colorTo,
                        mirrorColor, mirrorColorTo, ACanvas->Font(), ha, va, ww, gd);
    ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());

    const bool selectedSkip = AState.Contains(gdSelected) && !FHoverRowCells.Contains(hcSelected);
    const bool fixedSkip = AState.Contains(gdFixed) && !FHoverRowCells.Contains(hcFixed);
    if (ARow == FHoverRowIdx && FHoverRow && !selectedSkip && !fixedSkip) {
        ACanvas->Brush()->SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirrorColor = mirrorColorTo = clNone;
        gd = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!DrawContent && AState.Contains(gdSelected))) {
        ACanvas->Brush()->SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
        ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());
    }
    PaintBackground(ACanvas, ACol, ARect, AState, colorTo, mirrorColor, mirrorColorTo, gd);
    PaintLines(ACanvas, ACol, ARect, AState);

    TRect content = ARect;
    if (AState.Contains(gdFixed)) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        InflateRect(content, -FGridLineWidth, -FGridLineWidth);
    }
    if (DrawContent)
        DrawCellContent(ACanvas, ACol, ARow, content, AState);
    ACanvas->RestoreState();
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::PaintBackground(TCanvas* ACanvas, int ACol, TRect ARect, TGridDrawState AState,
                                TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                                TCellGradientDirection GD) {
    if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        const TGridRect selection = Selection();
        TRect frame = ARect;
        if (!Options().Contains(goHorzLine))
            frame.Bottom += 1;
        if (!Options().Contains(goVertLine))
            frame.Right += 1;
        const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
        const TSelectionColors& colors = SelectionColors(FSelectionStyle, focused);
        DrawSelectionFrame(ACanvas, colors.Fill, colors.FillTo, colors.LowerFill,
                           colors.LowerFillTo, colors.InnerUpper, colors.InnerLower, colors.Outer,
                           colors.Corner, Color(), frame,
                           RunPosition(ACol, selection.Left, selection.Right));
        return;
    }
    if (UsesVCLStyles() && (AState.Contains(gdFixed) || AState.Contains(gdSelected)))
        return;
    const TColor color = ACanvas->Brush()->Color();
    if (MirrorColorTo == clNone)
        DrawGradient(ACanvas, color, ColorTo, 64, ARect, GD == GradientHorizontal);
    else
        DrawMirrorGradient(ACanvas, ARect, color, ColorTo, MirrorColor, MirrorColorTo, mgdVertical,
                           clNone, false, true);
}

void TBaseGrid::PaintLines(TCanvas* ACanvas, int ACol, TRect ARect, TGridDrawState AState) {
    const bool fixed = AState.Contains(gdFixed);
    int h;
    if (fixed) {
        ACanvas->Pen()->SetColor(FGridFixedLineColor);
        ACanvas->Pen()->SetWidth(1);
        h = 1;
    } else {
        // Without a line width the pen keeps the background colour, so no line shows.
        if (FGridLineWidth > 0)
            ACanvas->Pen()->SetColor(FGridLineColor);
        ACanvas->Pen()->SetWidth(FGridLineWidth);
        h = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    const bool horz = fixed ? options.Contains(goFixedHorzLine) : options.Contains(goHorzLine);
    const bool vert = fixed ? options.Contains(goFixedVertLine) : options.Contains(goVertLine);
    if (horz && !(ACol == 0 && HasNodes())) {
        ACanvas->MoveTo(ARect.Left - h + 1, ARect.Bottom - h);
        ACanvas->LineTo(ARect.Right - h + 1, ARect.Bottom - h);
    }
    if (vert) {
        ACanvas->MoveTo(ARect.Right - h, ARect.Bottom - h);
        ACanvas->LineTo(ARect.Right - h, ARect.Top - h);
    }
}

void TBaseGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                TGridDrawState AState) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->DrawText(Cells(ACol, ARow), ARect,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
