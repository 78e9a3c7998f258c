// The scan worker's handling of the gateway's replies. A simulated gateway on the loopback sends
// the input's pieces in place of its status and read replies; the worker's clock is stepped by
// hand, and time runs only while a reply is on its way. A scan always ends, and what it read
// stays inside the record table.
//
// Input: the first byte gives how many pieces (0..7) answer F_TEST; the pieces, separated by
// 0x1E, answer F_TEST and then F_READnn; the simulator answers the rest as usual.
#include "FuzzSupport.h"

#include "devicelink/HART_Stepped_Clock.h"
#include "devicelink/UHART_Thread.h"
#include "tools/hart_simulator/HartGatewaySimulator.h"

#include <chrono>
#include <thread>

namespace {

constexpr long Tick_Limit = 100000; // far beyond the longest scan the worker's rules allow

THART_Scan_Texts Texts() {
    THART_Scan_Texts texts;
    texts.Init_Scan = "init";
    texts.Search_Started = "started %d";
    texts.Error_Search_Start = "error start";
    texts.Search_Finished = "finished %d";
    texts.Still_Searching = "searching %d";
    texts.Error_Status = "error status";
    texts.Reading_Device = "reading %d";
    texts.Error_Read = "error read";
    texts.Scan_Done = "done";
    texts.Scan_Failed = "failed";
    texts.Devices_Cut_Short = " %d of %d";
    return texts;
}

// Lets a sent command's reply arrive before the next tick, as it would on a real network.
void Wait_For_Reply(const THART_Thread& worker, THartGatewaySimulator& gateway, int commands) {
    for (int i = 0; i < 200; ++i) {
        if (gateway.Requests().size() >= static_cast<size_t>(commands) &&
            worker.State().Reply_Arrived)
            return;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int statusPieces = data[0] % 8;
    std::vector<std::string> pieces(1);
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == 0x1E)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }

    TSimulatorSettings settings;
    settings.Port = 0;
    settings.BindAddress = "127.0.0.1";
    for (size_t i = 0; i < pieces.size(); ++i)
        (static_cast<int>(i) < statusPieces ? settings.StatusReplies : settings.ReadReplies)
            .push_back(pieces[i]);
    THartGatewaySimulator gateway(settings);
    gateway.Start();

    bool ended = false;
    THART_Scan_Reports reports;
    reports.Sync_Scan_Done = [&] { ended = true; };
    reports.Sync_Scan_Failed = [&] { ended = true; };
    auto clock = std::make_shared<THART_Stepped_Clock>();
    THART_Thread worker(reports, Texts(), THART_Scan_Link{gateway.Port(), "127.0.0.1", clock});
    clock->Wait_For_Worker();
    worker.HART_Discovery("127.0.0.1", "04");
    int commands = 0;
    while (!ended && !clock->Stopped() && clock->Ticks() < Tick_Limit) {
        clock->Step();
        const int sent = worker.State().Commands_Sent;
        if (sent != commands) {
            commands = sent;
            Wait_For_Reply(worker, gateway, commands);
        }
    }
    FUZZ_CHECK_MSG(ended, "the scan did not end");
    const THART_Scan_Results results = worker.Results();
    FUZZ_CHECK(results.Num_Devices >= 0 && results.Num_Devices <= HART_Max_Devices);
    FUZZ_CHECK(results.Devices.size() == static_cast<size_t>(results.Num_Devices));
    return 0;
}
