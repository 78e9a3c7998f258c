#include "grid/foundation/CellGraphics.h"

#include "grid/foundation/CellGraphicsSupport.h"
#include "grid/foundation/ExDrawing.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

using namespace CellGraphicsSupport;

namespace {

struct LevelColors {
    TColor Color;
    TColor ColorTo;
};

LevelColors ColorsOfLevel(const TLevelProgressAppearance& look, int level) {
    switch (level) {
    case 0:
        return {look.Level0Color, look.Level0ColorTo};
    case 1:
        return {look.Level1Color, look.Level1ColorTo};
    case 2:
        return {look.Level2Color, look.Level2ColorTo};
    default:
        return {look.Level3Color, look.Level3ColorTo};
    }
}

// Draws bar pieces along the bar: from the left edge, or from the bottom edge upward when
// vertical, inset from the frame.
class LevelBar {
public:
    LevelBar(TCanvas* canvas, const TRect& r, const TLevelProgressAppearance& look)
        : FCanvas(canvas), FRect(r), FLook(look) {}

    // A piece from start to start + length along the bar, inset pixels inside the frame.
    void Piece(int start, int length, int inset, LevelColors colors) const {
        if (length <= 0)
            return;
        TRect piece;
        if (FLook.Vertical)
            piece = Rect(FRect.Left + inset, FRect.Bottom - inset - start - length,
                         FRect.Right - inset, FRect.Bottom - inset - start);
        else
            piece = Rect(FRect.Left + inset + start, FRect.Top + inset,
                         FRect.Left + inset + start + length, FRect.Bottom - inset);
        if (piece.IsEmpty())
            return;
        if (!FLook.ShowGradient) {
            SetFill(FCanvas, colors.Color);
            FCanvas->FillRect(piece);
            return;
        }
        // Across the bar's thickness: the end colour at both edges, the colour in the middle.
        TRect first = piece;
        TRect second = piece;
        if (FLook.Vertical) {
            first.Right = second.Left = piece.Left + piece.Width() / 2;
            DrawGradient(FCanvas, colors.ColorTo, colors.Color, FLook.Steps, first, true);
            DrawGradient(FCanvas, colors.Color, colors.ColorTo, FLook.Steps, second, true);
        } else {
            first.Bottom = second.Top = piece.Top + piece.Height() / 2;
            DrawGradient(FCanvas, colors.ColorTo, colors.Color, FLook.Steps, first, false);
            DrawGradient(FCanvas, colors.Color, colors.ColorTo, FLook.Steps, second, false);
        }
    }

private:
    TCanvas* FCanvas;
    TRect FRect;
    const TLevelProgressAppearance& FLook;
};

void DrawStackedLevels(const LevelBar& bar, int percent, int size,
                       const TLevelProgressAppearance& look) {
    const int first = Round(size * std::min(percent, look.Level1Perc) / 100.0);
    bar.Piece(0, first, 1, ColorsOfLevel(look, 0));
    if (percent < look.Level1Perc)
        return;
    const int second = Round(size * (std::min(percent, look.Level2Perc) - look.Level1Perc) / 100.0);
    bar.Piece(first, second, 1, ColorsOfLevel(look, 1));
    if (percent < look.Level2Perc)
        return;
    const int third =
        percent >= 100 ? size - first - second : Round(size * (percent - look.Level2Perc) / 100.0);
    bar.Piece(first + second, std::min(third, size - first - second), 1, ColorsOfLevel(look, 3));
}

void DrawLevelBar(const LevelBar& bar, int percent, int size,
                  const TLevelProgressAppearance& look) {
    int level = 3;
    if (percent < look.Level1Perc)
        level = 0;
    else if (percent < look.Level2Perc)
        level = 1;
    else if (percent < 100)
        level = 2;
    const LevelColors colors = ColorsOfLevel(look, level);
    const int length = Round(std::min(percent, 100) * size / 100.0);
    if (look.CompletionSmooth) {
        bar.Piece(0, length, 1, colors);
        return;
    }
    if (length <= 1)
        return;
    if (length <= 9) {
        bar.Piece(0, length - 1, 2, colors);
        return;
    }
    for (int block = 0; block < length / 9; ++block)
        bar.Piece(block * 9, 7, 2, colors);
    if (length % 9 > 2)
        bar.Piece(length / 9 * 9, length % 9 - 1, 2, colors);
}

void DrawPercentage(TCanvas* canvas, const TRect& r, int percent,
                    const TLevelProgressAppearance& look) {
    if (look.Font)
        canvas->Font()->Assign(*look.Font);
    canvas->Font()->SetColor(look.CompleteFontColor);
    canvas->Brush()->SetStyle(bsClear);
    const std::string text = IntToStr(percent) + "%";
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    if (look.Vertical)
        canvas->TextOutRotated(cx - canvas->TextHeight(text) / 2, cy + canvas->TextWidth(text) / 2,
                               900, text);
    else
        canvas->TextOut(cx - canvas->TextWidth(text) / 2, cy - canvas->TextHeight(text) / 2, text);
}

} // namespace

void DrawLevelProgress(TCanvas* Canvas, const TRect& Rect, int Percent,
                       const TLevelProgressAppearance& Look) {
    if (!Canvas || Rect.IsEmpty())
        return;
    ClipTo clip(Canvas, Rect);
    const TColor frame = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
    Canvas->Brush()->SetColor(Look.UnCompleteColor);
    Canvas->Pen()->SetColor(frame);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(frame == clNone ? psClear : psSolid);
    Canvas->Rectangle(Rect);
    const int size = (Look.Vertical ? Rect.Height() : Rect.Width()) - 2;
    if (Percent > 0 && size > 0) {
        const LevelBar bar(Canvas, Rect, Look);
        if (Look.Stacked)
            DrawStackedLevels(bar, std::min(Percent, 100), size, Look);
        else
            DrawLevelBar(bar, Percent, size, Look);
    }
    if (Look.ShowPercentage)
        DrawPercentage(Canvas, Rect, Percent, Look);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(frame);
    Canvas->Pen()->SetStyle(frame == clNone ? psClear : psSolid);
    Canvas->Rectangle(Rect);
}
