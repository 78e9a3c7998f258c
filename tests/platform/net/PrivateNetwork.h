#pragma once

// Runs a check in a child process inside a network namespace of its own whose loopback ignores
// echo requests: a silent device that is this machine itself, so nothing leaves it.

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string>

namespace private_network {

// Exit code of a child that could not set the namespace up.
inline constexpr int Refused = 99;

inline bool WriteProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return written;
}

inline bool EnterPrivateNetwork() {
    if (::unshare(CLONE_NEWNET) == 0)
        return true;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
        return false;
    WriteProcFile("/proc/self/setgroups", "deny");
    return WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") &&
           WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n");
}

inline bool BringLoopbackUp() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP;
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

inline bool IgnoreEchoRequests() {
    return WriteProcFile("/proc/sys/net/ipv4/icmp_echo_ignore_all", "1\n");
}

// Forks; the child enters a private network with its loopback up, runs `check` and exits with
// its result (Refused when the namespace could not be made). Returns the child's exit code, or -1
// when it did not exit normally.
inline int RunInPrivateNetwork(const std::function<int()>& check) {
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (!EnterPrivateNetwork() || !BringLoopbackUp())
            ::_exit(Refused);
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

inline const char* RefusedReason() {
    return "this machine allows no private network namespace with its own sysctls (unshare or "
           "/proc/sys/net refused)";
}

} // namespace private_network
