#include "platform/ui/DragDrop.h"

#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/DragEvents.h"
#include "platform/ui/internal/DragMime.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace DragDropSimulation {

namespace {

// What the widget answered: the action of an accepted event, none otherwise.
TDropEffect Answer(const QDropEvent& event) {
    return event.isAccepted() ? DragEvents::FromActions(event.dropAction()) : DROPEFFECT_NONE;
}

template <typename Event>
TDropEffect Send(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                 TPoint point, TDropEffect allowedEffects) {
    QWidget* widget = TControlAccess::Widget(control);
    if (!widget)
        return DROPEFFECT_NONE;
    DragMimeData mime(data);
    Event event(QPoint(point.X, point.Y), DragEvents::ToActions(allowedEffects), &mime,
                DragEvents::Buttons(keyState), DragEvents::Modifiers(keyState));
    event.ignore();
    QApplication::sendEvent(widget, &event);
    return Answer(event);
}

} // namespace

TDropEffect DragEnter(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                      TPoint point, TDropEffect allowedEffects) {
    return Send<QDragEnterEvent>(control, data, keyState, point, allowedEffects);
}

TDropEffect DragOver(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                     TPoint point, TDropEffect allowedEffects) {
    return Send<QDragMoveEvent>(control, data, keyState, point, allowedEffects);
}

void DragLeave(TControl* control) {
    QWidget* widget = TControlAccess::Widget(control);
    if (!widget)
        return;
    QDragLeaveEvent event;
    QApplication::sendEvent(widget, &event);
}

TDropEffect Drop(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                 TPoint point, TDropEffect allowedEffects) {
    return Send<QDropEvent>(control, data, keyState, point, allowedEffects);
}

} // namespace DragDropSimulation
