#include "devicelink/Device_Update.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/shell/ProgramRunner.h"

#include <future>

namespace {

constexpr int Answers_Wanted = 2;
constexpr auto Idle_Step = std::chrono::milliseconds(10);

} // namespace

std::string Ethernet_Update_Program(const std::string& Program_Dir) {
    return JoinPath(Program_Dir, "Ethernet_Update");
}

TDevice_Update::TDevice_Update() {
    Ping.PacketSize = 1024;
    Ping.ReceiveTimeout = 400;
    Echo = [this](const std::string& address) { return Ping.Ping(address); };
}

bool TDevice_Update::Send_Ping(const std::string& address) {
    using Clock = std::chrono::steady_clock;
    ping_res = 0;
    const auto start = Clock::now();
    int answers = 0;
    try {
        for (;;) {
            // The echo runs beside the caller so the window stays painted while it waits.
            auto echo = std::async(std::launch::async, [this, &address] { return Echo(address); });
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
    } catch (const EIcmpNotPermitted&) {
        throw;
    } catch (const Exception&) {
        return false;
    }
    return ping_res == 1;
}

TDevice_Update_Result TDevice_Update::Update_Device(const TEthernet_Update_Job& Job,
                                                    const std::string& Program_Dir) {
    try {
        if (!Send_Ping(Job.IP_Address)) {
            if (ping_res == 2)
                return {TDevice_Update_Outcome::Device_Not_Found, {}, 0};
            return {TDevice_Update_Outcome::Check_Ip_Address, {}, 0};
        }
    } catch (const EIcmpNotPermitted& error) {
        return {TDevice_Update_Outcome::Ping_Not_Permitted, error.Message};
    }

    if (On_Device_Answered)
        On_Device_Answered(Job);
    Save_Ethernet_Update_Job(Job, JoinPath(Program_Dir, Ethernet_Update_Job_File));

    const TProgramRunResult run = RunProgramAndWait(Ethernet_Update_Program(Program_Dir),
                                                    Program_Dir, Updater_Time_Limit, While_Waiting);
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
