#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Starts a program with the given arguments (argv[0] excluded) without a shell, in `workingFolder`
// when not empty. `searchPath` looks the program up in PATH. Returns the process id, or 0 with
// `error` set to the system's reason.
pid_t SpawnProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder, bool searchPath, int& error);
// The exit code of a waited-for child: its own code, 128 plus the signal that ended it, or -1.
int ExitCodeOf(int waitStatus);
