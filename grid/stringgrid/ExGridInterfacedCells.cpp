// Cells whose object draws itself: its size, and the drawing under or over the cell text.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CellGraphicObject.h"
#include "platform/ui/Canvas.h"

ICellGraphicObject* TExStringGrid::CellGraphicObjectOf(const TCellGraphic* Graphic) {
    if (!Graphic || Graphic->CellType != ctInterface)
        return nullptr;
    return dynamic_cast<ICellGraphicObject*>(Graphic->CellBitmap);
}

// On screen a size lacking either dimension is the cell's; on paper only the missing one is.
TPoint TExStringGrid::InterfacedCellSize(int ACol, int ARow, const TCellGraphic& Graphic,
                                         bool Printing) {
    const TPoint cell = CellSize(ACol, ARow);
    ICellGraphicObject* object = CellGraphicObjectOf(&Graphic);
    if (!object)
        return cell;
    const int width = object->GetWidth();
    const int height = object->GetHeight();
    if (!Printing && (width == 0 || height == 0))
        return cell;
    return TPoint{width ? width : cell.X, height ? height : cell.Y};
}

// Kept inside the cell: the object is someone else's code.
void TExStringGrid::DrawInterfacedCell(TCellDrawContext& Ctx, const TRect& R) {
    ICellGraphicObject* object = CellGraphicObjectOf(Ctx.Graphic);
    if (!object)
        return;
    TCanvas* canvas = Ctx.Canvas;
    canvas->SaveState();
    canvas->IntersectClipRect(R);
    try {
        object->Draw(canvas, R, Ctx.RealCol, Ctx.Row, Ctx.State.Contains(gdSelected), this);
    } catch (...) {
        canvas->RestoreState();
        throw;
    }
    canvas->RestoreState();
}
