#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The bytes of a whole file, for readers of large files. A large regular file is read straight
// into large memory (LargeMemory.h): a string of its size would first be zeroed and faulted in
// page by page, which for a file of a hundred megabytes costs as much as the reading itself.
// Smaller and special files (pipes, files of the proc file system) go through ReadFileBytes.
class TFileBytes {
public:
    // Throws EFileError naming the file when it cannot be read.
    static TFileBytes Read(const std::string& path);

    std::string_view View() const {
        return FMemory ? std::string_view(static_cast<const char*>(FMemory), FSize)
                       : std::string_view(FSmall);
    }

    TFileBytes(TFileBytes&& other) noexcept;
    TFileBytes& operator=(TFileBytes&& other) noexcept;
    TFileBytes(const TFileBytes&) = delete;
    TFileBytes& operator=(const TFileBytes&) = delete;
    ~TFileBytes();

private:
    TFileBytes() = default;

    std::string FSmall;
    void* FMemory = nullptr; // large memory, when the file went there
    std::size_t FMapped = 0;
    std::size_t FSize = 0;
};
