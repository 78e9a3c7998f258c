#include "platform/ui/HintMonitor.h"

#include "platform/ui/HintWindow.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QTimer>

namespace {
// The hint appears this far below the mouse, clear of the pointer.
constexpr int PointerHeight = 20;

class HintWatch : public QObject {
public:
    explicit HintWatch(THintMonitor* monitor) : FMonitor(monitor) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            FMonitor->MouseMovedTo({p.x(), p.y()});
            break;
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::Hide:
            FMonitor->HideHint();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    THintMonitor* FMonitor;
};
} // namespace

struct THintMonitor::Impl {
    std::unique_ptr<HintWatch> Watch;
    QTimer Timer;
    std::unique_ptr<THintWindow> Window;
    // The rectangle the shown hint belongs to (client coordinates).
    TRect HintRect;
    TPoint LastPos;
    // A hint was shown and left for another rectangle: the next one comes quicker.
    bool Browsing = false;
};

THintMonitor::THintMonitor(TControl* Control)
    : TComponent(Control), FControl(Control), FImpl(std::make_unique<Impl>()) {
    FImpl->Watch = std::make_unique<HintWatch>(this);
    if (Control != nullptr)
        TControlAccess::Widget(Control)->installEventFilter(FImpl->Watch.get());
    FImpl->Timer.setSingleShot(true);
    QObject::connect(&FImpl->Timer, &QTimer::timeout, [this] { ShowHintAt(FImpl->LastPos); });
}

// The watch leaves the control's filters by itself when it goes; the control may be half gone
// already when its owned components are freed, so it is not touched here.
THintMonitor::~THintMonitor() {
    FImpl->Timer.stop();
}

THintWindow* THintMonitor::HintWindow() const {
    THintWindow* window = FImpl->Window.get();
    return window && window->Visible() ? window : nullptr;
}

void THintMonitor::HideHint() {
    FImpl->Timer.stop();
    FImpl->Browsing = false;
    if (FImpl->Window)
        FImpl->Window->ReleaseHandle();
}

void THintMonitor::MouseMovedTo(TPoint ClientPos) {
    FImpl->LastPos = ClientPos;
    if (HintWindow() != nullptr) {
        if (FImpl->HintRect.Contains(ClientPos))
            return;
        FImpl->Window->ReleaseHandle();
        FImpl->Browsing = true;
    }
    FImpl->Timer.start(FImpl->Browsing ? HintShortPause : HintPause);
}

bool THintMonitor::ShowHintAt(TPoint ClientPos) {
    FImpl->Timer.stop();
    if (FImpl->Window)
        FImpl->Window->ReleaseHandle();
    if (FControl == nullptr || !FControl->ShowHint() ||
        FControl->ComponentState().Contains(csDestroying))
        return false;
    const std::string& hint = FControl->Hint();
    THintInfo info;
    info.HintControl = FControl;
    info.CursorPos = ClientPos;
    info.CursorRect = FControl->ClientRect();
    info.HintPos = FControl->ClientToScreen({ClientPos.X, ClientPos.Y + PointerHeight});
    info.HintMaxWidth = MonitorRectNear(info.HintPos).Width();
    info.HintStr = hint.substr(0, hint.find('|'));
    const LRESULT refused = FControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    FImpl->HintRect = info.CursorRect;
    if (refused != 0 || info.HintStr.empty())
        return false;
    FImpl->Window = info.HintWindowClass ? info.HintWindowClass(nullptr)
                                         : std::make_unique<THintWindow>(nullptr);
    THintWindow* window = FImpl->Window.get();
    window->SetColor(info.HintColor);
    TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    window->ActivateHintData(r, info.HintStr, info.HintData);
    return true;
}
