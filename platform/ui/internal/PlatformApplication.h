#pragma once

#include <QApplication>

// The platform application: it notes which widget each event was first sent to, so that input a
// child widget passes up to its parents is recognised as already seen.
class PlatformApplication : public QApplication {
public:
    PlatformApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;

    // The object the event was sent to while it is being delivered, or nullptr when unknown.
    static QObject* OriginalReceiver(const QEvent* event);
};
