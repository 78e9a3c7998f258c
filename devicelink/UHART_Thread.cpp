#include "devicelink/UHART_Thread.h"

#include "platform/core/Exception.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/net/Ipv4Address.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int Reply_Time_Out_Ticks = 100;
constexpr int Failure_Limit = 3;
constexpr int Status_Pause_Ticks = 100;
constexpr size_t Read_Header_Size = 6;

const std::string Full_Search_Started = "FULL DEVICES SEARCH STARTED";
const std::string Status_Prefix = "SEARCH STATUS=";

// The text with each "%d" in turn replaced by the next number.
std::string Format(std::string text, std::initializer_list<int> numbers) {
    size_t from = 0;
    for (int number : numbers) {
        const size_t at = text.find("%d", from);
        if (at == std::string::npos)
            break;
        const std::string digits = std::to_string(number);
        text.replace(at, 2, digits);
        from = at + digits.size();
    }
    return text;
}

std::string Read_Header(int index) {
    return (index < 10 ? "DEV " : "DEV") + std::to_string(index) + "=";
}

std::string Two_Digits(int index) {
    return std::string(1, char('0' + index / 10 % 10)) + char('0' + index % 10);
}

// Status: the two characters after "SEARCH STATUS="; 0 (also for no number) means finished.
int Search_Status(const std::string& reply) {
    return StrToIntDef(Trim(reply.size() > 14 ? reply.substr(14, 2) : std::string()), 0);
}

// Found: after the first "now" (from the third character when there is none), the characters
// before the next blank.
int Devices_Found(const std::string& reply) {
    const size_t now = reply.find("now");
    const size_t from = now == std::string::npos ? 2 : now + 3;
    const std::string rest = Trim(from < reply.size() ? reply.substr(from) : std::string());
    const size_t blank = rest.find(' ');
    if (blank == std::string::npos)
        return 0;
    return StrToIntDef(rest.substr(0, blank), 0);
}

} // namespace

THART_Thread::THART_Thread(THART_Scan_Reports Reports, THART_Scan_Texts Texts, THART_Scan_Link Link)
    : TThread(true), FReports(std::move(Reports)), FTexts(std::move(Texts)),
      FGateway_Port(Link.Gateway_Port), FBind_Address(std::move(Link.Bind_Address)),
      FClock(Link.Clock ? std::move(Link.Clock) : std::make_shared<THART_Real_Clock>()) {
    Start();
}

THART_Thread::~THART_Thread() {
    Close();
}

void THART_Thread::Close() {
    FExit = true;
    FClock->Stop();
    Terminate();
    WaitFor();
}

int THART_Thread::Current_Step() const {
    std::lock_guard lock(FLock);
    return Step_Scan;
}

std::string THART_Thread::Status_Text() const {
    std::lock_guard lock(FLock);
    return Str_Return;
}

THART_Scan_State THART_Thread::State() const {
    std::lock_guard lock(FLock);
    THART_Scan_State state;
    state.Step = Step_Scan;
    state.Status = Str_Return;
    state.Reply = UDP_str;
    state.Reply_Arrived = Res_UDP_CMD;
    state.Ticks_Waited = Count_UDP_CMD_Timeout;
    state.Commands_Sent = FCommands_Sent;
    state.Record_Buffer = UDP_Arr;
    return state;
}

THART_Scan_Results THART_Thread::Results() const {
    std::lock_guard lock(FLock);
    return {FNum_Devices, FNum_Devices_Found,
            std::vector<THART_Device_Record>(devices.begin(), devices.begin() + FNum_Devices)};
}

void THART_Thread::Execute() {
    // FInScan starts false with the object, not here: a scan requested before the thread got to
    // run would otherwise be lost.
    UDPs.BindAddress = FBind_Address;
    UDPs.OnUDPRead = [this](std::string_view data, const std::string& address, uint16_t port) {
        UDP_Read(data, address, port);
    };
    try {
        UDPs.Activate();
    } catch (const Exception& error) {
        // Left inactive: the first send of a scan fails and ends that scan with this reason.
        FSocket_Error = error.Message;
    }
    // However the loop ends (a report may throw), the listener stops here and not once the
    // fields it fills are being destroyed, and the clock knows no tick is wanted any more.
    struct TClose_Socket {
        TUdpServer& Socket;
        THART_Scan_Clock& Clock;
        ~TClose_Socket() {
            Socket.Deactivate();
            Clock.Stop();
        }
    } closeSocket{UDPs, *FClock};
    while (!FExit) {
        if (FInScan)
            Scan_Step();
        FClock->Wait_Tick();
    }
}

