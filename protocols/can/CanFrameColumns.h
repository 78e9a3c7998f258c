#pragma once

#include "app/tables/TableDescription.h"

#include <string>
#include <vector>

// What the CAN receive and transmit tables share: the frame's identifier, type and length, and
// the data-byte positions.

// The size of the gateway's data array that byte positions point into.
inline constexpr int Can_Max_Byte = 1440;
inline constexpr int Can_Data_Rows = 512;
inline constexpr const char* Can_Type_11_Bits = "2.0A (11 bits)";
inline constexpr const char* Can_Type_29_Bits = "2.0B (29 bits)";

// "None", then every position "0" .. Max_Byte - 1.
std::vector<std::string> Can_Byte_Positions(int Max_Byte = Can_Max_Byte);

// The columns CobID, Type, Dimension, and Byte1 .. Byte8 with their header and hint slots (the
// bytes' slots ascending from the first given).
TTableColumn Can_CobID_Column(int Header_Slot, int Hint_Slot);
TTableColumn Can_Type_Column(int Header_Slot, int Hint_Slot);
TTableColumn Can_Dimension_Column(int Header_Slot, int Hint_Slot);
std::vector<TTableColumn> Can_Byte_Columns(int First_Header_Slot, int First_Hint_Slot);
TTableColumn Enable_Column(int Header_Slot, int Hint_Slot);
