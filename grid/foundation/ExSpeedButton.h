#pragma once

#include "platform/ui/SpeedButton.h"

// The speed button inside the button part of an edit with button: hot tracking, and the custom
// colours of its owner (the button part) when that has a ButtonColor.
class TExSpeedButton : public TSpeedButton {
public:
    explicit TExSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

    // Draws the button in the desktop's visual style.
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    // Its own flat look: a thin raised edge, sunken while down.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The mouse is over the button.
    bool Hot() const { return MouseInControl(); }

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool FIsWinXP = false;
    bool FFlat = false;
};
