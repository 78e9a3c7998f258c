#include "grid/foundation/StyledDateTimePicker.h"

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ThemeServices.h"

namespace {
// The frame colour of a themed picker.
constexpr TColor ThemedFrameColor = 0xB99D7F;

void Frame(TCanvas* canvas, const TRect& r, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->FrameRect(r);
}

TRect Shrunk(TRect r, int by) {
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}
} // namespace

TStyledDateTimePicker::TStyledDateTimePicker(TComponent* AOwner, TColor borderColor)
    : TDateTimePicker(AOwner), FBorderColor(borderColor), FIsThemed(IsComCtl6()),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FIsWinXP(IsWinXPOrLater()) {
    SetDoubleBuffered(true);
}

TStyledDateTimePicker::~TStyledDateTimePicker() = default;

void TStyledDateTimePicker::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Changed();
}

void TStyledDateTimePicker::SetBorderColor(TColor value) {
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    Changed();
}

void TStyledDateTimePicker::SetMetroStyle(bool value) {
    if (value == FMetroStyle)
        return;
    FMetroStyle = value;
    Changed();
}

void TStyledDateTimePicker::SetCtl3D(bool value) {
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    Changed();
}

void TStyledDateTimePicker::MouseEnter() {
    TDateTimePicker::MouseEnter();
    if (FMouseInControl || !Enabled())
        return;
    FMouseInControl = true;
    Changed();
}

void TStyledDateTimePicker::MouseLeave() {
    TDateTimePicker::MouseLeave();
    if (FMouseInControl && Enabled())
        FMouseInControl = false;
    FButtonHover = false;
    Changed();
}

void TStyledDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool overButton = Width() - FButtonWidth < X && X < Width();
    if (overButton != FButtonHover) {
        FButtonHover = overButton;
        Invalidate();
    }
}

void TStyledDateTimePicker::DoEnter() {
    TDateTimePicker::DoEnter();
    FHasFocus = true;
    Changed();
}

void TStyledDateTimePicker::DoExit() {
    TDateTimePicker::DoExit();
    FHasFocus = false;
    Changed();
}

void TStyledDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseDown(Button, Shift, X, Y);
    FMouseHeld = Button == mbLeft || Button == mbRight;
    Changed();
}

void TStyledDateTimePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseUp(Button, Shift, X, Y);
    FMouseHeld = false;
    Changed();
}

void TStyledDateTimePicker::Changed() {
    Invalidate();
    InvalidateFrame();
}

bool TStyledDateTimePicker::MetroOn() const {
    return FMetroStyle && !SkipCustomPaint();
}

bool TStyledDateTimePicker::Hot() const {
    return FFocusBorder && (FMouseInControl || FHasFocus);
}

bool TStyledDateTimePicker::Styled() const {
    return FIsThemed && ThemeServicesActive();
}

TColor TStyledDateTimePicker::FlatBorderColor() const {
    if (FBorderStyle == bsNone && Parent() != nullptr)
        return Parent()->Color();
    return FIsThemed ? ThemedFrameColor : FBorderColor;
}

void TStyledDateTimePicker::PaintFrame(TCanvas* Canvas) {
    const int w = Width();
    const int h = Height();
    // What the frame of the window would show: the flat border, then the coloured one.
    if (!FCtl3D && (!FlatBorderNeedsColor() || FBorderColor != clNone)) {
        DrawFlatBorder(Canvas, FlatBorderColor(), false);
        if (Parent() != nullptr) {
            Canvas->Pen()->SetColor(FBorderStyle == bsSingle ? Parent()->Color()
                                                             : FlatBorderColor());
            Canvas->MoveTo(1, h - 2);
            Canvas->LineTo(1, 1);
            Canvas->LineTo(w - 1, 1);
        }
    }
    if ((!Enabled() && Styled() && !FDisabledBorder) ||
        (FFocusBorderColor != clNone && FHasFocus) || FBorderColor != clNone)
        DrawBorder(Canvas);
    // Then the painting of the field itself.
    if (FCtl3D && !MetroOn())
        return;
    if (MetroOn() && Kind() != dtkTime) {
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(Styled() ? Rect(w - FButtonWidth - MetroClearance(), 1, w, h)
                                  : Rect(w - FButtonWidth - 2, 4, w - 2, h - 4));
        DrawDropDownButton(Canvas);
    }
    if (PaintsFlatFrame() && !FCtl3D)
        DrawFlatBorder(Canvas, FlatBorderColor(), !ThemeServicesActive());
    DrawBorder(Canvas);
}

