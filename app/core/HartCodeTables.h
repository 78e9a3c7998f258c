#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Names of the HART device variable codes, classifications and engineering units. A code that a
// table does not know is named by its decimal text.

// Known is false for a code outside the device variable table.
void HART_Var_Code_Name(uint8_t Code, bool& Known, std::string& Name);
// The code of a name of that table (exact match, case included); otherwise Name read as an
// integer, or 0 when it is not one.
int HART_Var_Code_From_Name(std::string_view Name);
void HART_Classification_Name(uint8_t Code, std::string& Name);
void HART_Unit_Name(uint8_t Code, std::string& Name);
