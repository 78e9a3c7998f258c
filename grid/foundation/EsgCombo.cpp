#include "grid/foundation/EsgCombo.h"

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FIsThemed(IsComCtl6()),
      FLabelFont(std::make_unique<TFont>()) {
    FLabelFont->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TEsgCustomCombo::~TEsgCustomCombo() {
    FLabelFont->OnChange = nullptr;
    // The label is owned and goes with the control; nothing may place it on the way out.
    SetComponentState(csDestroying, true);
}

void TEsgCustomCombo::SelectItem(const std::string& AString) {
    for (int i = 0; i < Items()->Count(); ++i) {
        if ((*Items())[i] == AString) {
            SetItemIndex(i);
            return;
        }
    }
}

void TEsgCustomCombo::Init() {
    FNormalColor = Color();
}

void TEsgCustomCombo::BeginLoad() {
    SetComponentState(csLoading, true);
}

void TEsgCustomCombo::Loaded() {
    SetComponentState(csLoading, false);
    if (FDropWidth > 0)
        SetDroppedWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat)
        SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        if (ParentFont())
            FLabel->SetFont(Font());
    }
    UpdateLabelPos();
    Init();
}

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!ComponentState().Contains(csDestroying))
        UpdateLabelPos();
}

// A label made before the control had a parent follows it onto its parent.
void TEsgCustomCombo::SetParent(TWinControl* AParent) {
    TComboBox::SetParent(AParent);
    if (FLabel && !ComponentState().Contains(csDestroying)) {
        FLabel->SetParent(AParent);
        UpdateLabelPos();
    }
}

void TEsgCustomCombo::SetEnabled(bool value) {
    const bool changed = value != Enabled();
    if (changed && FFlat && !Loading()) {
        if (!value) {
            FOldColor = Color();
            FOldParentColor = ParentColor();
            TComboBox::SetEnabled(false);
            SetParentColor(true);
        } else {
            TComboBox::SetEnabled(true);
            SetColor(FOldColor);
            SetParentColor(FOldParentColor);
        }
    } else {
        TComboBox::SetEnabled(value);
    }
    // A form being designed keeps its label as drawn.
    if (!changed || Loading() || ComponentState().Contains(csDesigning) || !FLabel ||
        FLabelAlwaysEnabled)
        return;
    FLabel->SetEnabled(value);
    UpdateLabelPos();
}

void TEsgCustomCombo::SetVisible(bool value) {
    TComboBox::SetVisible(value);
    if (FLabel)
        FLabel->SetVisible(value);
}

void TEsgCustomCombo::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
        HandleSetFocus(Message);
        break;
    case WM_KILLFOCUS:
        HandleKillFocus(Message);
        break;
    case CM_COLORCHANGED:
        if (Loading())
            FLoadedColor = Color();
        TComboBox::WndProc(Message);
        break;
    case CM_FONTCHANGED:
        TComboBox::WndProc(Message);
        if (Loading())
            TakeParentFontForLabel();
        break;
    case CM_PARENTFONTCHANGED:
        TComboBox::WndProc(Message);
        TakeParentFontForLabel();
        UpdateLabelPos();
        break;
    default:
        TComboBox::WndProc(Message);
        break;
    }
}

void TEsgCustomCombo::HandleSetFocus(TMessage& Message) {
    TComboBox::WndProc(Message);
    if (FFocusBorderColor != clNone)
        Invalidate();
    if (FFocusColor != clNone) {
        // A control built in code never runs Loaded: its colour before the first focus is the
        // one to come back to, or the focus colour would stay for good.
        if (FNormalColor == clNone)
            FNormalColor = Color();
        SetColor(FFocusColor);
    }
    if (FFocusLabel)
        SetLabelBold(true);
}

void TEsgCustomCombo::HandleKillFocus(TMessage& Message) {
    TComboBox::WndProc(Message);
    if (FFocusColor != clNone && FNormalColor != clNone)
        SetColor(FNormalColor);
    if (FFocusLabel)
        SetLabelBold(false);
    Invalidate();
}

