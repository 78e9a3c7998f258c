#pragma once

#include "devicelink/UHART_Thread.h"
#include "platform/ui/Thread.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

    std::unique_ptr<THART_Thread> Start_Worker(uint16_t gatewayPort) {
        THART_Scan_Reports reports;
        reports.Sync_Show_Status = [this](const std::string& status) {
            Outcome.Statuses.push_back(status);
        };
        reports.Sync_Scan_Done = [this] {
            Outcome.Done = true;
            Outcome.Num_Devices = FWorker->FNum_Devices;
            Outcome.Num_Devices_Found = FWorker->FNum_Devices_Found;
            Outcome.Records.assign(FWorker->devices.begin(),
                                   FWorker->devices.begin() + Outcome.Num_Devices);
        };
        reports.Sync_Scan_Failed = [this] { Outcome.Failed = true; };
        auto worker = std::make_unique<THART_Thread>(reports, gatewayPort, "127.0.0.1");
        FWorker = worker.get();
        return worker;
    }

    // Runs the worker's reports, as the dialog's event loop would, until the scan has ended. The
    // bound only keeps a broken worker from hanging the test run.
    bool Wait_For_End() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!Outcome.Done && !Outcome.Failed && std::chrono::steady_clock::now() < giveUp) {
            CheckSynchronize();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return Outcome.Done || Outcome.Failed;
    }

private:
    THART_Thread* FWorker = nullptr;
};
