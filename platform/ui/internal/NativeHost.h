#pragma once

// For the .cpp files of platform/ui only: the bridge between controls and their platform
// widgets. See the comment at the top of Control.h.

class QWidget;
class TControl;
class TWinControl;

namespace NativeHost {
// The control's own widget (never nullptr).
QWidget* Widget(const TControl* control);
// The control a widget belongs to (its own widget or an embedded one), or nullptr.
TControl* ControlOf(const QWidget* widget);
// Puts a native widget inside the control: it fills the control, follows its state and its
// input is translated into the control's messages first. The control's widget owns it.
void Embed(TWinControl* control, QWidget* native);
// The embedded native widget, or nullptr.
QWidget* Embedded(const TControl* control);
} // namespace NativeHost
