#include "platform/ui/internal/PlatformApplication.h"

#include <utility>
#include <vector>

namespace {
// Events in delivery on this thread, innermost last (a handler may send further events).
thread_local std::vector<std::pair<const QEvent*, QObject*>> InDelivery;
} // namespace

bool PlatformApplication::notify(QObject* receiver, QEvent* event) {
    InDelivery.emplace_back(event, receiver);
    struct Pop {
        ~Pop() { InDelivery.pop_back(); }
    } pop;
    return QApplication::notify(receiver, event);
}

QObject* PlatformApplication::OriginalReceiver(const QEvent* event) {
    for (auto it = InDelivery.rbegin(); it != InDelivery.rend(); ++it)
        if (it->first == event)
            return it->second;
    return nullptr;
}
