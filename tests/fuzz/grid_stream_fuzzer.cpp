// Arbitrary bytes as a binary grid stream: a load either throws EReadError and leaves the grid
// as it was, or places its cells; a grid that loaded saves and loads again.
// Links grid_stringgrid (with grid_foundation, platform_ui and platform_core under it).
#include "FuzzSupport.h"

#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
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
    if (Size > 65536)
        return 0;
    const std::string_view input = FuzzText(Data, Size);

    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(2, 2, "sentinel");
    try {
        grid.LoadAtPointFromBinStream(TPoint{1, 1}, input);
    } catch (const EReadError&) {
        Check(grid.ColCount() == 3 && grid.RowCount() == 3 && grid.Cells(2, 2) == "sentinel");
        return 0;
    }
    // Saving a grid of millions of empty cells proves nothing more than a small one.
    if (int64_t{grid.ColCount()} * grid.RowCount() > 4096)
        return 0;
    std::string saved;
    grid.SaveToBinStream(saved);
    TExStringGrid copy(nullptr);
    copy.LoadFromBinStream(saved);
    Check(copy.ColCount() == grid.ColCount() && copy.RowCount() == grid.RowCount());
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            Check(copy.Cells(c, r) == grid.Cells(c, r));
    return 0;
}
