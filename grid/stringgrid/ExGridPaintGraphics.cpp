// Cell graphics: check boxes, radio buttons, bitmaps and the in-cell bars, pies, shapes and
// ratings, each drawn inside its cell only.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/CellGraphics.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CheckRadioGlyphs.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/GridProgressAppearance.h"
#include "grid/stringgrid/ThemedProgress.h"
#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Several kinds keep plain colour values in their object slots.
TColor ColorField(const TObject* Field) {
    return static_cast<TColor>(reinterpret_cast<uintptr_t>(Field));
}

// The room of a bar in its cell: the cell less the look's progress margins.
TRect ProgressBarRoom(const TRect& Cell, const TControlLook& Look) {
    return TRect{Cell.Left + Look.ProgressMarginX(), Cell.Top + Look.ProgressMarginY(),
                 Cell.Right - Look.ProgressMarginX() - 1, Cell.Bottom - Look.ProgressMarginY() - 1};
}

int LimitPercent(int Value) {
    return std::clamp(Value, 0, 100);
}

bool IsCheckKind(TCellType Kind) {
    switch (Kind) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

// Check boxes whose state comes from the cell data stand at the cell edge, not beside the text.
bool IsDataCheckKind(TCellType Kind) {
    return Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
}

// A number read from a cell; a cell holding none draws as 0, since a paint must not raise.
int CellInt(const TExStringGrid& Grid, int ACol, int ARow) {
    try {
        return Grid.Ints(ACol, ARow);
    } catch (...) {
        return 0;
    }
}

double CellFloat(const TExStringGrid& Grid, int ACol, int ARow) {
    try {
        const double value = Grid.Floats(ACol, ARow);
        return std::isfinite(value) ? value : 0;
    } catch (...) {
        return 0;
    }
}

int GraphicLeft(TCellHAlign HAlign, const TRect& R, int W, int TextWidth, TAlignment TextAlign) {
    const int l = R.Left;
    const int r = R.Right;
    switch (HAlign) {
    case haRight:
        return r - 1 - W;
    case haCenter:
        return W < r - l ? l + (r - l - W) / 2 : l + 1;
    case haBeforeText: {
        int x = l + 1;
        if (TextAlign == taRightJustify)
            x = r - TextWidth - W;
        else if (TextAlign == taCenter)
            x = l + (r - l - TextWidth - W) / 2;
        return x < l ? l + 1 : x;
    }
    case haAfterText: {
        int x = l + TextWidth;
        if (TextAlign == taRightJustify)
            x = r - 1 - W;
        else if (TextAlign == taCenter)
            x = l + TextWidth + (r - l - TextWidth - W) / 2;
        return x < l ? l + 1 : x;
    }
    case haFull:
        return l;
    case haLeft:
    default:
        return l + 1;
    }
}

TRect PlaceGraphic(const TRect& R, TCellHAlign HAlign, TCellVAlign VAlign, int W, int H,
                   int TextWidth, TAlignment TextAlign) {
    TRect g;
    g.Left = GraphicLeft(HAlign, R, W, TextWidth, TextAlign);
    g.Right = HAlign == haFull ? R.Right : g.Left + W;
    switch (VAlign) {
    case vaBottom:
        g.Bottom = R.Bottom - 1;
        g.Top = g.Bottom - H;
        break;
    case vaCenter:
        g.Top = H < R.Bottom - R.Top ? R.Top + (R.Bottom - R.Top - H) / 2 : R.Top + 1;
        g.Bottom = g.Top + H;
        break;
    case vaUnderText:
        g.Top = R.Bottom - H;
        g.Bottom = R.Bottom;
        break;
    case vaFull:
        g.Top = R.Top;
        g.Bottom = R.Bottom;
        break;
    case vaTop:
    case vaAboveText:
    default:
        g.Top = R.Top + 1;
        g.Bottom = g.Top + H;
        break;
    }
    return g;
}

TCellVAlign FromTextVAlign(TVAlignment VAlign) {
    switch (VAlign) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    case vtaTop:
    default:
        return vaTop;
    }
}

