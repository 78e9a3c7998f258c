#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Control.h"

#include <string>

class TBitmap;
class TExDropDownSpeedButton;

// The button inside a drop-down edit's right edge: a window holding one speed button, always as
// wide as its button width. OnClick fires when the left button is released over it, so the
// popup opens on release.
class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);
    ~TDropDownEditButton() override;

    TExDropDownSpeedButton* Button() const { return FButton; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }
    // The width the control always has.
    int ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int Value);

    TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* Value);
    int NumGlyphs() const;
    void SetNumGlyphs(int Value);
    std::string ButtonCaption() const;
    void SetButtonCaption(const std::string& Value);

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool Value) override;

    TNotifyEvent OnClick;

private:
    TExDropDownSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    int FBWidth = 16;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};
