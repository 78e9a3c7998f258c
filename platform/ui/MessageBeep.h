#pragma once

// The default beep a control sounds when it refuses input. The count lets tests see a refusal
// without listening for it.
void MessageBeep(unsigned type = 0);
int MessageBeepCount();
