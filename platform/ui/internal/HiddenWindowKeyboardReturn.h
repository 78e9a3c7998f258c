#pragma once

class TWinControl;

// A window that hides with the keyboard must not leave it to no window at all. A window that
// belongs to another one (a popup, owned by its parent's window or made transient for a window)
// gives it back to its owner's window; any other window gives it back to the window that had it
// when the hiding one was shown (or, when that one hid too, to the one it came from), else passes
// it on to the main window. A popup that asked for the activation and hides before the activation
// arrived still gets it afterwards, so its owner asks again behind it. And since a window system
// may activate a popup that is shown without activation, even after it hid, a hidden popup that
// becomes active gives the keyboard back to its owner's window at once.
namespace HiddenWindowKeyboardReturn {
// Watches the control's top-level window from now on, across changes of its parent and flags;
// watching it again changes nothing.
void Watch(TWinControl* window);
} // namespace HiddenWindowKeyboardReturn
