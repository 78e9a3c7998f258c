// Cell graphics: attaching, finding, replacing and freeing the one graphic a cell may carry,
// and the kind queries.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"

#include <algorithm>

namespace {

bool KindIn(TCellType kind, std::initializer_list<TCellType> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Graphics the grid shares between cells: never stored in a cell, never freed by one.
bool IsSharedKind(TCellType kind) {
    return kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

} // namespace

// --- attaching and finding ---------------------------------------------------------------------

TCellType TExStringGrid::GetCellType(int ACol, int ARow) {
    TCellType kind = ctEmpty;
    if (ACol >= 0 && ARow >= 0)
        if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow))
            kind = graphic->CellType;
    if (ACol == 0 && FMouseActions->HotmailRowSelect())
        kind = ctRowCheckBox;
    return kind;
}

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) {
    const TCellProperties* props = ExistingProperties(ACol, ARow);
    TObject* slot = props ? props->GraphicObject() : nullptr;
    if (ACol == 0 && FMouseActions->HotmailRowSelect() && ARow >= 0) {
        if (slot && !dynamic_cast<TCellGraphic*>(slot))
            return nullptr;
        FillRowCheckBox(ARow);
        return FCellGraphic.get();
    }
    return dynamic_cast<TCellGraphic*>(slot);
}

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow) {
    // A cell outside the grid has no place to keep a graphic: it would be lost, never freed.
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount())
        return nullptr;
    TObject* old = GetGraphicObjectEx(ACol, ARow);
    auto* graphic = new TCellGraphic;
    SetGraphicObjectEx(ACol, ARow, graphic);
    if (GetGraphicObjectEx(ACol, ARow) != graphic) { // the grid is going: nothing is attached
        delete graphic;
        return nullptr;
    }
    if (auto* previous = dynamic_cast<TCellGraphic*>(old);
        previous && previous != FCellGraphic.get())
        delete previous;
    if (NumHiddenColumns() > 0 && DisplColIndex(ACol) != ACol)
        RepaintCell(DisplColIndex(ACol), ARow);
    return graphic;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return false;
    const bool inCell = GetGraphicObjectEx(ACol, ARow) == graphic;
    if (inCell)
        SetGraphicObjectEx(ACol, ARow, nullptr);
    if (inCell && !IsSharedKind(graphic->CellType) && graphic != FCellGraphic.get())
        delete graphic;
    if (!Destroying())
        RepaintTypedCell(ACol, ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
    return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

// --- kind queries ------------------------------------------------------------------------------

bool TExStringGrid::IsCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && KindIn(graphic->CellType, Kinds);
}

bool TExStringGrid::HasCheckBox(int ACol, int ARow) {
    return IsCellTypeIn(
        ACol, ARow,
        {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExStringGrid::IsRadio(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctRadio});
}

bool TExStringGrid::HasButton(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctButton, ctBitButton});
}

bool TExStringGrid::HasProgress(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctProgress});
}

bool TExStringGrid::HasRating(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctRating});
}

bool TExStringGrid::HasScrollBar(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctScrollbar});
}

bool TExStringGrid::HasBalloon(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctBalloon});
}

bool TExStringGrid::HasExpand(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctExpand});
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TExStringGrid::HasDataImage(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

bool TExStringGrid::IsControlCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return KindIn(GetCellType(base.X, base.Y),
                  {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                   ctRadioButton, ctTriStateCheckBox});
}

bool IsDataGraphicCell(TExStringGrid* Grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = Grid->BaseCell(ACol, ARow);
    return KindIn(Grid->GetCellType(base.X, base.Y),
                  {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctImages ? dynamic_cast<TIntList*>(graphic->CellBitmap)
                                                    : nullptr;
}

intptr_t TExStringGrid::GetCellImageKey(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return -1;
    switch (graphic->CellType) {
    case ctBitmap:
        return reinterpret_cast<intptr_t>(graphic->CellBitmap);
    case ctIcon:
        return reinterpret_cast<intptr_t>(graphic->CellIcon);
    case ctImageList:
        return graphic->CellIndex;
    default:
        return -1;
    }
}

TObject* TExStringGrid::GetGridImageList(int ACol, int ARow) {
    return GridImages;
}

// --- hooks -------------------------------------------------------------------------------------

void TExStringGrid::CheckBoxChange(int ACol, int ARow, bool State) {
    FireEvent(OnCheckBoxChange, this, ACol, ARow, State);
}

bool TExStringGrid::RatingChange(int ACol, int ARow, double& NewRate) {
    bool allow = true;
    FireEvent(OnRatingChange, this, ACol, ARow, NewRate, allow);
    return allow;
}

void TExStringGrid::ColorSelect(int ACol, int ARow, TColor Color) {
    FireEvent(OnColorSelect, this, ACol, ARow, Color, std::string());
}

void TExStringGrid::ImageSelect(int ACol, int ARow, int ImageIndex) {
    FireEvent(OnImageSelect, this, ACol, ARow, ImageIndex);
}

void TExStringGrid::CanAddRow(bool& CanAdd) {
    FireEvent(OnCanAddRow, this, CanAdd);
}

void TExStringGrid::CanInsertRow(int ARow, bool& CanInsert) {
    FireEvent(OnCanInsertRow, this, ARow, CanInsert);
}
