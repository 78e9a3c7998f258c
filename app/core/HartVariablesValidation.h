#pragma once

#include "app/core/HartVariablesFile.h"

#include <string>
#include <vector>

// The size of the gateway's data area that positions point into.
inline constexpr int Hart_Num_Byte_Max = 1440;

// The outcome of the checks that run before "HART_Variables.xml" is written.
struct THartVariablesCheck {
    bool Passed = true;
    // For a failure: the table row (from 1), the language slot of the check's text and the whole
    // message ("Error row " + row + the check's text).
    int Row = 0;
    int Lang_Index = 0;
    std::string Message;
};

// Checks the enabled rows that have an address, in table order, and returns the first failure.
// Rows with a blank address or Enable unticked are skipped (and may hold anything).
THartVariablesCheck Check_Hart_Variables(const std::vector<THartVariableRow>& rows,
                                         int Num_Byte_Max = Hart_Num_Byte_Max);
