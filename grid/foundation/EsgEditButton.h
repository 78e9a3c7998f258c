#pragma once

#include "platform/ui/Control.h"

#include <string>

class TBitmap;
class TExSpeedButton;

// The button part of an edit with button: a small window control that holds one speed button
// filling it. A left-button release that ends a press on the speed button raises OnClick and
// then moves the focus to FocusControl (or to the part itself when that has a tab stop).
class TEsgEditButton : public TWinControl {
public:
    explicit TEsgEditButton(TComponent* AOwner);
    ~TEsgEditButton() override;

    TExSpeedButton* Button() const { return FButton; }
    TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* value);
    std::string ButtonCaption() const;
    void SetButtonCaption(const std::string& value);
    int NumGlyphs() const;
    void SetNumGlyphs(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The control that takes the focus after a click; the owner clears it before it goes.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }

    // Custom colours of the speed button; ButtonColor clNone keeps its own look.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value);
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value);
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value);
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value);
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value);
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Resize() override;

private:
    void ButtonMouseUp(TMouseButton Button);
    void FillWithButton();
    void SetButtonColour(TColor& field, TColor value);

    TExSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
    // The left button went down on the enabled speed button.
    bool FPressed = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};
