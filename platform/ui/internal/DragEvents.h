#pragma once

// Translation between the platform's drag values and Qt's, for the .cpp files of platform/ui.

#include "platform/ui/DragDrop.h"

#include <Qt>

namespace DragEvents {
Qt::DropActions ToActions(TDropEffect effects);
// The one action of an effect: copy before move before link.
Qt::DropAction ToAction(TDropEffect effect);
TDropEffect FromActions(Qt::DropActions actions);
TDragKeyState KeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
Qt::MouseButtons Buttons(TDragKeyState keyState);
Qt::KeyboardModifiers Modifiers(TDragKeyState keyState);
} // namespace DragEvents
