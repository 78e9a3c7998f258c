// Zoom: the cell fonts grow by the zoom factor when drawn and measured; every column and row
// grows by the same step in pixels.
#include "grid/stringgrid/ExGrid.h"

#include "platform/ui/Font.h"

void TExStringGrid::SizeCellFont(TFont* AFont) const {
    if (FPrintingCells)
        ScalePrintFont(AFont);
    else if (ZoomFactor != 0)
        AFont->SetSize(AFont->Size() + ZoomFactor);
}

void TExStringGrid::Zoom(int x) {
    const int factor = ZoomFactor + x;
    if (factor > 10 || factor < -10)
        return;
    {
        // The thumbs are worked out once at the end, not after every size.
        FScrollLock = true;
        ZoomFactor = factor;
        try {
            for (int c = 0; c < ColCount(); ++c)
                if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
                    SetColWidths(c, ColWidths(c) + x);
            for (int r = 0; r < RowCount(); ++r)
                if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
                    SetRowHeights(r, RowHeights(r) + x);
        } catch (...) {
            FScrollLock = false;
            throw;
        }
        FScrollLock = false;
    }
    if (FScrollProportional) {
        UpdateProportionalVertScroll();
        UpdateProportionalHorzScroll();
    }
}

// Zooming changes the font; the cells take the size of their new text, with the same padding
// as a user's auto-size.
void TExStringGrid::ZoomByWheel(int Lines) {
    Zoom(Lines);
    AutoSizeCells(true, 4, 4);
}