// Check boxes and radio buttons sit by the text's alignment rather than their own.
int CheckLeft(TCellType Kind, const TRect& R, int W, int TextWidth, TAlignment TextAlign) {
    const bool data = IsDataCheckKind(Kind);
    int x = R.Left + 1;
    if (TextAlign == taRightJustify)
        x = (data ? R.Right - 1 : R.Right - TextWidth - 1) - W;
    else if (TextAlign == taCenter) {
        if (data || TextWidth == 0)
            x = R.Left + std::max(0, R.Right - W - R.Left) / 2;
        else
            x = R.Left + std::max(0, R.Right - TextWidth - R.Left) / 2 - W;
    }
    return std::max(x, R.Left + 1);
}

struct TRadioGroup {
    int Count = 0;
    int Index = -1;
    bool Horizontal = false;
    bool Disabled = false;
    const TStringList* Items = nullptr;
    bool Selected = false;
    std::string CellText;
    double Scale = 1;
    bool Upward = false;
};

// Count radio buttons with their captions; item r is checked when Index selects it or, with
// Index -1, when its caption is the cell text.
void DrawRadioGroup(TExStringGrid& Grid, TCanvas* Canvas, const TRect& R, const TRadioGroup& G) {
    if (G.Count <= 0)
        return;
    const TControlLook& look = *Grid.ControlLook();
    const bool enabledLook =
        !G.Disabled || look.RadioAlwaysActive || look.NoDisabledCheckRadioLook();
    const TRadioLayout layout = RadioLayout(look.ControlStyle());
    const int radio = std::max(1, look.RadioSize());
    const int scaled = static_cast<int>(std::lround(G.Scale * radio));
    const int step = G.Upward ? -1 : 1;
    if (G.Selected && Grid.ShowSelection())
        Canvas->Font()->SetColor(Grid.SelectionTextColor());
    const int lineHeight = Canvas->TextHeight("gh");
    int p = 0;
    for (int r = 1; r <= G.Count; ++r) {
        const bool hasItem = G.Items && r - 1 < G.Items->Count();
        const std::string caption = hasItem ? (*G.Items)[r - 1] : std::string();
        const bool checked =
            r == G.Index + 1 || (G.Index == -1 && hasItem && caption == G.CellText);
        TRect box;
        TPoint textAt;
        if (layout.Classic) {
            const int size =
                look.ControlStyle() == csFlat ? std::lround(G.Scale * (radio + 2)) : scaled;
            if (G.Horizontal) {
                box.Left = R.Left + (r - 1) * radio + p + 2;
                box.Top = R.Top + (R.Bottom - R.Top - radio) / 2;
                textAt = TPoint{box.Left + scaled, box.Top - 2};
            } else {
                box.Top = R.Top + lineHeight * (r - 1) * step + 2;
                box.Left = caption.empty() ? R.Left + (R.Right - R.Left - scaled) / 2 : R.Left + 2;
                textAt = TPoint{box.Left + static_cast<int>(std::lround(G.Scale * (radio + 4))),
                                box.Top - 2};
            }
            box.Right = box.Left + size;
            box.Bottom = box.Top + size;
        } else {
            if (G.Horizontal) {
                box.Left = p + R.Left + r * RadioGlyphCell - 14;
                box.Top = R.Top + (R.Bottom - R.Top - RadioGlyphCell) / 2;
                textAt = TPoint{box.Left + layout.HorizontalCaption.X,
                                box.Top + layout.HorizontalCaption.Y};
            } else {
                const int h = std::max(RadioGlyphCell, lineHeight);
                box.Top = R.Top + h * (r - 1) * step + 2;
                box.Left =
                    caption.empty() ? R.Left + (R.Right - R.Left - RadioGlyphCell) / 2 : R.Left + 2;
                textAt =
                    TPoint{R.Left + layout.VerticalCaption.X, box.Top + layout.VerticalCaption.Y};
            }
            box.Right = box.Left + RadioGlyphCell;
            box.Bottom = box.Top + RadioGlyphCell;
        }
        DrawRadioGlyph(Canvas, box, checked, enabledLook, look);
        if (!caption.empty()) {
            Canvas->Brush()->SetStyle(bsClear);
            Canvas->TextOut(textAt.X, textAt.Y, caption);
            Canvas->Brush()->SetStyle(bsSolid);
            if (G.Horizontal)
                p += Canvas->TextWidth(caption);
        }
    }
}

