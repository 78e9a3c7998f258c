#include "grid/foundation/CellProperties.h"

#include "grid/foundation/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow) {
    if (FOwnerGrid) {
        FOwnerGrid->FHasCellProps = true;
        FWordWrap = FOwnerGrid->WordWrap();
    }
}

void TCellProperties::Assign(const TCellProperties& Source) {
    FIsBaseCell = Source.FIsBaseCell;
    FCellSpanX = Source.FCellSpanX;
    FCellSpanY = Source.FCellSpanY;
    FOwnerRow = Source.FOwnerRow;
    FOwnerCol = Source.FOwnerCol;
    FObject = Source.FObject;
    FAlignment = Source.FAlignment;
    FBorderColor = Source.FBorderColor;
    FBorderWidth = Source.FBorderWidth;
    FBrushColor = Source.FBrushColor;
    FBrushStyle = Source.FBrushStyle;
    FFontColor = Source.FFontColor;
    FFontStyle = Source.FFontStyle;
    FFontName = Source.FFontName;
    FFontSize = Source.FFontSize;
    FReadOnly = Source.FReadOnly;
    FEditor = Source.FEditor;
    FVAlignment = Source.FVAlignment;
    FWordWrap = Source.FWordWrap;
    FNodeLevel = Source.FNodeLevel;
    FControl = Source.FControl;
}

TPoint TCellProperties::GetBaseCell(int c, int r) const {
    if (FIsBaseCell || FCellSpanX == -1 || FCellSpanY == -1)
        return {c, r};
    return {c - FCellSpanX, r - FCellSpanY};
}

void TCellProperties::RepaintOwnerCell() {
    if (FOwnerGrid)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value) {
    FBrushColor = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
    FBrushColorTo = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
    FVAlignment = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value) {
    FWordWrap = Value;
    RepaintOwnerCell();
}
