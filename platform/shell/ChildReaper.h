#pragma once

#include <sys/types.h>

// Collects the exit status of a child process that nobody waits for, so that it does not stay
// behind as a zombie; returns at once.
void ReapInBackground(pid_t child);
