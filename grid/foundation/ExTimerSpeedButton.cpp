#include "grid/foundation/ExTimerSpeedButton.h"

#include "grid/foundation/EsgSpinButton.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"
#include "platform/ui/Timer.h"

#include <exception>

TExTimerSpeedButton::TExTimerSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    // Clicks are this button's own: on release over it, and from the repeat timer.
    TControlStyle style = ControlStyle();
    style >> csClickEvents;
    SetControlStyle(style);
    SetBounds(0, 0, 15, 12);
}

TExTimerSpeedButton::~TExTimerSpeedButton() = default;

void TExTimerSpeedButton::SetTimeBtnState(TTimeBtnState value) {
    if (value == FTimeBtnState)
        return;
    FTimeBtnState = value;
    Invalidate();
}

void TExTimerSpeedButton::SetButtonDirection(TButtonDirection value) {
    FButtonDirection = value;
    Invalidate();
}

void TExTimerSpeedButton::SetIsWinXP(bool value) {
    FIsWinXP = value;
    Invalidate();
}

void TExTimerSpeedButton::SetFlat(bool value) {
    FFlat = value;
    Invalidate();
}

void TExTimerSpeedButton::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TExTimerSpeedButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    Invalidate();
}

void TExTimerSpeedButton::SetNumGlyphs(int value) {
    FNumGlyphs = value < 1 ? 1 : value;
    Invalidate();
}

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        FDragging = true;
        FPressed = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled() && FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->SetEnabled(false);
            FRepeatTimer->SetOnTimer([this](TObject*) { TimerExpired(); });
        }
        FRepeatTimer->SetInterval(FirstRepeatDelay);
        FRepeatTimer->SetEnabled(true);
    }
    InvalidateParent();
}

void TExTimerSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    bool inside = ClientRect().Contains({X, Y});
    if (inside != FPressed) {
        FPressed = inside;
        Invalidate();
    }
}

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool clicks = Button == mbLeft && FDragging && FPressed && ClientRect().Contains({X, Y});
    if (Button == mbLeft && FDragging) {
        FDragging = false;
        FPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (clicks)
        Click();
    InvalidateParent();
}

void TExTimerSpeedButton::TimerExpired() {
    FRepeatTimer->SetInterval(RepeatInterval);
    if (!FPressed || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TExTimerSpeedButton::MouseEnter() {
    FHasMouse = true;
    Invalidate();
    TGraphicControl::MouseEnter();
}

void TExTimerSpeedButton::MouseLeave() {
    FHasMouse = false;
    Invalidate();
    TGraphicControl::MouseLeave();
}

void TExTimerSpeedButton::InvalidateParent() {
    if (Parent())
        Parent()->Invalidate();
}

void TExTimerSpeedButton::Paint() {
    TRect r = ClientRect();
    auto* owner = dynamic_cast<TEsgSpinButton*>(Owner());
    if (owner && owner->ButtonColor != clNone)
        PaintColored(r);
    else if (!(FIsWinXP && PaintThemed(r)))
        PaintClassic(r);
    if (FTimeBtnState.Contains(tbFocusRect)) {
        TRect focus = r;
        InflateRect(focus, -3, -3);
        Canvas()->DrawFocusRect(focus);
    }
}

void TExTimerSpeedButton::PaintColored(const TRect& r) {
    auto* owner = static_cast<TEsgSpinButton*>(Owner());
    TColor face = FPressed    ? owner->ButtonColorDown
                  : FHasMouse ? owner->ButtonColorHot
                              : owner->ButtonColor;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(face);
    canvas->Pen()->SetColor(face);
    canvas->Rectangle(r);
    static const std::vector<TPoint> triangles[] = {
        {{5, 5}, {3, 7}, {5, 9}}, // bdLeft
        {{3, 5}, {5, 7}, {3, 9}}, // bdRight
        {{4, 4}, {8, 4}, {6, 2}}, // bdUp
        {{4, 2}, {8, 2}, {6, 4}}, // bdDown
    };
    std::vector<TPoint> points = triangles[FButtonDirection];
    for (TPoint& p : points)
        p = {r.Left + p.X, r.Top + p.Y};
    canvas->Brush()->SetColor(clBlack);
    canvas->Pen()->SetColor(clBlack);
    canvas->Polygon(points);
}

bool TExTimerSpeedButton::PaintThemed(const TRect& r) {
    TVisualStyleTable& styles = ExXPVS();
    HTHEME theme = styles.OpenThemeData(Parent(), "spin");
    if (!theme)
        return false;
    static constexpr int parts[] = {SPNP_DOWNHORZ, SPNP_UPHORZ, SPNP_UP, SPNP_DOWN};
    int state = FPressed ? TS_PRESSED : FHasMouse ? TS_HOT : TS_NORMAL;
    styles.DrawThemeBackground(theme, Canvas(), parts[FButtonDirection], state, r);
    styles.CloseThemeData(theme);
    return true;
}

void TExTimerSpeedButton::PaintClassic(const TRect& r) {
    TCanvas* canvas = Canvas();
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        TThemeStates states = tsfNormal;
        if (FPressed)
            states |= tsfPressed;
        if (!Enabled())
            states |= tsfDisabled;
        TThemePart part =
            FButtonDirection == bdLeft ? TThemePart::ScrollArrowLeft : TThemePart::ScrollArrowRight;
        if (DrawThemePart(canvas, part, states, r))
            return;
    }
    if (!FTransparent || FPressed) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
    }
    if (!FFlat || FPressed || FHasMouse) {
        canvas->Pen()->SetColor(FPressed ? clBtnShadow : clBtnHighlight);
        canvas->MoveTo(r.Left, r.Bottom - 1);
        canvas->LineTo(r.Left, r.Top);
        canvas->LineTo(r.Right - 1, r.Top);
        canvas->Pen()->SetColor(FPressed ? clBtnHighlight : clBtnShadow);
        canvas->LineTo(r.Right - 1, r.Bottom - 1);
        canvas->LineTo(r.Left, r.Bottom - 1);
    }
    if (FGlyph->Empty())
        return;
    // The first of NumGlyphs side-by-side images is the enabled look.
    int imageWidth = FGlyph->Width() / FNumGlyphs;
    int x = r.Left + (r.Width() - imageWidth) / 2 + (FPressed ? 1 : 0);
    int y = r.Top + (r.Height() - FGlyph->Height()) / 2 + (FPressed ? 1 : 0);
    TBitmap image(imageWidth, FGlyph->Height());
    image.Canvas()->CopyRect({0, 0, imageWidth, FGlyph->Height()}, FGlyph->Canvas(),
                             {0, 0, imageWidth, FGlyph->Height()});
    image.SetTransparent(true);
    canvas->Draw(x, y, &image);
}
