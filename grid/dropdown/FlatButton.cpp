#include "grid/dropdown/FlatButton.h"

#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"

#include <algorithm>

namespace {

// Results that close the popup, and among them those that cancel it.
bool ClosesThePopup(TModalResult result) {
    switch (result) {
    case mrOk:
    case mrCancel:
    case mrAbort:
    case mrIgnore:
    case mrYes:
    case mrNo:
    case mrAll:
    case mrNoToAll:
    case mrYesToAll:
        return true;
    default:
        return false;
    }
}

bool Cancels(TModalResult result) {
    return result == mrCancel || result == mrAbort || result == mrIgnore || result == mrNo ||
           result == mrNoToAll;
}

} // namespace

TExButton::TExButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
    SetParentFont(true);
    Font()->SetName("Tahoma");
    SetShowHint(false);
    SetDoubleBuffered(true);
}

TExButton::~TExButton() = default;

void TExButton::SetState(TExButtonState Value) {
    if (FState == Value)
        return;
    FState = Value;
    Invalidate();
}

void TExButton::DrawButton(TCanvas* ACanvas) {
    if (!FAppearance || !ACanvas)
        return;
    const TExButtonAppearance& a = *FAppearance;
    TColor from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
    if (!Enabled()) {
        from = a.ColorDisabled(), to = a.ColorDisabledTo(), border = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        from = to = a.ColorDown(), border = a.BorderColorDown();
    } else if (FDown) {
        from = to = a.ColorChecked(), border = a.BorderColorChecked();
    } else if (FMouseInControl || Focused()) {
        from = to = a.ColorHot(), border = a.BorderColorHot();
    }
    const TRect r = ClientRect();
    DrawAppearanceBackground(ACanvas, r, from, to, border, 1, a.Gradient() == gdVertical);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->Assign(*a.Font());
    DrawImageAndText(ACanvas, r, Caption(), FImages, FImageIndex);
}

void TExButton::Paint() {
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = absUp;
    }
    DrawButton(Canvas());
}

void TExButton::SizeToContent() {
    if (!FAppearance)
        return;
    Canvas()->Font()->Assign(*FAppearance->Font());
    const TPoint text = MeasureTextExtent(Canvas(), Caption());
    int width = text.X;
    int height = text.Y;
    if (FImages && FImageIndex >= 0) {
        width = std::max(width, FImages->Width());
        height = std::max(height, FImages->Height());
    }
    SetBounds(Left(), Top(), width + 8, height + 4);
}

void TExButton::Click() {
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    if (FExDropDown && ClosesThePopup(FModalResult))
        FExDropDown->DoHideDropDown(Cancels(FModalResult));
    if (!FInternalClick)
        TCustomControl::Click();
}

void TExButton::MouseEnter() {
    FMouseInControl = true;
    if (Enabled())
        Invalidate();
    TCustomControl::MouseEnter();
}

void TExButton::MouseLeave() {
    FMouseInControl = false;
    FHot = false;
    if (Enabled())
        Invalidate();
    TCustomControl::MouseLeave();
}

void TExButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    FMouseDownInControl = true;
    if (!FDown)
        SetState(absDown);
    FDragging = true;
}

void TExButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    SetState(FDown ? absExclusive : inside ? absDown : absUp);
    // The pressed face shows only while the pointer is over the button.
    if (FMouseInControl != inside) {
        FMouseInControl = inside;
        Invalidate();
    }
}

void TExButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDownInControl = false;
    Invalidate();
    const bool inside = ClientRect().Contains({X, Y});
    if (FDragging) {
        FDragging = false;
        FState = absUp;
        FHot = false;
    }
    // Released over itself the button stays hovered; elsewhere the hover has ended.
    FMouseInControl = inside;
}

void TExButton::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN || Key == VK_SPACE) {
        if (!FDown)
            SetState(absDown);
        // A key runs the modal result but is no click: the bar's click handler stays silent.
        FInternalClick = true;
        Click();
        FInternalClick = false;
    }
    TCustomControl::KeyDown(Key, Shift);
}
