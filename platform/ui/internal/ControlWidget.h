#pragma once

#include <QWidget>

class TControl;

// The widget behind every control: hands its painting and input to the control.
class ControlWidget : public QWidget {
public:
    explicit ControlWidget(TControl* control);

    TControl* Control() const { return FControl; }
    // The control is going: no more events reach it.
    void Detach() { FControl = nullptr; }
    // Input of the embedded native widget and its children passes eventFilter first.
    void WatchNative(QObject* object);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Whether the event reached receiver first rather than on its way up from a child.
    bool FirstReceiver(QWidget* receiver, QEvent* event);

    TControl* FControl;
};
