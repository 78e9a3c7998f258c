// The size a cell graphic is drawn at. The size on screen (CalcGraphicSize) is the room the
// graphic takes from the text, 0 where it shares the cell with its text; drawing it needs its
// own size there.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellGraphic.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"
#include "platform/ui/ImgList.h"

#include <algorithm>

TPoint TExStringGrid::DrawnGraphicSize(int ACol, int ARow, const TCellGraphic& Graphic,
                                       const TRect& ARect, TPoint Room) {
    if (Room.X > 0 && Room.Y > 0)
        return Room;
    const int width = ARect.Right - ARect.Left;
    const int height = ARect.Bottom - ARect.Top;
    TPoint own{0, 0};
    const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(ACol, ARow));
    switch (Graphic.CellType) {
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TBitmap*>(Graphic.CellBitmap))
            own = TPoint{bitmap->Width(), bitmap->Height()};
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TIcon*>(Graphic.CellIcon))
            own = TPoint{icon->Width(), icon->Height()};
        break;
    case ctImageList:
    case ctDataImage:
        if (images)
            own = TPoint{images->Width(), images->Height()};
        break;
    case ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(Graphic.CellBitmap); list && images)
            own = Graphic.CellBoolean ? TPoint{list->Count() * images->Width(), images->Height()}
                                      : TPoint{images->Width(), list->Count() * images->Height()};
        break;
    case ctButton:
    case ctBitButton: {
        own = TPoint{Graphic.ButtonWidth(), Graphic.ButtonHeight()};
        // A button sized 0 fits its caption and the cell's height.
        if (own.X <= 0 && Canvas())
            own.X = Canvas()->TextWidth(Graphic.CellText) + 4;
        if (own.Y <= 0)
            own.Y = height;
        break;
    }
    case ctShape: {
        // A square as high as the cell, as on paper.
        const int side = std::max(0, std::min(width, height));
        own = TPoint{side, side};
        break;
    }
    default:
        break;
    }
    if (Graphic.CellHAlign == haFull)
        own.X = width;
    if (Graphic.CellVAlign == vaFull)
        own.Y = height;
    return TPoint{Room.X > 0 ? Room.X : own.X, Room.Y > 0 ? Room.Y : own.Y};
}
