#pragma once

// The combo box the grid's combo editors are built on: a flat look with its own frame and
// drop-down button (themed, classic or in custom colours), colours for the focused state, a list
// wider than the control, OnDropUp when the list closes, and an optional label placed at one of
// thirteen positions around the control.

#include "grid/foundation/LabelPosition.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Font.h"

#include <memory>
#include <string>

class TLabel;

// The frame colour of a disabled themed combo that does not keep its normal frame.
constexpr TColor EsgComboDisabledBorderColor = 0xB99D7F;

class TEsgCustomCombo : public TComboBox {
public:
    explicit TEsgCustomCombo(TComponent* AOwner);
    ~TEsgCustomCombo() override;

    // Makes the first item equal to AString the selected one; nothing when there is none.
    void SelectItem(const std::string& AString);
    // Records the current colour as the one to restore when the focus leaves.
    void Init();
    // Marks the control as being loaded from a stored form: colours written until Loaded are
    // the loaded colour.
    void BeginLoad();
    // Ends loading: re-applies the drop width and the loaded colour, updates and places the
    // label, then Init.
    virtual void Loaded();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;
    void WndProc(TMessage& Message) override;

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    // 3-D border: the inverse of Flat.
    bool Ctl3D() const { return !FFlat; }
    // Width of the drop-down button area; only 14 to 32 are taken.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value) { FFocusBorder = value; }
    // Width of the opened list in pixels; 0 keeps it as wide as the control.
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool value) { FIsVista = value; }
    bool IsThemed() const { return FIsThemed; }

    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { FFocusColor = value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }

    // Custom drop-down button; ButtonColor clNone keeps the themed or classic button.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value);
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value);
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value);
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value);
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value);
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value);

    // The attached label; created by the first LabelCaption write.
    TLabel* ComboLabel() const { return FLabel; }
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(const TFont* value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);

    // State read by the painting and by tests.
    bool HasFocus() const { return FHasFocus; }
    bool MouseInControl() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }

    TNotifyEvent OnDropUp;

protected:
    // The window's focus notifications (WM_SETFOCUS, WM_KILLFOCUS): focus colour and bold label.
    virtual void HandleSetFocus(TMessage& Message);
    virtual void HandleKillFocus(TMessage& Message);
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DropDown() override;
    void CloseUp() override;
    void PaintOver() override;

private:
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Themed() const;
    bool Hot() const;
    bool ActiveLooking() const;
    bool IsActiveControl() const;
    // Whether the control paints its own frame and button over the platform's.
    bool PaintsItself() const;
    void InvalidateButton();
    void DrawButton(TCanvas* canvas);
    void DrawBorders(TCanvas* canvas);
    void DrawFlatButton(TCanvas* canvas);
    void LabelFontChanged();
    void TakeParentFontForLabel();
    void SetLabelBold(bool bold);
    void UpdateLabelPos();

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = 0;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FIsVista = false;
};

// The published form: the platform combo box's defaults are a list of 8 rows with typing
// completed from the items.
class TEsgComboBox : public TEsgCustomCombo {
public:
    explicit TEsgComboBox(TComponent* AOwner) : TEsgCustomCombo(AOwner) {}
};