void THART_Thread::HART_Discovery(const std::string& IP_Add, const std::string& Num_Devs) {
    {
        std::lock_guard lock(FLock);
        FDis_IP_Address = IP_Add;
        const auto octets = ParseIPv4(IP_Add);
        FGateway_Address = octets ? FormatIPv4(*octets) : std::string();
        FNumDevs = Num_Devs;
        FNum_Devices = 0;
        FNum_Devices_Found = 0;
        UDP_Retried_CMD = 0;
        FSearch_Restarted = false;
        FSend_Error.clear();
        Step_Scan = Scan_Start;
    }
    Show(FTexts.Init_Scan);
    FInScan = true;
}

void THART_Thread::UDP_Read(std::string_view data, const std::string& peerAddress,
                            uint16_t /*peerPort*/) {
    std::lock_guard lock(FLock);
    // Only the gateway answers, from whichever of its ports it sends; another host is no reply.
    if (peerAddress != FGateway_Address)
        return;
    if (Step_Scan == Scan_Wait_Full || Step_Scan == Scan_Wait_Test) {
        UDP_str.assign(data);
    } else if (Step_Scan == Scan_Wait_Read) {
        UDP_str.assign(data.substr(0, Read_Header_Size));
        UDP_Arr.fill(0);
        if (data.size() > Read_Header_Size) {
            const auto record = data.substr(Read_Header_Size, UDP_Arr.size());
            std::copy(record.begin(), record.end(), UDP_Arr.begin());
        }
    } else {
        return;
    }
    Count_UDP_CMD_Timeout = 0;
    Res_UDP_CMD = true;
}

void THART_Thread::Scan_Step() {
    std::unique_lock lock(FLock);
    std::string failure;
    switch (Step_Scan) {
    case Scan_Start:
        Step_Scan = Scan_Send_Full;
        break;
    case Scan_Send_Full:
        Finish_succes = false;
        Send_Command(lock, Scan_Wait_Full, "F_FULL_" + FNumDevs);
        return;
    case Scan_Wait_Full:
        switch (Next_Reply(UDP_str == Full_Search_Started)) {
        case Reply_Matching:
            // A search started again after a wrong status reply keeps the failures of the
            // status phase: a gateway that always answers the poll wrongly must end the scan.
            if (!FSearch_Restarted)
                UDP_Retried_CMD = 0;
            FSearch_Restarted = false;
            Delay_Wait_Finish = 0;
            Step_Scan = Scan_Wait_Delay;
            lock.unlock();
            Show(Format(FTexts.Search_Started, {0}));
            return;
        case Reply_None:
            break;
        default:
            failure = Fail_With(FTexts.Error_Search_Start, Scan_Send_Full);
        }
        break;
    case Scan_Wait_Delay:
        if (++Delay_Wait_Finish >= Status_Pause_Ticks) {
            Delay_Wait_Finish = 0;
            Step_Scan = Scan_Send_Test;
        }
        break;
    case Scan_Send_Test:
        Send_Command(lock, Scan_Wait_Test, "F_TEST");
        return;
    case Scan_Wait_Test:
        switch (Next_Reply(UDP_str.starts_with(Status_Prefix))) {
        case Reply_Matching:
            Take_Status_Reply(lock);
            return;
        case Reply_None:
            break;
        case Reply_Wrong: // starts the search over
            failure = Fail_With(FTexts.Error_Status, Scan_Send_Full);
            FSearch_Restarted = true;
            break;
        case Reply_Timed_Out:
            failure = Fail_With(FTexts.Error_Status, Scan_Send_Test);
            break;
        }
        break;
    case Scan_Send_Read: {
        const int index = Index_Device_Read;
        Send_Command(lock, Scan_Wait_Read, "F_READ" + Two_Digits(index));
        if (Current_Step() == Scan_Wait_Read)
            Show(Format(FTexts.Reading_Device, {index}));
        return;
    }
    case Scan_Wait_Read:
        switch (Next_Reply(UDP_str == Read_Header(Index_Device_Read))) {
        case Reply_Matching:
            Take_Read_Reply(lock);
            return;
        case Reply_None:
            break;
        default:
            failure = Fail_With(FTexts.Error_Read, Scan_Send_Read);
        }
        break;
    case Scan_Finish:
        Finish(lock);
        return;
    default:
        break;
    }
    lock.unlock();
    if (!failure.empty())
        Show(failure);
}

