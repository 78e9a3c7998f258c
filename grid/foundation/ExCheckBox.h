#pragma once

#include "platform/ui/CheckBox.h"
#include "platform/ui/Control.h"

#include <memory>
#include <string>

class TBitmap;

// The visual-style state (class "button", check-box part) of a check box: 1..4 unchecked,
// 5..8 checked, 9..12 grayed, each as normal, hot, pressed, disabled. Disabled wins over
// pressed, pressed over hot.
int CheckBoxThemeState(TCheckBoxState State, bool Enabled, bool Down, bool Hot);

// A custom-drawn three-state check box with its caption, themed when visual styles are on. It
// fires its clicks itself: a mouse click released over it or a Space toggles it and clicks; a
// read-only box clicks without changing.
class TExCheckBox : public TCustomControl {
public:
    explicit TExCheckBox(TComponent* AOwner);
    ~TExCheckBox() override;

    // Where the box sits: taLeftJustify at the left, taRightJustify at the right.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // The box drawn pressed.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Enter acts as Tab.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    // The parent shows through behind box and caption.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool value) { FTransparentCaching = value; }
    // Whether the cached parent background is valid.
    bool BackgroundCached() const { return FBkgCache; }
    bool Hot() const { return FHot; }
    // Where the box is drawn, and the strip at its side repainted when its look changes.
    TRect BoxRect() const;
    TRect BoxArea() const;

    void SetText(const std::string& value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

    // Checks or unchecks, unless read-only.
    virtual void Toggle();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

private:
    void InvalidateBox();
    void PaintBox();
    void PaintCaption();
    void PaintBackground();
    bool IsAccelerator(TChar Key) const;
    void ToggleAndClick();

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    std::string FCaption;
    bool FIsWinXP = false;
    bool FHot = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    std::unique_ptr<TBitmap> FBkgBmp;
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
