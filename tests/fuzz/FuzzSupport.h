#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Shared by the fuzz targets: the input as text, a scratch folder of the process for readers
// that take a file path, and a check that aborts so that libFuzzer keeps the input.

inline std::string_view FuzzText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process, made on first use and kept for the whole run.
const std::string& FuzzFolder();

// Writes `bytes` to `name` in FuzzFolder() and returns the path.
std::string WriteFuzzFile(std::string_view name, std::string_view bytes);

// Removes `name` from FuzzFolder() when present.
void RemoveFuzzFile(std::string_view name);

// Whether `text` is well-formed UTF-8 (no surrogates, no overlong forms, at most U+10FFFF).
bool IsValidUtf8(std::string_view text);

inline bool HasUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

[[noreturn]] void FuzzFail(const char* condition, const char* file, int line,
                           const std::string& detail);

// A property of the code under test that must hold for every input.
#define FUZZ_CHECK(condition) FUZZ_CHECK_MSG(condition, std::string())
#define FUZZ_CHECK_MSG(condition, detail)                                                          \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFail(#condition, __FILE__, __LINE__, (detail));                                    \
    } while (false)
