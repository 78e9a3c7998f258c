#pragma once

#include "devicelink/HART_Device_Record.h"
#include "devicelink/HART_Scan_Clock.h"
#include "platform/net/UdpServer.h"
#include "platform/ui/Thread.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The port the gateway answers the scan commands on.
inline constexpr uint16_t HART_Gateway_Port = 10000;
// The record table holds this many devices; a gateway that reports more gets the first ones read.
inline constexpr int HART_Max_Devices = 100;

// What the worker tells its dialog. Each call runs on the UI thread while the worker waits.
struct THART_Scan_Reports {
    std::function<void(const std::string& Status)> Sync_Show_Status;
    std::function<void()> Sync_Scan_Done;   // the records are ready: Show_Vars, results panel
    std::function<void()> Sync_Scan_Failed; // the failed panel
};

// The status texts the worker shows, in the caller's language. Those marked "%d" get a number.
struct THART_Scan_Texts {
    std::string Init_Scan;
    std::string Search_Started; // %d: devices found so far (0)
    std::string Error_Search_Start;
    std::string Search_Finished; // %d: devices found
    std::string Still_Searching; // %d: devices found so far
    std::string Error_Status;
    std::string Reading_Device; // %d: the device index
    std::string Error_Read;
    std::string Scan_Done;
    std::string Scan_Failed;
    // Appended to Scan_Done when the gateway reported more devices than were read; the first
    // "%d" gets the devices read, the second the devices reported.
    std::string Devices_Cut_Short;
    // Followed by the gateway address given, when it is no IPv4 address.
    std::string Invalid_Address;
};

// Where the worker talks and what gives it its ticks. Tests bind the worker's socket to the
// loopback address, use another gateway port and step the clock themselves.
struct THART_Scan_Link {
    uint16_t Gateway_Port = HART_Gateway_Port;
    std::string Bind_Address = "0.0.0.0";
    std::shared_ptr<THART_Scan_Clock> Clock; // none: a THART_Real_Clock
};

// The worker's shared state as it stood at one moment, taken under its lock.
struct THART_Scan_State {
    int Step = 0;                        // a THART_Thread::TScan_Step
    std::string Status;                  // the status text shown last
    std::string Reply;                   // the text of the last reply taken in a wait state
    bool Reply_Arrived = false;          // a reply waits to be taken by the next tick
    int Ticks_Waited = 0;                // ticks without a reply since the last command
    int Commands_Sent = 0;               // since the worker was made
    THART_Device_Record Record_Buffer{}; // the record part of the last read reply
};

// What the last scan read. Complete once the worker reported success.
struct THART_Scan_Results {
    int Num_Devices = 0;                      // records read, at most HART_Max_Devices
    int Num_Devices_Found = 0;                // as the gateway reported it
    std::vector<THART_Device_Record> Devices; // Num_Devices records, by index
};

// The HART scan worker: its own UDP socket, one step of the scan every tick of its clock (10 ms
// for real) while a scan is wanted. The socket's listener thread hands replies over under FLock;
// the dialog and tests read the shared fields only as snapshots taken under it.
class THART_Thread : public TThread {
public:
    enum TScan_Step : int {
        Scan_Idle = 0,
        Scan_Start = 1,
        Scan_Send_Full = 2,
        Scan_Wait_Full = 3,
        Scan_Wait_Delay = 4,
        Scan_Send_Test = 5,
        Scan_Wait_Test = 6,
        Scan_Send_Read = 8,
        Scan_Wait_Read = 9,
        Scan_Finish = 101,
    };

    // Created running; waits for HART_Discovery.
    THART_Thread(THART_Scan_Reports Reports, THART_Scan_Texts Texts, THART_Scan_Link Link = {});
    // Close, then the worker is gone.
    ~THART_Thread() override;

    // Ends the loop and waits for it, running pending reports meanwhile; reports of a worker
    // that is being closed no longer reach the dialog. The results stay readable, so the count
    // of a scan that ended while the worker closed is not lost. Closing again does nothing.
    void Close();

    // UI thread, while no scan runs: starts a scan of the gateway at IP_Add for Num_Devs ("01" ..
    // "64") devices.
    void HART_Discovery(const std::string& IP_Add, const std::string& Num_Devs);

    std::atomic<bool> FExit{false};
    std::atomic<bool> FInScan{false};

    int Current_Step() const;
    // The status text shown last.
    std::string Status_Text() const;
    THART_Scan_State State() const;
    // Read by the dialog inside Sync_Scan_Done, while the worker waits for it.
    THART_Scan_Results Results() const;

protected:
    void Execute() override;

private:
    void Scan_Step();
    void UDP_Read(std::string_view data, const std::string& peerAddress, uint16_t peerPort);

    // Each is called with FLock held and returns with it released.
    void Send_Command(std::unique_lock<std::mutex>& lock, int waitState,
                      const std::string& command);
    void Take_Status_Reply(std::unique_lock<std::mutex>& lock);
    void Take_Read_Reply(std::unique_lock<std::mutex>& lock);
    void Finish(std::unique_lock<std::mutex>& lock);
    // With FLock held: counts a failure and picks the retry state or the end of the scan.
    // Returns the text to show when the scan ends, else empty.
    std::string Fail_With(const std::string& text, int retryState);
    enum TReply { Reply_None, Reply_Matching, Reply_Wrong, Reply_Timed_Out };
    // With FLock held, in a wait state: takes the reply that arrived (`matches` says whether it
    // is the expected one) or counts one more tick without a reply.
    TReply Next_Reply(bool matches);

    void Show(const std::string& text);
    void Report(const std::function<void()>& report);

    const THART_Scan_Reports FReports;
    const THART_Scan_Texts FTexts;
    const uint16_t FGateway_Port;
    const std::string FBind_Address;
    const std::shared_ptr<THART_Scan_Clock> FClock;
    mutable std::mutex FLock;

    std::string FDis_IP_Address;
    std::string FGateway_Address; // FDis_IP_Address as dotted decimal, empty when it is none
    std::string FNumDevs;
    int Step_Scan = Scan_Idle;
    std::string Str_Return;
    TUdpServer UDPs;
    int Count_UDP_CMD_Timeout = 0;
    bool Res_UDP_CMD = false;
    std::string UDP_str;
    int UDP_Retried_CMD = 0;
    int Delay_Wait_Finish = 0;
    int Index_Device_Read = 0;
    THART_Device_Record UDP_Arr{};
    bool Finish_succes = false;
    int FNum_Devices = 0;       // records read, at most HART_Max_Devices
    int FNum_Devices_Found = 0; // as the gateway reported it
    std::array<THART_Device_Record, HART_Max_Devices> devices{};
    int FCommands_Sent = 0;
    bool FSearch_Restarted = false; // the search command was sent again after a wrong status
    std::string FSend_Error;        // why the last send failed; ends the scan
    std::string FSocket_Error;      // why the socket could not be opened; worker thread only
};
