#include "platform/core/FileBytes.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/LargeMemory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// Below this a string is as fast, and saves a mapping.
constexpr off_t LargeFile = off_t(4) << 20;

// Closes the descriptor on every way out.
struct TDescriptor {
    int Handle;
    ~TDescriptor() {
        if (Handle >= 0)
            close(Handle);
    }
};

// Reads until `buffer` is full or the file ends; the count read, or -1 with errno set.
ssize_t ReadAll(int handle, char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = read(handle, buffer + done, size - done);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

TFileBytes TFileBytes::Read(const std::string& path) {
    TFileBytes bytes;
    const TDescriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat status {};
    if (file.Handle < 0 || fstat(file.Handle, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size < LargeFile) {
        bytes.FSmall = ReadFileBytes(path); // also the one place that words the errors
        return bytes;
    }
    // Room for a few more bytes than the file had: a file that grew meanwhile is seen growing
    // and read the ordinary way.
    std::size_t mapped = static_cast<std::size_t>(status.st_size) + 1;
    void* memory = LargeMemory::Map(mapped);
    if (!memory) {
        bytes.FSmall = ReadFileBytes(path);
        return bytes;
    }
    bytes.FMemory = memory;
    bytes.FMapped = mapped;
    const ssize_t got = ReadAll(file.Handle, static_cast<char*>(memory), mapped);
    if (got < 0) {
        const int error = errno; // before anything else may change it
        throw EFileError("Cannot read file \"" + path + "\". " + std::strerror(error));
    }
    if (static_cast<std::size_t>(got) == mapped) {
        LargeMemory::Unmap(std::exchange(bytes.FMemory, nullptr), mapped);
        bytes.FSmall = ReadFileBytes(path);
        return bytes;
    }
    bytes.FSize = static_cast<std::size_t>(got);
    return bytes;
}

TFileBytes::TFileBytes(TFileBytes&& other) noexcept
    : FSmall(std::move(other.FSmall)), FMemory(std::exchange(other.FMemory, nullptr)),
      FMapped(std::exchange(other.FMapped, 0)), FSize(std::exchange(other.FSize, 0)) {}

TFileBytes& TFileBytes::operator=(TFileBytes&& other) noexcept {
    if (this != &other) {
        LargeMemory::Unmap(FMemory, FMapped);
        FSmall = std::move(other.FSmall);
        FMemory = std::exchange(other.FMemory, nullptr);
        FMapped = std::exchange(other.FMapped, 0);
        FSize = std::exchange(other.FSize, 0);
    }
    return *this;
}

TFileBytes::~TFileBytes() {
    LargeMemory::Unmap(FMemory, FMapped);
}
