#include "platform/ui/InputSimulation.h"

#include "platform/ui/Control.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/KeyTranslation.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/WidgetTree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

namespace InputSimulation {

namespace {

// Keys go where the platform would send them: the control's open popup (a combo's list), else
// the widget that takes the focus for the control.
QWidget* Target(TControl* control) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QWidget* inside = popup->focusWidget() ? popup->focusWidget() : popup;
        if (NativeHost::ControlOf(inside) == control)
            return inside;
    }
    QWidget* native = TControlAccess::Native(control);
    if (!native)
        return TControlAccess::Widget(control);
    return WidgetTree::FocusTarget(native);
}

void SendKeyTo(QWidget* target, QEvent::Type type, WORD key, TChar ch, TShiftState shift,
               bool keypad) {
    int qtKey = KeyTranslation::QtKey(key);
    QString text = ch ? QString(QChar(ch)) : QString();
    Qt::KeyboardModifiers modifiers = KeyTranslation::Modifiers(shift);
    if (keypad || KeyTranslation::IsKeypadOnlyKey(key))
        modifiers |= Qt::KeypadModifier;
    QKeyEvent event(type, qtKey ? qtKey : Qt::Key_unknown, modifiers, text);
    QApplication::sendEvent(target, &event);
}

void SendKey(TControl* control, QEvent::Type type, WORD key, TChar ch, TShiftState shift,
             bool keypad = false) {
    SendKeyTo(Target(control), type, key, ch, shift, keypad);
}

// A key whose press freed its widget (an editor closing on Enter) is released where the
// focus went, as a person's key is.
void PressAndReleaseAt(QWidget* widget, WORD key, TChar ch, TShiftState shift, bool keypad) {
    QPointer<QWidget> target = widget;
    SendKeyTo(target, QEvent::KeyPress, key, ch, shift, keypad);
    QWidget* release = target ? target.data() : QApplication::focusWidget();
    if (release)
        SendKeyTo(release, QEvent::KeyRelease, key, 0, shift, keypad);
}

void PressAndRelease(TControl* control, WORD key, TChar ch, TShiftState shift, bool keypad) {
    PressAndReleaseAt(Target(control), key, ch, shift, keypad);
}

// While a popup is open the window system hands every press to it, wherever it lands. A press
// outside closes it, and the press is then passed on to what lies under the mouse unless the
// popup asked not to (a combo's own arrow closing its list) or another popup stays open.
// Returns whether the press still goes on to its target.
bool PassOpenPopup(QWidget* target, QPointF global, Qt::MouseButton button,
                   Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> popup = QApplication::activePopupWidget();
    if (!popup || target->window() == popup)
        return true;
    const QPoint inPopup = popup->mapFromGlobal(global).toPoint();
    QWidget* receiver = popup->childAt(inPopup);
    if (!receiver)
        receiver = popup;
    QMouseEvent press(QEvent::MouseButtonPress, receiver->mapFromGlobal(global), global, button,
                      buttons, modifiers);
    QApplication::sendEvent(receiver, &press);
    if (QApplication::activePopupWidget() != nullptr || !popup || popup->rect().contains(inPopup) ||
        popup->testAttribute(Qt::WA_NoMouseReplay))
        return false;
    // The press passed on is queued behind what closing the popup queued.
    QCoreApplication::sendPostedEvents();
    return true;
}

// The window manager activates the window a person presses in. Windows it does not manage
// (popups, tips) and windows that refuse the keyboard are never activated.
void ActivateWindowUnder(QWidget* target) {
    QWidget* window = target->window();
    if (window->isActiveWindow())
        return;
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen ||
        flags.testAnyFlags(Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
                           Qt::X11BypassWindowManagerHint))
        return;
    window->activateWindow();
    QApplication::processEvents();
}

bool TakesClickFocus(QWidget* widget) {
    constexpr Qt::FocusPolicy policy = Qt::ClickFocus;
    return (widget->focusPolicy() & policy) == policy &&
           (WidgetTree::FocusTarget(widget)->focusPolicy() & policy) == policy;
}

