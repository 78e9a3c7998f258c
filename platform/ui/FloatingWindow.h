#pragma once

#include "platform/ui/Types.h"

class TWinControl;

// What a window that follows the mouse needs: where the mouse is, and a see-through look.

// The mouse position in screen coordinates.
TPoint GetCursorPos();
// Moves the mouse pointer there (screen coordinates) without a click.
void SetCursorPos(TPoint p);
// 255 is opaque, 0 invisible; values outside are clamped.
void SetWindowAlpha(TWinControl* control, int Alpha);
int WindowAlpha(const TWinControl* control);