void TStyledDateTimePicker::DrawFlatBorder(TCanvas* canvas, TColor color, bool inner) const {
    const int w = Width();
    const int h = Height();
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(0, h);
    canvas->LineTo(0, 0);
    canvas->LineTo(w - 1, 0);
    canvas->LineTo(w - 1, h - 1);
    canvas->LineTo(0, h - 1);
    if (!inner)
        return;
    canvas->MoveTo(1, h);
    canvas->LineTo(1, 1);
    canvas->LineTo(w - 2, 1);
    canvas->LineTo(w - 2, h - 2);
    canvas->LineTo(0, h - 2);
}

void TStyledDateTimePicker::DrawBorder(TCanvas* canvas) const {
    if (SkipCustomPaint())
        return;
    if (!((MetroOn() && !Enabled()) || FBorderColor != clNone || FFocusBorderColor != clNone))
        return;
    TRect r = Rect(0, 0, Width(), Height());
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        Frame(canvas, r, ThemedFrameColor);
    } else if (FBorderColor == clNone || (FHasFocus && FFocusBorderColor != clNone)) {
        if (FFocusBorderColor == clNone) {
            const TColor outer =
                Hot() ? clBtnFace : (Parent() != nullptr ? Parent()->Color() : clBtnFace);
            if (Hot()) {
                // A sunken outer edge, then the two frames inside it.
                canvas->Pen()->SetColor(clBtnShadow);
                canvas->MoveTo(r.Left, r.Bottom - 1);
                canvas->LineTo(r.Left, r.Top);
                canvas->LineTo(r.Right - 1, r.Top);
                canvas->Pen()->SetColor(clBtnHighlight);
                canvas->LineTo(r.Right - 1, r.Bottom - 1);
                canvas->LineTo(r.Left, r.Bottom - 1);
                r = Shrunk(r, 1);
                Frame(canvas, r, outer);
                Frame(canvas, Shrunk(r, 1), Color());
            } else {
                Frame(canvas, r, outer);
                r = Shrunk(r, 1);
                r.Right -= FButtonWidth;
                Frame(canvas, r, outer);
                Frame(canvas, Shrunk(r, 1), Color());
            }
        } else if (FHasFocus) {
            Frame(canvas, r, FFocusBorderColor);
        }
    } else {
        Frame(canvas, r, FBorderColor);
    }
}

void TStyledDateTimePicker::DrawDropDownButton(TCanvas* canvas) const {
    const TRect b = Rect(Width() - FButtonWidth + 3, 1, Width() - 1, Height() - 1);
    if (FButtonColor != clNone) {
        const bool heldOver = FMouseHeld && FButtonHover;
        canvas->Brush()->SetColor(heldOver       ? FButtonColorDown
                                  : FButtonHover ? FButtonColorHot
                                                 : FButtonColor);
        canvas->FillRect(Rect(b.Left + 2, b.Top, b.Right, b.Bottom));
        if (FButtonBorderColor != clNone) {
            canvas->Pen()->SetColor(FButtonBorderColor);
            canvas->MoveTo(b.Left, b.Top);
            canvas->LineTo(b.Left, b.Bottom);
        }
        const TColor arrow = FMouseHeld ? FButtonTextColorDown : FButtonTextColor;
        if (arrow != clNone) {
            canvas->Pen()->SetColor(arrow);
            canvas->Brush()->SetColor(arrow);
            canvas->Polygon(
                {{b.Left + 5, b.Top + 7}, {b.Left + 11, b.Top + 7}, {b.Left + 8, b.Top + 10}});
        }
        return;
    }
    TThemeStates state = tsfNormal;
    if (!Enabled())
        state = tsfDisabled;
    else if (FMouseHeld && DroppedDown())
        state = tsfPressed;
    else if (!FMouseHeld && FButtonHover && !DroppedDown())
        state = tsfHot;
    DrawThemePart(canvas, TThemePart::ComboDropDown, state, b);
}
