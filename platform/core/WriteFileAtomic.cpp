#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// The temporary file of a save is ".<name>.tmp-XXXXXX" beside the target, XXXXXX being random
// letters and digits. The save holds an exclusive lock on it until the file is renamed, so a
// temporary file whose lock can be taken is the leftover of a save that was cut short.

namespace {

constexpr std::string_view TemporaryAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t TemporarySuffixLength = 6;
constexpr int TemporaryNameAttempts = 100;

std::string SystemErrorText(int error) {
    return std::strerror(error);
}

// Closes the descriptor when it goes out of scope.
class TFileHandle {
public:
    explicit TFileHandle(int fd = -1) : FFd(fd) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    int Get() const { return FFd; }
    int Release() {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }
    bool Valid() const { return FFd >= 0; }
    void Close() {
        if (FFd >= 0)
            ::close(FFd);
        FFd = -1;
    }

private:
    int FFd;
};

std::string TemporaryPrefix(const std::string& targetName) {
    return "." + targetName + ".tmp-";
}

bool IsTemporaryName(std::string_view entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + TemporarySuffixLength || !entry.starts_with(prefix))
        return false;
    entry.remove_prefix(prefix.size());
    return entry.find_first_not_of(TemporaryAlphabet) == std::string_view::npos;
}

// Earlier builds named the temporary file "<name>.tmp<pid>_<counter>" and did not lock it. The
// process id, or 0 when the entry is no such name.
pid_t OldTemporaryOwner(std::string_view entry, const std::string& targetName) {
    const std::string prefix = targetName + ".tmp";
    if (!entry.starts_with(prefix))
        return 0;
    entry.remove_prefix(prefix.size());
    const size_t underscore = entry.find('_');
    if (underscore == std::string_view::npos)
        return 0;
    const auto isNumber = [](std::string_view text) {
        return !text.empty() && text.size() <= 9 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view owner = entry.substr(0, underscore);
    if (!isNumber(owner) || !isNumber(entry.substr(underscore + 1)))
        return 0;
    return static_cast<pid_t>(std::stol(std::string(owner)));
}

// Such a file is a leftover when this process, which writes no such names any more, or a process
// that has ended made it. Where the program always runs under the same process id, it used to
// block every later save.
bool IsStaleOldTemporaryName(std::string_view entry, const std::string& targetName) {
    const pid_t owner = OldTemporaryOwner(entry, targetName);
    return owner > 0 && (owner == ::getpid() || (::kill(owner, 0) != 0 && errno == ESRCH));
}

std::string RandomSuffix() {
    thread_local std::mt19937_64 engine{(static_cast<uint64_t>(std::random_device{}()) << 32) ^
                                        std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, TemporaryAlphabet.size() - 1);
    std::string suffix(TemporarySuffixLength, ' ');
    for (char& c : suffix)
        c = TemporaryAlphabet[pick(engine)];
    return suffix;
}

// Whether `path` still names the file open as `fd`.
bool StillNames(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Removes the file unless a save in progress holds its lock.
void RemoveIfUnlocked(const std::string& path) {
    for (const int access : {O_RDONLY, O_WRONLY}) {
        TFileHandle file(::open(path.c_str(), access | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        if (!file.Valid()) {
            if (errno == EACCES)
                continue;
            return;
        }
        struct stat status {};
        if (::fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && StillNames(file.Get(), path))
            ::unlink(path.c_str());
        return;
    }
}

// Removes what saves of the target that were cut short left beside it.
void RemoveStaleTemporaries(const std::string& folder, const std::string& targetName) {
    const std::string prefix = TemporaryPrefix(targetName);
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (IsTemporaryName(entry, prefix) || IsStaleOldTemporaryName(entry, targetName))
            RemoveIfUnlocked(it->path().string());
    }
}

// Creates and locks a new temporary file in `folder`; its name goes to `temporary`. -1 with errno
// set when none can be made.
int CreateTemporary(const std::string& folder, const std::string& targetName,
                    std::string& temporary) {
    const std::string prefix = JoinPath(folder, TemporaryPrefix(targetName));
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        temporary = prefix + RandomSuffix();
        // 0666 lets the user's umask decide, as for any newly created file.
        TFileHandle file(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!file.Valid()) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // Where locks are not supported no other save removes the file either.
        if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            continue; // another save is removing it as a leftover
        if (!StillNames(file.Get(), temporary))
            continue; // another save removed it as a leftover before it was locked
        return file.Release();
    }
    errno = EEXIST;
    return -1;
}

// Writes all of `bytes` to `fd`; false with errno set on failure.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string folder = ExtractFilePath(path);
    const std::string targetName = ExtractFileName(path);
    const auto fail = [&](int error) {
        throw EFileError("Cannot create file \"" + path + "\". " + SystemErrorText(error));
    };
    RemoveStaleTemporaries(folder, targetName);
    std::string temporary;
    TFileHandle file(CreateTemporary(folder, targetName, temporary));
    if (!file.Valid())
        fail(errno);
    const auto failRemovingTemporary = [&](int error) {
        ::unlink(temporary.c_str());
        fail(error);
    };
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            failRemovingTemporary(EISDIR);
        // A read-only file stays as it is, as writing into it would; the rename alone would
        // replace it, even for root.
        if ((existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
            failRemovingTemporary(EACCES);
        // A replaced file keeps its permissions.
        ::fchmod(file.Get(), existing.st_mode & 07777);
    }
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0)
        failRemovingTemporary(errno);
    // Renamed while still locked, so no other save takes it for a leftover in between.
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        failRemovingTemporary(errno);
    // The rename itself lasts once the folder is on disk too; the old file is safe either way.
    const TFileHandle directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Valid())
        ::fsync(directory.Get());
}
