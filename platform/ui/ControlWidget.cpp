#include "platform/ui/internal/ControlWidget.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/InputRouter.h"
#include "platform/ui/internal/PlatformApplication.h"
#include "platform/ui/internal/WidgetTree.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

ControlWidget::ControlWidget(TControl* control) : FControl(control) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

namespace {
bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::Enter:
    case QEvent::Leave:
        return true;
    default:
        return false;
    }
}
} // namespace

bool ControlWidget::event(QEvent* event) {
    if (!FControl || !IsInput(event->type()))
        return QWidget::event(event);
    // A popup window has every press while it is open: one outside it closes it and is not
    // the control's.
    if (event->type() == QEvent::MouseButtonPress && windowType() == Qt::Popup &&
        !rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        hide();
        event->accept();
        return true;
    }
    // A control that hosts a native widget has its input routed where it starts, inside the
    // native widget; what reaches this widget was passed up from there.
    QEvent::Type type = event->type();
    bool passedUp = TControlAccess::Native(FControl) && type != QEvent::FocusIn &&
                    type != QEvent::Enter && type != QEvent::Leave;
    QObject* original = PlatformApplication::OriginalReceiver(event);
    if (passedUp || (original && original != this)) {
        event->accept();
        return true;
    }
    // Tab and the other dialog keys are the control's to route, not Qt's focus chain.
    TControl* control = FControl;
    RunGuarded(control, [&] { InputRouter::Route(control, event, this); });
    if (type == QEvent::FocusIn || type == QEvent::Enter || type == QEvent::Leave)
        return QWidget::event(event);
    event->accept();
    return true;
}

bool ControlWidget::FirstReceiver(QWidget* receiver, QEvent* event) {
    if (QObject* original = PlatformApplication::OriginalReceiver(event))
        return original == receiver;
    // Without the platform application's record: keys start at the focus, the mouse at the
    // innermost widget under it.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return receiver->hasFocus() ||
               receiver == WidgetTree::FocusTarget(TControlAccess::Native(FControl));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: {
        auto* pointer = static_cast<QSinglePointEvent*>(event);
        QPoint p = pointer->position().toPoint();
        return WidgetTree::InnermostAt(receiver, p) == receiver;
    }
    default:
        return true;
    }
}

void ControlWidget::WatchNative(QObject* object) {
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            WatchNative(child);
}

// Input of an embedded native widget, and of the widgets inside it, goes through the control
// first.
bool ControlWidget::eventFilter(QObject* watched, QEvent* event) {
    if (!FControl || !watched->isWidgetType())
        return false;
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            WatchNative(child);
        return false;
    }
    QEvent::Type type = event->type();
    if (InputRouter::Resending() || !IsInput(type) || type == QEvent::Enter ||
        type == QEvent::Leave)
        return false;
    // Input a child widget did not take travels on to its parents: only the widget the platform
    // delivered it to first has it routed.
    auto* receiver = static_cast<QWidget*>(watched);
    if (!FirstReceiver(receiver, event))
        return false;
    bool consumed = false;
    TControl* control = FControl;
    RunGuarded(control, [&] { consumed = InputRouter::Route(control, event, receiver); });
    return consumed;
}

void ControlWidget::paintEvent(QPaintEvent* event) {
    TCanvas* canvas = FControl ? TControlAccess::PaintCanvas(FControl) : nullptr;
    if (!canvas)
        return;
    QPainter painter(this);
    TCanvasAccess::BeginPaint(*canvas, &painter, event->region(),
                              TControlAccess::Mirrored(FControl) ? width() : 0);
    TControl* control = FControl;
    RunGuarded(control, [&] { control->Perform(WM_PAINT); });
    TCanvasAccess::EndPaint(*canvas);
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (FControl && isWindow())
        TControlAccess::WindowResized(FControl, width(), height());
}

void ControlWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (FControl && isWindow())
        TControlAccess::WindowMoved(FControl, x(), y());
}

void ControlWidget::closeEvent(QCloseEvent* event) {
    // The form decides (OnCloseQuery, OnClose) and hides itself when it agrees.
    event->ignore();
    if (auto* form = dynamic_cast<TForm*>(FControl)) {
        RunGuarded(form, [&] { TControlAccess::WindowCloseRequested(form); });
    }
}
