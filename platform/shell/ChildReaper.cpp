#include "platform/shell/ChildReaper.h"

#include <cerrno>
#include <sys/wait.h>
#include <thread>

void ReapInBackground(pid_t child) {
    std::thread([child] {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}
