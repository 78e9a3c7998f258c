#include "platform/ui/Thread.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
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

// Waits without running any pending call, so a test sees what the worker did on its own.
// Bounded only so that a fault fails the test instead of hanging it.
void WaitUntil(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::vector<std::string> ShownTexts() {
    std::vector<std::string> texts;
    for (const TShownMessage& shown : Application->TestSeam().Messages())
        texts.push_back(shown.Text);
    return texts;
}

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
    // Threads that end at once race their own start: each must still free itself, once.
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
    WaitUntil([&] { return destroyed >= Count; });
    EXPECT_EQ(destroyed, Count);
}

struct WorkerFault {
    std::string Name;
    std::function<void()> Throw;
    std::string Shown;
};

TEST(Thread, AnExceptionLeavingExecuteIsShownByTheErrorReportOnTheUiThread) {
    const std::vector<WorkerFault> faults = {
        {"Exception", [] { throw Exception("x"); }, "x"},
        {"std::exception", [] { throw std::runtime_error("socket gone"); }, "socket gone"},
        {"anything else", [] { throw 42; }, "Unknown error."},
    };
    // The UI thread runs pending calls either directly or through its message processing.
    const std::vector<std::pair<std::string, std::function<void()>>> uiTurns = {
        {"CheckSynchronize", [] { CheckSynchronize(); }},
        {"ProcessMessages", [] { Application->ProcessMessages(); }},
    };
    for (const auto& fault : faults) {
        for (const auto& [turnName, uiTurn] : uiTurns) {
            SCOPED_TRACE(fault.Name + " through " + turnName);
            Application->TestSeam().Reset();
            Worker worker([&](Worker&) { fault.Throw(); });
            worker.Start();

            // The worker ends without waiting for the report, which no other thread shows.
            WaitUntil([&] { return worker.Finished(); });
            ASSERT_TRUE(worker.Finished());
            EXPECT_TRUE(ShownTexts().empty());
            EXPECT_TRUE(worker.FatalException());

            uiTurn();
            ASSERT_EQ(ShownTexts(), std::vector<std::string>{fault.Shown});
            EXPECT_EQ(Application->TestSeam().Messages()[0].Kind, mtError);
            EXPECT_FALSE(CheckSynchronize()) << "reported once";
        }
    }
}

TEST(Thread, AWorkerThatEndsNormallyReportsNothing) {
    Worker worker([](Worker&) {});
    worker.Start();
    worker.WaitFor();
    CheckSynchronize();
    EXPECT_FALSE(worker.FatalException());
    EXPECT_TRUE(ShownTexts().empty());
}

TEST(Thread, AnExceptionFromOnTerminateIsShownAndTheThreadStillEnds) {
    Worker worker([](Worker&) {});
    worker.OnTerminate = [](TObject*) { throw Exception("cleanup failed"); };
    worker.Start();
    worker.WaitFor();
    CheckSynchronize();
    EXPECT_TRUE(worker.Finished());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"cleanup failed"});
}

TEST(Thread, AFaultOfAThreadThatFreedItselfIsStillShown) {
    std::atomic<bool> freed{false};
    struct Failing : TThread {
        std::atomic<bool>& Freed;
        explicit Failing(std::atomic<bool>& freed) : TThread(true), Freed(freed) {}
        ~Failing() override { Freed = true; }
        void Execute() override { throw Exception("device lost"); }
    };
    auto* thread = new Failing(freed);
    thread->SetFreeOnTerminate(true);
    thread->Start();
    WaitUntil([&] { return freed.load(); });
    ASSERT_TRUE(freed);

    CheckSynchronize();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"device lost"});
}

TEST(Thread, AWorkerWaitingForItselfDoesNotHang) {
    Worker worker([](Worker& self) {
        self.SetReturnValue(3);
        self.SetReturnValue(self.WaitFor() + 1);
    });
    worker.Start();
    EXPECT_EQ(worker.WaitFor(), 4);
}
