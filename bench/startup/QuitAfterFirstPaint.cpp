// Linked into a start-up measuring program: the process ends as soon as the first top-level
// window has been painted and put on the screen, so the wall time of the process is the time
// from exec to a painted window. Nothing of the program under test changes; the hook installs
// itself when the application object comes up.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class FirstPaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window()->isVisible()) {
                Seen = true;
                // Children paint in the same pass and the pass ends with the flush to the
                // screen; a zero timer runs only after that.
                QTimer::singleShot(0, [] { std::_Exit(EXIT_SUCCESS); });
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

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintWatcher)
