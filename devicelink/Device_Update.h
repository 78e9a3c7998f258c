#pragma once

#include "platform/net/IcmpClient.h"

#include <array>
#include <chrono>
#include <functional>
#include <string>

// What pressing the update button came to, for the update window to report.
enum class TDevice_Update_Outcome {
    Updater_Ended,       // the updater ran and ended within the time limit
    Updater_Timed_Out,   // still running when the limit passed; left running
    Updater_Not_Started, // missing or not executable beside the program
    Device_Not_Found,    // warning box, language text 1536
    Check_Ip_Address,    // error box, language text 1537
};

struct TDevice_Update_Result {
    TDevice_Update_Outcome Outcome = TDevice_Update_Outcome::Check_Ip_Address;
    std::string Message; // the box text for the two ping failures, the reason for Not_Started
    int Updater_Process_Id = 0; // of the updater once started
};

// The update window's non-visual steps: check the address, ping the device, remember the choices,
// write the job file beside the program and run the external updater.
class TDevice_Update {
public:
    TDevice_Update();

    // Outcome of the last echo: 0 none yet, 1 a reply that carried data, 2 no reply in time.
    int ping_res = 0;

    TIcmpClient Ping; // packet size 1024, reply awaited 400 ms
    std::chrono::milliseconds Ping_Budget{5000};
    std::chrono::milliseconds Updater_Time_Limit{150000};
    // Called about every 10 ms while pinging and every 50 ms while the updater runs, so the
    // window can keep itself painted.
    std::function<void()> While_Waiting;

    // The update button with the octet edits' texts and the chosen options. An address that
    // Split_IP refuses gets no ping. After a reply the address (as dotted decimal) and the
    // choices become the last values of AppState, the job file is written to Exe_Dir and the
    // updater there is run. Throws EFileError when the job file can not be written; the updater is
    // not started then.
    TDevice_Update_Result Btn_UpdateClick(const std::array<std::string, 4>& octets,
                                          int Update_Option_Index, bool Read_Back);

    // Echo requests until two replies carried data or the budget is spent. True when the last
    // reply carried data. An error on the way ends it with false and ping_res as it stood.
    bool Send_Ping(const std::string& address);

private:
    void PingReply(int bytesReceived) { ping_res = bytesReceived > 0 ? 1 : 2; }
};

// The updater's file beside the program.
std::string Ethernet_Update_Program();
