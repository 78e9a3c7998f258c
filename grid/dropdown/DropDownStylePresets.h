#pragma once

#include "grid/foundation/ExStyleIF.h"
#include "platform/ui/Colors.h"

// The colours each component style preset gives a drop-down's popup, its header and footer
// strips and their buttons. tsCustom has no entry: it changes nothing.

struct TDropDownPopupColors {
    TColor DropDownColor;
    TColor DropDownColorTo;
    // False: the preset leaves the popup's border colour as it is.
    bool SetsBorderColor;
    TColor DropDownBorderColor;
    TColor HeaderColor, HeaderColorTo;
    TColor FooterColor, FooterColorTo;
    TColor FontColor;
    TColor HeaderBorderColor, FooterBorderColor;
};

struct TDropDownButtonColors {
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

// False for tsCustom (and anything outside the presets); Colors is then untouched.
bool DropDownPopupPreset(TULKStyle Style, TDropDownPopupColors& Colors);
bool DropDownButtonPreset(TULKStyle Style, TDropDownButtonColors& Colors);
