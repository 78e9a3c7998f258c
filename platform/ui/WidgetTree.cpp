#include "platform/ui/internal/WidgetTree.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace WidgetTree {

QWidget* InnermostAt(QWidget* widget, QPoint& p) {
    const QObjectList& children = widget->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (!child || child->isWindow() || child->isHidden() ||
            child->testAttribute(Qt::WA_TransparentForMouseEvents) ||
            !child->geometry().contains(p))
            continue;
        p -= child->pos();
        return InnermostAt(child, p);
    }
    return widget;
}

QWidget* FocusTarget(QWidget* widget) {
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

QWidget* OwnerWindow(const QWidget* window) {
    if (QWidget* parent = window->parentWidget())
        return parent->window();
    const QWindow* handle = window->windowHandle();
    const QWindow* owner = handle ? handle->transientParent() : nullptr;
    if (!owner)
        return nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->windowHandle() == owner)
            return candidate;
    return nullptr;
}

} // namespace WidgetTree
