// The settings file "Velmaro.xml": read at start, written at close, read again at the next start.
#include "FuzzSupport.h"

#include "app/core/AppState.h"
#include "app/core/SettingsFile.h"
#include "platform/core/Exception.h"

#include <tuple>

namespace {

auto Settings_Values(const TAppState& state) {
    return std::make_tuple(state.Project_Name, state.Last_IP_Address, state.Language_Name,
                           state.Enable_Internet, state.Enable_Update,
                           state.Enable_Jump_Field_Tables, state.Double_Click_Auto_Size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TAppState& state = AppState();
    state.Exe_Dir = FuzzFolder();
    WriteFuzzFile("Velmaro.xml", FuzzText(data, size));
    // A damaged file must not stop the program: it reads as defaults.
    Load_Settings();
    const auto first = Settings_Values(state);
    Save_Setting();
    Load_Settings();
    FUZZ_CHECK_MSG(Settings_Values(state) == first, "the saved settings read back differently");
    return 0;
}
