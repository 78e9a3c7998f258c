// What a cell shows besides its text and graphic: the row indicator, the modified-row bar, the
// list-view header look, the filter button and the background picture or gradient.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/CellDrawContext.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/Filter.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/ShowModified.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <vector>

namespace {

// Draws Bitmap with its automatic transparent colour, leaving its own setting as it was.
void DrawTransparent(TCanvas* Canvas, int X, int Y, TBitmap* Bitmap) {
    const bool transparent = Bitmap->Transparent();
    const TTransparentMode mode = Bitmap->TransparentMode();
    Bitmap->SetTransparent(true);
    Bitmap->SetTransparentMode(tmAuto);
    Canvas->Draw(X, Y, Bitmap);
    Bitmap->SetTransparent(transparent);
    Bitmap->SetTransparentMode(mode);
}

// Copies the part of Source at (SourceX, SourceY) onto Dest, cut at Dest's right and bottom.
void CopyTile(TCanvas* Canvas, TBitmap* Source, int X, int Y, int SourceX, int SourceY,
              const TRect& Dest) {
    const int w = std::min(Source->Width() - SourceX, Dest.Right - X);
    const int h = std::min(Source->Height() - SourceY, Dest.Bottom - Y);
    if (w > 0 && h > 0)
        Canvas->CopyRect(TRect{X, Y, X + w, Y + h}, Source->Canvas(),
                         TRect{SourceX, SourceY, SourceX + w, SourceY + h});
}

// Tiles Bitmap over R from (R.Left - 1, R.Top - 1), the first tile starting at (OffsetX,
// OffsetY) of the bitmap.
void Tile(TCanvas* Canvas, TBitmap* Bitmap, const TRect& R, int OffsetX, int OffsetY) {
    const int w = Bitmap->Width();
    const int h = Bitmap->Height();
    if (w <= 0 || h <= 0)
        return;
    int sourceY = OffsetY % h;
    for (int y = R.Top - 1; y < R.Bottom; y += h - sourceY, sourceY = 0) {
        int sourceX = OffsetX % w;
        for (int x = R.Left - 1; x < R.Right; x += w - sourceX, sourceX = 0)
            CopyTile(Canvas, Bitmap, x, y, sourceX, sourceY, R);
        if (h - sourceY <= 0)
            break;
    }
}

} // namespace

void TExStringGrid::DrawRowIndicator(TCellDrawContext& Ctx) {
    TBitmap* indicator = FRowIndicator.get();
    if (Ctx.RealCol != 0 || Ctx.Row != Row() || FixedCols() <= 0 || indicator->Empty() ||
        (RowCount() == FixedRows() && FFixedRowAlways))
        return;
    const TRect& r = Ctx.Rect;
    const int h = indicator->Height();
    const int y = VAlignment() == vtaTop      ? r.Top
                  : VAlignment() == vtaBottom ? r.Bottom - h
                                              : r.Top + (r.Bottom - r.Top - h) / 2;
    DrawTransparent(Ctx.Canvas, r.Left + 2, y, indicator);
    Ctx.Rect.Left += indicator->Width() + 2;
}

void TExStringGrid::DrawListViewHeader(TCellDrawContext& Ctx) {
    if (FLook != glListView || !Ctx.Fixed || Ctx.Styled || FFlat)
        return;
    TCanvas* canvas = Ctx.Canvas;
    TRect r = Ctx.Rect;
    const bool inside = FHotFixedCell.X == Ctx.DisplCol && FHotFixedCell.Y == Ctx.Row;
    const TThemeStates state = !inside ? tsfNormal : FMouseDownMove ? tsfPressed : tsfHot;
    r.Bottom += 1;
    if (DrawThemePart(canvas, TThemePart::HeaderItem, state, r)) {
        Ctx.Rect.Bottom = r.Bottom;
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(r.Left, r.Top);
        canvas->LineTo(r.Right, r.Top);
        return;
    }
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Pen()->SetColor(clWhite);
    canvas->Rectangle(Ctx.Rect);
}

