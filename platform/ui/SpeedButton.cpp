#include "platform/ui/SpeedButton.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 23, 22);
    SetControlStyle(ControlStyle() << csOpaque << csDoubleClicks);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    FGlyph->SetTransparent(true);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
    FNumGlyphs = std::clamp(value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetEnabled(bool value) {
    TGraphicControl::SetEnabled(value);
    FState = value ? bsUp : bsDisabled;
    FDragging = false;
    Invalidate();
}

void TSpeedButton::Click() {
    if (Enabled())
        TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        FDragging = true;
        FState = bsDown;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    if (FDragging) {
        const TButtonState state = ClientRect().Contains({X, Y}) ? bsDown : bsUp;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    }
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FDragging) {
        FDragging = false;
        FState = Enabled() ? bsUp : bsDisabled;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::MouseEnter() {
    FMouseInControl = true;
    if (FFlat)
        Invalidate();
    TGraphicControl::MouseEnter();
}

void TSpeedButton::MouseLeave() {
    FMouseInControl = false;
    if (FFlat)
        Invalidate();
    TGraphicControl::MouseLeave();
}

void TSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    const bool pushed = FState == bsDown;
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    if (!FFlat) {
        TThemeStates states = pushed ? tsfPressed : FMouseInControl ? tsfHot : tsfNormal;
        if (!Enabled())
            states = tsfDisabled;
        if (!DrawThemePart(canvas, TThemePart::PushButton, states, r)) {
            TRect edge = r;
            DrawButtonEdge(canvas, edge, pushed);
        }
    } else if (FMouseInControl || pushed) {
        TRect edge = r;
        DrawButtonEdge(canvas, edge, pushed);
    }
    DrawGlyphAndCaption(r, pushed, Enabled() ? Font()->Color() : clGrayText);
}

void TSpeedButton::DrawButtonEdge(TCanvas* canvas, TRect& r, bool pushed) {
    Frame3D(canvas, r, pushed ? clBtnShadow : clBtnHighlight, pushed ? clBtnHighlight : clBtnShadow,
            1);
}

void TSpeedButton::DrawGlyphAndCaption(const TRect& r, bool pushed, TColor textColor) {
    TCanvas* canvas = Canvas();
    const int shift = pushed ? 1 : 0;
    if (!FGlyph->Empty()) {
        const int count = std::max(FNumGlyphs, 1);
        const int width = FGlyph->Width() / count;
        const int height = FGlyph->Height();
        int index = 0;
        if (!Enabled() && count > 1)
            index = 1;
        else if (pushed && count > 2)
            index = 2;
        TBitmap image(width, height);
        image.Canvas()->CopyRect(Rect(0, 0, width, height), FGlyph->Canvas(),
                                 Bounds(index * width, 0, width, height));
        image.SetTransparent(true);
        image.SetTransparentColor(FGlyph->TransparentColor());
        image.SetTransparentMode(tmFixed);
        const int x = r.Left + std::max((r.Width() - width) / 2, 0) + shift;
        const int y = r.Top + std::max((r.Height() - height) / 2, 0) + shift;
        canvas->Draw(x, y, &image);
    }
    const std::string caption = Caption();
    if (caption.empty())
        return;
    TRect textRect = r;
    OffsetRect(textRect, shift, shift);
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetColor(textColor);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(caption, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
