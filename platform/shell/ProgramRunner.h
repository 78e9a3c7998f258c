#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>

enum class TProgramOutcome {
    NotStarted, // missing, not executable, or the working folder is unusable
    Ended,
    TimedOut, // still running when the limit passed; it is left running
};

struct TProgramRunResult {
    TProgramOutcome Outcome = TProgramOutcome::NotStarted;
    int ExitCode = -1;   // when Ended: the exit status, or 128 + signal number
    pid_t ProcessId = 0; // when started
    std::string Message; // when NotStarted: why, naming the program
};

// How long a started program is waited for unless the caller says otherwise.
inline constexpr std::chrono::milliseconds DefaultProgramWaitLimit{150000};

// Starts `program` without arguments in `workingFolder` (empty: the current folder) and waits until
// it ends or `timeLimit` passes. `whileWaiting` is called about every 50 ms during the wait, so the
// caller can keep its windows painted without taking input. Never throws for a program that
// cannot start; that is reported in the result.
TProgramRunResult RunProgramAndWait(const std::string& program, const std::string& workingFolder,
                                    std::chrono::milliseconds timeLimit,
                                    const std::function<void()>& whileWaiting);
