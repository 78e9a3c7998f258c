#include "platform/ui/internal/MessageQueue.h"

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Thread.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <deque>
#include <mutex>

namespace MessageQueue {

namespace {

struct Posted {
    TControl* Target;
    std::weak_ptr<bool> Alive;
    TMessage Message;
};

struct Queue {
    std::mutex Lock;
    std::deque<Posted> Items;
};

Queue& PostedQueue() {
    static Queue queue;
    return queue;
}

// A posted key goes the way a typed key goes: the control's key step (CN_KEYDOWN, where the
// form takes Tab and the other dialog keys the control does not want) before the key message,
// so a Tab handed on to a window moves the focus as a typed Tab would.
void DeliverPosted(TControl* target, const std::weak_ptr<bool>& alive, TMessage& message) {
    const UINT msg = message.Msg;
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
        TMessage step{CN_BASE + msg, message.WParam, message.LParam, 0};
        target->Dispatch(step);
        const auto stillAlive = alive.lock();
        if (step.Result != 0 || !stillAlive || !*stillAlive)
            return;
    }
    target->Dispatch(message);
}

} // namespace

void Post(TControl* target, std::weak_ptr<bool> alive, const TMessage& message) {
    Queue& queue = PostedQueue();
    {
        std::lock_guard lock(queue.Lock);
        queue.Items.push_back({target, std::move(alive), message});
    }
    // Wake a running event loop; ProcessMessages delivers without one.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { DeliverPending(); }, Qt::QueuedConnection);
}

void Forget(TControl* target) {
    Queue& queue = PostedQueue();
    std::lock_guard lock(queue.Lock);
    std::erase_if(queue.Items, [target](const Posted& p) { return p.Target == target; });
}

bool DeliverPending() {
    if (!IsUiThread())
        return false;
    Queue& queue = PostedQueue();
    size_t count;
    {
        std::lock_guard lock(queue.Lock);
        count = queue.Items.size();
    }
    bool delivered = false;
    // Only what was posted before this call, so a handler that posts again cannot starve the
    // loop.
    for (size_t i = 0; i < count; ++i) {
        Posted item;
        {
            std::lock_guard lock(queue.Lock);
            if (queue.Items.empty())
                break;
            item = std::move(queue.Items.front());
            queue.Items.pop_front();
        }
        auto alive = item.Alive.lock();
        if (!alive || !*alive)
            continue;
        delivered = true;
        TMessage message = item.Message;
        RunGuarded(item.Target, [&] { DeliverPosted(item.Target, item.Alive, message); });
    }
    return delivered;
}

} // namespace MessageQueue
