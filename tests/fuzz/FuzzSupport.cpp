#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

const std::string& FuzzFolder() {
    static const std::string folder = [] {
        // The writers sync every file they replace: in memory that costs nothing, on a disk it
        // would bound the run by the disk.
        const std::filesystem::path base = ::access("/dev/shm", W_OK) == 0
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "velmaro-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        // Each process cleans up after itself, also when libFuzzer ends it through exit().
        static const std::string made = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return pattern;
    }();
    return folder;
}

std::string WriteFuzzFile(std::string_view name, std::string_view bytes) {
    std::string path = FuzzFolder() + "/" + std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
    return path;
}

void RemoveFuzzFile(std::string_view name) {
    std::error_code ignored;
    std::filesystem::remove(FuzzFolder() + "/" + std::string(name), ignored);
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void FuzzFail(const char* condition, const char* file, int line, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}
