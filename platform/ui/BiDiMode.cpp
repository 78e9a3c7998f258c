#include "platform/ui/BiDiMode.h"

#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/ControlImpl.h"

#include <QLocale>

#include <optional>

namespace {
std::optional<bool> MiddleEastLocale;
}

void SetMirroredLayout(TControl* Control, bool Value) {
    if (Control)
        TControlAccess::SetMirrored(Control, Value);
}

bool MirroredLayout(const TControl* Control) {
    return Control && TControlAccess::Mirrored(Control);
}

bool CanvasMirrored(const TCanvas* Canvas) {
    return Canvas && TCanvasAccess::DrawsMirrored(*Canvas);
}

TRect CanvasScreenRect(const TCanvas* Canvas, const TRect& R) {
    const int width = Canvas ? TCanvasAccess::MirrorWidth(*Canvas) : 0;
    if (width <= 0)
        return R;
    return TRect{width - R.Right, R.Top, width - R.Left, R.Bottom};
}

void SuspendCanvasMirror(TCanvas* Canvas, bool Suspend) {
    if (Canvas)
        TCanvasAccess::SuspendMirror(*Canvas, Suspend);
}

bool SysLocaleMiddleEast() {
    if (!MiddleEastLocale)
        MiddleEastLocale = QLocale::system().textDirection() == Qt::RightToLeft;
    return *MiddleEastLocale;
}

void SetSysLocaleMiddleEast(bool Value) {
    MiddleEastLocale = Value;
}