// A press gives the focus to the first enabled widget from the one under the mouse up to its
// window that takes focus by clicks; it stops early at a widget that holds the focus already, so
// a press on the focused widget never takes its focus away.
void GiveClickFocus(QWidget* target, QPoint local) {
    for (QWidget* widget = target; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && widget->rect().contains(local) && TakesClickFocus(widget)) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow() || WidgetTree::FocusTarget(widget)->hasFocus())
            return;
        local += widget->pos();
    }
}

// What the window system and Qt do with a person's press before the widget under the mouse sees
// it. Returns whether the press still reaches the target. Windows never shown take no real press;
// their widgets get the event alone.
bool PrepareRealPress(QPointer<QWidget>& target, QPoint local, QPointF global,
                      Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers) {
    if (!target->window()->isVisible())
        return true;
    // The press comes after what the window system and the program queued before it.
    QApplication::processEvents();
    if (!target)
        return false;
    if (!PassOpenPopup(target, global, button, buttons, modifiers) || !target)
        return false;
    ActivateWindowUnder(target);
    if (!target)
        return false;
    GiveClickFocus(target, local);
    return target != nullptr;
}

// The widget a held button was pressed on: it keeps the mouse until the last button is up,
// wherever the mouse goes, as the window system's implicit grab does.
QPointer<QWidget> PressedWidget;

// Where a move or release goes: a widget that grabbed the mouse, else the one the held buttons
// were pressed on, else the one under the mouse.
QWidget* MouseReceiver(QWidget* under, Qt::MouseButtons heldBefore) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        return grabber;
    if (heldBefore != Qt::NoButton && PressedWidget)
        return PressedWidget;
    return under;
}

void SendMouse(TControl* control, QEvent::Type type, Qt::MouseButton button,
               Qt::MouseButtons buttons, TPoint p, TShiftState shift) {
    QPoint local(p.X, p.Y);
    QPointer<QWidget> target = WidgetTree::InnermostAt(TControlAccess::Widget(control), local);
    QPointF global = target->mapToGlobal(QPointF(local));
    const Qt::KeyboardModifiers modifiers = KeyTranslation::Modifiers(shift);
    if (type == QEvent::MouseButtonPress) {
        if (!PrepareRealPress(target, local, global, button, buttons, modifiers))
            return;
        PressedWidget = target;
    } else if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
        const Qt::MouseButtons heldBefore =
            type == QEvent::MouseButtonRelease ? buttons | button : buttons;
        target = MouseReceiver(target, heldBefore);
        if (type == QEvent::MouseButtonRelease && buttons == Qt::NoButton)
            PressedWidget = nullptr;
    }
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

Qt::MouseButtons HeldButtons(TShiftState shift) {
    Qt::MouseButtons buttons;
    if (shift.Contains(ssLeft))
        buttons |= Qt::LeftButton;
    if (shift.Contains(ssRight))
        buttons |= Qt::RightButton;
    if (shift.Contains(ssMiddle))
        buttons |= Qt::MiddleButton;
    return buttons;
}

// Where the window system sends a typed key: an open popup (a combo's list) takes it before the
// window under it, else the focused widget, else the active window itself.
QWidget* KeyboardReceiver() {
    if (QWidget* grabber = QWidget::keyboardGrabber())
        return grabber;
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focused = QApplication::focusWidget())
        return focused;
    return QApplication::activeWindow();
}

WORD KeyForChar(TChar ch) {
    if (ch >= 'a' && ch <= 'z')
        return static_cast<WORD>(ch - 'a' + 'A');
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))
        return static_cast<WORD>(ch);
    switch (ch) {
    case ' ':
        return VK_SPACE;
    case '\r':
        return VK_RETURN;
    case '\b':
        return VK_BACK;
    case '\t':
        return VK_TAB;
    case 0x1B:
        return VK_ESCAPE;
    default:
        return 0;
    }
}

} // namespace

void KeyDown(TControl* control, WORD key, TShiftState shift) {
    SendKey(control, QEvent::KeyPress, key, 0, shift);
}

