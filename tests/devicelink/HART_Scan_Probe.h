#pragma once

#include "devicelink/UHART_Thread.h"
#include "platform/ui/Thread.h"
#include "tests/devicelink/HART_Stepped_Clock.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// The status texts as an English dialog passes them.
inline THART_Scan_Texts English_Scan_Texts() {
    THART_Scan_Texts texts;
    texts.Init_Scan = "Init Scan - Waiting...";
    texts.Search_Started = "Devices Search Started - Devices Found %d - Waiting...";
    texts.Error_Search_Start = "Devices Search Finished - Error in Devices Search Started";
    texts.Search_Finished = "Search Finish - Devices Found %d - Waiting...";
    texts.Still_Searching = "Devices Search Started - Devices Found %d - Waiting...";
    texts.Error_Status = "Devices Search Finished - Error in Search Started";
    texts.Reading_Device = "Search Finish - Read Information Device %d - Waiting...";
    texts.Error_Read = "Devices Search Finished - Error in Read Device";
    texts.Scan_Done = "Search Finish";
    texts.Scan_Failed = "Search Finish with Errors";
    texts.Devices_Cut_Short = " - only the first %d of %d devices were read";
    texts.Invalid_Address = "The gateway address is not valid: ";
    return texts;
}

// What one scan reported to its dialog.
struct THART_Scan_Outcome {
    std::vector<std::string> Statuses;
    bool Done = false;
    bool Failed = false;
    int Num_Devices = 0;
    int Num_Devices_Found = 0;
    std::vector<THART_Device_Record> Records;
};

// Stands in for the scan dialog: records the worker's reports and, like the dialog, copies the
// records inside the success report.
class THART_Scan_Probe {
public:
    THART_Scan_Outcome Outcome;

    // A worker on the real clock unless a clock is given.
    std::unique_ptr<THART_Thread> Start_Worker(uint16_t gatewayPort,
                                               std::shared_ptr<THART_Scan_Clock> clock = nullptr,
                                               THART_Scan_Texts texts = English_Scan_Texts()) {
        THART_Scan_Reports reports;
        reports.Sync_Show_Status = [this](const std::string& status) {
            Outcome.Statuses.push_back(status);
        };
        reports.Sync_Scan_Done = [this] {
            THART_Scan_Results results = FWorker->Results();
            Outcome.Done = true;
            Outcome.Num_Devices = results.Num_Devices;
            Outcome.Num_Devices_Found = results.Num_Devices_Found;
            Outcome.Records = std::move(results.Devices);
        };
        reports.Sync_Scan_Failed = [this] { Outcome.Failed = true; };
        auto worker = std::make_unique<THART_Thread>(
            reports, std::move(texts), THART_Scan_Link{gatewayPort, "127.0.0.1", std::move(clock)});
        FWorker = worker.get();
        return worker;
    }

    bool Ended() const { return Outcome.Done || Outcome.Failed; }

    // Runs the worker's reports, as the dialog's event loop would, until the scan has ended. The
    // bound only keeps a broken worker from hanging the test run.
    bool Wait_For_End() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!Ended() && std::chrono::steady_clock::now() < giveUp) {
            CheckSynchronize();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return Ended();
    }

    // Steps the clock until the scan has ended. `answered(n)` says whether the gateway answers
    // the n-th command (from 0): while such an answer is on its way time runs as it would for
    // real, a tick per 10 ms, until it has arrived; everything else (pauses, time-outs of
    // commands that get no answer) passes at once.
    bool Step_To_End(THART_Stepped_Clock& clock, const std::function<bool(int)>& answered,
                     long maxTicks = 100000) {
        while (!Ended() && !clock.Stopped() && clock.Ticks() < maxTicks) {
            const THART_Scan_State state = FWorker->State();
            if (Awaits_Reply(state.Step) && !state.Reply_Arrived &&
                answered(state.Commands_Sent - 1))
                Wait_For_Reply(std::chrono::milliseconds(THART_Real_Clock::Tick_Ms));
            clock.Step();
        }
        return Ended();
    }

    static bool Awaits_Reply(int step) {
        return step == THART_Thread::Scan_Wait_Full || step == THART_Thread::Scan_Wait_Test ||
               step == THART_Thread::Scan_Wait_Read;
    }

    // Waits in real time, at most `limit`, for a reply to arrive at the worker.
    bool Wait_For_Reply(std::chrono::steady_clock::duration limit) const {
        const auto giveUp = std::chrono::steady_clock::now() + limit;
        while (!FWorker->State().Reply_Arrived) {
            if (std::chrono::steady_clock::now() >= giveUp)
                return false;
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return true;
    }

private:
    THART_Thread* FWorker = nullptr;
};
