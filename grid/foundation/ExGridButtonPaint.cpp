// Painting of the grid button: face, drop-down part, glyph and caption.
#include "grid/foundation/ExGridButton.h"

#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <cfenv>
#include <cmath>

namespace {

constexpr int CornerSize = 8;
constexpr int GradientBands = 16;

// Rounds halves to even, as the band colours are specified.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int Channel(TColor color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

// Fills r with a plain face or, with a second colour, the gradient; Pen outlines either unless
// it is clNone (a plain face then takes its own colour as pen).
void FillFace(TCanvas* canvas, TColor color, TColor colorTo, TColor pen, const TRect& r) {
    if (colorTo != clNone) {
        DrawButtonGradient(canvas, color, colorTo, pen, r);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(pen == clNone ? color : pen);
    canvas->Rectangle(r);
}

void Outline(TCanvas* canvas, TColor color, const TRect& r, bool rounded) {
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(color);
    if (rounded)
        canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, CornerSize, CornerSize);
    else
        canvas->Rectangle(r);
    canvas->Brush()->SetStyle(bsSolid);
}

void DrawTransparent(TCanvas* canvas, const TBitmap* picture, int x, int y) {
    TBitmap copy;
    copy.Assign(picture);
    copy.SetTransparent(true);
    copy.SetTransparentMode(tmAuto);
    canvas->Draw(x, y, &copy);
}

} // namespace

void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor,
                        const TRect& R) {
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const double bandHeight = R.Height() / static_cast<double>(GradientBands);
    Canvas->Brush()->SetStyle(bsSolid);
    for (int i = 0; i < GradientBands; ++i) {
        TColor color = 0;
        for (int shift : {0, 8, 16}) {
            int start = Channel(from, shift);
            int step =
                RoundEven(i * (Channel(to, shift) - start) / static_cast<double>(GradientBands));
            color |= static_cast<TColor>((start + step) & 0xFF) << shift;
        }
        int top = R.Top + RoundEven(i * bandHeight);
        // Bands overlap by a pixel so that rounding leaves no gap; the rest stays inside R.
        int bottom = std::min(top + RoundEven(bandHeight) + 1, static_cast<int>(R.Bottom));
        Canvas->Brush()->SetColor(color);
        Canvas->Pen()->SetColor(color);
        Canvas->Rectangle(R.Left, top, R.Right, bottom);
    }
    if (BorderColor != clNone)
        Outline(Canvas, BorderColor, R, false);
}

TButtonContentLayout LayoutButtonContent(TSize area, TSize glyph, TSize caption,
                                         TExGridButtonLayout layout, int margin, int spacing,
                                         bool rightToLeft) {
    if (rightToLeft && layout == blGlyphLeft)
        layout = blGlyphRight;
    else if (rightToLeft && layout == blGlyphRight)
        layout = blGlyphLeft;
    TButtonContentLayout result;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        result.GlyphPos.Y = (area.cy - glyph.cy + 1) / 2;
        result.CaptionPos.Y = (area.cy - caption.cy + 1) / 2;
    } else {
        result.GlyphPos.X = (area.cx - glyph.cx + 1) / 2;
        result.CaptionPos.X = (area.cx - caption.cx + 1) / 2;
    }
    const bool noCaption = caption.cx == 0 && caption.cy == 0;
    const bool noGlyph = glyph.cx == 0 && glyph.cy == 0;
    if (noCaption || noGlyph)
        spacing = 0;
    const int extent = horizontal ? area.cx : area.cy;
    const int glyphSize = horizontal ? glyph.cx : glyph.cy;
    const int captionSize = horizontal ? caption.cx : caption.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - (glyphSize + captionSize)) / 3;
            spacing = margin;
        } else {
            margin = (extent - (glyphSize + captionSize + spacing) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphSize - captionSize) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        result.GlyphPos.X = margin;
        result.CaptionPos.X = margin + glyph.cx + spacing;
        break;
    case blGlyphRight:
        result.GlyphPos.X = area.cx - margin - glyph.cx;
        result.CaptionPos.X = result.GlyphPos.X - spacing - caption.cx;
        break;
    case blGlyphTop:
        result.GlyphPos.Y = margin;
        result.CaptionPos.Y = margin + glyph.cy + spacing;
        break;
    case blGlyphBottom:
        result.GlyphPos.Y = area.cy - margin - glyph.cy;
        result.CaptionPos.Y = result.GlyphPos.Y - spacing - caption.cy;
        break;
    }
    return result;
}

void TExGridButton::Paint() {
    if (!Enabled()) {
        FState = dsDisabled;
        FDragging = false;
    } else if (FState == dsDisabled) {
        FState = FDown && FGroupIndex != 0 ? dsExclusive : dsUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = dsPressed;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    TRect r = ClientRect();
    if (FFlat)
        PaintFlatFace(r);
    else
        PaintRaisedFace(r);

    TPoint offset{0, 0};
    if (FState == dsPressed || FState == dsExclusive) {
        if (FState == dsExclusive && (!FFlat || !Hovered())) {
            TRect checked = r;
            InflateRect(checked, 1, 1);
            FillFace(canvas, FColorChecked, FColorCheckedTo, FDown ? BorderDownColor : FBorderColor,
                     checked);
        }
        if (!FFlat && !Designing())
            offset = {1, 1};
    } else if (FFlat && Hovered() && FShaded) {
        offset = {-1, -1};
    }
    if (FDropDownButton) {
        const int middle = r.Top + (r.Bottom - r.Top) / 2;
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Font()->Color());
        canvas->Pen()->SetColor(Font()->Color());
        canvas->Polygon(
            {{r.Right - 8, middle - 1}, {r.Right - 4, middle - 1}, {r.Right - 6, middle + 1}});
        r.Right -= DropDownWidth;
    }
    PaintContent(r, offset);
}