void TExStringGrid::DrawModifiedBar(TCellDrawContext& Ctx) {
    if (!FShowModified->Enabled || Ctx.DisplCol != 0 || !GetRowModified(RealRowIndex(Ctx.Row)))
        return;
    TCanvas* canvas = Ctx.Canvas;
    const TColor saved = canvas->Brush()->Color();
    canvas->Brush()->SetColor(FShowModified->Color());
    canvas->Pen()->SetColor(FShowModified->Color());
    canvas->Rectangle(Ctx.Rect.Right - 4, Ctx.Rect.Top, Ctx.Rect.Right, Ctx.Rect.Bottom);
    canvas->Brush()->SetColor(saved);
}

void TExStringGrid::DrawFilterButton(TCellDrawContext& Ctx, const TRect& R) {
    if (!Ctx.FilterButton)
        return;
    TBitmap* glyph =
        FFilter->HasFilter(Ctx.RealCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
    if (!glyph || glyph->Empty())
        DrawResourceBitmap(Ctx.Canvas, FixedColor(),
                           TRect{R.Right - 16, R.Top, R.Right, R.Top + 16}, "ESGFILT");
    else
        DrawTransparent(Ctx.Canvas, R.Right - 16, R.Top, glyph);
}

bool TExStringGrid::BackGroundCoversCell(const TCellDrawContext& Ctx) const {
    const TBackGroundCells cells = FBackGround->Cells();
    return cells == bcAll || (Ctx.State.Contains(gdFixed) ? cells == bcFixed : cells == bcNormal);
}

void TExStringGrid::DrawCellBackGround(TCellDrawContext& Ctx, const TRect& R) {
    TCanvas* canvas = Ctx.Canvas;
    TBitmap* bitmap = FBackGround->Bitmap();
    const bool ownColor = Colors(Ctx.RealCol, Ctx.Row) != clNone;
    const bool selectedLook = FShowSelection && Ctx.State.Contains(gdSelected);
    if (!bitmap->Empty() && !ownColor && BackGroundCoversCell(Ctx) && !selectedLook) {
        const int w = GridLineWidth() - 1;
        const TRect area{R.Left - w, R.Top - w, R.Right, R.Bottom};
        if (FBackGround->Display() == bdTile) {
            const int from = FBackGround->Cells() == bcNormal ? 1 : 0;
            const int64_t x = ColsOffset(Ctx.DisplCol) - ColsOffset(from * FixedCols());
            const int64_t y = RowsOffset(Ctx.Row) - RowsOffset(from * FixedRows());
            Tile(canvas, bitmap, area, static_cast<int>(std::max<int64_t>(0, x) % bitmap->Width()),
                 static_cast<int>(std::max<int64_t>(0, y) % bitmap->Height()));
        } else
            PaintBackgroundFixedOn(canvas, area);
    }
    const bool kindTakesGradient =
        !ownColor || IsCellTypeIn(Ctx.RealCol, Ctx.Row,
                                  {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctRadioButton});
    const bool focused = Ctx.State.Contains(gdFocused);
    const bool plainLook = ((!Ctx.State.Contains(gdSelected) || focused) &&
                            (!focused || !Options().Contains(goDrawFocusSelected))) ||
                           !FShowSelection;
    if (FBackGround->IsGradient() && kindTakesGradient && BackGroundCoversCell(Ctx) && plainLook) {
        const bool horizontal = FBackGround->Display() == bdGradientHorz;
        const int extent = horizontal ? Width() : Height();
        const TRect area{R.Left - 1, R.Top - GridLineWidth(), R.Right,
                         R.Bottom + GridLineWidth() - 1};
        const int first = horizontal ? area.Left : area.Top;
        const int last = horizontal ? area.Right : area.Bottom;
        const TColor from =
            BlendColorStep(FBackGround->Color(), FBackGround->ColorTo(), 0, extent, first);
        const TColor to =
            BlendColorStep(FBackGround->Color(), FBackGround->ColorTo(), 0, extent, last);
        canvas->Brush()->SetColor(to);
        canvas->Pen()->SetColor(to);
        DrawGradientBands(canvas, from, to, 128, area, horizontal);
    }
}

void TExStringGrid::PaintBackgroundFixedOn(TCanvas* ACanvas, const TRect& R) {
    TBitmap* bitmap = FBackGround->Bitmap();
    const TRect placed{FBackGround->Left(), FBackGround->Top(),
                       FBackGround->Left() + bitmap->Width(),
                       FBackGround->Top() + bitmap->Height()};
    TRect overlap;
    if (!IntersectRect(overlap, placed, R))
        return;
    ACanvas->CopyRect(overlap, bitmap->Canvas(),
                      TRect{overlap.Left - placed.Left, overlap.Top - placed.Top,
                            overlap.Right - placed.Left, overlap.Bottom - placed.Top});
}

void TExStringGrid::PaintBackgroundFixed(const TRect& R) {
    PaintBackgroundFixedOn(Canvas(), R);
}

void TExStringGrid::PaintBackgroundTiled(const TRect& R) {
    Tile(Canvas(), FBackGround->Bitmap(), R, 0, 0);
}

// The background picture or gradient carries on past the last column and row, where the base
// grid leaves its plain colour.
void TExStringGrid::PaintAreaBeyondCells() {
    TBitmap* bitmap = FBackGround->Bitmap();
    const bool gradient = FBackGround->IsGradient();
    if (ColCount() == 0 || RowCount() == 0 || (bitmap->Empty() && !gradient))
        return;
    if (gradient && FBackGround->ColorTo() == clNone)
        return;
    const bool lastColShown = LeftCol() + VisibleColCount() >= ColCount();
    const bool lastRowShown = TopRow() + VisibleRowCount() >= RowCount();
    const TRect client = ClientRect();
    const int right = CellRect(ColCount() - 1, TopRow()).Right + GridLineWidth();
    const int bottom = CellRect(LeftCol(), RowCount() - 1).Bottom + GridLineWidth();
    std::vector<TRect> regions;
    if (lastColShown && right < client.Right)
        regions.push_back(TRect{right, client.Top, client.Right, client.Bottom});
    if (lastRowShown && bottom < client.Bottom)
        regions.push_back(TRect{client.Left, bottom, client.Right, client.Bottom});
    // The search footer and the floating footer lie over the bottom of the client area and keep
    // their own look, so the background stops above them.
    TRect paintArea = client;
    if (FSearchFooter->Visible())
        paintArea.Bottom -= 32;
    if (FFloatingFooter->Visible && FFooterPanel)
        paintArea.Bottom -= FFooterPanel->Height();
    TCanvas* canvas = Canvas();
    for (const TRect& region : regions) {
        TRect clip;
        if (!IntersectRect(clip, region, paintArea))
            continue;
        canvas->SaveState();
        canvas->IntersectClipRect(clip);
        if (bitmap->Empty())
            DrawGradientBands(canvas, FBackGround->Color(), FBackGround->ColorTo(), 128, paintArea,
                              FBackGround->Display() == bdGradientHorz);
        else if (FBackGround->Display() != bdTile)
            PaintBackgroundFixedOn(canvas, paintArea);
        else if (FBackGround->Cells() != bcFixed) {
            // The tiles line up with those of the cells.
            TPoint origin{paintArea.Left, paintArea.Top};
            if (FBackGround->Cells() == bcNormal) {
                const TRect first = CellRect(LeftCol(), TopRow());
                origin = TPoint{
                    first.Left - static_cast<int>(ColsOffset(LeftCol()) - ColsOffset(FixedCols())),
                    first.Top - static_cast<int>(RowsOffset(TopRow()) - RowsOffset(FixedRows()))};
            }
            origin.X += FXYOffset.X;
            origin.Y += FXYOffset.Y;
            const int w = bitmap->Width();
            const int h = bitmap->Height();
            const int offsetX = ((paintArea.Left - 1 - origin.X) % w + w) % w;
            const int offsetY = ((paintArea.Top - 1 - origin.Y) % h + h) % h;
            Tile(canvas, bitmap, paintArea, offsetX, offsetY);
        }
        canvas->RestoreState();
    }
}
