#include "grid/dropdown/DropDownPlacement.h"

#include <algorithm>

TRect PlaceDropDownPopup(const TRect& EditRect, TSize PopupSize, const TRect& WorkArea,
                         TDropPosition Position) {
    const int width = std::clamp(PopupSize.cx, 0, std::max(WorkArea.Width(), 0));
    const int height = std::clamp(PopupSize.cy, 0, std::max(WorkArea.Height(), 0));
    const int below = EditRect.Bottom - 1;
    const int above = EditRect.Top - height;
    const bool belowFits = below + height <= WorkArea.Bottom;
    const bool aboveFits = above >= WorkArea.Top;
    // The side asked for, unless only the other one has the room: a popup pushed back into the
    // work area would cover its own edit.
    const bool up = Position == dpUp ? aboveFits || !belowFits : !belowFits && aboveFits;
    int top = up ? above : below;
    top = std::clamp(top, WorkArea.Top, WorkArea.Bottom - height);
    const int left = std::clamp(EditRect.Left, WorkArea.Left, WorkArea.Right - width);
    return Bounds(left, top, width, height);
}
