// The size of a cell's graphic on screen and on paper.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"
#include "platform/ui/ImgList.h"

#include <algorithm>
#include <cmath>

namespace {

TPoint ObjectExtent(const TObject* object) {
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(object))
        return TPoint{bitmap->Width(), bitmap->Height()};
    if (const auto* icon = dynamic_cast<const TIcon*>(object))
        return TPoint{icon->Width(), icon->Height()};
    return TPoint{0, 0};
}

} // namespace

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
        size = TPoint{FControlLook->CheckSize(), FControlLook->CheckSize()};
        break;
    case ctRadioButton:
        size = TPoint{FControlLook->RadioSize(), FControlLook->RadioSize()};
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
        size = InterfacedCellSize(ACol, ARow, g, false);
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
        return TPoint{FControlLook->CheckSize(), FControlLook->CheckSize()};
    case ctRadioButton:
        return TPoint{FControlLook->RadioSize(), FControlLook->RadioSize()};
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
        return InterfacedCellSize(ACol, ARow, g, true);
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * FXYOffset.Y;
        return TPoint{side, side};
    }
    default:
        return TPoint{0, 0};
    }
}
