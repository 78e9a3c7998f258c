#include "grid/foundation/ExTimerSpeedButton.h"

#include "grid/foundation/EsgSpinButton.h"
#include "grid/foundation/VisualStyleTable.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"
#include "platform/ui/Timer.h"

#include <vector>

TExTimerSpeedButton::TExTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    // Clicks are this button's own: on release over it, and from the repeat timer. A
    // transparent arrow lets its parent show through.
    SetControlStyle(ControlStyle() >> csClickEvents >> csOpaque);
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

void TExTimerSpeedButton::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
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

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool clicks = Button == mbLeft && Pressed() && ClientRect().Contains({X, Y});
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    // The repeat stops before the last click, so a click that fails leaves nothing running.
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (clicks)
        Click();
    InvalidateParent();
}

void TExTimerSpeedButton::TimerExpired() {
    FRepeatTimer->SetInterval(RepeatInterval);
    if (!Pressed() || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

// Every look of the arrow shows the hot state, not only the platform's flat one.
void TExTimerSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    Invalidate();
}

void TExTimerSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    Invalidate();
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
    TColor face = Pressed()    ? owner->ButtonColorDown
                  : HasMouse() ? owner->ButtonColorHot
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
    int state = Pressed() ? TS_PRESSED : HasMouse() ? TS_HOT : TS_NORMAL;
    styles.DrawThemeBackground(theme, Canvas(), parts[FButtonDirection], state, r);
    styles.CloseThemeData(theme);
    return true;
}

void TExTimerSpeedButton::PaintClassic(const TRect& r) {
    TCanvas* canvas = Canvas();
    const bool pressed = Pressed();
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        TThemeStates states = tsfNormal;
        if (pressed)
            states |= tsfPressed;
        if (!Enabled())
            states |= tsfDisabled;
        TThemePart part =
            FButtonDirection == bdLeft ? TThemePart::ScrollArrowLeft : TThemePart::ScrollArrowRight;
        if (DrawThemePart(canvas, part, states, r))
            return;
    }
    if (!FTransparent || pressed) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
    }
    if (!Flat() || pressed || HasMouse()) {
        TRect edge = r;
        DrawButtonEdge(canvas, edge, pressed);
    }
    DrawGlyphAndCaption(r, pressed, clBtnText);
}
