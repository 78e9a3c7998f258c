#include "platform/ui/Thread.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// A worker whose Execute is given by the test.
class Worker : public TThread {
public:
    explicit Worker(std::function<void(Worker&)> body, bool suspended = true)
        : TThread(true), Body(std::move(body)) {
        if (!suspended)
            Start();
    }
    ~Worker() override {
        Terminate();
        Start();
        WaitFor();
    }
    using TThread::Synchronize;

protected:
    void Execute() override { Body(*this); }

private:
    std::function<void(Worker&)> Body;
};

} // namespace

TEST(Thread, SynchronizeRunsOnTheUiThreadThroughCheckSynchronize) {
    std::thread::id ranOn;
    std::atomic<bool> returned{false};
    Worker worker([&](Worker& self) {
        self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
        returned = true;
    });
    worker.Start();

    // No event loop: the test itself runs the pending call.
    while (!returned)
        CheckSynchronize();
    worker.WaitFor();

    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(IsUiThread());
}

TEST(Thread, WaitForOnTheUiThreadServesTheWorkersSynchronizedCalls) {
    std::vector<int> seen;
    Worker worker([&](Worker& self) {
        for (int i = 0; i < 3; ++i)
            self.Synchronize([&seen, i] { seen.push_back(i); });
        self.SetReturnValue(7);
    });
    worker.Start();

    EXPECT_EQ(worker.WaitFor(), 7);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(worker.Finished());
}

TEST(Thread, AnExceptionInTheSynchronizedCallIsRethrownInTheWorker) {
    std::string caught;
    Worker worker([&](Worker& self) {
        try {
            self.Synchronize([] { throw Exception("no device"); });
        } catch (const Exception& e) {
            caught = e.Message;
        }
    });
    worker.Start();
    worker.WaitFor();
    EXPECT_EQ(caught, "no device");
}

TEST(Thread, SynchronizeOnTheUiThreadRunsAtOnce) {
    bool ran = false;
    TThread::Synchronize(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(CheckSynchronize()) << "nothing was left pending";
}

TEST(Thread, SuspendStopsAtTheNextSynchronizeUntilResumed) {
    std::atomic<int> steps{0};
    Worker worker([&](Worker& self) {
        while (!self.Terminated()) {
            self.Synchronize([&] {
                if (++steps == 2)
                    self.Suspend();
            });
        }
    });
    worker.Start();
    while (!worker.Suspended() || steps < 2)
        CheckSynchronize();
    for (int i = 0; i < 20; ++i) {
        CheckSynchronize();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(steps, 2) << "a suspended worker makes no more calls";

    worker.Resume();
    while (steps < 4)
        CheckSynchronize();
    worker.Terminate();
    worker.WaitFor();
}

TEST(Thread, TerminateWakesASleepingWorkerAndOnTerminateRunsOnTheUiThread) {
    std::thread::id terminatedOn;
    Worker worker([](Worker& self) {
        while (!self.Terminated())
            self.Sleep(60000);
    });
    worker.OnTerminate = [&](TObject*) { terminatedOn = std::this_thread::get_id(); };
    worker.Start();
    worker.Terminate();
    worker.WaitFor();
    EXPECT_EQ(terminatedOn, std::this_thread::get_id());
}

TEST(Thread, FreeOnTerminateFreesTheThreadObject) {
    // Threads that end at once race their own start: each must still free itself cleanly.
    constexpr int Count = 200;
    std::atomic<int> destroyed{0};
    struct Counted : TThread {
        std::atomic<int>& Destroyed;
        explicit Counted(std::atomic<int>& d) : TThread(true), Destroyed(d) {}
        ~Counted() override { ++Destroyed; }
        void Execute() override {}
    };
    for (int i = 0; i < Count; ++i) {
        auto* thread = new Counted(destroyed);
        thread->SetFreeOnTerminate(true);
        thread->Start();
    }
    while (destroyed < Count)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    SUCCEED();
}

TEST(Thread, AWorkerWaitingForItselfDoesNotHang) {
    Worker worker([](Worker& self) {
        self.SetReturnValue(3);
        self.SetReturnValue(self.WaitFor() + 1);
    });
    worker.Start();
    EXPECT_EQ(worker.WaitFor(), 4);
}
