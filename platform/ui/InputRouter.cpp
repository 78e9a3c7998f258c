#include "platform/ui/internal/InputRouter.h"

#include "platform/ui/Form.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/InputState.h"
#include "platform/ui/internal/KeyTranslation.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace InputRouter {

namespace {

TControl* EnteredControl = nullptr;

thread_local bool ResendingKey = false;

struct Delivery {
    TMessage Message;
    bool Alive = true;
};

// Sends a message and reads it back, noting whether the control survived its handler.
Delivery Send(TControl* control, UINT msg, WPARAM w, LPARAM l) {
    std::weak_ptr<bool> alive = TControlAccess::Alive(control);
    Delivery d;
    d.Message = {msg, w, l, 0};
    control->Dispatch(d.Message);
    d.Alive = !alive.expired() && *alive.lock();
    return d;
}

WPARAM MouseKeys(TShiftState shift) {
    WPARAM keys = 0;
    if (shift.Contains(ssLeft))
        keys |= MK_LBUTTON;
    if (shift.Contains(ssRight))
        keys |= MK_RBUTTON;
    if (shift.Contains(ssMiddle))
        keys |= MK_MBUTTON;
    if (shift.Contains(ssShift))
        keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl))
        keys |= MK_CONTROL;
    return keys;
}

UINT ButtonMessage(Qt::MouseButton button, UINT left, UINT right, UINT middle) {
    if (button == Qt::RightButton)
        return right;
    if (button == Qt::MiddleButton)
        return middle;
    return left;
}

// The key as the control sees it: Left and Right keep pointing where they point on the screen
// in a control laid out from the right.
WORD ControlKey(const TControl* control, const QKeyEvent* event) {
    const WORD vk = KeyTranslation::VirtualKey(event->key(), event->modifiers());
    if (TControlAccess::Mirrored(control) && (vk == VK_LEFT || vk == VK_RIGHT))
        return vk == VK_LEFT ? VK_RIGHT : VK_LEFT;
    return vk;
}

