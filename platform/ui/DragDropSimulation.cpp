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
#include <QPointer>

#include <algorithm>
#include <vector>

namespace DragDropSimulation {

namespace {

// What the widget answered: the action of an accepted event, none otherwise.
TDropEffect Answer(const QDropEvent& event) {
    return event.isAccepted() ? DragEvents::FromActions(event.dropAction()) : DROPEFFECT_NONE;
}

template <typename Event>
TDropEffect SendDrop(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
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

// Targets whose last enter or move refused the drag. A real drag released over such a target is
// cancelled: the target is left, never dropped on.
std::vector<QPointer<QWidget>>& RefusingTargets() {
    static std::vector<QPointer<QWidget>> targets;
    return targets;
}

bool ForgetWidget(QWidget* widget) {
    auto& targets = RefusingTargets();
    const auto at = std::find(targets.begin(), targets.end(), widget);
    const bool found = at != targets.end();
    if (found)
        targets.erase(at);
    std::erase_if(targets, [](const QPointer<QWidget>& target) { return target.isNull(); });
    return found;
}

// Keeps the target's answer to an enter or move for the drop that may follow.
TDropEffect Remember(TControl* control, TDropEffect answer) {
    QWidget* widget = TControlAccess::Widget(control);
    if (!widget)
        return answer;
    ForgetWidget(widget);
    if (answer == DROPEFFECT_NONE)
        RefusingTargets().emplace_back(widget);
    return answer;
}

} // namespace

TDropEffect DragEnter(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                      TPoint point, TDropEffect allowedEffects) {
    return Remember(control,
                    SendDrop<QDragEnterEvent>(control, data, keyState, point, allowedEffects));
}

TDropEffect DragOver(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                     TPoint point, TDropEffect allowedEffects) {
    return Remember(control,
                    SendDrop<QDragMoveEvent>(control, data, keyState, point, allowedEffects));
}

void DragLeave(TControl* control) {
    QWidget* widget = TControlAccess::Widget(control);
    if (!widget)
        return;
    ForgetWidget(widget);
    QDragLeaveEvent event;
    QApplication::sendEvent(widget, &event);
}

TDropEffect Drop(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                 TPoint point, TDropEffect allowedEffects) {
    QWidget* widget = TControlAccess::Widget(control);
    if (widget && ForgetWidget(widget)) {
        DragLeave(control);
        return DROPEFFECT_NONE;
    }
    return SendDrop<QDropEvent>(control, data, keyState, point, allowedEffects);
}

} // namespace DragDropSimulation
