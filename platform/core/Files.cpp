#include "platform/core/Files.h"

#include "platform/core/Exception.h"
#include "platform/core/Text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::vector<std::string> ListEntries(const std::string& folder, bool folders,
                                     std::string_view extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (folders ? !it->is_directory(typeError) : !it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (!folders && !extension.empty() && !SameText(ExtractFileExt(name), extension))
            continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
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

std::string ProgramFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error).string();
    return executable.parent_path().string();
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    fs::create_directories(path, error);
    return DirectoryExists(path);
}

bool CreateDir(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool DeleteFile(const std::string& path) {
    return FileExists(path) && ::unlink(path.c_str()) == 0;
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view extension) {
    return ListEntries(folder, false, extension);
}

std::vector<std::string> ListFolders(const std::string& folder) {
    return ListEntries(folder, true, {});
}

std::string JoinPath(std::string_view a, std::string_view b) {
    if (a.empty())
        return std::string(b);
    if (b.empty())
        return std::string(a);
    while (a.size() > 1 && a.back() == '/')
        a.remove_suffix(1);
    while (!b.empty() && b.front() == '/')
        b.remove_prefix(1);
    std::string result(a);
    if (result.back() != '/')
        result += '/';
    result += b;
    return result;
}

std::string ExtractFileName(std::string_view path) {
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFilePath(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const std::string name = ExtractFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    const size_t nameStart = path.size() - ExtractFileName(path).size();
    const size_t dot = path.rfind('.');
    const size_t stemEnd = dot == std::string_view::npos || dot < nameStart ? path.size() : dot;
    return std::string(path.substr(0, stemEnd)) + std::string(extension);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file || DirectoryExists(path))
        throw EFileError("Cannot open file \"" + path + "\". " +
                         ErrnoText(DirectoryExists(path) ? EISDIR : errno));
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw EFileError("Cannot read file \"" + path + "\". " + ErrnoText(errno));
    return bytes;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    const std::string temporary =
        path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter.fetch_add(1));
    const auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        throw EFileError("Cannot create file \"" + path + "\". " + ErrnoText(error));
    };
    // 0666 lets the user's umask decide, as for any newly created file.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw EFileError("Cannot create file \"" + path + "\". " + ErrnoText(errno));
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            ::close(fd);
            fail(EISDIR);
        }
        // A read-only file stays as it is, as writing into it would; the rename alone would
        // replace it, even for root.
        if ((existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
            ::close(fd);
            fail(EACCES);
        }
        // A replaced file keeps its permissions.
        ::fchmod(fd, existing.st_mode & 07777);
    }
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        fail(error);
    }
    if (::close(fd) != 0)
        fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        fail(errno);
}
