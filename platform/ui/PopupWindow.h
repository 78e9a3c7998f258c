#pragma once

#include "platform/ui/Set.h"
#include "platform/ui/Types.h"

#include <vector>

class TWinControl;

// Windows that float over the others, owned by the window of their parent control: the
// marker and arrow windows grids show while the user drags or moves the focus.
enum TPopupWindowOption {
    // No task-bar entry.
    pwoToolWindow,
    // Stays above the other windows.
    pwoTopMost,
    // Takes neither the mouse nor the keyboard: input goes to the windows below.
    pwoDisabled
};
using TPopupWindowOptions = TSet<TPopupWindowOption>;

// Makes the control's window a popup without border or caption; its Left and Top are then
// screen positions. Like a child control's, it shows while the control is visible and has a
// parent, and it is shown without being activated; should the window system activate it anyway,
// it gives the keyboard back to its owner's window once hidden. Call again after a change of
// parent.
void MakePopupWindow(TWinControl* control, TPopupWindowOptions options);
bool IsPopupWindow(const TWinControl* control);
TPopupWindowOptions PopupWindowOptions(const TWinControl* control);

// Restricts the window to the polygon (window pixels, winding fill): only that shape shows and
// takes the mouse. Fewer than three points remove the restriction.
void SetWindowRegion(TWinControl* control, const std::vector<TPoint>& polygon);
// Whether the window pixel lies in the window's region (the whole window without one).
bool WindowRegionContains(const TWinControl* control, TPoint p);
