// The gradient looks of header cells: hovered, pressed (with the drop-down part), active, sorted,
// and the look's own gradient.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/ui/Canvas.h"

namespace {

struct TGradientSet {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

void DrawSet(TCanvas* Canvas, const TRect& R, const TGradientSet& Set) {
    DrawMirrorGradient(Canvas, R, Set.From, Set.To, Set.MirrorFrom, Set.MirrorTo, mgdVertical,
                       Set.Border, false, true);
}

} // namespace

void TExStringGrid::DrawFixedCellLook(TCellDrawContext& Ctx) {
    const bool headerLook = FLook == glULK || FLook == glXP || FLook == glVista ||
                            FLook == glWin7 || FLook == glOffice2007;
    if (!Ctx.Fixed || Ctx.Styled || !headerLook)
        return;
    TCanvas* canvas = Ctx.Canvas;
    TRect& r = Ctx.Rect;
    const bool moving = GridState() == gsColMoving;
    const bool hot = !FPrintingCells && IsHoverFixedCell(Ctx.DisplCol, Ctx.Row) &&
                     ((!moving && FHoverFixedX == Ctx.DisplCol && FHoverFixedY == Ctx.Row) ||
                      (moving && FMoveColInd == Ctx.DisplCol));
    const bool activeHeader =
        FActiveCellShow && !FPrintingCells &&
        ((Ctx.Row == Row() && Ctx.DisplCol == FixedCols() - 1 && FixedCols() > 0) ||
         (Ctx.DisplCol == Col() && Ctx.Row == FixedRows() - 1 && FixedRows() > 0));
    const TSortSettings& sort = *FSortSettings;
    const bool sortedHeader = sort.Column != -1 && sort.HeaderColor() != clNone &&
                              sort.Column == Ctx.RealCol && Ctx.Row == FixedRows() - 1 &&
                              (Ctx.DisplCol >= FixedCols() || sort.FixedCols);
    if (hot) {
        const TGradientSet hover{FULKGradientHoverFrom, FULKGradientHoverTo,
                                 FULKGradientHoverMirrorFrom, FULKGradientHoverMirrorTo,
                                 FULKGradientHoverBorder};
        const TGradientSet down{FULKGradientDownFrom, FULKGradientDownTo,
                                FULKGradientDownMirrorFrom, FULKGradientDownMirrorTo,
                                FULKGradientDownBorder};
        const bool dropDown =
            FControlLook->FixedDropDownButton && CanShowFixedDropDown(Ctx.RealCol);
        r.Bottom += 1;
        const TRect rest{r.Left, r.Top, r.Right - 16, r.Bottom};
        const TRect part{r.Right - 16, r.Top, r.Right, r.Bottom};
        if (!FMouseDownMove && !moving)
            DrawSet(canvas, r, hover);
        else if (dropDown) {
            DrawSet(canvas, rest, FDropDownDown ? hover : down);
            DrawSet(canvas, part, FDropDownDown ? down : hover);
        } else
            DrawSet(canvas, r, down);
        if (dropDown) {
            canvas->Pen()->SetColor(FMouseDownMove ? FULKGradientDownBorder
                                                   : FULKGradientHoverBorder);
            canvas->MoveTo(r.Right - 16, r.Top);
            canvas->LineTo(r.Right - 16, r.Bottom);
            DrawDownTriangle(canvas, r.Right - 8, r.Top + 8, clBlack);
            r.Right -= 16;
        }
    } else if (activeHeader)
        DrawMirrorGradient(canvas, r, FActiveCellColor, FActiveCellColorTo, clNone, clNone,
                           mgdVertical, clNone, false, true);
    else if (sortedHeader)
        DrawMirrorGradient(canvas, r, sort.HeaderColor(), sort.HeaderColorTo(),
                           sort.HeaderMirrorColor(), sort.HeaderMirrorColorTo(), mgdVertical,
                           clNone, false, true);
    // Without a frame the base fill has drawn this very gradient already.
    else if (!FFlat && FLook == glVista)
        DrawMirrorGradient(canvas, r, canvas->Brush()->Color(), Ctx.ColorTo, Ctx.MirrorColor,
                           Ctx.MirrorColorTo, mgdVertical, clWhite, true, true);
}

// The header cells of the row and the column of each cell: the last fixed column in its row and
// the last fixed row in its column.
void TExStringGrid::RepaintActiveHeaders(int ACol1, int ARow1, int ACol2, int ARow2) {
    for (const TPoint cell : {TPoint{ACol1, ARow1}, TPoint{ACol2, ARow2}}) {
        if (FixedRows() > 0 && cell.X >= 0 && cell.X < ColCount())
            RepaintCell(cell.X, FixedRows() - 1);
        if (FixedCols() > 0 && cell.Y >= 0 && cell.Y < RowCount())
            RepaintCell(FixedCols() - 1, cell.Y);
    }
}
