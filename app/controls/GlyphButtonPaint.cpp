// Painting of the glyph button: the face is drawn into an off-screen bitmap and copied onto the
// control in one go.
#include "app/controls/GlyphButton.h"

#include "app/controls/GlyphButtonGeometry.h"
#include "app/controls/GlyphPictures.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>

namespace {

constexpr TColor TransparentFill = 0xFF00FF;
constexpr TColor DisabledText = 0x808080;

void Polyline(TCanvas* canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(color);
    auto it = points.begin();
    canvas->MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        canvas->LineTo(it->X, it->Y);
}

void Gradient(TCanvas* canvas, TColor from, TColor to, int left, int top, int right, int bottom) {
    const int span = bottom - top;
    canvas->Pen()->SetStyle(psClear);
    canvas->Brush()->SetStyle(bsSolid);
    for (int band = 0; band < 32; ++band) {
        const int y1 = top + band * span / 31;
        const int y2 = std::min(y1 + span / 31 + 1, bottom);
        canvas->Brush()->SetColor(GradientBandColor(from, to, band));
        canvas->FillRect(Rect(left, y1, right, y2));
    }
    canvas->Pen()->SetStyle(psSolid);
}

void FillSolid(TCanvas* canvas, TColor color, const TRect& r) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(r);
}

} // namespace

TColor TGlyphButton::FaceColor(bool pressed) const {
    TColor face = ColorToRGB(Color());
    if (Enabled() && FHotTrackColor != clNone)
        face = BlendHotTrack(face, ColorToRGB(FHotTrackColor), FHotTrackStep);
    if (pressed && FColorWhenDown != clNone)
        face = ColorToRGB(FColorWhenDown);
    return face;
}

void TGlyphButton::Paint() {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying) ||
        !Visible())
        return;
    const int W = Width();
    const int H = Height();
    TCanvas* target = Canvas();
    TBitmap buffer(W, H);
    TCanvas* canvas = buffer.Canvas();
    canvas->Font()->Assign(Hot() && FUseHotTrackFont ? *FHotTrackFont : *Font());

    // The rounded styles leave their corners to whatever lies behind: the parent's background
    // when the window is transparent, else the button's own (a colour preset changes the style
    // but not the window).
    if (IsTransparentStyle(FStyle)) {
        buffer.SetTransparent(true);
        buffer.SetTransparentMode(tmFixed);
        buffer.SetTransparentColor(TransparentFill);
        FillSolid(canvas, TransparentFill, Rect(0, 0, W, H));
        FillSolid(target, FTransparentWindow && Parent() ? Parent()->Color() : Color(),
                  Rect(0, 0, W, H));
    }

    if (FStyle == bsOld && Focused()) {
        PaintFace(canvas, W - 2, H - 2, bDown);
        TBitmap shifted(W, H);
        shifted.Canvas()->CopyRect(Rect(0, 0, W, H), canvas, Rect(0, 0, W, H));
        canvas->CopyRect(Rect(1, 1, W, H), shifted.Canvas(), Rect(0, 0, W - 1, H - 1));
        canvas->Pen()->SetColor(clBlack);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(0, 0, W, H);
    } else {
        PaintFace(canvas, W, H, false);
    }

    target->Draw(0, 0, &buffer);
    if (Focused() && Enabled() && FStyle != bsShape)
        target->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

void TGlyphButton::PaintFace(TCanvas* canvas, int W, int H, bool useShadowAsLight) {
    const bool pressed = bDown && Enabled();
    const int o = (pressed && FStyle != bsEncarta) ? 1 : 0;
    const TColor face = FaceColor(pressed);
    const TColor light = ColorToRGB(useShadowAsLight ? FShadowColor : FLightColor);

    switch (FStyle) {
    case bsShape:
        FillSolid(canvas, TransparentFill, Rect(-1, -1, W + 1, H + 1));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        FillSolid(canvas, face, Rect(-1, -1, W + 1, H + 1));
        break;
    case bsModern:
        Gradient(canvas, light, face, 2, 2, W - 2, H / 4 + o);
        Gradient(canvas, face, light, 2, H / 4 + o, W - 2, H - 1);
        break;
    case bsQuicken:
        break;
    }
    PaintEdges(canvas, W, H, face, pressed, useShadowAsLight);
    PaintGlyphAndCaption(canvas, W, H, pressed);
    if (PopupMenu())
        PaintMenuArrow(canvas, W, H);
}

void TGlyphButton::PaintMenuArrow(TCanvas* canvas, int W, int H) {
    TBitmap arrow;
    if (Load_Stock_Glyph(arrow, "LBARROW"))
        canvas->Draw(W - 11, H / 2 - 1, &arrow);
}