// A push button, a button with a glyph or the expand chevron. Style and state go to the
// context for the mouse handling; the button's offset in the cell goes to CellValue.
void DrawCellButton(TExStringGrid& Grid, TCanvas* Canvas, TCellGraphic& Graphic, TRect G,
                    const TRect& R, const TRect& Cell, bool CanEdit, TCellDrawContext& Context) {
    const bool expand = Graphic.CellType == ctExpand;
    if (expand)
        G = TRect{R.Right - 13, R.Top, R.Right, R.Top + 13};
    Graphic.CellValue = static_cast<double>((((G.Top - Cell.Top) & 0xFFFF) << 16) |
                                            ((G.Left - Cell.Left) & 0xFFFF));
    int style = ThemeServicesActive() ? bdsVisualStyle : bdsClassic;
    if (Grid.ControlLook()->FlatButton())
        style = bdsFlat;
    if (Grid.Flat() && Grid.Tones.Background.BrushColor != clNone)
        style = bdsTones;
    int state = Graphic.CellBoolean ? bstDown : bstNormal;
    if (!CanEdit && !expand)
        state = bstDisabled;
    Context.ButtonStyle = static_cast<uint8_t>(style);
    Context.ButtonState = static_cast<uint8_t>(state);
    DrawButtonFace(Canvas, &Grid, G, style, state, Grid.Tones);
    if (state == bstDown)
        G = TRect{G.Left + 1, G.Top + 1, G.Right + 1, G.Bottom + 1};
    if (expand) {
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Pen()->SetWidth(1);
        const bool expanded =
            std::holds_alternative<bool>(Graphic.CellVar) && std::get<bool>(Graphic.CellVar);
        const int r = R.Right;
        const int t = R.Top;
        if (expanded)
            Canvas->Polyline({TPoint{r - 10, t + 8}, TPoint{r - 7, t + 5}, TPoint{r - 3, t + 9}});
        else
            Canvas->Polyline({TPoint{r - 10, t + 5}, TPoint{r - 7, t + 8}, TPoint{r - 3, t + 4}});
        return;
    }
    const std::string& caption = Graphic.CellText;
    if (Graphic.CellType == ctBitButton) {
        if (const auto* glyph = dynamic_cast<const TBitmap*>(Graphic.CellBitmap);
            glyph && !glyph->Empty()) {
            const int dx = (G.Right - G.Left) - glyph->Width();
            int dy = ((G.Bottom - G.Top) - glyph->Height()) / 2;
            if (dy < 1)
                dy = 3;
            if (dx < 1 || !caption.empty()) {
                Canvas->Draw(G.Left + 3, G.Top + dy, glyph);
                G.Left += glyph->Width() + 4;
            } else
                Canvas->Draw(G.Left + dx / 2, G.Top + dy, glyph);
        }
    }
    unsigned flags = caption.find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
    G.Left += 1;
    if (style == bdsTones) {
        const TColorTones& tones = Grid.Tones;
        const TColor byState[] = {tones.Background.TextColor, tones.Hover.TextColor,
                                  tones.Selected.TextColor, tones.Disabled.TextColor};
        Canvas->Font()->SetColor(byState[state]);
    }
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->DrawText(caption, G, flags | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
}

// Keeps every stroke of one graphic inside the cell and gives the canvas back as it was.
class TCanvasGuard {
public:
    TCanvasGuard(TCanvas* Canvas, const TRect& Clip) : FCanvas(Canvas) {
        FCanvas->SaveState();
        FBrush.Assign(*FCanvas->Brush());
        FPen.Assign(*FCanvas->Pen());
        FFontColor = FCanvas->Font()->Color();
        FCanvas->IntersectClipRect(Clip);
    }
    ~TCanvasGuard() {
        FCanvas->Brush()->Assign(FBrush);
        FCanvas->Pen()->Assign(FPen);
        FCanvas->Font()->SetColor(FFontColor);
        FCanvas->RestoreState();
    }
    TCanvasGuard(const TCanvasGuard&) = delete;
    TCanvasGuard& operator=(const TCanvasGuard&) = delete;

private:
    TCanvas* FCanvas;
    TBrush FBrush;
    TPen FPen;
    TColor FFontColor;
};

} // namespace

