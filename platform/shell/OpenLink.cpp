#include "platform/shell/OpenLink.h"

#include "platform/shell/ChildReaper.h"
#include "platform/shell/ProgramSpawn.h"

#include <cerrno>
#include <sys/wait.h>
#include <thread>

namespace {

constexpr const char* Opener = "xdg-open";
constexpr std::chrono::milliseconds OpenerPollInterval{10};

} // namespace

TOpenLinkResult OpenLink(const std::string& url, std::chrono::milliseconds watchTime) {
    if (url.empty() || url.front() == '-')
        return {TOpenLinkFailure::NotALink};
    int error = 0;
    const pid_t opener = SpawnProgram(Opener, {url}, {}, true, error);
    if (opener == 0)
        return {TOpenLinkFailure::NoOpener};
    const auto deadline = std::chrono::steady_clock::now() + watchTime;
    while (true) {
        int status = 0;
        const pid_t ended = ::waitpid(opener, &status, WNOHANG);
        if (ended == opener) {
            const int code = ExitCodeOf(status);
            if (code == 0)
                return {};
            return {TOpenLinkFailure::OpenerFailed, code};
        }
        if (ended < 0 && errno != EINTR)
            return {}; // nothing left to wait for: it was started
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(OpenerPollInterval);
    }
    ReapInBackground(opener);
    return {};
}

std::string OpenLinkFailureText(const std::string& url, const TOpenLinkResult& result) {
    switch (result.Failure) {
    case TOpenLinkFailure::None:
        return {};
    case TOpenLinkFailure::NotALink:
        return url.empty() ? "Cannot open an empty link."
                           : "Cannot open the link " + url + ": it is not a web address or a path.";
    case TOpenLinkFailure::NoOpener:
        return "Cannot open the link " + url +
               ": no program to open links is installed (install xdg-utils).";
    case TOpenLinkFailure::OpenerFailed:
        return "Cannot open the link " + url + ": " + Opener + " could not open it (exit code " +
               std::to_string(result.ExitCode) + "); is a web browser installed?";
    }
    return {};
}
