// Arbitrary bytes as a column settings stream: a load either throws EReadError or leaves one item
// per column; what a load accepted saves to an image that loads back to the same image.
// Links grid_stringgrid (with grid_foundation, platform_ui and platform_core under it).
#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/ui/Application.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
    if (Size > 65536)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(Data), Size);

    TExColumnGrid grid(nullptr);
    grid.SetColCount(4);
    size_t position = 0;
    try {
        grid.LoadColumnsFromStream(input, position);
    } catch (const EReadError&) {
        if (grid.Columns()->Count() != grid.TotalColCount())
            std::abort();
        return 0;
    }
    if (position > Size || grid.Columns()->Count() != grid.TotalColCount())
        std::abort();

    std::string saved;
    grid.SaveColumnsToStream(saved);
    TExColumnGrid copy(nullptr);
    copy.SetColCount(4);
    copy.LoadColumnsFromStream(saved);
    std::string savedAgain;
    copy.SaveColumnsToStream(savedAgain);
    if (savedAgain != saved)
        std::abort();
    return 0;
}
