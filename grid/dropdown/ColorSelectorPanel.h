#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Control.h"

// A colour written as web colours are, 0xRRGGBB, red first.
constexpr TColor WebColor(unsigned rrggbb) {
    return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

// Base of the colour picker's popup panels: tells the picker when a mouse button was released
// over the panel, so that it may close the popup.
class TExCustomColorSelectorPanel : public TCustomControl {
public:
    explicit TExCustomColorSelectorPanel(TComponent* AOwner) : TCustomControl(AOwner) {}

    TNotifyEvent OnShouldHide;

protected:
    void FireShouldHide() { FireEvent(OnShouldHide, static_cast<TObject*>(this)); }
};
