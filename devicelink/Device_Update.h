#pragma once

#include "devicelink/Ethernet_Update_Job.h"
#include "platform/net/IcmpClient.h"

#include <chrono>
#include <functional>
#include <string>

// What an update came to, for the update window to report.
enum class TDevice_Update_Outcome {
    Updater_Ended,       // the updater ran and ended within the time limit
    Updater_Timed_Out,   // still running when the limit passed; left running
    Updater_Not_Started, // missing or not executable beside the program
    Device_Not_Found,    // the device gave no echo reply
    Check_Ip_Address,    // the echo could not be sent to that address
    Ping_Not_Permitted,  // this user may open no ICMP socket
};

struct TDevice_Update_Result {
    TDevice_Update_Outcome Outcome = TDevice_Update_Outcome::Check_Ip_Address;
    std::string Message; // why: the system's reason of a failed ping or of an updater not started
    int Updater_Process_Id = 0; // of the updater once started
};

// The update window's non-visual steps: ping the device, write the job file beside the program
// and run the external updater. The window checks the address and keeps the last values.
class TDevice_Update {
public:
    TDevice_Update();

    // Outcome of the last echo: 0 none yet, 1 a reply that carried data, 2 no reply in time.
    int ping_res = 0;

    TIcmpClient Ping; // packet size 1024, reply awaited 400 ms
    // Sends one echo request to the address and returns Ping's answer; Ping by default.
    std::function<int(const std::string& Address)> Echo;
    std::chrono::milliseconds Ping_Budget{5000};
    std::chrono::milliseconds Updater_Time_Limit{150000};
    // Called about every 10 ms while pinging and every 50 ms while the updater runs, so the
    // window can keep itself painted.
    std::function<void()> While_Waiting;
    // Called once the device answered, before the job file is written.
    std::function<void(const TEthernet_Update_Job& Job)> On_Device_Answered;

    // Pings Job.IP_Address (dotted decimal); after a reply writes the job file to Program_Dir
    // and runs the updater there. Throws EFileError when the job file can not be written; the
    // updater is not started then.
    TDevice_Update_Result Update_Device(const TEthernet_Update_Job& Job,
                                        const std::string& Program_Dir);

    // Echo requests until two replies carried data or the budget is spent. True when the last
    // reply carried data. An error on the way ends it with false and ping_res as it stood;
    // Throws EIcmpNotPermitted when this user may send no echo at all.
    bool Send_Ping(const std::string& address);

private:
    void PingReply(int bytesReceived) { ping_res = bytesReceived > 0 ? 1 : 2; }
};

// The updater's file in the program folder.
std::string Ethernet_Update_Program(const std::string& Program_Dir);
