#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Remembers the active window when a dialog opens and activates it again when the dialog is
// gone: without a window manager that does it, the keyboard would reach no window afterwards.
class ActiveWindowReturn {
public:
    explicit ActiveWindowReturn(const QWidget* dialog = nullptr) {
        QWidget* active = QApplication::activeWindow();
        if (active != dialog)
            FPrevious = active;
    }
    ActiveWindowReturn(const ActiveWindowReturn&) = delete;
    ActiveWindowReturn& operator=(const ActiveWindowReturn&) = delete;
    ~ActiveWindowReturn() {
        if (FPrevious && FPrevious->isVisible())
            FPrevious->activateWindow();
    }

private:
    QPointer<QWidget> FPrevious;
};