void TEsgCustomCombo::DoEnter() {
    // A combo being designed keeps its resting look.
    if (!ComponentState().Contains(csDesigning)) {
        FHasFocus = true;
        Invalidate();
    }
    TComboBox::DoEnter();
}

void TEsgCustomCombo::DoExit() {
    FHasFocus = false;
    Invalidate();
    TComboBox::DoExit();
}

void TEsgCustomCombo::MouseEnter() {
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        Invalidate();
    }
    if (FAutoFocus && !ComponentState().Contains(csDesigning)) {
        TForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus() && !Focused())
            SetFocus();
    }
    if (FIsWinXP)
        Invalidate();
    TComboBox::MouseEnter();
}

void TEsgCustomCombo::MouseLeave() {
    if (Enabled()) {
        FMouseInControl = false;
        Invalidate();
    }
    FButtonHover = false;
    if (FIsWinXP)
        Invalidate();
    TComboBox::MouseLeave();
}

void TEsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
    const bool hover = Width() - FButtonWidth < X && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
    TComboBox::MouseMove(Shift, X, Y);
}

void TEsgCustomCombo::DropDown() {
    InvalidateButton();
    TComboBox::DropDown();
}

void TEsgCustomCombo::CloseUp() {
    InvalidateButton();
    TComboBox::CloseUp();
    if (OnDropUp)
        OnDropUp(this);
}

void TEsgCustomCombo::InvalidateButton() {
    TRect r = ClientRect();
    r.Left = r.Right - FButtonWidth;
    InvalidateRect(r);
}

void TEsgCustomCombo::SetFlat(bool value) {
    if (value == FFlat)
        return;
    FFlat = value;
    if (FFlatParentColor && FFlat && Parent())
        SetColor(Parent()->Color());
    else
        SetColor(FLoadedColor);
    Invalidate();
}

void TEsgCustomCombo::SetEtched(bool value) {
    if (value == FEtched)
        return;
    FEtched = value;
    Invalidate();
}

void TEsgCustomCombo::SetButtonWidth(int value) {
    if (value < 14 || value > 32)
        return;
    FButtonWidth = value;
    Invalidate();
}

void TEsgCustomCombo::SetDropWidth(int value) {
    FDropWidth = value;
    if (value > 0)
        SetDroppedWidth(value);
}

void TEsgCustomCombo::SetFlatLineColor(TColor value) {
    FFlatLineColor = value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool value) {
    FFlatParentColor = value;
    Invalidate();
}

void TEsgCustomCombo::SetBorderColor(TColor value) {
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    Invalidate();
}

void TEsgCustomCombo::SetDisabledBorder(bool value) {
    FDisabledBorder = value;
    Invalidate();
}

namespace {
void SetRepainting(TControl* control, TColor& field, TColor value) {
    field = value;
    control->Invalidate();
}
} // namespace

void TEsgCustomCombo::SetButtonColor(TColor value) {
    SetRepainting(this, FButtonColor, value);
}
void TEsgCustomCombo::SetButtonColorHot(TColor value) {
    SetRepainting(this, FButtonColorHot, value);
}
void TEsgCustomCombo::SetButtonColorDown(TColor value) {
    SetRepainting(this, FButtonColorDown, value);
}
void TEsgCustomCombo::SetButtonTextColor(TColor value) {
    SetRepainting(this, FButtonTextColor, value);
}
void TEsgCustomCombo::SetButtonTextColorHot(TColor value) {
    SetRepainting(this, FButtonTextColorHot, value);
}
void TEsgCustomCombo::SetButtonTextColorDown(TColor value) {
    SetRepainting(this, FButtonTextColorDown, value);
}
void TEsgCustomCombo::SetButtonBorderColor(TColor value) {
    SetRepainting(this, FButtonBorderColor, value);
}