bool RouteMouse(TControl* control, QMouseEvent* event, QWidget* receiver) {
    QWidget* own = static_cast<QWidget*>(TControlAccess::Widget(control));
    QPoint p = event->position().toPoint();
    if (receiver != own)
        p = receiver->mapTo(own, p);
    TShiftState shift = KeyTranslation::ShiftState(event->modifiers(), event->buttons());
    InputState::Remember(shift);
    UINT msg = WM_MOUSEMOVE;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        msg = ButtonMessage(event->button(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
        break;
    case QEvent::MouseButtonDblClick:
        msg = control->ControlStyle().Contains(csDoubleClicks)
                  ? ButtonMessage(event->button(), WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK,
                                  WM_MBUTTONDBLCLK)
                  : ButtonMessage(event->button(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
        break;
    case QEvent::MouseButtonRelease:
        msg = ButtonMessage(event->button(), WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
        break;
    default:
        break;
    }
    // As a window procedure that does not call the default one, a handler answering non-zero
    // keeps the press, move or release from the native widget.
    Delivery d = Send(control, msg, MouseKeys(shift),
                      MAKELPARAM(TControlAccess::MirroredX(control, p.x()), p.y()));
    return d.Alive && d.Message.Result != 0;
}

// The wheel in flight: its control, and whether the control's default handling left it to the
// control's native widget.
struct RoutedWheel {
    TControl* Control = nullptr;
    bool NativeTurn = false;
};
thread_local RoutedWheel Wheel;

// The wheel goes to the control under the mouse. As in the framework, a wheel its handlers do
// not take goes on from the control's default handling (DefaultWheel), so a control that
// handles the wheel message itself passes nothing on. Returns false to let a native widget
// have a wheel that no control took.
bool RouteWheel(TControl* control, QWheelEvent* event) {
    TShiftState shift = KeyTranslation::ShiftState(event->modifiers(), event->buttons());
    InputState::Remember(shift);
    int delta = event->angleDelta().y();
    if (delta == 0)
        return false;
    QPoint global = event->globalPosition().toPoint();
    WPARAM w = MouseKeys(shift) | (static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16);
    RoutedWheel outer = Wheel;
    Wheel = {control, false};
    Delivery d = Send(control, WM_MOUSEWHEEL, w, MAKELPARAM(global.x(), global.y()));
    const bool nativeTurn = Wheel.NativeTurn;
    Wheel = outer;
    return !d.Alive || !nativeTurn;
}

// A control's form answers dialog characters typed with Alt.
bool SendDialogChar(TControl* control, TChar ch, LPARAM keyData) {
    TForm* form = GetParentForm(control);
    return form && form->Perform(CM_DIALOGCHAR, ch, keyData) != 0;
}

// What became of one typed character: its control went, it was taken (by a dialog character or
// a handler setting it to 0: Passed 0), or it passes on, maybe changed.
struct CharFate {
    bool Gone = false;
    TChar Passed = 0;
};

CharFate TypeOne(TWinControl* control, TChar ch, LPARAM keyData) {
    for (UINT msg : {CN_CHAR, WM_CHAR}) {
        Delivery d = Send(control, msg, ch, keyData);
        if (!d.Alive)
            return {true, 0};
        if (d.Message.Result != 0)
            return {};
        if (msg == WM_CHAR)
            return {false, static_cast<TChar>(d.Message.WParam)};
    }
    return {};
}

struct KeyOutcome {
    bool Consumed = false;
    bool Rewrite = false;
    QString Text;
};

KeyOutcome RouteKeyPress(TWinControl* control, QKeyEvent* event) {
    KeyOutcome outcome;
    TShiftState shift = KeyTranslation::ShiftState(event->modifiers(), Qt::NoButton);
    InputState::Remember(shift);
    bool alt = shift.Contains(ssAlt);
    WORD vk = ControlKey(control, event);
    LPARAM keyData = (alt ? AltMask : 0) | (event->isAutoRepeat() ? 0x40000000 : 0) |
                     KeyTranslation::KeypadKeyData(vk, event->modifiers());
    bool keySwallowed = false;
    if (vk != 0) {
        Delivery dialog = Send(control, CN_KEYDOWN, vk, keyData);
        if (!dialog.Alive || dialog.Message.Result != 0) {
            outcome.Consumed = true;
            return outcome;
        }
        Delivery down = Send(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, keyData);
        if (!down.Alive) {
            outcome.Consumed = true;
            return outcome;
        }
        keySwallowed = down.Message.Result != 0;
    }
    // Delete has no character, as in the framework.
    QString text = event->text();
    if (text == QStringLiteral("\x7f"))
        text.clear();
    QString passed;
    bool charsChanged = false;
    for (QChar qch : text) {
        TChar ch = qch.unicode();
        if (alt) {
            SendDialogChar(control, ch, keyData);
            charsChanged = true;
            continue;
        }
        CharFate fate = TypeOne(control, ch, keyData);
        if (fate.Gone) {
            outcome.Consumed = true;
            return outcome;
        }
        TChar result = fate.Passed;
        if (result == 0) {
            charsChanged = true;
            continue;
        }
        if (result != ch)
            charsChanged = true;
        passed += QChar(result);
    }
    if (keySwallowed || charsChanged) {
        outcome.Consumed = true;
        // What is left of the typing still reaches a native editor.
        if (!passed.isEmpty()) {
            outcome.Rewrite = true;
            outcome.Text = passed;
        }
    }
    return outcome;
}

bool RouteKey(TControl* control, QKeyEvent* event, QWidget* receiver) {
    auto* win = dynamic_cast<TWinControl*>(control);
    if (!win)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        TShiftState shift = KeyTranslation::ShiftState(event->modifiers(), Qt::NoButton);
        InputState::Remember(shift);
        WORD vk = ControlKey(control, event);
        if (vk == 0)
            return false;
        UINT msg = shift.Contains(ssAlt) ? WM_SYSKEYUP : WM_KEYUP;
        LPARAM keyData = (shift.Contains(ssAlt) ? AltMask : 0) |
                         KeyTranslation::KeypadKeyData(vk, event->modifiers());
        Delivery up = Send(control, msg, vk, keyData);
        return !up.Alive || up.Message.Result != 0;
    }
    KeyOutcome outcome = RouteKeyPress(win, event);
    if (outcome.Rewrite && receiver != static_cast<QWidget*>(TControlAccess::Widget(control))) {
        QKeyEvent rewritten(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(), outcome.Text);
        ResendingKey = true;
        QCoreApplication::sendEvent(receiver, &rewritten);
        ResendingKey = false;
    }
    return outcome.Consumed;
}

} // namespace

TControl* MouseControl() {
    return EnteredControl;
}

void ForgetMouseControl(const TControl* control) {
    if (EnteredControl == control)
        EnteredControl = nullptr;
}

void DefaultWheel(TControl* control, TMessage& Message) {
    const bool routedHere = control == Wheel.Control;
    if (TWinControl* parent = control->Parent())
        Message.Result = parent->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
    if (routedHere && Message.Result == 0)
        Wheel.NativeTurn = true;
}

bool Resending() {
    return ResendingKey;
}

bool Route(TControl* control, QEvent* event, QWidget* receiver) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return RouteMouse(control, static_cast<QMouseEvent*>(event), receiver);
    case QEvent::Wheel:
        return RouteWheel(control, static_cast<QWheelEvent*>(event));
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return RouteKey(control, static_cast<QKeyEvent*>(event), receiver);
    case QEvent::FocusIn:
        TControlAccess::FocusReceived(control);
        return false;
    case QEvent::Enter:
        EnteredControl = control;
        control->Perform(CM_MOUSEENTER);
        return false;
    case QEvent::Leave:
        ForgetMouseControl(control);
        control->Perform(CM_MOUSELEAVE);
        return false;
    default:
        return false;
    }
}

} // namespace InputRouter
