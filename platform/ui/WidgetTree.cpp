#include "platform/ui/internal/WidgetTree.h"

#include <QWidget>

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

} // namespace WidgetTree
