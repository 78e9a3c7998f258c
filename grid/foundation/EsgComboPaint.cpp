#include "grid/foundation/EsgCombo.h"

#include "grid/foundation/SolidPaint.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ThemeServices.h"

namespace {

bool MouseButtonDown() {
    return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0;
}

// The small downward triangle of a drop-down button, centred in r.
void DrawArrow(TCanvas* canvas, const TRect& r, TColor color) {
    const int x = r.Left + (r.Width() - 7) / 2;
    const int y = r.Top + (r.Height() - 4) / 2;
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetColor(color);
    canvas->Polygon({{x, y}, {x + 6, y}, {x + 3, y + 3}});
}

} // namespace

bool TEsgCustomCombo::Themed() const {
    return FIsThemed && ThemeServicesActive();
}

bool TEsgCustomCombo::IsActiveControl() const {
    const TForm* form = GetParentForm(this);
    return form && form->ActiveControl() == this;
}

bool TEsgCustomCombo::Hot() const {
    return !ComponentState().Contains(csDesigning) && FFocusBorder &&
           (FMouseInControl || IsActiveControl());
}

bool TEsgCustomCombo::ActiveLooking() const {
    if (ComponentState().Contains(csDesigning))
        return Enabled();
    return FMouseInControl || IsActiveControl();
}

bool TEsgCustomCombo::PaintsItself() const {
    if (FIsVista && FButtonColor == clNone)
        return false;
    return FFlat || FButtonColor != clNone || FBorderColor != clNone ||
           (FFocusBorderColor != clNone && FHasFocus) ||
           (!Enabled() && Themed() && !FDisabledBorder);
}

// The platform has painted edit part, frame and button; the control's own button and frame go
// over them.
void TEsgCustomCombo::PaintOver() {
    if (!PaintsItself())
        return;
    TCanvas* canvas = Canvas();
    if (Style() != csSimple)
        DrawButton(canvas);
    DrawBorders(canvas);
}

void TEsgCustomCombo::DrawButton(TCanvas* canvas) {
    const int clientWidth = ClientWidth();
    TRect r = Rect(clientWidth - FButtonWidth + 2, 0, Width(), Height());
    InflateRect(r, -1, -1);
    const bool down = MouseButtonDown();
    if (FButtonColor == clNone && Themed()) {
        TThemeStates state = tsfNormal;
        if (!Enabled())
            state = tsfDisabled;
        else if (down && DroppedDown())
            state = tsfPressed;
        else if (!down && FButtonHover && !DroppedDown())
            state = tsfHot;
        DrawThemePart(canvas, TThemePart::ComboDropDown, state, r);
    } else if (FButtonColor == clNone) {
        r.Left -= 4;
        ++r.Top;
        --r.Bottom;
        FillSolid(canvas, r, clBtnFace);
        if (Enabled())
            FrameSolid(canvas, r, clBtnShadow);
        DrawArrow(canvas, r, Enabled() ? clBtnText : clGrayText);
    } else {
        TColor fill = FButtonColor;
        if (FButtonHover)
            fill = down ? FButtonColorDown : FButtonColorHot;
        --r.Left;
        ++r.Top;
        --r.Right;
        --r.Bottom;
        FillSolid(canvas, r, fill);
        canvas->Pen()->SetColor(FButtonBorderColor);
        canvas->MoveTo(r.Left, r.Top);
        canvas->LineTo(r.Left, r.Bottom);
        const TColor text = down ? FButtonTextColorDown : FButtonTextColor;
        canvas->Pen()->SetColor(text);
        canvas->Brush()->SetColor(text);
        canvas->Polygon(
            {{r.Left + 4, r.Top + 7}, {r.Left + 10, r.Top + 7}, {r.Left + 7, r.Top + 10}});
    }
}

void TEsgCustomCombo::DrawBorders(TCanvas* canvas) {
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    if (FIsVista && FBorderColor == clNone)
        return;
    TRect r = Rect(0, 0, Width(), Height());
    if (!Enabled() && Themed() && !FDisabledBorder) {
        FrameSolid(canvas, r, EsgComboDisabledBorderColor);
    } else if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
        FrameSolid(canvas, r, FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (FHasFocus)
            FrameSolid(canvas, r, FFocusBorderColor);
    } else {
        const TColor outer = Hot() ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
        const TColor inner = Color();
        if (Hot()) {
            TRect edge = r;
            Frame3D(canvas, edge, clBtnShadow, clBtnHighlight, 1);
            FrameSolid(canvas, edge, outer);
            InflateRect(edge, -1, -1);
            FrameSolid(canvas, edge, inner);
            r = edge;
        } else {
            FrameSolid(canvas, r, outer);
            InflateRect(r, -1, -1);
            TRect leftOfButton = r;
            leftOfButton.Right -= FButtonWidth;
            FrameSolid(canvas, leftOfButton, outer);
            InflateRect(r, -1, -1);
            FrameSolid(canvas, r, inner);
        }
        if (FFlat && FFlatLineColor != clNone) {
            canvas->Pen()->SetColor(FFlatLineColor);
            canvas->MoveTo(r.Left - 2, Height() - 1);
            canvas->LineTo(r.Right - FButtonWidth - 1, Height() - 1);
        }
    }
    if (Style() != csSimple && !(FIsWinXP && ThemeServicesActive()))
        DrawFlatButton(canvas);
}

// Hides the 3-D border of the button while the control is not in use: only the arrow shows.
void TEsgCustomCombo::DrawFlatButton(TCanvas* canvas) {
    const int clientWidth = ClientWidth();
    canvas->SaveState();
    canvas->ExcludeClipRect(Rect(clientWidth - FButtonWidth + 4, 4, clientWidth - 4, Height() - 4));
    TRect r = Rect(clientWidth - FButtonWidth - 2, 0, Width(), Height());
    InflateRect(r, -2, -2);
    if (!ActiveLooking()) {
        ++r.Top;
        --r.Bottom;
        --r.Right;
        FillSolid(canvas, r, clBtnFace);
    }
    canvas->RestoreState();
}
