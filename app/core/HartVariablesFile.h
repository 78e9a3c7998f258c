#pragma once

#include <string>
#include <vector>

// One row of the HART variables table as "HART_Variables.xml" stores it (root "HART", section
// "HART_Variables"). Texts are kept as typed; a missing attribute reads as the default below.
struct THartVariableRow {
    bool Enable = true;
    std::string Device_Address;
    std::string Preamble_Count;
    std::string Var_Cmd_Type = "Var";
    std::string Var_Cmd_Number;
    std::string Cmd_Params;
    std::string Position;
    bool Swap = true;
    bool ConvInt = true;
    std::string Var_Operation = "None";
    std::string TimeOut;
    std::string Mnemonic;

    bool operator==(const THartVariableRow&) const = default;
};

inline constexpr int Hart_Variables_Max_Rows = 100;
inline constexpr const char* Hart_Variables_Root = "HART";
inline constexpr const char* Hart_Variables_Section = "HART_Variables";

// The rows of the file in document order, at most Max_Rows (a reader that must tell a file longer
// than the table asks for one row more). A check box is unticked only by "N". No file, or a file
// without the section, gives no rows; a file that is not well-formed XML throws Exception naming
// the file.
std::vector<THartVariableRow> Read_Hart_Variables_File(const std::string& path,
                                                       size_t Max_Rows = Hart_Variables_Max_Rows);

// Rewrites the whole file with every row whose Device_Address is not empty after trimming, in
// order: a row left without an address is skipped, the rows below it are kept. Throws EFileError
// naming the file.
void Write_Hart_Variables_File(const std::string& path, const std::vector<THartVariableRow>& rows);
