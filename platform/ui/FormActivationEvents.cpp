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
        if (!alive || !*alive || !Window->isVisible())
            return false;
        if (event->type() == QEvent::WindowActivate) {
            RunGuarded(Form, [this] { FireEvent(Form->OnActivate, Form); });
        } else if (event->type() == QEvent::WindowDeactivate) {
            QWidget* taker = QApplication::activeWindow();
            if (taker && taker != Window)
                RunGuarded(Form, [this] { FireEvent(Form->OnDeactivate, Form); });
        }
        return false;
    }

private:
    TForm* Form;
    QWidget* Window;
    std::weak_ptr<bool> Alive;
};

} // namespace

namespace FormActivationEvents {

void Watch(TForm* form) {
    new FormActivationWatch(form, NativeHost::Widget(form));
}

} // namespace FormActivationEvents