void TExGridButton::PaintFlatFace(TRect& r) {
    TCanvas* canvas = Canvas();
    if (BorderDownColor == clNone || FRounded)
        InflateRect(r, -1, -1);
    const bool checkedCheck = FStyle == tasCheck && FDown;
    if (!Hovered()) {
        if (checkedCheck) {
            FillFace(canvas, FColorChecked, FColorCheckedTo, BorderDownColor, r);
        } else {
            TColor pen = FRounded ? clNone : FDown ? BorderDownColor : FBorderColor;
            if (FColorTo == clNone) {
                canvas->Brush()->SetStyle(bsSolid);
                canvas->Brush()->SetColor(Color());
                canvas->FillRect(r);
            } else {
                DrawButtonGradient(canvas, Color(), FColorTo, pen, r);
            }
            if (FBorderColor != clNone) {
                TRect border = r;
                if (FRounded)
                    InflateRect(border, 1, 1);
                Outline(canvas, FBorderColor, border, FRounded);
            }
        }
    } else {
        const bool pressed = FState == dsPressed;
        TColor face = pressed ? ColorDown : ColorHot;
        TColor faceTo = pressed ? ColorDownTo : ColorHotTo;
        TColor border = pressed ? BorderDownColor : BorderHotColor;
        if (checkedCheck && !FDragging) {
            face = FColorChecked;
            faceTo = FColorCheckedTo;
            border = BorderDownColor;
        }
        FillFace(canvas, face, faceTo, FRounded ? clNone : border, r);
        if (FRounded) {
            InflateRect(r, 1, 1);
            if (border != clNone)
                Outline(canvas, border, r, true);
        }
        if (FDropDownButton && border != clNone) {
            canvas->Pen()->SetColor(border);
            canvas->MoveTo(r.Right - DropDownWidth, r.Top);
            canvas->LineTo(r.Right - DropDownWidth, r.Bottom);
        }
    }
    InflateRect(r, -1, -1);
}

void TExGridButton::PaintRaisedFace(TRect& r) {
    const bool pushed = FState == dsPressed || FState == dsExclusive;
    if (IsWinXPOrLater() && FAutoXPStyle && FIsComCtl6 && ExXPVS().IsThemeActive()) {
        int state = pushed ? bstDown : FMouseInControl ? bstHot : bstNormal;
        DrawButtonFace(Canvas(), Parent(), r, bdsVisualStyle, state, TColorTones{});
        return;
    }
    DrawButtonFace(Canvas(), Parent(), r, bdsClassic, pushed ? bstDown : bstNormal, TColorTones{});
    // The frame takes two pixels on every side.
    InflateRect(r, -2, -2);
}

const TBitmap* TExGridButton::ChosenGlyph() const {
    if (FState == dsDisabled)
        return FGlyphDisabled->Empty() ? FGlyph.get() : FGlyphDisabled.get();
    const bool pushed = FState == dsPressed || FState == dsExclusive;
    if (Hovered() && !pushed && !FGlyphHot->Empty())
        return FGlyphHot.get();
    if (pushed && !FGlyphDown->Empty())
        return FGlyphDown.get();
    return FGlyph.get();
}

void TExGridButton::PaintContent(const TRect& r, TPoint offset) {
    TCanvas* canvas = Canvas();
    const TBitmap* glyph = ChosenGlyph();
    const std::string caption = Caption();
    TSize glyphSize{glyph->Empty() ? 0 : glyph->Width(), glyph->Empty() ? 0 : glyph->Height()};
    TSize captionSize;
    if (!caption.empty()) {
        TRect measured{0, 0, 0, 0};
        canvas->DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
        captionSize = {measured.Width(), measured.Height()};
    }
    TButtonContentLayout layout = LayoutButtonContent(
        {r.Width(), r.Height()}, glyphSize, captionSize, FLayout, FMargin, FSpacing, FRightToLeft);
    TPoint glyphPos{layout.GlyphPos.X + r.Left + offset.X, layout.GlyphPos.Y + r.Top + offset.Y};
    TPoint captionPos{layout.CaptionPos.X + r.Left + offset.X,
                      layout.CaptionPos.Y + r.Top + offset.Y};
    const bool pushed = FState == dsPressed || FState == dsExclusive;

    if (!glyph->Empty()) {
        // A glyph without caption stays at its laid-out (centred) place too, not in the corner.
        if (Hovered() && FShaded && !pushed && !FGlyphShade->Empty()) {
            TPoint shade = caption.empty() ? glyphPos : TPoint{glyphPos.X + 2, glyphPos.Y + 2};
            DrawTransparent(canvas, FGlyphShade.get(), shade.X, shade.Y);
        }
        DrawTransparent(canvas, glyph, glyphPos.X, glyphPos.Y);
    }

    if (!FShowCaption || caption.empty())
        return;
    // A button down in a group counts as pressed.
    const bool captionPushed = pushed || (FGroupIndex != 0 && FDown);
    if (Hovered() && FShaded && FFlat && !captionPushed)
        captionPos = {captionPos.X + 1, captionPos.Y + 1};
    TRect textRect{captionPos.X, captionPos.Y, captionPos.X + captionSize.cx,
                   captionPos.Y + captionSize.cy};
    const unsigned flags = DT_CENTER | DT_VCENTER;
    canvas->Brush()->SetStyle(bsClear);
    if (FState == dsDisabled) {
        TRect highlight = textRect;
        OffsetRect(highlight, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->DrawText(caption, highlight, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    canvas->DrawText(caption, textRect, flags);
    canvas->Brush()->SetStyle(bsSolid);
}
