#include "platform/ui/internal/HiddenWindowKeyboardReturn.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/WidgetTree.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

constexpr const char* KeyboardReturnName = "velmaro_hidden_window_keyboard_return";

bool StillAlive(const std::weak_ptr<bool>& alive) {
    const std::shared_ptr<bool> flag = alive.lock();
    return flag && *flag;
}

// Lives as a child of the window's widget, so it goes with the window.
class KeyboardReturnWatch final : public QObject {
public:
    KeyboardReturnWatch(QWidget* window, std::weak_ptr<bool> alive)
        : QObject(window), Window(window), Alive(std::move(alive)) {
        setObjectName(KeyboardReturnName);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // A window on its way out hides too; its control no longer decides anything.
        if (!StillAlive(Alive))
            return false;
        switch (event->type()) {
        case QEvent::Show:
            LostActivationByHiding = false;
            OwnerAskedBehindActivation = false;
            RememberWhereTheKeysCameFrom();
            break;
        case QEvent::WindowDeactivate:
            // Hiding the active window may take the activation away before the hide event.
            if (Window->isHidden())
                LostActivationByHiding = true;
            break;
        case QEvent::Hide:
            // Only a hide asked for, not a window minimised by the user.
            if (Window->isHidden())
                Hidden();
            break;
        case QEvent::WindowActivate:
            if (!Window->isVisible())
                ActivatedWhileHidden();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Hidden() {
        const QWidget* active = QApplication::activeWindow();
        const bool hadActivation = LostActivationByHiding || active == Window;
        LostActivationByHiding = false;
        if (hadActivation) {
            PassKeyboardOn();
            return;
        }
        // An activation still on its way (no window has taken it yet, or the owner keeps it)
        // would reach this window after it hid: the owner's request comes after it.
        QWidget* owner = VisibleOwner();
        const bool askedForActivation = !Window->testAttribute(Qt::WA_ShowWithoutActivating);
        if (owner && askedForActivation && (!active || active == owner)) {
            OwnerAskedBehindActivation = true;
            owner->activateWindow();
        }
    }

    void ActivatedWhileHidden() {
        // The owner already asked behind this very activation.
        if (OwnerAskedBehindActivation) {
            OwnerAskedBehindActivation = false;
            return;
        }
        // Only a popup hands it on: for any other window the main window would take it from
        // whichever window asked for it in the meantime.
        if (QWidget* owner = VisibleOwner())
            owner->activateWindow();
    }

    void RememberWhereTheKeysCameFrom() {
        // Shown again before its earlier hide was noticed, the window may still be the active
        // one: it keeps the window it first came from.
        QWidget* active = QApplication::activeWindow();
        if (active && active != Window)
            CameFrom = active;
    }

    void PassKeyboardOn() {
        if (QWidget* owner = VisibleOwner()) {
            owner->activateWindow();
            return;
        }
        // A window of its own (no owner) gives the keys back to the window that had them when
        // it opened, unless a modal window holds the input.
        if (QWidget* back = ShownWindowTheKeysCameFrom();
            back && !QApplication::activeModalWidget()) {
            back->activateWindow();
            return;
        }
        TForm* main = Application->MainForm();
        if (!main || !StillAlive(TControlAccess::Alive(main)) || !main->Visible() ||
            QApplication::activeModalWidget())
            return;
        QWidget* mainWindow = NativeHost::Widget(main);
        if (mainWindow != Window)
            mainWindow->activateWindow();
    }

    // That window, or when it hid in the meantime, the one it came from, and so on.
    QWidget* ShownWindowTheKeysCameFrom() const {
        constexpr int MostWindowsFollowed = 16; // windows that came from each other in a ring
        QWidget* candidate = CameFrom;
        for (int followed = 0; candidate && followed < MostWindowsFollowed; ++followed) {
            if (candidate != Window && candidate->isVisible())
                return candidate;
            const auto* watch = candidate->findChild<KeyboardReturnWatch*>(
                KeyboardReturnName, Qt::FindDirectChildrenOnly);
            candidate = watch ? watch->CameFrom.data() : nullptr;
        }
        return nullptr;
    }

    QWidget* VisibleOwner() const {
        QWidget* owner = WidgetTree::OwnerWindow(Window);
        return owner && owner->isVisible() ? owner : nullptr;
    }

    QWidget* Window;
    std::weak_ptr<bool> Alive;
    // The window that was active when this one was shown.
    QPointer<QWidget> CameFrom;
    bool LostActivationByHiding = false;
    bool OwnerAskedBehindActivation = false;
};

} // namespace

namespace HiddenWindowKeyboardReturn {

void Watch(TWinControl* window) {
    QWidget* widget = NativeHost::Widget(window);
    if (!widget->findChild<KeyboardReturnWatch*>(KeyboardReturnName, Qt::FindDirectChildrenOnly))
        new KeyboardReturnWatch(widget, TControlAccess::Alive(window));
}

} // namespace HiddenWindowKeyboardReturn
