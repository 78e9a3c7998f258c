#include "devicelink/HART_Device_Record.h"

#include "platform/core/IntegerConversion.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace {
constexpr size_t Name_Offset = 61;
constexpr size_t Name_Size = 32;
constexpr size_t Variable_Count_Offset = 115;
constexpr size_t First_Variable_Offset = 119;
constexpr size_t Max_Variables = (HART_Device_Record_Size - First_Variable_Offset) / 3;

bool Is_Control_Character(uint8_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

} // namespace

std::string HART_Device_Address(const THART_Device_Record& record) {
    std::string address = "0x";
    for (size_t offset : {1, 2, 9, 10, 11})
        address += IntToHex(record[offset], 2);
    return address;
}

int HART_Device_Preamble(const THART_Device_Record& record) {
    return record[3];
}

std::string HART_Device_Name(const THART_Device_Record& record) {
    std::string name;
    for (size_t i = 0; i < Name_Size; ++i) {
        const uint8_t code = record[Name_Offset + i];
        AppendUtf8(name, Is_Control_Character(code) ? U' ' : char32_t(code));
    }
    return name;
}

std::vector<THART_Device_Variable> HART_Device_Variables(const THART_Device_Record& record) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(record[Variable_Count_Offset + i]) << (8 * i);
    const auto count = static_cast<int32_t>(bits);
    std::vector<THART_Device_Variable> variables;
    if (count <= 0)
        return variables;
    const size_t listed = std::min(static_cast<size_t>(count), Max_Variables);
    for (size_t k = 0; k < listed; ++k) {
        const size_t offset = First_Variable_Offset + 3 * k;
        variables.push_back({record[offset], record[offset + 1], record[offset + 2]});
    }
    return variables;
}
