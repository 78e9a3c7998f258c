#pragma once

#include "platform/ui/Types.h"

// Where an attached label sits beside its control.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// The label's top-left corner for a control with the given bounds: textWidth is the width of
// the caption's text, labelSize the label's own size, margin the gap to the control.
TPoint LabelPlace(TLabelPosition position, const TRect& control, int textWidth, TSize labelSize,
                  int margin);
