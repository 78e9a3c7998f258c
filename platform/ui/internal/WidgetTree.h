#pragma once

#include <QPoint>

class QWidget;

// Where the platform delivers input inside a tree of widgets, and which window owns another.
namespace WidgetTree {
// The innermost widget at p (in widget's coordinates; changed to that widget's). Widgets of a
// window never shown count, as long as they were not hidden on purpose.
QWidget* InnermostAt(QWidget* widget, QPoint& p);
// The widget that takes the keyboard for widget: the end of its focus proxy chain.
QWidget* FocusTarget(QWidget* widget);
// The window that owns a top-level window: its parent widget's window, else the window it was
// made transient for (owned through the window system only); nullptr for neither.
QWidget* OwnerWindow(const QWidget* window);
} // namespace WidgetTree