void THART_Thread::Send_Command(std::unique_lock<std::mutex>& lock, int waitState,
                                const std::string& command) {
    Count_UDP_CMD_Timeout = 0;
    Res_UDP_CMD = false;
    // The wait state comes first so that a quick reply finds the worker waiting for it.
    Step_Scan = waitState;
    const std::string gateway = FDis_IP_Address;
    const bool addressValid = !FGateway_Address.empty();
    lock.unlock();
    try {
        if (!addressValid)
            throw Exception(FTexts.Invalid_Address + gateway);
        UDPs.Send(gateway, FGateway_Port, command);
        lock.lock();
        ++FCommands_Sent;
        lock.unlock();
    } catch (const Exception& error) {
        const std::string reason = FSocket_Error.empty() ? error.Message : FSocket_Error;
        lock.lock();
        FSend_Error = reason;
        Finish_succes = false;
        Step_Scan = Scan_Finish;
        lock.unlock();
        Show(reason);
    }
}

void THART_Thread::Take_Status_Reply(std::unique_lock<std::mutex>& lock) {
    const int found = std::max(Devices_Found(UDP_str), 0);
    Delay_Wait_Finish = 0;
    if (Search_Status(UDP_str) != 0) {
        Step_Scan = Scan_Wait_Delay;
        lock.unlock();
        Show(Format(FTexts.Still_Searching, {found}));
        return;
    }
    FNum_Devices_Found = found;
    FNum_Devices = std::min(found, HART_Max_Devices);
    Index_Device_Read = 0;
    UDP_Retried_CMD = 0;
    if (FNum_Devices == 0) {
        Finish_succes = true;
        Step_Scan = Scan_Finish;
    } else {
        Step_Scan = Scan_Send_Read;
    }
    lock.unlock();
    Show(Format(FTexts.Search_Finished, {found}));
}

void THART_Thread::Take_Read_Reply(std::unique_lock<std::mutex>& lock) {
    devices[static_cast<size_t>(Index_Device_Read)] = UDP_Arr;
    ++Index_Device_Read;
    if (Index_Device_Read < FNum_Devices) {
        Step_Scan = Scan_Send_Read;
    } else {
        Finish_succes = true;
        Step_Scan = Scan_Finish;
    }
    lock.unlock();
}

void THART_Thread::Finish(std::unique_lock<std::mutex>& lock) {
    const bool succeeded = Finish_succes;
    Finish_succes = false;
    Step_Scan = Scan_Idle;
    std::string text = succeeded ? FTexts.Scan_Done : FTexts.Scan_Failed;
    if (!FSend_Error.empty())
        text += ": " + FSend_Error;
    else if (succeeded && FNum_Devices_Found > FNum_Devices)
        text += Format(FTexts.Devices_Cut_Short, {FNum_Devices, FNum_Devices_Found});
    lock.unlock();
    Show(text);
    Report(succeeded ? FReports.Sync_Scan_Done : FReports.Sync_Scan_Failed);
}

std::string THART_Thread::Fail_With(const std::string& text, int retryState) {
    if (++UDP_Retried_CMD < Failure_Limit) {
        Step_Scan = retryState;
        return {};
    }
    Step_Scan = Scan_Finish;
    return text;
}

THART_Thread::TReply THART_Thread::Next_Reply(bool matches) {
    if (Res_UDP_CMD) {
        Res_UDP_CMD = false;
        return matches ? Reply_Matching : Reply_Wrong;
    }
    return ++Count_UDP_CMD_Timeout > Reply_Time_Out_Ticks ? Reply_Timed_Out : Reply_None;
}

void THART_Thread::Show(const std::string& text) {
    {
        std::lock_guard lock(FLock);
        Str_Return = text;
    }
    if (FReports.Sync_Show_Status)
        Report([this, &text] { FReports.Sync_Show_Status(text); });
}

void THART_Thread::Report(const std::function<void()>& report) {
    if (!report)
        return;
    // A closing dialog must not get reports of a worker it is ending.
    Synchronize([this, &report] {
        if (!FExit)
            report();
    });
}
