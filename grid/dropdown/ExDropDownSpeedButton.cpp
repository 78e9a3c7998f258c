#include "grid/dropdown/ExDropDownSpeedButton.h"

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>

TExDropDownSpeedButton::TExDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExDropDownSpeedButton::SetEtched(bool Value) {
    if (Value == FEtched)
        return;
    FEtched = Value;
    Invalidate();
}

void TExDropDownSpeedButton::SetFocused(bool Value) {
    if (Value == FFocused)
        return;
    FFocused = Value;
    Invalidate();
}

void TExDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
    FButtonStyle = Value;
    Invalidate();
}

void TExDropDownSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TExDropDownSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

TDropDownEditButton* TExDropDownSpeedButton::EditButton() const {
    return dynamic_cast<TDropDownEditButton*>(Parent());
}

bool TExDropDownSpeedButton::Pressed() const {
    return (FState == bsDown || FState == bsExclusive) && !FUp;
}

void TExDropDownSpeedButton::Paint() {
    if (FButtonStyle == bsDropDown)
        PaintDropDown();
    else
        PaintPushButton();
}

void TExDropDownSpeedButton::DrawArrow(TColor Color) {
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(Color);
    canvas->Brush()->SetColor(Color);
    canvas->Polygon({{5, 7}, {11, 7}, {8, 10}});
}

void TExDropDownSpeedButton::PaintDropDown() {
    TCanvas* canvas = Canvas();
    const TDropDownEditButton* button = EditButton();
    const auto* edit =
        button ? dynamic_cast<const TExCustomDropDown*>(button->FocusControl()) : nullptr;
    if (button && button->ButtonColor() != clNone) {
        const bool pressed = Pressed();
        canvas->Brush()->SetColor(pressed ? button->ButtonColorDown()
                                  : FHot  ? button->ButtonColorHot()
                                          : button->ButtonColor());
        canvas->FillRect(ClientRect());
        canvas->Pen()->SetColor(edit ? edit->BorderColor() : clNone);
        if (canvas->Pen()->Color() != clNone) {
            canvas->MoveTo(0, 0);
            canvas->LineTo(0, Height());
        }
        const TColor arrow = pressed ? button->ButtonTextColorDown()
                             : FHot  ? button->ButtonTextColorHot()
                                     : button->ButtonTextColor();
        if (arrow != clNone)
            DrawArrow(arrow);
        return;
    }
    if (!Glyph()->Empty()) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->Pen()->SetColor(clGray);
        canvas->Rectangle(ClientRect());
        canvas->Draw(0, 0, Glyph());
        return;
    }
    const bool enabled = edit ? edit->Enabled() && !edit->ReadOnly() : Enabled();
    TThemeStates states = !enabled    ? tsfDisabled
                          : Pressed() ? tsfPressed
                          : FHot      ? tsfHot
                                      : tsfNormal;
    if (ThemeServicesActive() &&
        DrawThemePart(canvas, TThemePart::ComboDropDown, states, ClientRect()))
        return;
    TSpeedButton::Paint();
    canvas->Pen()->SetColor(clBtnFace);
    canvas->Polyline({{Width() - 2, 0}, {0, 0}, {0, Height() - 1}});
    canvas->Pen()->SetColor(clWhite);
    canvas->Polyline({{Width() - 3, 1}, {1, 1}, {1, Height() - 2}});
    DrawArrow(enabled ? clBlack : clGray);
}

void TExDropDownSpeedButton::PaintPushButton() {
    TCanvas* canvas = Canvas();
    const TDropDownEditButton* button = EditButton();
    if (button && button->FocusControl())
        canvas->Font()->Assign(*button->FocusControl()->Font());
    TThemeStates states = !Enabled()  ? tsfDisabled
                          : Pressed() ? tsfPressed
                          : FHot      ? tsfHot
                                      : tsfNormal;
    if (!ThemeServicesActive() ||
        !DrawThemePart(canvas, TThemePart::PushButton, states, Rect(0, 0, Width(), Height()))) {
        TSpeedButton::Paint();
        return;
    }
    TRect r = ClientRect();
    const int shift = Pressed() ? 1 : 0;
    if (!Glyph()->Empty()) {
        const int x = Caption().empty() ? (r.Width() - Glyph()->Width()) / 2 : 4;
        const int y = (r.Height() - Glyph()->Height()) / 2;
        canvas->Draw(std::max(x, 2) + shift, std::max(y, 2) + shift, Glyph());
        r.Left += Glyph()->Width() + 2;
    }
    if (!Caption().empty()) {
        canvas->Brush()->SetStyle(bsClear);
        TRect text =
            Rect(r.Left + 3 + shift, r.Top + 1 + shift, r.Right - 3 + shift, r.Bottom - 1 + shift);
        canvas->DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        canvas->Brush()->SetStyle(bsSolid);
    }
}
