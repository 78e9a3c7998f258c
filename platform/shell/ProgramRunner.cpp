#include "platform/shell/ProgramRunner.h"

#include "platform/shell/ChildReaper.h"
#include "platform/shell/ProgramSpawn.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/wait.h>
#include <thread>

namespace {

constexpr std::chrono::milliseconds ProgramPollInterval{50};

} // namespace

TProgramRunResult RunProgramAndWait(const std::string& program, const std::string& workingFolder,
                                    std::chrono::milliseconds timeLimit,
                                    const std::function<void()>& whileWaiting) {
    TProgramRunResult result;
    int error = 0;
    const pid_t child =
        program.empty() ? 0 : SpawnProgram(program, {}, workingFolder, false, error);
    if (child == 0) {
        result.Message = "Cannot start \"" + program +
                         "\": " + (program.empty() ? "no program given" : std::strerror(error));
        return result;
    }
    result.ProcessId = child;

    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            result.Outcome = TProgramOutcome::Ended;
            result.ExitCode = ExitCodeOf(status);
            return result;
        }
        if (done < 0 && errno != EINTR) {
            // Someone else collected it; all that is known is that it ended.
            result.Outcome = TProgramOutcome::Ended;
            return result;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            result.Outcome = TProgramOutcome::TimedOut;
            ReapInBackground(child);
            return result;
        }
        if (whileWaiting)
            whileWaiting();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            ProgramPollInterval, deadline - std::chrono::steady_clock::now()));
    }
}
