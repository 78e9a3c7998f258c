#pragma once

#include "platform/ui/Object.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>

// A worker thread: override Execute and check Terminated. Only the UI thread touches controls;
// Synchronize hands a call to it and waits.
class TThread : public TObject {
public:
    explicit TThread(bool CreateSuspended);
    // Terminates, resumes and waits for a running thread. A subclass whose Execute uses the
    // subclass's own members must do this in its own destructor (Terminate, Start, WaitFor),
    // as they are gone by the time this one runs.
    ~TThread() override;

    // Starts a thread created suspended, or resumes a suspended one.
    void Start();
    void Resume() { Start(); }
    // Asks the thread to stop at its next suspension point: the end of a Synchronize or a call
    // of Sleep. (Stopping a thread anywhere, as the framework's Suspend can, is unsafe.)
    void Suspend();
    bool Suspended() const { return FSuspended.load(); }
    void Terminate();
    bool Terminated() const { return FTerminated.load(); }
    bool Finished() const { return FFinished.load(); }
    // Waits until Execute returned; on the UI thread it keeps running synchronised calls
    // meanwhile, so a worker waiting in Synchronize cannot deadlock it. Called by the thread
    // itself it returns at once. Returns ReturnValue.
    int WaitFor();

    // Frees the thread object after Execute returned (after OnTerminate).
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
    int ReturnValue() const { return FReturnValue; }
    void SetReturnValue(int value) { FReturnValue = value; }
    // What escaped Execute (null when nothing did); read it once Finished. It is also handed to
    // the application's error report, which shows it when the UI thread next runs pending calls.
    std::exception_ptr FatalException() const { return FFatalException; }

    // Runs the call on the UI thread and waits for it; at once when called on the UI thread.
    // An exception thrown by the call is rethrown here.
    void Synchronize(const std::function<void()>& method);
    static void Synchronize(TThread* thread, const std::function<void()>& method);
    // Sleeps, waking early when terminated; a suspension point.
    void Sleep(unsigned milliseconds);

    // Runs on the UI thread after Execute returned; what it throws goes to the error report.
    TNotifyEvent OnTerminate;

protected:
    virtual void Execute() = 0;

private:
    struct Impl;
    void ThreadMain();
    void WaitWhileSuspended();
    bool OnOwnThread() const;

    std::unique_ptr<Impl> FImpl;
    std::atomic<bool> FSuspended{false};
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    bool FFreeOnTerminate = false;
    int FReturnValue = 0;
    std::exception_ptr FFatalException;
};

// Runs the synchronised calls waiting for the UI thread; returns true when it ran any. Called by
// the event loop and ProcessMessages, and by tests that have no running loop. Does nothing on
// another thread.
bool CheckSynchronize();
bool IsUiThread();
