#pragma once

#include "grid/stringgrid/ExGridTypes.h"

#include <string>

class TBalloonWindow;
class TWinControl;

// Shows the balloon of a refused value on an editor control, its stem at the middle of the
// control's lower edge. Each control has one balloon, owned by it and made when first needed;
// nothing shows without a title or text. Returns the balloon, or nullptr when none shows.
TBalloonWindow* ShowInvalidEntryBalloon(TWinControl* Control, const std::string& Title,
                                        const std::string& Text, TInvalidEntryIcon Icon);
// The control's invalid-entry balloon; nullptr before one was first shown on it.
TBalloonWindow* InvalidEntryBalloonOf(const TWinControl* Control);
