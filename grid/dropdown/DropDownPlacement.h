#pragma once

#include "grid/dropdown/ExDropDownTypes.h"
#include "platform/ui/Types.h"

// Where a drop-down's popup opens, in screen coordinates. Below the edit means its top covers
// the edit's last pixel row; above means its bottom meets the edit's top. dpAuto opens below when
// the popup fits there, else above when it fits there, else below; dpDown and dpUp open on the
// other side when only that side has the room. Whatever the position asked for, the popup ends
// up inside the work area: moved left, right, up or down as far as needed, and no larger than the
// work area.
TRect PlaceDropDownPopup(const TRect& EditRect, TSize PopupSize, const TRect& WorkArea,
                         TDropPosition Position);
