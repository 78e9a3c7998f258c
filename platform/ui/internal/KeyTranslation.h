#pragma once

#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"

#include <Qt>

// The one place where the platform's keys, modifiers and buttons become the framework's.
namespace KeyTranslation {
WORD VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
// The platform key for a virtual key (0 when there is none).
int QtKey(WORD virtualKey);
// Key data bits of a key typed on the numeric keypad, as the framework's key messages carry them:
// the keypad's scan code in bits 16..23 (bit 22 is set for the decimal key and the digits, clear
// for the main keyboard's full stop) and the extended-key flag (bit 24) for its Enter and
// divide keys. 0 for any other key.
LPARAM KeypadKeyData(WORD virtualKey, Qt::KeyboardModifiers modifiers);
// Keys that only the numeric keypad has (VK_NUMPAD0..VK_DIVIDE).
bool IsKeypadOnlyKey(WORD virtualKey);
TShiftState ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
Qt::KeyboardModifiers Modifiers(TShiftState shift);
Qt::MouseButton Button(TMouseButton button);
} // namespace KeyTranslation
