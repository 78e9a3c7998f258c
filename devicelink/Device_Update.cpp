#include "devicelink/Device_Update.h"

#include "app/core/AppState.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "devicelink/Ethernet_Update_Job.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/net/Ipv4Address.h"
#include "platform/shell/ProgramRunner.h"

#include <future>

namespace {

constexpr int Text_Device_Not_Found = 1536;
constexpr int Text_Check_Ip_Address = 1537;
constexpr int Answers_Wanted = 2;
constexpr auto Idle_Step = std::chrono::milliseconds(10);

// Split_IP's verdict, and the address as dotted decimal: the parts may be typed with blanks or
// in hex, which neither the echo nor the updater would take as they stand.
std::string Checked_Address(const std::array<std::string, 4>& octets) {
    const std::string typed = octets[0] + "." + octets[1] + "." + octets[2] + "." + octets[3];
    std::string p1, p2, p3, p4;
    if (!Split_IP(typed, p1, p2, p3, p4))
        return {};
    TIpv4Octets address{};
    const std::string* parts[] = {&p1, &p2, &p3, &p4};
    for (size_t i = 0; i < address.size(); ++i)
        address[i] = static_cast<uint8_t>(StrToInt(*parts[i]));
    return FormatIPv4(address);
}

} // namespace

std::string Ethernet_Update_Program() {
    return JoinPath(AppState().Exe_Dir, "Ethernet_Update");
}

TDevice_Update::TDevice_Update() {
    Ping.PacketSize = 1024;
    Ping.ReceiveTimeout = 400;
}

bool TDevice_Update::Send_Ping(const std::string& address) {
    using Clock = std::chrono::steady_clock;
    ping_res = 0;
    const auto start = Clock::now();
    int answers = 0;
    try {
        for (;;) {
            // The echo runs beside the caller so the window stays painted while it waits.
            auto echo =
                std::async(std::launch::async, [this, &address] { return Ping.Ping(address); });
            while (echo.wait_for(Idle_Step) != std::future_status::ready) {
                if (While_Waiting)
                    While_Waiting();
            }
            PingReply(echo.get());
            if (ping_res == 1 && ++answers >= Answers_Wanted)
                break;
            if (Clock::now() - start > Ping_Budget)
                break;
        }
    } catch (const Exception&) {
        return false;
    }
    return ping_res == 1;
}

TDevice_Update_Result TDevice_Update::Btn_UpdateClick(const std::array<std::string, 4>& octets,
                                                      int Update_Option_Index, bool Read_Back) {
    const std::string address = Checked_Address(octets);
    if (address.empty())
        return {TDevice_Update_Outcome::Check_Ip_Address, Lang_Str(Text_Check_Ip_Address)};
    if (!Send_Ping(address)) {
        if (ping_res == 2)
            return {TDevice_Update_Outcome::Device_Not_Found, Lang_Str(Text_Device_Not_Found)};
        return {TDevice_Update_Outcome::Check_Ip_Address, Lang_Str(Text_Check_Ip_Address)};
    }

    TAppState& state = AppState();
    state.Last_IP_Address = address;
    state.Update_Option_Index = Update_Option_Index;
    state.Update_Read_Back = Read_Back;
    Save_Ethernet_Update_Job(
        {address, Update_Option_Index, Read_Back, state.Master_Dir, state.Project_Path},
        JoinPath(state.Exe_Dir, Ethernet_Update_Job_File));

    const TProgramRunResult run = RunProgramAndWait(Ethernet_Update_Program(), state.Exe_Dir,
                                                    Updater_Time_Limit, While_Waiting);
    switch (run.Outcome) {
    case TProgramOutcome::Ended:
        return {TDevice_Update_Outcome::Updater_Ended, {}, static_cast<int>(run.ProcessId)};
    case TProgramOutcome::TimedOut:
        return {TDevice_Update_Outcome::Updater_Timed_Out, {}, static_cast<int>(run.ProcessId)};
    case TProgramOutcome::NotStarted:
        break;
    }
    return {TDevice_Update_Outcome::Updater_Not_Started, run.Message, 0};
}
