#pragma once

#include "app/core/HartCodeTables.h"
#include "platform/core/StringList.h"

#include <memory>
#include <string>
#include <string_view>

// Routines that several windows share. The row operations of the table windows live with the
// grid-aware part of this unit.

// 1 for "SECONDARY MASTER" (trimmed, any case), else 0: the item of the master-address list.
int Get_Master_Index(std::string_view Text);
// "3", "4", "5" (trimmed) give 1, 2, 3; anything else 0: the item of the retry-limit list.
int Get_Retry_Index(std::string_view Text);

// Splits a dotted IPv4 address into its four trimmed parts. False when the text has fewer than
// three dots (the parts found so far stay set) or a part is not a number from 0 to 255.
bool Split_IP(std::string_view IP, std::string& P1, std::string& P2, std::string& P3,
              std::string& P4);

// Serial ports are numbered as on the original platform: COM1..COM64 are ttyS0..ttyS63,
// COM65..COM128 ttyUSB0..ttyUSB63, COM129..COM192 ttyACM0..ttyACM63. Empty for any other number.
std::string COM_Port_Device(int Number, std::string_view Device_Folder = "/dev");

// The numbers of the serial ports that exist, as decimal texts in ascending order. A port held
// by another program counts as present.
std::unique_ptr<TStringList> List_COM_Ports(std::string_view Device_Folder = "/dev");
