#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

std::function<void()>& AfterFirstPaint() {
    static std::function<void()> action = [] { std::_Exit(EXIT_SUCCESS); };
    return action;
}

// An application-wide filter sees the paint before the window's own filters do, so its queued
// call comes before any work the program queues after its first paint.
class FirstPaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window()->isVisible()) {
                Seen = true;
                // Children paint in the same pass and the pass ends with the flush to the
                // screen; a queued call runs only after that.
                QTimer::singleShot(0, [] { AfterFirstPaint()(); });
            }
        }
        return false;
    }

private:
    bool Seen = false;
};

void InstallFirstPaintWatcher() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatcher);
}

} // namespace

void SetAfterFirstPaint(std::function<void()> action) {
    AfterFirstPaint() = std::move(action);
}

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintWatcher)
