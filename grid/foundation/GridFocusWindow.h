#pragma once

#include "platform/ui/Control.h"

// The marker window a grid keeps over its focused cell: a red top-most tool window that takes
// no input and draws nothing but its colour (the grid gives it a shape and a picture).
class TGridFocusWindow : public TCustomControl {
public:
    // Empty (0 x 0) until the grid places it.
    explicit TGridFocusWindow(TComponent* AOwner);

    // The window is made again under the new parent, as the same popup.
    void SetParent(TWinControl* AParent) override;
};
