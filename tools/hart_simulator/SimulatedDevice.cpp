#include "tools/hart_simulator/SimulatedDevice.h"

#include <algorithm>

namespace {
constexpr size_t AddressHighOffset = 1;
constexpr size_t PreambleOffset = 3;
constexpr size_t AddressLowOffset = 9;
constexpr size_t NameOffset = 61;
constexpr size_t NameSize = 32;
constexpr size_t VariableCountOffset = 115;
constexpr size_t FirstVariableOffset = 119;
constexpr size_t MaxVariables = (DeviceRecordSize - FirstVariableOffset) / 3;
} // namespace

TDeviceRecord DeviceRecordOf(const TSimulatedDevice& device) {
    TDeviceRecord record{};
    record[AddressHighOffset] = device.Address[0];
    record[AddressHighOffset + 1] = device.Address[1];
    record[PreambleOffset] = device.Preamble;
    std::copy(device.Address.begin() + 2, device.Address.end(), record.begin() + AddressLowOffset);
    std::fill_n(record.begin() + NameOffset, NameSize, uint8_t(' '));
    std::copy_n(device.Name.begin(), std::min(device.Name.size(), NameSize),
                record.begin() + NameOffset);
    const size_t count = std::min(device.Variables.size(), MaxVariables);
    for (size_t i = 0; i < 4; ++i)
        record[VariableCountOffset + i] = static_cast<uint8_t>(count >> (8 * i));
    for (size_t k = 0; k < count; ++k) {
        const auto& variable = device.Variables[k];
        record[FirstVariableOffset + 3 * k] = variable.Code;
        record[FirstVariableOffset + 3 * k + 1] = variable.Classification;
        record[FirstVariableOffset + 3 * k + 2] = variable.Unit;
    }
    return record;
}

TSimulatedDevice GeneratedDevice(int index) {
    TSimulatedDevice device;
    device.Address = {0x26, 0x0A, static_cast<uint8_t>(index >> 16),
                      static_cast<uint8_t>(index >> 8), static_cast<uint8_t>(index)};
    device.Name = "SIM DEVICE " + std::to_string(index);
    device.Variables = {{246, 64, 32}};
    return device;
}
