// The drawing of one cell over the background the base grid has painted: the fixed-cell looks,
// the text, the graphic, the borders, the custom-draw events and the focus rectangle.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CellGraphicObject.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Panel.h"

#include <algorithm>
#include <memory>

void TExStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                    TGridDrawState AState) {
    // Hooks, events and the graphic drawer run inside the paint: what they raise ends this cell
    // only, the other cells are still painted.
    try {
        DrawCellSteps(ACanvas, ACol, ARow, ARect, AState);
    } catch (const std::exception&) {
    }
}

void TExStringGrid::DrawCellSteps(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                                  TGridDrawState AState) {
    TCellDrawContext ctx;
    ctx.Grid = this;
    ctx.Canvas = ACanvas;
    ctx.DisplCol = ACol;
    ctx.RealCol = DisplToRealCol(ACol);
    ctx.Row = ARow;
    ctx.SelectionRow = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent
                           ? DisplToRealRow(ARow)
                           : ARow;
    ctx.Rect = ARect;
    ctx.State = AState;

    if (HasScrollBar(ctx.RealCol, ARow))
        DrawCellScrollBar(ctx);
    ctx.WordWrap = FWordWrapEx;
    // On paper: print colours and fonts, and graphics only when the settings ask for them.
    const bool printing = FPrintingCells;
    GetVisualProperties(ACol, ARow, ctx.State, printing, false, true, ACanvas->Brush(), ctx.ColorTo,
                        ctx.MirrorColor, ctx.MirrorColorTo, ACanvas->Font(), ctx.HAlign, ctx.VAlign,
                        ctx.WordWrap, ctx.GradientDirection);
    if (!printing || FPrintSettings->PrintGraphics)
        ctx.Graphic = GetCellGraphicInfo(ctx.RealCol, ARow, ctx.GraphicWidth, ctx.GraphicHeight,
                                         ctx.DrawText, ctx.GraphicHAlign, ctx.GraphicVAlign);
    if (ctx.RealCol == 0 && IsNode(ARow)) {
        const TCellProperties* props = ExistingProperties(0, ARow);
        ctx.GraphicWidth = (props ? props->NodeLevel() : 0) * 12 + 4;
    }
    if (ctx.State.Contains(gdSelected) && !ctx.State.Contains(gdFocused) &&
        FSelectionColor == clNone)
        ACanvas->Brush()->SetColor(clHighlight);
    SizeCellFont(ACanvas->Font());
    ctx.SavedBrushColor = ACanvas->Brush()->Color();
    ctx.SavedFontColor = ACanvas->Font()->Color();

    ctx.Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (ARow == FHoverRowIdx && HoverRowCells().Contains(hcFixed) && !printing)
        ctx.Fixed = false;
    ctx.FilterButton = !printing && ARow == FFilterDropDownRow && ARow < FixedRows() &&
                       (FFilterDropDownAuto || OnGetColumnFilter) && GetColumnFilter(ctx.RealCol);

    DrawFixedCellLook(ctx);
    const int left = ctx.Rect.Left;
    if (!printing) {
        DrawRowIndicator(ctx);
        DrawListViewHeader(ctx);
        DrawModifiedBar(ctx);
    }
    FireEvent(OnCustomCellBkgDraw, this, ACanvas, ctx.RealCol, ARow, ctx.State, ctx.Rect, printing);

    const int right = ctx.Rect.Right;
    if (!printing)
        DrawAlwaysVisibleButtons(ctx);
    const ICellGraphicObject* underText = nullptr;
    if (ICellGraphicObject* object = CellGraphicObjectOf(ctx.Graphic);
        object && object->DrawnUnderText()) {
        TRect grown = ctx.Rect;
        InflateRect(grown, 1, 1);
        DrawInterfacedCell(ctx, grown);
        underText = object;
    }
    const bool customDrawn = OnDrawCell || OnCustomCellDraw;
    if ((!ctx.Graphic || !NoImageAndText) && (!customDrawn || !NoDefaultDraw)) {
        // A scrolled cell's text moves up under the cell's edge.
        const int scrolled = ctx.CellScrollPosition;
        if (scrolled > 0) {
            ACanvas->SaveState();
            ACanvas->IntersectClipRect(ctx.Rect);
            ctx.Rect.Top -= scrolled;
        }
        DrawCellText(ctx);
        if (scrolled > 0) {
            ctx.Rect.Top += scrolled;
            ACanvas->RestoreState();
        }
    }
    ctx.Rect.Right = right;
    ctx.Rect.Left = left;
    ACanvas->Brush()->SetColor(ctx.SavedBrushColor);
    ACanvas->Font()->SetColor(ctx.SavedFontColor);
    InflateRect(ctx.Rect, 1, 1);
    // Paper has its own borders (ExGridPrintCells.cpp).
    if (!printing) {
        DrawCellBorders(ctx);
        DrawFixedCellEdges(ctx);
    }
    if (ctx.RealCol == 0 && ARow >= FixedRows() && HasNodes())
        DrawTreeLines(ACanvas, ARow, ctx.Rect);

    if (ctx.Graphic && ctx.Graphic->CellType == ctInterface) {
        if (!underText)
            DrawInterfacedCell(ctx, ctx.Rect);
    } else if (ctx.Graphic) {
        TRect r = ctx.Rect;
        if (ctx.Fixed)
            r.Top += 1;
        DrawCellGraphic(r, ctx.Graphic, ctx.VAlign, ctx);
        ctx.Rect = r;
    }
    if (OnDrawCell) {
        const TRect inner{ctx.Rect.Left + 1, ctx.Rect.Top + 1, ctx.Rect.Right - GridLineWidth(),
                          ctx.Rect.Bottom - GridLineWidth()};
        OnDrawCell(this, ctx.RealCol, ARow, inner, ctx.State);
    }
    FireEvent(OnCustomCellDraw, this, ACanvas, ctx.RealCol, ARow, ctx.State, ctx.Rect, printing);
    if (!printing)
        DrawCellFocus(ctx);
}

