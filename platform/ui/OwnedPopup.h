#pragma once

#include "platform/ui/Types.h"

#include <functional>

class TWinControl;

// A top-level popup window (a form without border) that belongs to another control's window:
// it stays above the other windows, has no task-bar entry, and goes away with the window that
// owns it. The drop-down editors show their lists and panels in one.

// Makes the popup a borderless top-most window owned by the top-level window that holds
// `owner` (no owner window when `owner` has none). Call while the popup is hidden, again when
// the owner moved to another window. With `shadow` the popup casts a drawn shadow to its right
// and below.
void MakeOwnedPopup(TWinControl* popup, TWinControl* owner, bool shadow);
// The window that owns the popup, or nullptr.
TWinControl* OwnedPopupOwner(const TWinControl* popup);
// Shows the popup at the screen rectangle above every other window and gives it the activation.
// Hidden again, even before the activation arrived, it gives the keyboard back to its owner's
// window.
void ShowOwnedPopup(TWinControl* popup, const TRect& screenRect);

// The work area (the screen without task bars and docks) of the screen that holds the screen
// point; the nearest screen's when none holds it.
TRect WorkAreaAt(TPoint screenPoint);

// While the popup is visible, `lost` runs once the user leaves it: a mouse press in a window
// that is neither the popup nor a window the popup owns (at any depth), or, once the popup has
// had the activation, the activation moving to such a window or the application losing it. Replaces
// an earlier watch; an empty function ends the watch. The watch ends with the popup.
void WatchOwnedPopup(TWinControl* popup, std::function<void()> lost);
// Whether `window` is the popup or a window it owns, at any depth.
bool IsWithinOwnedPopup(const TWinControl* popup, const TWinControl* window);
