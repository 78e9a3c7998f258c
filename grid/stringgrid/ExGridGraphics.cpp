// Cell graphics: attaching, finding, replacing and freeing the one graphic a cell may carry,
// the kind queries and the graphic's size on screen and on paper.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImgList.h"

#include <algorithm>
#include <cmath>

namespace {

bool KindIn(TCellType kind, std::initializer_list<TCellType> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Graphics the grid shares between cells: never stored in a cell, never freed by one.
bool IsSharedKind(TCellType kind) {
    return kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

TPoint ObjectExtent(const TObject* object) {
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(object))
        return TPoint{bitmap->Width(), bitmap->Height()};
    return TPoint{0, 0};
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
        // The row-selection box of column 0: one graphic refilled for the row asked.
        FCellGraphic->CellType = ctRowCheckBox;
        FCellGraphic->CellAngle = 0;
        FCellGraphic->CellBoolean = false;
        FCellGraphic->CellTransparent = FControlLook->ControlStyle == csFlat;
        return FCellGraphic.get();
    }
    return dynamic_cast<TCellGraphic*>(slot);
}

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow) {
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
    if (FNumHidden > 0 && DisplColIndex(ACol) != ACol)
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
        RepaintCell(ACol, ARow);
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

// --- sizes -------------------------------------------------------------------------------------

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    return CalcGraphicSize(ACol, ARow, 0);
}

// AvailWidth is the height reserved below the graphic (a picture gets that much less room).
TPoint TExStringGrid::CalcGraphicSize(int ACol, int ARow, int AvailWidth) {
    const int reservedHeight = AvailWidth;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return TPoint{0, 0};
    const TCellGraphic& g = *graphic;
    const bool hasText = !GetGridCell(ACol, ARow).empty();
    const bool besideText = g.CellHAlign == haBeforeText || g.CellHAlign == haAfterText;
    const bool aboveText = g.CellVAlign == vaUnderText || g.CellVAlign == vaAboveText;
    const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(ACol, ARow));
    const TPoint image = images ? TPoint{images->Width(), images->Height()} : TPoint{0, 0};
    TCanvas* canvas = Canvas();
    const auto textWidth = [&](const std::string& text) {
        return canvas ? canvas->TextWidth(text) : 0;
    };
    const int lineHeight = canvas ? canvas->TextHeight("gh") : 0;
    TPoint size{0, 0};
    switch (g.CellType) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage: {
        const TPoint extent = g.CellType == ctBitmap ? ObjectExtent(g.CellBitmap)
                              : g.CellType == ctIcon ? ObjectExtent(g.CellIcon)
                                                     : image;
        size.X = besideText || !hasText ? extent.X : 0;
        size.Y = g.CellType == ctIcon || aboveText || !hasText ? extent.Y : 0;
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = TPoint{FControlLook->CheckSize, FControlLook->CheckSize};
        break;
    case ctRadioButton:
        size = TPoint{FControlLook->RadioSize, FControlLook->RadioSize};
        break;
    case ctProgressPie:
        size = TPoint{20, 20};
        break;
    case ctRadio:
        if (const TStringList* items = g.CellStrings) {
            if (g.CellBoolean) {
                for (const std::string& item : *items)
                    size.X += textWidth(item) + 12;
                size.Y = lineHeight;
            } else {
                int widest = 0;
                for (const std::string& item : *items)
                    widest = std::max(widest, textWidth(item));
                size.X = 12 + widest;
                size.Y = std::max(16, lineHeight) * items->Count();
            }
        }
        break;
    case ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap))
            size = g.CellBoolean ? TPoint{list->Count() * image.X, image.Y}
                                 : TPoint{image.X, list->Count() * image.Y};
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(ACol, ARow);
        const int factor = 2; // the text offsets apply on both sides
        const int w = cell.X - 1 - factor * FXYOffset.X;
        const int h = cell.Y - 1 - factor * FXYOffset.Y - reservedHeight;
        size = g.GetPictureSize(w, h, hasText);
        break;
    }
    case ctButton:
    case ctBitButton:
        size = TPoint{g.ButtonWidth(), g.ButtonHeight()};
        if (hasText) {
            if (g.CellHAlign == haCenter || aboveText)
                size.X = 0;
            else if (g.CellHAlign == haFull)
                size.X = textWidth(g.CellText) + 4;
            if (!aboveText)
                size.Y = 0;
        } else if (g.CellHAlign == haFull) {
            size.X = textWidth(g.CellText) + 4;
        }
        break;
    case ctInterface:
        size = CellSize(ACol, ARow); // nothing here implements the sizing interface
        break;
    case ctRating:
        size = TPoint{g.CellAngle * 18, 16};
        break;
    default:
        break;
    }
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    if (g.CellVAlign == vaFull)
        size.Y = r.Bottom - r.Top;
    const bool keepsWidth =
        g.CellType == ctRating ||
        ((g.CellType == ctButton || g.CellType == ctBitButton) && !hasText && !g.CellText.empty());
    if (g.CellHAlign == haFull && (!keepsWidth || g.CellVAlign == vaFull))
        size.X = r.Right - r.Left;
    return size;
}

TPoint TExStringGrid::CalcPrintGraphicSize(int ACol, int ARow, int AvailWidth, int AvailHeight,
                                           double Scale) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return TPoint{0, 0};
    const TCellGraphic& g = *graphic;
    const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(ACol, ARow));
    const TPoint image = images ? TPoint{images->Width(), images->Height()} : TPoint{0, 0};
    switch (g.CellType) {
    case ctBitmap:
        return ObjectExtent(g.CellBitmap);
    case ctIcon:
        return ObjectExtent(g.CellIcon);
    case ctImageList:
        return TPoint{CalcGraphicSize(ACol, ARow, 0).X, image.Y};
    case ctDataImage:
        return image;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return TPoint{FControlLook->CheckSize, FControlLook->CheckSize};
    case ctRadioButton:
        return TPoint{FControlLook->RadioSize, FControlLook->RadioSize};
    case ctNode:
    case ctProgressPie:
        return TPoint{20, 20};
    case ctRadio: {
        TPoint size = CalcGraphicSize(ACol, ARow, 0);
        if (!g.CellBoolean && g.CellStrings && Canvas())
            size.Y = Canvas()->TextHeight("gh") * g.CellStrings->Count();
        return size;
    }
    case ctImages:
        return CalcGraphicSize(ACol, ARow, 0);
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = g.GetPictureSize(AvailWidth, AvailHeight, false);
        if (Scale == 0)
            return size;
        return TPoint{static_cast<int>(std::nearbyint(size.X / Scale)),
                      static_cast<int>(std::nearbyint(size.Y / Scale))};
    }
    case ctProgress:
    case ctXPProgress:
        return TPoint{ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
    case ctButton:
    case ctBitButton:
        return TPoint{g.ButtonWidth(), g.ButtonHeight()};
    case ctInterface:
        return CellSize(ACol, ARow);
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * FXYOffset.Y;
        return TPoint{side, side};
    }
    default:
        return TPoint{0, 0};
    }
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

int TExStringGrid::GetRowIndent(int ARow) {
    return 0;
}

bool TExStringGrid::HasNodes() {
    return false;
}

void TExStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
}