// The raw cell text turned by the graphic's angle, started where the alignments put the turned
// text box, with the sort indicator of a sorted header beside it.
void TExStringGrid::DrawRotatedCellText(TCanvas* ACanvas, const TRect& ARect,
                                        const TCellGraphic& Graphic, TCellDrawContext& Context) {
    const std::string text = GetCellEx(Context.RealCol, Context.Row);
    TRect start = ARect;
    PlaceRotatedText(start, Graphic.CellAngle, text, Context.HAlign, Context.VAlign);
    TRect clip = ARect;
    InflateRect(clip, -2, -2);
    ACanvas->SaveState();
    ACanvas->IntersectClipRect(clip);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->TextOutRotated(start.Left, start.Top, Graphic.CellAngle * 10, text);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->RestoreState();
    if (ShowsSortIndicator(Context.RealCol, Context.Row))
        DrawSortIndicator(ACanvas, Context.RealCol, ARect.Right - 10, ARect.Top + 8);
}

void TExStringGrid::DrawCellGraphic(TRect& ARect, TCellGraphic* Graphic, TVAlignment VAlign,
                                    TCellDrawContext& Context) {
    TCanvas* canvas = Context.Canvas ? Context.Canvas : Canvas();
    if (!Graphic || !canvas)
        return;
    const TCellType kind = Graphic->CellType;
    const TPoint offset = XYOffset();
    const TRect received = ARect;
    // The cell: the content rectangle with its text margins.
    const TRect cell{ARect.Left - offset.X, ARect.Top - offset.Y, ARect.Right + offset.X,
                     ARect.Bottom + offset.Y};
    if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress) {
        // Reaches into the text margin, one pixel short of the cell's edge.
        ARect.Left += 1 - offset.X;
        ARect.Right -= 1 - offset.X;
        ARect.Top += 1 - offset.Y;
        ARect.Bottom -= 1 - offset.Y;
    }
    if (Context.TextWidth > 0)
        Context.TextWidth += 2;
    const int col = Context.RealCol;
    const int row = Context.Row;
    const int textWidth = Context.TextWidth;
    const TCellVAlign graphicVAlign =
        IsCheckKind(kind) && VAlign != VAlignment() ? FromTextVAlign(VAlign) : Graphic->CellVAlign;
    const TPoint size = DrawnGraphicSize(col, row, *Graphic, ARect,
                                         TPoint{Context.GraphicWidth, Context.GraphicHeight});
    TRect g = PlaceGraphic(ARect, Graphic->CellHAlign, graphicVAlign, size.X, size.Y, textWidth,
                           Context.HAlign);
    const TRect r = ARect;

    try {
        TCanvasGuard guard(canvas, received);
        const auto canEdit = [&] {
            bool can = true;
            QueryCanEdit(col, row, can);
            return can;
        };
        if (IsCheckKind(kind)) {
            const int w = g.Right - g.Left;
            g.Left = CheckLeft(kind, r, w, textWidth, Context.HAlign);
            g.Right = g.Left + w;
        }
        switch (kind) {
        case ctCheckBox:
        case ctRowCheckBox:
            DrawCheckGlyph(canvas, g, Graphic->CellBoolean, canEdit(), Graphic->CellAngle > 0,
                           *ControlLook());
            break;
        case ctDataCheckBox:
        case ctVirtCheckBox: {
            std::string checkTrue;
            GetCheckTrue(col, row, checkTrue);
            DrawCheckGlyph(canvas, g, GetCellEx(col, row) == checkTrue, canEdit(), false,
                           *ControlLook());
            break;
        }
        case ctTriStateCheckBox:
            DrawCheckGlyph(canvas, g, Graphic->CellCheckBoxState == cbChecked, canEdit(),
                           Graphic->CellAngle > 0 || Graphic->CellCheckBoxState == cbGrayed,
                           *ControlLook());
            break;
        case ctRadioButton: {
            const int size = ControlLook()->RadioSize();
            g.Left += offset.X;
            g.Right = g.Left + size;
            g.Bottom = g.Top + size;
            TRadioGroup group;
            group.Count = 1;
            group.Index = Graphic->CellBoolean ? 0 : -1;
            group.Disabled = !canEdit();
            DrawRadioGroup(*this, canvas, g, group);
            break;
        }
        case ctRadio: {
            TRadioGroup group;
            group.Items = GetRadioStrings(col, row);
            group.Count = group.Items ? group.Items->Count() : 0;
            group.Index = Graphic->CellIndex;
            group.Horizontal = Graphic->CellBoolean;
            group.Disabled = !canEdit();
            group.Selected = Context.State.Contains(gdSelected);
            group.CellText = GetCellEx(col, row);
            DrawRadioGroup(*this, canvas, r, group);
            break;
        }
        case ctBitmap:
            if (auto* bitmap = dynamic_cast<TBitmap*>(Graphic->CellBitmap);
                bitmap && !bitmap->Empty()) {
                const bool transparent = bitmap->Transparent();
                bitmap->SetTransparent(Graphic->CellTransparent);
                canvas->Draw(g.Left, g.Top, bitmap);
                bitmap->SetTransparent(transparent);
            }
            break;
        case ctIcon:
            if (const auto* icon = dynamic_cast<const TIcon*>(Graphic->CellIcon))
                icon->Draw(canvas, g.Left, g.Top);
            break;
        case ctImageList:
            if (const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(col, row)))
                images->Draw(canvas, g.Left, g.Top, Graphic->CellIndex);
            break;
        case ctDataImage:
            if (const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(col, row))) {
                const int index = CellInt(*this, col, row) + Graphic->CellIndex;
                if (index >= 0 && index < images->Count())
                    images->Draw(canvas, g.Left, g.Top, index);
            }
            break;
        case ctImages: {
            const auto* images = dynamic_cast<const TImageList*>(GetGridImageList(col, row));
            const auto* indexes = dynamic_cast<const TIntList*>(Graphic->CellBitmap);
            if (!images || !indexes)
                break;
            TPoint at{g.Left, g.Top};
            for (int i = 0; i < indexes->Count(); ++i) {
                images->Draw(canvas, at.X, at.Y, indexes->Items(i));
                if (Graphic->CellBoolean)
                    at.X += images->Width();
                else
                    at.Y += images->Height();
            }
            break;
        }
        case ctButton:
        case ctBitButton:
        case ctExpand:
            // A button may keep its enabled look in a cell that cannot be edited.
            DrawCellButton(*this, canvas, *Graphic, g, r, cell,
                           ControlLook()->NoDisabledButtonLook() || canEdit(), Context);
            break;
        case ctPicture:
            if (auto* picture = dynamic_cast<TPicture*>(Graphic->CellBitmap);
                picture && !picture->Empty()) {
                if (Graphic->CellAngle != noStretch)
                    canvas->StretchDraw(g, picture->Bitmap());
                else
                    canvas->Draw(g.Left, g.Top, picture->Bitmap());
            }
            break;
        case ctFilePicture:
            if (const auto* picture = dynamic_cast<const TFilePicture*>(Graphic->CellBitmap)) {
                // A file gone since it was set draws nothing; the rest of the cell still does.
                try {
                    picture->DrawPicture(canvas, g);
                } catch (const EFileError&) {
                }
            }
            break;
        case ctProgress: {
            if (DrawThemedProgress(canvas, r, *ControlLook(), CellFloat(*this, col, row)))
                break;
            TRect bar = r;
            bar.Left += 2;
            bar.Top += 2;
            bar.Right -= 2;
            bar.Bottom -= 2;
            const TColor fill = ColorField(Graphic->CellBitmap);
            const TColor rest = ColorField(Graphic->CellIcon);
            const TColor fillText =
                Graphic->CellBoolean ? static_cast<TColor>(Graphic->CellIndex) : fill ^ 0xFFFFFF;
            const TColor restText =
                Graphic->CellBoolean ? static_cast<TColor>(Graphic->CellAngle) : rest ^ 0xFFFFFF;
            DrawProgressBar(canvas, bar, fill, fillText, rest, restText, CellFloat(*this, col, row),
                            ControlLook()->ProgressMarginX(), ControlLook()->ProgressMarginY(),
                            Graphic->CellErrFrom, Graphic->CellErrLen, Graphic->CellText,
                            ControlLook()->ProgressBorderColor, false);
            break;
        }
        case ctProgressPie:
            DrawProgressPie(canvas, TRect{g.Left, g.Top, g.Left + 20, g.Top + 20},
                            ColorField(Graphic->CellBitmap), LimitPercent(Graphic->CellAngle),
                            false);
            break;
        case ctRangeIndicator:
            DrawValueBar(canvas, ProgressBarRoom(r, *ControlLook()), CellInt(*this, col, row),
                         Graphic->CellIndex, Graphic->CellBoolean, ColorField(Graphic->CellBitmap),
                         ColorField(Graphic->CellIcon));
            break;
        case ctXPProgress: {
            const TGridProgressAppearance& appearance = *ProgressAppearance();
            TLevelProgressAppearance look;
            look.Level0Color = appearance.Level0Color();
            look.Level0ColorTo = appearance.Level0ColorTo();
            look.Level1Color = appearance.Level1Color();
            look.Level1ColorTo = appearance.Level1ColorTo();
            look.Level2Color = appearance.Level2Color();
            look.Level2ColorTo = appearance.Level2ColorTo();
            look.Level3Color = appearance.Level3Color();
            look.Level3ColorTo = appearance.Level3ColorTo();
            look.Level1Perc = appearance.Level1Perc();
            look.Level2Perc = appearance.Level2Perc();
            look.ShowBorder = appearance.ShowBorder();
            look.BorderColor = appearance.BorderColor();
            look.Stacked = appearance.Stacked();
            look.ShowPercentage = appearance.ShowPercentage();
            look.CompletionSmooth = appearance.CompletionSmooth();
            look.ShowGradient = appearance.ShowGradient();
            look.Font = Font();
            look.CompleteFontColor = appearance.CompleteFontColor();
            look.Steps = appearance.Steps();
            look.UnCompleteColor = appearance.UnCompleteColor() == clNone
                                       ? canvas->Brush()->Color()
                                       : appearance.UnCompleteColor();
            const TRect bar = ProgressBarRoom(r, *ControlLook());
            const int range = Graphic->CellErrLen - Graphic->CellErrFrom;
            const double value = std::abs(CellInt(*this, col, row) - double(Graphic->CellErrFrom));
            // An empty range (minimum = maximum) has nothing to measure against.
            const int percent = range == 0 ? 0 : static_cast<int>(std::lround(value / range * 100));
            DrawLevelProgress(canvas, bar, LimitPercent(percent), look);
            break;
        }
        case ctShape:
            DrawCellShape(canvas, g.Left, g.Top, g.Right - g.Left - 1, g.Bottom - g.Top - 1,
                          static_cast<TCellShape>(Graphic->CellAngle),
                          static_cast<TColor>(Graphic->CellIndex), ColorField(Graphic->CellBitmap));
            break;
        case ctRating: {
            const double v = std::round(CellFloat(*this, col, row) * 2) / 2;
            const TColor empty = ColorField(Graphic->CellBitmap);
            const TColor full = static_cast<TColor>(Graphic->CellIndex);
            int x = g.Left;
            for (int i = 0; i < Graphic->CellAngle && x < cell.Right; ++i, x += 18) {
                const bool beyond = i + 1 > v;
                DrawCellShape(canvas, x, g.Top, 16, 16, csStar, beyond ? empty : full,
                              beyond ? empty : full);
                if (beyond && i < v)
                    DrawCellShape(canvas, x, g.Top, 16, 16, csHalfStar, full, full);
            }
            break;
        }
        case ctNode:
            DrawNodeGlyph(canvas, row, r);
            break;
        case ctRotated:
            DrawRotatedCellText(canvas, r, *Graphic, Context);
            break;
        case ctComment: {
            if (ControlLook()->CommentColor() == clNone)
                break;
            const TColor own = static_cast<TColor>(Graphic->CellIndex);
            const TColor color = own != clNone ? own : ControlLook()->CommentColor();
            canvas->Pen()->SetColor(color);
            canvas->Brush()->SetColor(color);
            canvas->Brush()->SetStyle(bsSolid);
            // The corner inside the grid lines.
            const int right = received.Right - 2;
            const int top = received.Top + 1;
            canvas->Polygon({TPoint{right - 5, top}, TPoint{right, top}, TPoint{right, top + 5}});
            break;
        }
        default:
            break;
        }
    } catch (...) {
        // A graphic that cannot be drawn leaves its cell as it is; a paint never raises.
    }
}
