#pragma once

#include "devicelink/Device_Update.h"
#include "devicelink/Ethernet_Update_Job.h"
#include "platform/core/Exception.h"
#include "platform/net/IcmpClient.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

// The program folder of an update test: a temporary folder of its own, with the stand-in updater
// copied into it on request. The stand-in's settings are cleared before and after.
class TUpdaterProgramFolder {
public:
    TUpdaterProgramFolder() {
        ::setenv("ETHERNET_UPDATE_STUB_LOG", Log_File().c_str(), 1);
        ::unsetenv("ETHERNET_UPDATE_STUB_DELAY_MS");
        ::unsetenv("ETHERNET_UPDATE_STUB_EXIT_CODE");
    }
    ~TUpdaterProgramFolder() {
        ::unsetenv("ETHERNET_UPDATE_STUB_LOG");
        ::unsetenv("ETHERNET_UPDATE_STUB_DELAY_MS");
        ::unsetenv("ETHERNET_UPDATE_STUB_EXIT_CODE");
    }
    TUpdaterProgramFolder(const TUpdaterProgramFolder&) = delete;
    TUpdaterProgramFolder& operator=(const TUpdaterProgramFolder&) = delete;

    void Install_Updater() const {
        std::filesystem::copy_file(std::string(VELMARO_TOOLS_DIR) +
                                       "/ethernet_update_stub/Ethernet_Update",
                                   Ethernet_Update_Program(Path()));
    }

    std::string Path() const { return FFolder.Path(); }
    std::string File(std::string_view name) const { return FFolder.File(name); }
    std::string Job_File() const { return FFolder.File(Ethernet_Update_Job_File); }
    // Where the stand-in updater copies the job it was started on.
    std::string Log_File() const { return FFolder.File("updater.log"); }

private:
    TTempFolder FFolder;
};

// Why this user may send no echo request at all, or empty when it may.
inline std::string Icmp_Refusal() {
    try {
        TIcmpClient().Ping("127.0.0.1");
        return {};
    } catch (const Exception& error) {
        return error.Message;
    }
}

// Skips the running test where no echo request can be sent; a macro, because only the test body
// itself can return from the test.
#define REQUIRE_ICMP()                                                                             \
    do {                                                                                           \
        const std::string refusal = Icmp_Refusal();                                                \
        if (!refusal.empty())                                                                      \
            GTEST_SKIP() << "no ICMP socket for this user: " << refusal;                           \
    } while (false)

// Echoes as a device would answer them, without the network: each call counts and then gives
// the reply size, 0 for no reply, or throws what `Fault` says.
struct TScripted_Echo {
    int Reply_Size = 8 + 1024;
    std::function<void()> Fault; // throws, when set
    int Calls = 0;

    void Install(TDevice_Update& update) {
        update.Echo = [this](const std::string&) {
            ++Calls;
            if (Fault)
                Fault();
            return Reply_Size;
        };
    }
};
