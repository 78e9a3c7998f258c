#include "platform/shell/ProgramRunner.h"
#include "tests/support/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string WriteScript(const TTempFolder& folder, const std::string& name, const std::string& body,
                        bool executable = true) {
    const std::string path = folder.Write(name, "#!/bin/sh\n" + body + "\n");
    if (executable)
        fs::permissions(path, fs::perms::owner_all);
    return path;
}

TEST(RunProgramAndWait, AQuickProgramEndsInItsWorkingFolder) {
    TTempFolder folder;
    const std::string script = WriteScript(folder, "updater", "pwd > where.txt\nexit 3");
    fs::create_directory(folder.File("work"));
    const TProgramRunResult result =
        RunProgramAndWait(script, folder.File("work"), DefaultProgramWaitLimit, nullptr);
    EXPECT_EQ(result.Outcome, TProgramOutcome::Ended);
    EXPECT_EQ(result.ExitCode, 3);
    EXPECT_EQ(TTempFolder::Read(folder.File("work/where.txt")),
              fs::canonical(folder.File("work")).string() + "\n");
}

TEST(RunProgramAndWait, ProgramsThatCannotStartAreReportedNotThrown) {
    TTempFolder folder;
    struct Case {
        std::string Program;
        std::string WorkingFolder;
    };
    const std::vector<Case> cases = {
        {folder.File("missing_updater"), ""},
        {WriteScript(folder, "not_executable", "exit 0", false), ""},
        {WriteScript(folder, "fine", "exit 0"), folder.File("no_such_folder")},
        {"", ""},
    };
    for (const Case& c : cases) {
        const TProgramRunResult result =
            RunProgramAndWait(c.Program, c.WorkingFolder, DefaultProgramWaitLimit, nullptr);
        EXPECT_EQ(result.Outcome, TProgramOutcome::NotStarted) << c.Program;
        EXPECT_NE(result.Message.find(c.Program), std::string::npos) << result.Message;
        EXPECT_EQ(result.ProcessId, 0);
    }
}

TEST(RunProgramAndWait, ASlowProgramTimesOutIsLeftRunningAndTheCallerKeepsPainting) {
    TTempFolder folder;
    const std::string script = WriteScript(folder, "slow", "exec sleep 60");
    int paints = 0;
    const TProgramRunResult result =
        RunProgramAndWait(script, "", std::chrono::milliseconds(300), [&paints] { ++paints; });
    EXPECT_EQ(result.Outcome, TProgramOutcome::TimedOut);
    EXPECT_GE(paints, 1);
    ASSERT_GT(result.ProcessId, 0);
    EXPECT_EQ(::kill(result.ProcessId, 0), 0) << "the program should still run";
    ::kill(result.ProcessId, SIGKILL);
}

TEST(RunProgramAndWait, AProgramEndedByASignalReportsIt) {
    TTempFolder folder;
    const std::string script = WriteScript(folder, "crash", "kill -TERM $$");
    const TProgramRunResult result =
        RunProgramAndWait(script, "", DefaultProgramWaitLimit, nullptr);
    EXPECT_EQ(result.Outcome, TProgramOutcome::Ended);
    EXPECT_EQ(result.ExitCode, 128 + SIGTERM);
}

} // namespace
