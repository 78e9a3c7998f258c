#pragma once

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"

// What the grid's date and time pickers add to the platform picker: a border style, a flat
// (Ctl3D off) or coloured border, a focus border, a drop-down button in custom colours for the
// metro look, and tracking of the mouse over the control and its button and of the focus,
// each of which repaints the control. Colours are clNone when unset; only bsNone and bsSingle
// are a picker's border styles.
class TStyledDateTimePicker : public TDateTimePicker {
public:
    ~TStyledDateTimePicker() override;

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    // Stores a changed style and repaints.
    virtual void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FFocusBorderColor = value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value) { FDisabledBorder = value; }
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool value) { FFocusBorder = value; }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { FButtonColorHot = value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { FButtonColorDown = value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }

    // The width of the drop-down button area at the right edge.
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }
    bool HasFocus() const { return FHasFocus; }
    bool IsThemed() const { return FIsThemed; }
    bool IsWinXP() const { return FIsWinXP; }

protected:
    TStyledDateTimePicker(TComponent* AOwner, TColor borderColor);

    // Whether the metro painting and the coloured border stay off.
    virtual bool SkipCustomPaint() const { return false; }
    // Whether the flat border of Ctl3D off needs a BorderColor to be drawn.
    virtual bool FlatBorderNeedsColor() const = 0;
    // Whether the painting also draws a flat frame of its own while Ctl3D is off.
    virtual bool PaintsFlatFrame() const = 0;
    // How far left of the button the metro look clears the field.
    virtual int MetroClearance() const = 0;

    void PaintFrame(TCanvas* Canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool MetroOn() const;
    // The mouse is over the control or the control has the focus, with FocusBorder on.
    bool Hot() const;
    bool Styled() const;
    void Changed();
    void DrawFlatBorder(TCanvas* canvas, TColor color, bool inner) const;
    void DrawBorder(TCanvas* canvas) const;
    void DrawDropDownButton(TCanvas* canvas) const;
    TColor FlatBorderColor() const;

    bool FMouseHeld = false;
    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FIsThemed = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP = false;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
    bool FCtl3D = true;
};