void TGlyphButton::PaintEdges(TCanvas* canvas, int W, int H, TColor face, bool pressed,
                              bool useShadowAsLight) {
    const TColor light = ColorToRGB(useShadowAsLight ? FShadowColor : FLightColor);
    const TColor shadow = ColorToRGB(FShadowColor);
    const TColor dark = ColorToRGB(cl3DDkShadow);
    const bool framed = Enabled() ? (!FFlat || Hot() || pressed) : !FFlat;

    switch (FStyle) {
    case bsNormal:
    case bsEncarta:
        if (!framed)
            break;
        Polyline(canvas, pressed ? shadow : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Polyline(canvas, pressed ? light : shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        break;
    case bsOld:
        if (!framed)
            break;
        if (pressed)
            Polyline(canvas, shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        else
            Polyline(canvas, shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        Polyline(canvas, pressed ? dark : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Polyline(canvas, pressed ? light : dark, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
        break;
    case bsModern:
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(pressed ? shadow : face);
        canvas->Rectangle(1, 1, W - 1, H - 1);
        canvas->Pen()->SetColor(shadow);
        canvas->RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        canvas->Pen()->SetStyle(psClear);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(face);
        canvas->RoundRect(0, 1, W, H, 4, 4);
        Polyline(canvas, shadow, {{4, 0}, {W - 5, 0}});
        Polyline(canvas, shadow, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape:
        break;
    }
}

void TGlyphButton::PaintGlyphAndCaption(TCanvas* canvas, int W, int H, bool pressed) {
    TFontStyles fontStyle = canvas->Font()->Style();
    if (FStyle == bsEncarta && pressed)
        canvas->Font()->SetStyle(fontStyle << fsBold);
    if (!Enabled())
        canvas->Font()->SetColor(DisabledText);

    TGlyphFaceMetrics m;
    m.W = W;
    m.H = H;
    m.Offset = (pressed && FStyle != bsEncarta) ? 1 : 0;
    m.GlyphHeight = FGlyph->Empty() ? 0 : FGlyph->Height();
    m.GlyphWidth = (FNumGlyphs > 0 && !FGlyph->Empty()) ? FGlyph->Width() / FNumGlyphs : 0;

    const int available = CaptionAvailableWidth(FStyle, FLayout, W, m.GlyphWidth);
    std::string caption = Text();
    if (!FWordWrap)
        while (!caption.empty() && canvas->TextWidth(caption) > available)
            DropLastCharacter(caption);
    TRect measure = Rect(0, 0, available, 0);
    if (!caption.empty())
        canvas->DrawText(caption, measure, DT_CALCRECT | DT_WORDBREAK);
    m.HasCaption = !caption.empty();
    m.TextWidth = m.HasCaption ? measure.Width() : 0;
    m.TextHeight = m.HasCaption ? measure.Height() : 0;

    const TGlyphFacePlacement place =
        PlaceGlyphAndCaption(FStyle, FLayout, FAlignment, FWordWrap, m);

    if (m.GlyphWidth > 0 && m.GlyphHeight > 0) {
        int index = 0;
        if (!Enabled())
            index = 1;
        else if (pressed && FNumGlyphs > 2)
            index = 2;
        else if (Hot() && FNumGlyphs > 3)
            index = 3;
        // A strip without a disabled picture shows its first one rather than nothing.
        if (index >= FNumGlyphs)
            index = 0;
        TBitmap picture(m.GlyphWidth, m.GlyphHeight);
        picture.Canvas()->CopyRect(Rect(0, 0, m.GlyphWidth, m.GlyphHeight), FGlyph->Canvas(),
                                   Bounds(index * m.GlyphWidth, 0, m.GlyphWidth, m.GlyphHeight));
        picture.SetTransparent(true);
        picture.SetTransparentMode(tmFixed);
        picture.SetTransparentColor(FGlyph->TransparentColor());
        canvas->Draw(place.Glyph.X, place.Glyph.Y, &picture);
    }

    if (m.HasCaption) {
        unsigned format = DT_WORDBREAK;
        const TAlignment alignment = place.CentreText ? taCenter : FAlignment;
        if (alignment == taCenter)
            format |= DT_CENTER;
        else if (alignment == taRightJustify)
            format |= DT_RIGHT;
        TRect r = place.Text;
        canvas->Brush()->SetStyle(bsClear);
        canvas->DrawText(caption, r, format);
    }
    canvas->Font()->SetStyle(fontStyle);
}
