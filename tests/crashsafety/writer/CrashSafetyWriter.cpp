// The child of the crash-safety test: saves the settings, the general parameters, the HART
// variables and the two banks of one configuration through the functions the program uses,
// alternating two versions of their contents.
//
//   crash_safety_writer FOLDER VERSION   saves that version (0 or 1) once and exits
//   crash_safety_writer FOLDER loop      saves both versions in turn until killed; writes one
//                                        byte to standard output after the first whole round
#include "app/core/AppState.h"
#include "app/core/HartVariablesFile.h"
#include "app/core/ParGenFile.h"
#include "app/core/SettingsFile.h"
#include "app/core/USaveBincc.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The two versions differ in every file, and in their lengths.
void Save_Version(int version) {
    TAppState& state = AppState();
    state.Last_IP_Address = version == 0 ? "192.168.2.205" : "10.1.2.3";
    state.Language_Name = version == 0 ? "English" : "Italiano";
    state.Enable_Update = version == 1;
    Save_Setting();

    TParGenValues values;
    values.HART_Master_Retry_Limit = version == 0 ? 1 : 3;
    values.Ethernet_IP = version == 0 ? std::array<std::string, 4>{"192", "168", "0", "10"}
                                      : std::array<std::string, 4>{"10", "20", "30", "40"};
    values.PROFINET_NB_IN = version == 0 ? "244" : "16";
    values.Web_Pages_User = version == 0 ? "admin" : "operator on the second shift";
    Write_ParGen_File(state.ParGen_File, values);

    std::vector<THartVariableRow> rows;
    const int row_count = version == 0 ? 3 : 40;
    for (int i = 0; i < row_count; ++i) {
        THartVariableRow& row = rows.emplace_back();
        row.Device_Address = "0x" + std::to_string(1000 + i + version);
        row.Preamble_Count = "5";
        row.Var_Cmd_Number = std::to_string(i % 4);
        row.Cmd_Params = version == 0 ? "" : "0A0B0C";
        row.Position = std::to_string(4 * i);
        row.TimeOut = "1000";
        row.Mnemonic = "TT-" + std::to_string(i);
    }
    Write_Hart_Variables_File(state.HART_Variables_File, rows);

    TBankBuilder builder;
    builder.Build_Banks();
    builder.Write_Bank_Files();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: crash_safety_writer FOLDER 0|1|loop\n");
        return 2;
    }
    const std::string mode = argv[2];
    try {
        Set_Program_Folders(argv[1]);
        Select_Project("Plant");
        ForceDirectories(AppState().Project_Path);
        if (mode != "loop") {
            Save_Version(mode == "1" ? 1 : 0);
            return 0;
        }
        for (long round = 0;; ++round) {
            Save_Version(static_cast<int>(round % 2));
            if (round == 1 && ::write(STDOUT_FILENO, "r", 1) != 1)
                return 1;
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "save failed: %s\n", error.Message.c_str());
        return 1;
    }
}
