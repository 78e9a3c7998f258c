#include "platform/ui/PopupWindow.h"

#include "platform/ui/Control.h"
#include "platform/ui/internal/HiddenWindowKeyboardReturn.h"
#include "platform/ui/internal/NativeHost.h"

#include <QPolygon>
#include <QRegion>
#include <QWidget>

namespace {

Qt::WindowFlags PopupFlags(TPopupWindowOptions options) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
    if (options.Contains(pwoToolWindow))
        flags |= Qt::Tool;
    if (options.Contains(pwoTopMost))
        flags |= Qt::WindowStaysOnTopHint;
    if (options.Contains(pwoDisabled))
        flags |= Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
    return flags;
}

} // namespace

void MakePopupWindow(TWinControl* control, TPopupWindowOptions options) {
    QWidget* widget = NativeHost::Widget(control);
    QWidget* owner = control->Parent() ? NativeHost::Widget(control->Parent()) : nullptr;
    // A new parent or new flags hide the window. As a child control's, it shows while the
    // control is visible and has a parent.
    widget->setParent(owner, PopupFlags(options));
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    HiddenWindowKeyboardReturn::Watch(control);
    widget->setGeometry(control->Left(), control->Top(), control->Width(), control->Height());
    widget->setVisible(control->Visible() && control->Parent());
}

bool IsPopupWindow(const TWinControl* control) {
    QWidget* widget = NativeHost::Widget(control);
    return widget->isWindow() && widget->windowFlags().testFlag(Qt::FramelessWindowHint);
}

TPopupWindowOptions PopupWindowOptions(const TWinControl* control) {
    TPopupWindowOptions options;
    if (!IsPopupWindow(control))
        return options;
    Qt::WindowFlags flags = NativeHost::Widget(control)->windowFlags();
    if ((flags & Qt::WindowType_Mask) == Qt::Tool)
        options << pwoToolWindow;
    if (flags.testFlag(Qt::WindowStaysOnTopHint))
        options << pwoTopMost;
    if (flags.testFlag(Qt::WindowTransparentForInput))
        options << pwoDisabled;
    return options;
}

void SetWindowRegion(TWinControl* control, const std::vector<TPoint>& polygon) {
    QWidget* widget = NativeHost::Widget(control);
    if (polygon.size() < 3) {
        widget->clearMask();
        return;
    }
    QPolygon outline;
    for (const TPoint& point : polygon)
        outline << QPoint(point.X, point.Y);
    widget->setMask(QRegion(outline, Qt::WindingFill));
}

bool WindowRegionContains(const TWinControl* control, TPoint p) {
    QWidget* widget = NativeHost::Widget(control);
    if (!widget->rect().contains(p.X, p.Y))
        return false;
    QRegion mask = widget->mask();
    return mask.isEmpty() || mask.contains(QPoint(p.X, p.Y));
}
