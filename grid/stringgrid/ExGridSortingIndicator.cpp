// Sorting: the sort indicator of the header cells.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/SortIndexList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <string>

bool TExStringGrid::IsSortIndicatorRow(int ACol, int ARow) {
    if (IsMergedCell(ACol, ARow))
        ARow += CellSpan(ACol, ARow).Y;
    return ARow == FSortSettings->Row() && FSortSettings->Show() && FixedRows() + 1 < RowCount();
}

bool TExStringGrid::ShowsSortIndicator(int ACol, int ARow) {
    if (!IsSortIndicatorRow(ACol, ARow) || FixedRows() <= 0)
        return false;
    if (ACol < FixedCols() && !FSortSettings->FixedCols)
        return false;
    const int position = FSortIndexes->FindIndex(ACol);
    const bool sorted =
        ACol == (FSortSettings->Column & ~int(TSortIndexList::DescendingBit)) || position >= 0;
    return sorted && (position < 1 || FSortSettings->IndexShow());
}

void TExStringGrid::DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y) {
    if (!ACanvas)
        return;
    if (FSortSettings->IndexShow()) {
        const int position = FSortIndexes->FindIndex(ACol);
        if (position < 0)
            return;
        const bool descending = !FSortIndexes->SortDirections(position);
        ACanvas->Brush()->SetColor(FSortSettings->IndexColor);
        ACanvas->Pen()->SetColor(clBlack);
        const TBitmap* glyph =
            descending ? FSortSettings->IndexUpGlyph() : FSortSettings->IndexDownGlyph();
        if (!glyph->Empty())
            ACanvas->Draw(X - 7, Y - 7, glyph);
        else if (descending)
            ACanvas->Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        else
            ACanvas->Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        const TColor oldColor = ACanvas->Font()->Color();
        const int oldSize = ACanvas->Font()->Size();
        ACanvas->Font()->SetColor(clBlack);
        ACanvas->Font()->SetSize(6);
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->TextOut(X - 2, descending ? Y - 4 : Y - 2, std::to_string(position + 1));
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Font()->SetColor(oldColor);
        ACanvas->Font()->SetSize(oldSize);
        return;
    }
    const bool descending = FSortSettings->Direction == sdDescending;
    const TBitmap* up = FSortSettings->UpGlyph();
    const TBitmap* down = FSortSettings->DownGlyph();
    if (!up->Empty() && !down->Empty()) {
        ACanvas->Draw(X - 4, Y - 4, descending ? down : up);
        return;
    }
    // An outlined triangle: lit edge white, shaded edges grey.
    TPen* pen = ACanvas->Pen();
    pen->SetWidth(1);
    pen->SetColor(clWhite);
    if (descending) {
        ACanvas->MoveTo(X + 4, Y - 4);
        ACanvas->LineTo(X, Y + 4);
        pen->SetColor(0x808080);
        ACanvas->LineTo(X - 4, Y - 4);
        ACanvas->LineTo(X + 4, Y - 4);
    } else {
        ACanvas->MoveTo(X - 4, Y + 4);
        ACanvas->LineTo(X + 4, Y + 4);
        ACanvas->LineTo(X, Y - 4);
        pen->SetColor(0x808080);
        ACanvas->LineTo(X - 4, Y + 4);
    }
    pen->SetColor(clBlack);
}
