#include "platform/ui/internal/NativeHost.h"

#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

namespace NativeHost {

QWidget* Widget(const TControl* control) {
    return TControlAccess::Widget(control);
}

TControl* ControlOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* own = dynamic_cast<const ControlWidget*>(w))
            return own->Control();
    return nullptr;
}

void Embed(TWinControl* control, QWidget* native) {
    ControlWidget* own = TControlAccess::Widget(control);
    native->setParent(own);
    TControlAccess::SetNative(control, native);
    own->WatchNative(native);
    native->setMouseTracking(true);
    own->setFocusProxy(native);
    TControlAccess::ApplyGeometry(control);
    TControlAccess::ApplyFont(control);
    TControlAccess::ApplyColor(control);
    native->show();
}

QWidget* Embedded(const TControl* control) {
    return TControlAccess::Native(control);
}

} // namespace NativeHost
