// Cell drawing. A grid under the update lock does not paint: EndUpdate repaints it once.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::Paint() {
    // Deferred, not re-queued: asking for another paint from here would loop while locked.
    if (FUpdateCount > 0)
        return;
    TBaseGrid::Paint();
    FireEvent(OnPainted, this);
}

void TExStringGrid::DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TBaseGrid::DrawGridCell(ACol, ARow, ARect, AState);
}

void TExStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                    TGridDrawState AState) {
    TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                        bool Select, bool Remap, TBrush* ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                                        TAlignment& HA, TVAlignment& VA, bool& WW,
                                        TCellGradientDirection& GD) {}

std::string TExStringGrid::GetFormattedCell(int ACol, int ARow) {
    return Cells(ACol, ARow);
}

void TExStringGrid::PaintOuterBorder() {}

TPoint TExStringGrid::GetCellTextSize(int ACol, int ARow) {
    return TPoint{0, 0};
}
