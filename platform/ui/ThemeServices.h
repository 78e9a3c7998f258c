#pragma once

#include "platform/ui/Types.h"

class TCanvas;

// Theme parts drawn in the look of the running desktop style, so custom-drawn controls match the
// native ones around them.
enum class TThemePart {
    PushButton,
    CheckBox,
    RadioButton,
    ComboDropDown,
    SpinUp,
    SpinDown,
    SpinRight,
    SpinLeft,
    HeaderItem,
    ScrollArrowUp,
    ScrollArrowDown,
    ScrollArrowLeft,
    ScrollArrowRight,
    // Checked means the node is open.
    TreeGlyph,
    ProgressBar,
    ProgressChunk,
};

// The condition a part is drawn in; flags combine (a hot checked box, a focused pressed button).
enum TThemeStateFlag : unsigned {
    tsfNormal = 0,
    tsfHot = 1,
    tsfPressed = 2,
    tsfDisabled = 4,
    tsfFocused = 8,
    tsfChecked = 16,
    // A check box neither checked nor unchecked.
    tsfMixed = 32,
};
using TThemeStates = unsigned;

// Whether parts can be drawn: a desktop style runs once the application is initialised.
bool ThemeServicesActive();

// Draws the part over r on the canvas, inside the canvas's clip. False when nothing could be
// drawn: no running style, no canvas, an empty rectangle, or a control's canvas outside its
// paint; without a running style the caller draws its classic look.
bool DrawThemePart(TCanvas* canvas, TThemePart part, TThemeStates states, const TRect& r);

// The size the style gives the part; {0, 0} without a running style.
TSize ThemePartSize(TThemePart part);
