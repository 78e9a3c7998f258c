#include "platform/ui/Thread.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/ThreadSync.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// A Synchronize call; its worker waits until Done.
struct SyncCall {
    const std::function<void()>* Method = nullptr;
    std::exception_ptr Error;
    bool Done = false;
};

// A call for the UI thread: either one a worker waits for, or one nobody waits for (owned here,
// so a call never run is still freed with the queue).
struct PendingCall {
    SyncCall* Waited = nullptr;
    std::function<void()> Queued;
};

// Calls waiting for the UI thread, and the signal that one was run or a thread ended.
struct SyncQueue {
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<PendingCall> Pending;
};

SyncQueue& SynchronizeQueue() {
    static SyncQueue queue;
    return queue;
}

std::thread::id& UiThreadId() {
    static std::thread::id id = std::this_thread::get_id();
    return id;
}

// Touches the id while static initialisation runs on the main thread.
const bool UiThreadKnown = (UiThreadId(), true);

void NotifyQueue() {
    SyncQueue& queue = SynchronizeQueue();
    { std::lock_guard lock(queue.Lock); }
    queue.Changed.notify_all();
}

void Enqueue(PendingCall call) {
    SyncQueue& queue = SynchronizeQueue();
    {
        std::lock_guard lock(queue.Lock);
        queue.Pending.push_back(std::move(call));
    }
    queue.Changed.notify_all();
    // Wake a running event loop; without one, CheckSynchronize or WaitFor runs the call.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { CheckSynchronize(); }, Qt::QueuedConnection);
}

// What a worker threw has nobody on its own thread to catch it: the UI thread shows it through
// the application's error report, as it does for an event handler's, and the worker ends
// without waiting for that.
void ReportOnUiThread(std::exception_ptr fault) {
    Enqueue({nullptr, [fault] { RunGuarded(nullptr, [&] { std::rethrow_exception(fault); }); }});
}

} // namespace

void ThreadSync::SetUiThread() {
    UiThreadId() = std::this_thread::get_id();
}

bool IsUiThread() {
    return std::this_thread::get_id() == UiThreadId();
}

bool CheckSynchronize() {
    if (!IsUiThread())
        return false;
    SyncQueue& queue = SynchronizeQueue();
    bool ran = false;
    while (true) {
        PendingCall call;
        {
            std::lock_guard lock(queue.Lock);
            if (queue.Pending.empty())
                break;
            call = std::move(queue.Pending.front());
            queue.Pending.pop_front();
        }
        ran = true;
        if (!call.Waited) {
            call.Queued();
            continue;
        }
        try {
            (*call.Waited->Method)();
        } catch (...) {
            call.Waited->Error = std::current_exception();
        }
        {
            std::lock_guard lock(queue.Lock);
            call.Waited->Done = true;
        }
        queue.Changed.notify_all();
    }
    return ran;
}

struct TThread::Impl {
    std::thread Worker;
    std::mutex Lock;
    std::condition_variable Wake;
    bool Started = false;
    bool SelfDeleting = false;
};

TThread::TThread(bool CreateSuspended) : FImpl(std::make_unique<Impl>()) {
    if (!CreateSuspended)
        Start();
}

TThread::~TThread() {
    if (FImpl->SelfDeleting)
        return;
    if (FImpl->Started && !FFinished) {
        Terminate();
        Start();
        WaitFor();
    }
    if (FImpl->Worker.joinable())
        FImpl->Worker.join();
}

bool TThread::OnOwnThread() const {
    return FImpl->Worker.joinable() && FImpl->Worker.get_id() == std::this_thread::get_id();
}

void TThread::Start() {
    std::lock_guard lock(FImpl->Lock);
    if (!FImpl->Started) {
        FImpl->Started = true;
        FSuspended = false;
        FImpl->Worker = std::thread(&TThread::ThreadMain, this);
    } else if (FSuspended) {
        FSuspended = false;
        FImpl->Wake.notify_all();
    }
}

void TThread::Suspend() {
    std::lock_guard lock(FImpl->Lock);
    if (FImpl->Started && !FFinished)
        FSuspended = true;
}

void TThread::Terminate() {
    {
        std::lock_guard lock(FImpl->Lock);
        FTerminated = true;
    }
    FImpl->Wake.notify_all();
}

void TThread::WaitWhileSuspended() {
    std::unique_lock lock(FImpl->Lock);
    FImpl->Wake.wait(lock, [this] { return !FSuspended.load() || FTerminated.load(); });
}

void TThread::Sleep(unsigned milliseconds) {
    {
        std::unique_lock lock(FImpl->Lock);
        FImpl->Wake.wait_for(lock, std::chrono::milliseconds(milliseconds),
                             [this] { return FTerminated.load(); });
    }
    WaitWhileSuspended();
}

void TThread::ThreadMain() {
    // Start holds the lock until the new thread is stored in Worker: wait for that, or a quick
    // thread could reach detach (or OnOwnThread) before Worker is its own.
    { std::lock_guard lock(FImpl->Lock); }
    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
        ReportOnUiThread(FFatalException);
    }
    if (OnTerminate)
        Synchronize([this] { RunGuarded(this, [this] { OnTerminate(this); }); });
    bool freeSelf = FFreeOnTerminate;
    if (freeSelf) {
        FImpl->SelfDeleting = true;
        FImpl->Worker.detach();
    }
    FFinished = true;
    NotifyQueue();
    if (freeSelf)
        delete this;
}

int TThread::WaitFor() {
    if (!FImpl->Started || OnOwnThread())
        return FReturnValue;
    if (IsUiThread()) {
        SyncQueue& queue = SynchronizeQueue();
        while (!FFinished) {
            if (CheckSynchronize())
                continue;
            std::unique_lock lock(queue.Lock);
            queue.Changed.wait_for(lock, std::chrono::milliseconds(50),
                                   [&] { return FFinished.load() || !queue.Pending.empty(); });
        }
    }
    if (FImpl->Worker.joinable())
        FImpl->Worker.join();
    return FReturnValue;
}

void TThread::Synchronize(const std::function<void()>& method) {
    Synchronize(this, method);
    WaitWhileSuspended();
}

void TThread::Synchronize(TThread* thread, const std::function<void()>& method) {
    if (IsUiThread()) {
        method();
        return;
    }
    SyncCall call;
    call.Method = &method;
    Enqueue({&call, {}});
    SyncQueue& queue = SynchronizeQueue();
    {
        std::unique_lock lock(queue.Lock);
        queue.Changed.wait(lock, [&] { return call.Done; });
    }
    if (call.Error)
        std::rethrow_exception(call.Error);
}