void TExStringGrid::DrawAlwaysVisibleButtons(TCellDrawContext& Ctx) {
    if (IsFixed(Ctx.DisplCol, Ctx.Row) ||
        !(FControlLook->DropDownAlwaysVisible() || FControlLook->SpinButtonsAlwaysVisible()))
        return;
    Ctx.ButtonStyle = FFlat ? bdsTones : bdsVisualStyle;
    bool canEdit = true;
    QueryCanEdit(Ctx.RealCol, Ctx.Row, canEdit);
    Ctx.ButtonState = canEdit ? bstNormal : bstDisabled;
    TRect& r = Ctx.Rect;
    if (FControlLook->DropDownAlwaysVisible() && HasComboBox(Ctx.RealCol, Ctx.Row)) {
        DrawDropDownButton(Ctx.Canvas, this, TRect{r.Left - 2, r.Top - 1, r.Right + 1, r.Bottom},
                           Ctx.ButtonStyle, Ctx.ButtonState, Tones);
        r.Right -= 16;
    }
    if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(Ctx.RealCol, Ctx.Row)) {
        DrawSpinButtons(Ctx.Canvas, this, r, Ctx.ButtonStyle, Ctx.ButtonState, Tones);
        r.Right -= 16;
    }
}

void TExStringGrid::DrawCellBorders(TCellDrawContext& Ctx) {
    TCanvas* canvas = Ctx.Canvas;
    TPen saved;
    saved.Assign(*canvas->Pen());
    TCellBorders borders;
    GetCellBorder(Ctx.RealCol, Ctx.Row, canvas->Pen(), borders);
    if (borders.Empty() && !OnGetCellBorderProp) {
        canvas->Pen()->Assign(saved);
        return;
    }
    TPen pens[4];
    for (TPen& pen : pens)
        pen.Assign(*canvas->Pen());
    TPen &leftPen = pens[0], &topPen = pens[1], &rightPen = pens[2], &bottomPen = pens[3];
    FireEvent(OnGetCellBorderProp, this, Ctx.Row, Ctx.RealCol, &leftPen, &topPen, &rightPen,
              &bottomPen);
    const int h = (canvas->Pen()->Width() + 1) / 2;
    const int f = Options().Contains(goVertLine) ? h : 0;
    const int v = Options().Contains(goHorzLine) ? h : 0;
    TRect r = Ctx.Rect;
    r.Left += f;
    r.Bottom -= v;
    auto line = [canvas](const TPen& pen, int x1, int y1, int x2, int y2) {
        canvas->Pen()->Assign(pen);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    if (borders.Contains(cbLeft))
        line(leftPen, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
    r.Right -= f;
    if (borders.Contains(cbRight))
        line(rightPen, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    if (borders.Contains(cbTop)) {
        r.Top += v;
        const int y = GridLineWidth() > 0 ? std::max(0, r.Top - GridLineWidth()) : r.Top + 1;
        line(topPen, r.Left, y, r.Right, y);
    }
    if (borders.Contains(cbBottom))
        line(bottomPen, r.Left - GridLineWidth() - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
    canvas->Pen()->Assign(saved);
}

// The raised edges of the soft and header looks, and the outline of the fixed right columns.
void TExStringGrid::DrawFixedCellEdges(TCellDrawContext& Ctx) {
    TCanvas* canvas = Ctx.Canvas;
    TRect& r = Ctx.Rect;
    const TGridOptions options = Options();
    auto line = [canvas](TColor color, std::initializer_list<TPoint> points) {
        canvas->Pen()->SetColor(color);
        canvas->Pen()->SetWidth(1);
        const TPoint* p = points.begin();
        canvas->MoveTo(p->X, p->Y);
        for (++p; p != points.end(); ++p)
            canvas->LineTo(p->X, p->Y);
    };
    auto outline = [&](TColor color) {
        if (options.Contains(goFixedHorzLine)) {
            line(color, {{r.Left - 1, r.Top - 1}, {r.Right + 1, r.Top - 1}});
            line(color, {{r.Left - 1, r.Bottom + 1}, {r.Right + 1, r.Bottom + 1}});
        }
        if (options.Contains(goFixedVertLine)) {
            line(color, {{r.Left - 1, r.Top - 1}, {r.Left - 1, r.Bottom + 1}});
            line(color, {{r.Right + 1, r.Top - 1}, {r.Right + 1, r.Bottom + 1}});
        }
    };
    const bool ctl3D = !FFlat;
    const TColor darker = HalveColor(FixedColor());
    if (Ctx.Fixed && !FFlat && FLook == glClassic)
        DrawClassicFixedEdges(Ctx);
    else if (Ctx.Fixed && !FFlat && (FLook == glULK || FLook == glXP)) {
        r.Bottom += 1;
        if (options.Contains(goFixedHorzLine)) {
            line(darker, {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}});
            line(clWhite,
                 {{r.Right - 2, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
        }
    } else if (Ctx.Fixed && !FFlat && FLook == glSoft) {
        r.Right += 1;
        r.Bottom += 1;
        if (options.Contains(goFixedHorzLine)) {
            line(darker, {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}});
            line(clWhite,
                 {{r.Right, r.Top + 1}, {r.Left + 1, r.Top + 1}, {r.Left + 1, r.Bottom - 1}});
        }
        if (options.Contains(goFixedVertLine)) {
            line(darker, {{r.Right - 2, r.Top}, {r.Right - 2, r.Bottom - 1}});
            line(clWhite, {{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}});
        }
    }
    if (FFixedRightCols > 0 && FFixedRightCols >= ColCount() + NumHiddenColumns() - Ctx.RealCol &&
        FLook != glClassic && !ctl3D)
        outline(FFlat ? clGray : clBlack);
    canvas->Pen()->SetColor(clBlack);
}

// Raised platform edges and a black outline at the right and bottom.
void TExStringGrid::DrawClassicFixedEdges(TCellDrawContext& Ctx) {
    TCanvas* canvas = Ctx.Canvas;
    TRect& r = Ctx.Rect;
    r.Top += 1;
    r.Bottom += 1;
    r.Left += 1;
    TRect edge = r;
    Frame3D(canvas, edge, clBtnHighlight, clBtnShadow, 1);
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(r.Right - 1, r.Top);
    canvas->LineTo(r.Right - 1, r.Bottom - 1);
    canvas->LineTo(r.Left - 1, r.Bottom - 1);
}

void TExStringGrid::DrawCellFocus(TCellDrawContext& Ctx) {
    if (HideFocusRect || Options().Contains(goRowSelect) || Row() < FixedRows() ||
        Col() < FixedCols())
        return;
    const TPoint base = BaseCell(Ctx.DisplCol, Ctx.Row);
    if (base.X != Col() || base.Y != Row() || !Focused())
        return;
    TRect r = Ctx.Rect;
    InflateRect(r, GridLineWidth() - 1, GridLineWidth() - 1);
    r.Right -= 1;
    r.Bottom -= 1;
    Ctx.Canvas->DrawFocusRect(r);
}
