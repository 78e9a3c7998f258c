#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One HART device as the simulated gateway reports it.
struct TSimulatedDevice {
    struct TVariable {
        uint8_t Code = 0;
        uint8_t Classification = 0;
        uint8_t Unit = 0;
    };

    std::array<uint8_t, 5> Address{};
    uint8_t Preamble = 5;
    std::string Name; // up to 32 bytes, padded with blanks in the record
    std::vector<TVariable> Variables;
};

constexpr size_t DeviceRecordSize = 1000;
using TDeviceRecord = std::array<uint8_t, DeviceRecordSize>;

// The record the gateway sends after the "DEV i=" header.
TDeviceRecord DeviceRecordOf(const TSimulatedDevice& device);

// A stand-in for device indexes beyond the configured ones: distinct address and name, one
// primary variable.
TSimulatedDevice GeneratedDevice(int index);
