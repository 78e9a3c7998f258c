// Arbitrary bytes as a text grid file, a text grid stream and a fixed-width file. Input: one
// byte choosing the reader, then the content. A failed load leaves the grid as it was; a loaded
// text grid file saves and loads back to the same cells.
// Links grid_stringgrid (with grid_foundation, platform_ui and platform_core under it).
#include "FuzzSupport.h"

#include "grid/foundation/IntList.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/TextGridLines.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Grids of millions of rows are refused or allocated, both proven on small sizes.
bool ClaimsHugeGrid(std::string_view content) {
    const size_t end = std::min(content.find_first_of("\r\n"), content.size());
    const std::string_view size = content.substr(0, end);
    const size_t comma = size.find(',');
    return LeadingInteger(size.substr(0, comma)) > 512 ||
           (comma != std::string_view::npos && LeadingInteger(size.substr(comma + 1)) > 512);
}

bool SameCells(TExStringGrid& a, TExStringGrid& b) {
    if (a.ColCount() != b.ColCount() || a.RowCount() != b.RowCount())
        return false;
    for (int r = 0; r < a.RowCount(); ++r)
        for (int c = 0; c < a.ColCount(); ++c)
            if (a.Cells(c, r) != b.Cells(c, r))
                return false;
    return true;
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
    if (Size < 1 || Size > 16384)
        return 0;
    const std::string_view content = FuzzText(Data + 1, Size - 1);
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(2, 2, "sentinel");
    auto unchanged = [&grid] {
        return grid.ColCount() == 3 && grid.RowCount() == 3 && grid.Cells(2, 2) == "sentinel";
    };
    switch (Data[0] % 3) {
    case 0: {
        if (ClaimsHugeGrid(content))
            return 0;
        const std::string file = WriteFuzzFile("grid.txt", content);
        try {
            grid.LoadFromFile(file);
        } catch (const ROvoVariRodev&) {
            Check(unchanged());
            return 0;
        }
        grid.SaveToFile(file, true);
        TExStringGrid copy(nullptr);
        copy.LoadFromFile(file);
        Check(SameCells(copy, grid));
        break;
    }
    case 1: {
        // The stream is UTF-16: the size line is checked on its low bytes only.
        std::string narrow;
        for (size_t i = 0; i < content.size(); i += 2)
            narrow += content[i];
        if (ClaimsHugeGrid(narrow))
            return 0;
        size_t position = 0;
        try {
            grid.LoadFromStream(content, position);
        } catch (const Exception&) {
            Check(unchanged() && position == 0);
            return 0;
        }
        Check(position <= content.size());
        break;
    }
    default: {
        const std::string file = WriteFuzzFile("fixed.txt", content);
        TIntList positions(0, 0);
        for (int start : {1, 4, 9, 30})
            positions.Add(start);
        grid.LoadFromFixed(file, &positions, (Size & 1) != 0, static_cast<int>(Size % 5) - 1);
        Check(grid.ColCount() == grid.FixedCols() + 3);
        break;
    }
    }
    return 0;
}