void KeyUp(TControl* control, WORD key, TShiftState shift) {
    SendKey(control, QEvent::KeyRelease, key, 0, shift);
}

void KeyPress(TControl* control, WORD key, TChar ch, TShiftState shift) {
    PressAndRelease(control, key, ch, shift, false);
}

void KeypadPress(TControl* control, WORD key, TChar ch, TShiftState shift) {
    PressAndRelease(control, key, ch, shift, true);
}

TControl* FocusedControl() {
    QApplication::processEvents();
    QWidget* receiver = KeyboardReceiver();
    return receiver ? NativeHost::ControlOf(receiver) : nullptr;
}

// Sent to the very widget that takes a person's key: an open list gets it, not its combo.
void KeyPressFocused(WORD key, TChar ch, TShiftState shift) {
    QApplication::processEvents();
    if (QWidget* receiver = KeyboardReceiver())
        PressAndReleaseAt(receiver, key, ch, shift, false);
}

void TypeChar(TControl* control, TChar ch) {
    TShiftState shift;
    if (ch >= 'A' && ch <= 'Z')
        shift << ssShift;
    KeyPress(control, KeyForChar(ch), ch, shift);
}

void TypeTextFocused(std::string_view text) {
    for (const char c : text)
        if (TControl* control = FocusedControl())
            TypeChar(control, static_cast<TChar>(c));
}

void MouseDown(TControl* control, TMouseButton button, TPoint p, TShiftState shift) {
    Qt::MouseButton qtButton = KeyTranslation::Button(button);
    SendMouse(control, QEvent::MouseButtonPress, qtButton, HeldButtons(shift) | qtButton, p, shift);
}

void MouseUp(TControl* control, TMouseButton button, TPoint p, TShiftState shift) {
    Qt::MouseButton qtButton = KeyTranslation::Button(button);
    SendMouse(control, QEvent::MouseButtonRelease, qtButton, HeldButtons(shift) & ~qtButton, p,
              shift);
}

void MouseMove(TControl* control, TPoint p, TShiftState shift) {
    SendMouse(control, QEvent::MouseMove, Qt::NoButton, HeldButtons(shift), p, shift);
}

void Click(TControl* control, TPoint p, TMouseButton button) {
    MouseDown(control, button, p);
    MouseUp(control, button, p);
}

void DoubleClick(TControl* control, TPoint p) {
    Click(control, p);
    SendMouse(control, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, p, {});
    MouseUp(control, mbLeft, p);
}

void Wheel(TControl* control, TPoint p, int delta, TShiftState shift) {
    QPoint point(p.X, p.Y);
    QWidget* target = WidgetTree::InnermostAt(TControlAccess::Widget(control), point);
    QPointF local(point);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      KeyTranslation::Modifiers(shift), Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void ClickListItem(TControl* combo, int index) {
    auto* native = qobject_cast<QComboBox*>(TControlAccess::Native(combo));
    if (!native || !native->view()->isVisible())
        return;
    QAbstractItemView* list = native->view();
    const QModelIndex item = native->model()->index(index, native->modelColumn());
    list->scrollTo(item);
    QWidget* viewport = list->viewport();
    const QPointF local(list->visualRect(item).center());
    const QPointF global = viewport->mapToGlobal(local);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

void MouseEnter(TControl* control) {
    QWidget* widget = TControlAccess::Widget(control);
    QEnterEvent event(QPointF(0, 0), QPointF(0, 0), widget->mapToGlobal(QPointF(0, 0)));
    QApplication::sendEvent(widget, &event);
}

void MouseLeave(TControl* control) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(TControlAccess::Widget(control), &event);
}

TCursor CursorShown(TControl* control) {
    if (const QCursor* screen = QApplication::overrideCursor())
        return QtConvert::FromQCursor(*screen);
    QWidget* native = TControlAccess::Native(control);
    QWidget* widget = native ? native : TControlAccess::Widget(control);
    return QtConvert::FromQCursor(widget->cursor());
}

} // namespace InputSimulation
