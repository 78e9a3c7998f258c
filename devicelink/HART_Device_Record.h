#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The record of one HART device as the gateway sends it after the "DEV i=" header of a read
// reply. Only the fields below carry meaning for the configurator.
constexpr size_t HART_Device_Record_Size = 1000;
using THART_Device_Record = std::array<uint8_t, HART_Device_Record_Size>;

struct THART_Device_Variable {
    uint8_t Code = 0;
    uint8_t Classification = 0;
    uint8_t Unit = 0;
};

// "0x" and the five address bytes (offsets 1, 2, 9, 10, 11) as ten upper-case hex digits.
std::string HART_Device_Address(const THART_Device_Record& record);

// The preamble count at offset 3.
int HART_Device_Preamble(const THART_Device_Record& record);

// The 32 name bytes from offset 61, each byte taken as the character of that code, as UTF-8.
// Control characters, NUL included, become blanks: the name goes into table files, where XML
// allows none of them. Nothing is trimmed.
std::string HART_Device_Name(const THART_Device_Record& record);

// The variable entries: as many as the signed little-endian count at offset 115 says, but only
// those that lie inside the record (293 at most); none for a count of 0 or less.
std::vector<THART_Device_Variable> HART_Device_Variables(const THART_Device_Record& record);
