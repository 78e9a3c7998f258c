#pragma once

#include "platform/ui/CheckBox.h"

// A radio button. The radio buttons of one parent form a group: checking one unchecks the
// others. OnClick fires when the button becomes checked, by the user or by the program; the
// buttons it unchecks fire nothing.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    ~TRadioButton() override;

    bool Checked() const;
    void SetChecked(bool value);
};
