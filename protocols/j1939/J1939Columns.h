#pragma once

#include "app/tables/TableDescription.h"

// What the J1939 receive and transmit tables share.

// The size of the gateway's data array that the tables' bytes fill, in each direction.
inline constexpr int J1939_Num_Byte = 1440;
inline constexpr int J1939_Data_Rows = 512;

// The parts of both tables' descriptions that only the slots tell apart: 512 rows of 11
// columns, a click on a row number selects the row, and the PGN key that may not be blank.
TTableDescription J1939_Table(int Caption_Slot, int Key_Col);

TTableColumn J1939_Data_Page_Column(int Header_Slot, int Hint_Slot);
TTableColumn J1939_Text_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                               TColor Color);
TTableColumn J1939_Check_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                                TColor Color);
