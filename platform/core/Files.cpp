#include "platform/core/Files.h"

#include "platform/core/Exception.h"
#include "platform/core/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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
    // One read of the size the file has; whatever a growing or special file adds after that
    // (its size may read as 0) follows through the stream.
    std::string bytes;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        file.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(file.gcount()));
        file.clear(file.rdstate() & ~(std::ios::eofbit | std::ios::failbit));
    }
    bytes.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad())
        throw EFileError("Cannot read file \"" + path + "\". " + ErrnoText(errno));
    return bytes;
}
