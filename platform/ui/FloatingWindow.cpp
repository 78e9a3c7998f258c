#include "platform/ui/FloatingWindow.h"

#include "platform/ui/Control.h"
#include "platform/ui/internal/NativeHost.h"

#include <QCursor>
#include <QWidget>

#include <algorithm>
#include <cmath>

TPoint GetCursorPos() {
    const QPoint p = QCursor::pos();
    return TPoint{p.x(), p.y()};
}

void SetCursorPos(TPoint p) {
    QCursor::setPos(p.X, p.Y);
}

void SetWindowAlpha(TWinControl* control, int Alpha) {
    NativeHost::Widget(control)->setWindowOpacity(std::clamp(Alpha, 0, 255) / 255.0);
}

int WindowAlpha(const TWinControl* control) {
    return static_cast<int>(std::lround(NativeHost::Widget(control)->windowOpacity() * 255));
}
