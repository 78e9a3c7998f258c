#pragma once

#include "platform/ui/Keys.h"

#include <Qt>

// The one place where the platform's keys, modifiers and buttons become the framework's.
namespace KeyTranslation {
WORD VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
// The platform key for a virtual key (0 when there is none).
int QtKey(WORD virtualKey);
TShiftState ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
Qt::KeyboardModifiers Modifiers(TShiftState shift);
Qt::MouseButton Button(TMouseButton button);
} // namespace KeyTranslation
