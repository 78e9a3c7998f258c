#include "platform/ui/DragDrop.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/DragEvents.h"
#include "platform/ui/internal/DragMime.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QPointer>

namespace {

const char* const FilterName = "velmaro-drop-target";

TPoint ScreenPoint(QWidget* widget, const QDropEvent& event) {
    QPoint global = widget->mapToGlobal(event.position().toPoint());
    return {global.x(), global.y()};
}

// Hands the drag events of a control's widget to its registered target. Lives as a child of the
// widget, so it goes with it.
class DropTargetFilter : public QObject {
public:
    DropTargetFilter(QWidget* widget, TDropTargetEvents events)
        : QObject(widget), Events(std::move(events)), FWidget(widget) {
        setObjectName(FilterName);
        widget->installEventFilter(this);
        widget->setAcceptDrops(true);
    }

    TDropTargetEvents Events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != FWidget)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
            Enter(*static_cast<QDragEnterEvent*>(event));
            return true;
        case QEvent::DragMove:
            Over(*static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::DragLeave:
            if (Events.OnDragLeave)
                Events.OnDragLeave();
            event->accept();
            return true;
        case QEvent::Drop:
            Drop(*static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    TDragKeyState KeyState(const QDropEvent& event) const {
        return DragEvents::KeyState(event.buttons(), event.modifiers());
    }

    // The target's answer: a refused drag shows no effect.
    static void Answer(QDropEvent& event, TDropEffect effect) {
        if (effect == DROPEFFECT_NONE) {
            event.setDropAction(Qt::IgnoreAction);
            event.ignore();
            return;
        }
        event.setDropAction(DragEvents::ToAction(effect));
        event.accept();
    }

    void Enter(QDragEnterEvent& event) {
        TDropEffect effect = DragEvents::FromActions(event.possibleActions());
        if (Events.OnDragEnter)
            Events.OnDragEnter(DragMime::DataObject(*event.mimeData()), KeyState(event),
                               ScreenPoint(FWidget, event), effect);
        Answer(event, effect);
        // The target is asked again on every move, so the drag stays with it even when refused
        // here.
        event.accept();
    }

    void Over(QDragMoveEvent& event) {
        TDropEffect effect = DragEvents::FromActions(event.possibleActions());
        if (Events.OnDragOver)
            Events.OnDragOver(KeyState(event), ScreenPoint(FWidget, event), effect);
        Answer(event, effect);
    }

    void Drop(QDropEvent& event) {
        TDropEffect effect = DragEvents::FromActions(event.possibleActions());
        if (Events.OnDrop)
            Events.OnDrop(DragMime::DataObject(*event.mimeData()), KeyState(event),
                          ScreenPoint(FWidget, event), effect);
        Answer(event, effect);
    }

    QWidget* FWidget;
};

DropTargetFilter* FindFilter(const TControl* control) {
    QWidget* widget = TControlAccess::Widget(control);
    if (!widget)
        return nullptr;
    return widget->findChild<DropTargetFilter*>(FilterName, Qt::FindDirectChildrenOnly);
}

// The real drag: Qt's modal loop over the windows of every program. Answers the effect of the
// drop, or none when it was cancelled or nothing took it.
TDropEffect RunDrag(const TDragDataObject& data, const TDragSourceEvents& source,
                    TDropEffect allowedEffects) {
    QPointer<QDrag> drag = new QDrag(QApplication::instance());
    drag->setMimeData(new DragMimeData(data));
    if (source.OnGiveFeedback)
        QObject::connect(drag, &QDrag::actionChanged, [&source](Qt::DropAction action) {
            source.OnGiveFeedback(DragEvents::FromActions(action));
        });
    Qt::DropAction defaultAction =
        (allowedEffects & DROPEFFECT_MOVE) ? Qt::MoveAction : Qt::CopyAction;
    Qt::DropAction result = drag->exec(DragEvents::ToActions(allowedEffects), defaultAction);
    // Qt frees the drag itself: between programs it still serves the dropped data to the
    // target after exec returns. The source's events end here.
    if (drag)
        QObject::disconnect(drag, nullptr, nullptr, nullptr);
    return DragEvents::FromActions(result) & allowedEffects;
}

} // namespace

void RegisterDragDrop(TControl* control, TDropTargetEvents events) {
    if (DropTargetFilter* filter = FindFilter(control)) {
        filter->Events = std::move(events);
        return;
    }
    if (QWidget* widget = TControlAccess::Widget(control))
        new DropTargetFilter(widget, std::move(events));
}

void RevokeDragDrop(TControl* control) {
    if (DropTargetFilter* filter = FindFilter(control)) {
        QWidget* widget = TControlAccess::Widget(control);
        widget->removeEventFilter(filter);
        widget->setAcceptDrops(false);
        delete filter;
    }
}

bool IsDragDropRegistered(const TControl* control) {
    return FindFilter(control) != nullptr;
}

HRESULT DoDragDrop(const TDragDataObject& data, const TDragSourceEvents& source,
                   TDropEffect allowedEffects, TDropEffect& effect) {
    TDropEffect final = DROPEFFECT_NONE;
    if (Application->TestSeam().Active()) {
        TDragDropTestSeam& seam = DragDropTestSeam();
        seam.Started.push_back(data);
        if (seam.OnDragStart)
            final = seam.OnDragStart(data, allowedEffects) & allowedEffects;
    } else {
        final = RunDrag(data, source, allowedEffects);
    }
    // The source sees the end of every drag: the last effect, then the button released.
    if (source.OnGiveFeedback)
        source.OnGiveFeedback(final);
    HRESULT answer =
        source.OnQueryContinueDrag ? source.OnQueryContinueDrag(false, 0) : DRAGDROP_S_DROP;
    if (answer == DRAGDROP_S_CANCEL || final == DROPEFFECT_NONE) {
        effect = DROPEFFECT_NONE;
        return DRAGDROP_S_CANCEL;
    }
    effect = final;
    return DRAGDROP_S_DROP;
}

TDragDropTestSeam& DragDropTestSeam() {
    static TDragDropTestSeam seam;
    return seam;
}
