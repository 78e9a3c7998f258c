#pragma once

#include <QPoint>

class QWidget;

// Where the platform delivers input inside a tree of widgets.
namespace WidgetTree {
// The innermost widget at p (in widget's coordinates; changed to that widget's). Widgets of a
// window never shown count, as long as they were not hidden on purpose.
QWidget* InnermostAt(QWidget* widget, QPoint& p);
// The widget that takes the keyboard for widget: the end of its focus proxy chain.
QWidget* FocusTarget(QWidget* widget);
} // namespace WidgetTree
