#include "platform/ui/internal/FormActivationEvents.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <memory>

namespace {

// Lives as a child of the form's widget, so it goes with the form.
class FormActivationWatch final : public QObject {
public:
    FormActivationWatch(TForm* form, QWidget* window)
        : QObject(window), Form(form), Window(window), Alive(TControlAccess::Alive(form)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const std::shared_ptr<bool> alive = Alive.lock();
        if (!alive || !*alive)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            ActivationOnItsWay = !Window->testAttribute(Qt::WA_ShowWithoutActivating);
            break;
        case QEvent::WindowActivate:
            ActivationOnItsWay = false;
            if (Window->isVisible())
                RunGuarded(Form, [this] { FireEvent(Form->OnActivate, Form); });
            break;
        case QEvent::WindowDeactivate:
            // Hidden and shown again before the window system caught up, the window still hears
            // of the earlier hide's deactivation: its own activation comes after it.
            // (A window being hidden counts as hidden before it stops being visible.)
            if (Window->isVisible() && !Window->isHidden() && !ActivationOnItsWay &&
                QApplication::activeWindow() != Window)
                RunGuarded(Form, [this] { FireEvent(Form->OnDeactivate, Form); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    TForm* Form;
    QWidget* Window;
    std::weak_ptr<bool> Alive;
    bool ActivationOnItsWay = false;
};

} // namespace

namespace FormActivationEvents {

void Watch(TForm* form) {
    new FormActivationWatch(form, NativeHost::Widget(form));
}

} // namespace FormActivationEvents
