#pragma once

class QEvent;
class QWidget;
class TControl;
struct TMessage;

// Turns the platform's input events into the framework's messages for a control. receiver is
// the widget the event was meant for: the control's own widget or its embedded native widget.
namespace InputRouter {
// Returns true when the event was consumed: a native receiver must not see it. A mouse message
// is consumed when its handler answered non-zero.
bool Route(TControl* control, QEvent* event, QWidget* receiver);
// The framework's default handling of a wheel message the control did not take: the parent's
// turn, and when no parent takes it either, the control's native widget gets the wheel.
void DefaultWheel(TControl* control, TMessage& Message);
// True while a rewritten key is being handed to a native widget (it must pass unfiltered).
bool Resending();
// The control the mouse last entered and has not left yet; nullptr for none.
TControl* MouseControl();
// Stops tracking the control (it leaves by other means, or goes away).
void ForgetMouseControl(const TControl* control);
} // namespace InputRouter
