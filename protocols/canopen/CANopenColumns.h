#pragma once

#include "app/tables/TableDescription.h"

#include <vector>

// The columns the CANopen tables share: their colours by meaning, the data-array positions of a
// frame's or object's bytes, and the On Change check box.

inline constexpr TColor CANopen_Object_Color = 0x00FEFAE0;   // identifier, size
inline constexpr TColor CANopen_Position_Color = 0x00F4D6FC; // positions in the data array
inline constexpr TColor CANopen_Timing_Color = 0x00A8FFA8;   // times and sending

// A left-aligned text column.
TTableColumn CANopen_Text_Column(const char* Attribute, int Header_Slot, int Hint_Slot, int Width,
                                 TColor Color = clWhite);

// "Address_B1" .. "Address_B<Count>", headers and hints in ascending slots from the first.
std::vector<TTableColumn> CANopen_Position_Columns(int Count, int First_Header_Slot,
                                                   int First_Hint_Slot, int Width);

// "On_Change": send also when one of the bytes changes.
TTableColumn CANopen_On_Change_Column(int Header_Slot, int Hint_Slot);

// The object addressed by an SDO: "Index", "SubIndex" and its size "NByte", headers and hints
// in ascending slots from the first.
std::vector<TTableColumn> CANopen_Object_Columns(int First_Header_Slot, int First_Hint_Slot,
                                                 int Index_Width, int SubIndex_Width,
                                                 int NByte_Width);

// One table of a CANopen window: its page, grid, rows and file section; the table ends at the
// first blank key in column 1.
TTableGridDescription CANopen_Table(const char* Page_Name, int Page_Caption_Slot,
                                    const char* Grid_Name, int Data_Rows, const char* Section,
                                    std::vector<TTableColumn> Columns);

// A CANopen window of 337 pixels' height: its language slots and file root; a click on a row
// number selects the row.
TTableDescription CANopen_Window(const char* Form_Name, int Client_Width, int Caption_Slot,
                                 int Button_Hint_Slot, int Delete_Question_Slot,
                                 int Error_Prefix_Slot, const char* Root);

// The row number column.
TTableColumn CANopen_Number_Column(int Header_Slot);
