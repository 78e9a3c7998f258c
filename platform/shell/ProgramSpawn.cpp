#include "platform/shell/ProgramSpawn.h"

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

pid_t SpawnProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder, bool searchPath, int& error) {
    std::vector<std::string> argumentStore{program};
    argumentStore.insert(argumentStore.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argumentStore)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The program starts with a clean signal state, whatever this process blocks or ignores.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    pid_t child = 0;
    error = searchPath
                ? posix_spawnp(&child, program.c_str(), &actions, &attributes, argv.data(), environ)
                : posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? child : 0;
}

int ExitCodeOf(int waitStatus) {
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    if (WIFSIGNALED(waitStatus))
        return 128 + WTERMSIG(waitStatus);
    return -1;
}
