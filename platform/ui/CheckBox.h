#pragma once

#include "platform/ui/Control.h"

#include <string>

// What check boxes and radio buttons share: a native button with its caption beside the mark.
// Clicks are reported from the change of the mark, not from the mouse.
class TButtonControl : public TWinControl {
public:
    // taRightJustify (the default) puts the caption right of the mark, taLeftJustify left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    void SetText(const std::string& value) override;

protected:
    explicit TButtonControl(TComponent* AOwner);

private:
    TAlignment FAlignment = taRightJustify;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box with its caption. OnClick fires on every change of the check mark, whether the
// user clicked or the program set Checked or State, as the framework's check box does; setting
// the state it already has fires nothing.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    ~TCheckBox() override;

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // Whether a click may lead to the grayed state (unchecked, grayed, checked in turn).
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value);

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};
