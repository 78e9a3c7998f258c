#pragma once

#include "platform/ui/Keys.h"

// The modifier and button state of the last translated input, behind GetKeyState.
namespace InputState {
void Remember(TShiftState shift);
}
