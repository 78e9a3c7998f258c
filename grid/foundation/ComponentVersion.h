#pragma once

#include <cstdint>
#include <string>

// A component's version number as its Version property shows it: the four bytes, most
// significant first, joined by dots (0x01020000 is "1.2.0.0").
inline std::string ComponentVersionText(uint32_t version) {
    return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
           std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}
