#include "platform/ui/OwnedPopup.h"

#include "platform/ui/Control.h"
#include "platform/ui/internal/HiddenWindowKeyboardReturn.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/WidgetTree.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* WatchName = "velmaro_owned_popup_watch";
constexpr const char* ShadowName = "velmaro_owned_popup_shadow";
// Width of the shadow beside the right and below the bottom edge.
constexpr int ShadowDepth = 4;

// A shadow drawn by the popup itself: a window the mouse passes through, lying under the
// popup's right and bottom edges and following it. Window systems without shadows for
// frameless windows still show the popup lifted off the window below.
class PopupShadow final : public QWidget {
public:
    explicit PopupShadow(QWidget* popup)
        : QWidget(popup, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                             Qt::NoDropShadowWindowHint) {
        setObjectName(ShadowName);
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_QuitOnClose, false);
        popup->installEventFilter(this);
        Follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            Follow();
            break;
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // Darkest next to the popup, fading outwards.
        for (int step = 0; step < ShadowDepth; ++step) {
            const QColor shade(0, 0, 0, 70 - step * 15);
            const int right = width() - ShadowDepth + step;
            const int bottom = height() - ShadowDepth + step;
            painter.fillRect(right, ShadowDepth + step, 1, bottom - ShadowDepth - step, shade);
            painter.fillRect(ShadowDepth + step, bottom, right - ShadowDepth - step + 1, 1, shade);
        }
    }

private:
    void Follow() {
        QWidget* popup = parentWidget();
        if (!popup->isVisible()) {
            hide();
            return;
        }
        setGeometry(popup->geometry().translated(ShadowDepth, ShadowDepth));
        show();
        popup->raise();
    }
};

// A half-transparent window shows what lies under it only where the desktop blends windows: on
// X11 that takes a running compositing manager; without one the shadow is an opaque black band.
bool DesktopBlendsWindows() {
    if (QGuiApplication::platformName() != "xcb")
        return true;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0)
        screen = 0;
    std::free(host);
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool managed = atom->atom != XCB_ATOM_NONE && owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return managed;
}

bool WidgetWithinPopup(const QWidget* popup, const QWidget* widget) {
    for (const QWidget* window = widget ? widget->window() : nullptr; window;
         window = WidgetTree::OwnerWindow(window)) {
        if (window == popup)
            return true;
    }
    return false;
}

// Watches the whole application for the moments the user leaves the popup. It lives as a child
// of the popup's widget, so it goes with the popup.
class PopupWatch final : public QObject {
public:
    PopupWatch(QWidget* popup, std::function<void()> lost) : QObject(popup), Popup(popup) {
        setObjectName(WatchName);
        Lost = std::move(lost);
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
            if (window)
                CheckActive(QApplication::activeWindow());
        });
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive && Activated)
                        Leave();
                });
    }

    std::function<void()> Lost;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Popup && event->type() == QEvent::Show) {
            Left = false;
            Activated = false;
        }
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (!WidgetWithinPopup(Popup, widget))
                Leave();
        }
        return false;
    }

private:
    // Activation changes count once the popup itself had the activation: one still on its
    // way from before the popup opened must not close it.
    void CheckActive(const QWidget* active) {
        if (!active || !Popup)
            return;
        if (WidgetWithinPopup(Popup, active)) {
            Activated = Popup->isVisible();
            return;
        }
        if (Activated)
            Leave();
    }
    // Once per time the popup is shown: the handler usually hides it, and the hiding itself
    // moves the activation again.
    void Leave() {
        if (Left || !Popup || !Popup->isVisible() || !Lost)
            return;
        Left = true;
        std::function<void()> lost = Lost;
        lost();
    }

    QPointer<QWidget> Popup;
    bool Left = false;
    bool Activated = false;
};

} // namespace

void MakeOwnedPopup(TWinControl* popup, TWinControl* owner, bool shadow) {
    QWidget* widget = NativeHost::Widget(popup);
    QWidget* ownerWindow = owner ? NativeHost::Widget(owner)->window() : nullptr;
    if (ownerWindow == widget)
        ownerWindow = nullptr;
    // The shadow is drawn by a window of its own, not left to the window system. The owner's
    // window owns the popup through the window system only (a transient parent), not as a child
    // widget: the owner's widget must not delete it behind the control that holds it.
    const Qt::WindowFlags flags =
        Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint;
    if (widget->parentWidget() || widget->windowFlags() != flags)
        widget->setParent(nullptr, flags);
    auto* drawn = widget->findChild<PopupShadow*>(ShadowName, Qt::FindDirectChildrenOnly);
    shadow = shadow && DesktopBlendsWindows();
    if (shadow && !drawn)
        new PopupShadow(widget);
    else if (!shadow)
        delete drawn;
    // A tool window must not count as the application's last window.
    widget->setAttribute(Qt::WA_QuitOnClose, false);
    widget->winId();
    if (ownerWindow)
        ownerWindow->winId();
    widget->windowHandle()->setTransientParent(ownerWindow ? ownerWindow->windowHandle() : nullptr);
    HiddenWindowKeyboardReturn::Watch(popup);
}

TWinControl* OwnedPopupOwner(const TWinControl* popup) {
    QWidget* owner = WidgetTree::OwnerWindow(NativeHost::Widget(popup));
    return owner ? dynamic_cast<TWinControl*>(NativeHost::ControlOf(owner)) : nullptr;
}

void ShowOwnedPopup(TWinControl* popup, const TRect& screenRect) {
    popup->SetBounds(screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height());
    popup->SetVisible(true);
    QWidget* widget = NativeHost::Widget(popup);
    widget->raise();
    widget->activateWindow();
}

TRect WorkAreaAt(TPoint screenPoint) {
    QScreen* screen = QGuiApplication::screenAt(QPoint(screenPoint.X, screenPoint.Y));
    if (!screen) {
        // The nearest screen: the one whose work area lies closest to the point.
        long best = -1;
        for (QScreen* candidate : QGuiApplication::screens()) {
            const QRect area = candidate->availableGeometry();
            const long dx = screenPoint.X < area.left()    ? area.left() - screenPoint.X
                            : screenPoint.X > area.right() ? screenPoint.X - area.right()
                                                           : 0;
            const long dy = screenPoint.Y < area.top()      ? area.top() - screenPoint.Y
                            : screenPoint.Y > area.bottom() ? screenPoint.Y - area.bottom()
                                                            : 0;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                screen = candidate;
            }
        }
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Rect(0, 0, 1024, 768);
    return QtConvert::FromQRect(screen->availableGeometry());
}

void WatchOwnedPopup(TWinControl* popup, std::function<void()> lost) {
    QWidget* widget = NativeHost::Widget(popup);
    auto* watch = widget->findChild<PopupWatch*>(WatchName, Qt::FindDirectChildrenOnly);
    if (!lost) {
        delete watch;
        return;
    }
    if (watch)
        watch->Lost = std::move(lost);
    else
        new PopupWatch(widget, std::move(lost));
}

bool IsWithinOwnedPopup(const TWinControl* popup, const TWinControl* window) {
    return window && WidgetWithinPopup(NativeHost::Widget(popup), NativeHost::Widget(window));
}
