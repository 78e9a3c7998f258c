// Arbitrary bytes as a visual properties text, and as an INI text holding print settings. Either
// reader refuses the input and changes nothing, or takes it; what it took writes back to a text
// that reads again to the same settings. Links grid_stringgrid.
#include "FuzzSupport.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/PrintSettingsIni.h"
#include "platform/core/Exception.h"
#include "platform/core/IniFile.h"
#include "platform/ui/Application.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string PrintSettingsText(const TPrintSettings& Settings) {
    TIniFile ini("");
    WritePrintSettings(Settings, ini, "Print");
    return ini.Text();
}

// Two grids built once (a grid takes longer to make than an input takes to check) and never
// freed (at exit the window layer is gone before static objects are), each given back the look
// of a new grid before every input.
TExStringGrid& FreshGrid(int Which) {
    static TExStringGrid& first = *new TExStringGrid(nullptr);
    static TExStringGrid& second = *new TExStringGrid(nullptr);
    static const std::string fresh = first.VisualPropsText();
    TExStringGrid& grid = Which == 0 ? first : second;
    grid.ApplyVisualPropsText(fresh);
    FUZZ_CHECK_MSG(grid.VisualPropsText() == fresh, grid.VisualPropsText());
    return grid;
}

void CheckVisualProps(std::string_view Text) {
    TExStringGrid& grid = FreshGrid(0);
    const std::string before = grid.VisualPropsText();
    try {
        grid.ApplyVisualPropsText(Text);
    } catch (const Exception&) {
        FUZZ_CHECK(grid.VisualPropsText() == before);
        return;
    }
    FUZZ_CHECK(grid.UpdateCount() == 0);
    const std::string saved = grid.VisualPropsText();
    TExStringGrid& copy = FreshGrid(1);
    copy.ApplyVisualPropsText(saved);
    FUZZ_CHECK_MSG(copy.VisualPropsText() == saved, saved);
}

void CheckPrintSettings(std::string_view Text) {
    TIniFile ini("");
    ini.SetText(Text);
    TPrintSettings settings;
    const std::string before = PrintSettingsText(settings);
    std::string why;
    if (!ReadPrintSettings(ini, "Print", settings, why)) {
        FUZZ_CHECK(!why.empty());
        FUZZ_CHECK(PrintSettingsText(settings) == before);
        return;
    }
    const std::string saved = PrintSettingsText(settings);
    TIniFile again("");
    again.SetText(saved);
    TPrintSettings copy;
    FUZZ_CHECK_MSG(ReadPrintSettings(again, "Print", copy, why), why);
    FUZZ_CHECK_MSG(PrintSettingsText(copy) == saved, saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
    if (Size > 8192)
        return 0;
    CheckVisualProps(FuzzText(Data, Size));
    CheckPrintSettings(FuzzText(Data, Size));
    return 0;
}
