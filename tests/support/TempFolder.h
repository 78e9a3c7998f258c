#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

// A fresh folder for one test under the system's temporary folder, removed with everything in
// it (permissions a test took away are given back first).
class TTempFolder {
public:
    TTempFolder() {
        static std::atomic<unsigned> counter{0};
        FPath =
            std::filesystem::temp_directory_path() / ("velmaro_test_" + std::to_string(::getpid()) +
                                                      "_" + std::to_string(counter.fetch_add(1)));
        std::filesystem::create_directories(FPath);
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(FPath, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string Path() const { return FPath.string(); }
    std::string File(std::string_view name) const { return (FPath / name).string(); }

    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = File(name);
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path FPath;
};
