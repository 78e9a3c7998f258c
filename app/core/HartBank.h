#pragma once

#include "platform/xml/XmlDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The HART bank ("bank2.bin"): a header, one entry per enabled row of "HART_Variables.xml" and
// then the command parameter bytes of all entries. Addresses inside it are device addresses
// counted from the base at which the device loads the bank.

constexpr size_t Hart_Bank_Header_Size = 36;
constexpr size_t Hart_Var_Place_Size = 76;

struct THart_Var_Place {
    uint64_t device_address = 0;
    uint32_t preamble_count = 0;
    uint32_t Var_Type = 0;
    uint32_t variable_number = 0;
    uint32_t variable_transducer_serial_number = 0; // only the low 24 bits are stored
    uint8_t variable_limits = 0;
    float variable_upper_range = 0;
    float variable_lower_range = 0;
    float variable_upper_transducer_limit = 0;
    float variable_lower_transducer_limit = 0;
    float variable_damping_value = 0;
    float variable_minimum_span = 0;
    uint32_t TimeOut = 0;
    uint8_t variable_units = 0;
    uint8_t variable_classification = 0;
    uint8_t variable_family = 0;
    uint8_t variable_properties = 0;
    uint8_t variable_status = 0;
    std::array<uint8_t, 3> spare = {};
    uint32_t params_add = 0;
    std::vector<uint8_t> params; // stored after all entries
    uint32_t params_length = 0;
    uint32_t position = 0;
    uint32_t operation = 0;
};

struct THart_Bank {
    uint32_t var_number = 0;
    uint32_t hart_var_place_add = 0;
    std::vector<THart_Var_Place> hart_var_place;
    uint32_t routing_rules_number = 0;
    uint32_t routing_rules_add = 0;
    uint32_t Hart_type = 1;
    uint64_t address = 0; // the master address
    uint32_t retry_limit = 0;
    uint32_t slave_info_address = 0;
};

void Init_Hart_Bank(THart_Bank& bank);

// Reads the enabled rows of the HART variables file at `path` into `bank`, entries addressed from
// `base`. A missing file, or one without the element "HART" or its section "HART_Variables",
// leaves the bank without entries; a file that is not well-formed XML throws Exception.
void Fill_Hart_Bank(THart_Bank& bank, const std::string& path, uint32_t base);

// Stores the bank little-endian into `buffer` from `position` on and returns the position after
// its last byte. Throws Exception when the bank does not fit in the buffer.
size_t Store_Hart_Bank(const THart_Bank& bank, size_t position, std::vector<uint8_t>& buffer);

// The rows of the section "HART_Variables" under `root` whose attribute Enable is "Y".
int Count_Enabled_Variables(const TXmlNode& root);

// "Var" 0, "Var Burst" 1, any other text 2 (a command).
uint32_t Get_Var_Type_Code(std::string_view type);
// The multiplier bit of "x 10" .. "x 1000000" (8 .. 256); 0 for any other text.
uint32_t Get_Operation_Code(std::string_view operation);
// Byte i is the character pair 2i, 2i+1 of the trimmed text read as hexadecimal (0 for a pair
// that is not); an odd last character is dropped.
std::vector<uint8_t> Hex_To_Bytes(std::string_view text);
