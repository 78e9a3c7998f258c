#pragma once

#include "platform/ui/Messages.h"

#include <cstdint>

class TControl;

// Window timers as the framework's SetTimer and KillTimer: every Elapse milliseconds the control
// receives WM_TIMER with the timer's identifier in WParam, while the event loop or
// Application->ProcessMessages runs. Setting an identifier that is already running restarts it
// with the new interval. A control's timers end with the control.
uintptr_t SetTimer(TControl* Control, uintptr_t IDEvent, unsigned Elapse);
// False when the control has no timer of that identifier.
bool KillTimer(TControl* Control, uintptr_t IDEvent);
