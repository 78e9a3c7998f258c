#pragma once

class TWinControl;

// Where the focus goes after a press on a button part (the button of an edit with button, an
// arrow of a spin button): to the control the part serves when that takes the focus by tab,
// else to the part itself when it does. Nothing changes when the one chosen has it already.
void PassFocusAfterButtonPress(TWinControl* FocusControl, TWinControl* Part);
