// Arbitrary bytes as a saved sort state text: loading either throws Exception (a text of one
// character, an index entry whose column is no number) or sorts; either way every row is still
// there once and the grid is unlocked. A state the grid saves loads back to the same text.
// Links grid_stringgrid (with grid_foundation, platform_ui and platform_core under it).
#include "FuzzSupport.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 12;
constexpr int Cols = 5;

// The grid as every input finds it: the same cells, no sort state.
void Fill(TExStringGrid& grid) {
    static const TSortSettings fresh(nullptr);
    grid.SortSettings()->Assign(&fresh);
    grid.SortSettings()->Remove();
    grid.SetColCount(Cols);
    grid.SetRowCount(Rows);
    const char* words[] = {"b", "10", "", "a", "9", "1/2/2020", "x", "10:30", "-3", "B"};
    for (int r = 1; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid.SetCells(c, r, words[(r * 7 + c * 3) % 10]);
    for (int r = 1; r < Rows; ++r)
        grid.SetCells(0, r, std::to_string(r));
}

std::vector<std::string> RowNumbers(const TExStringGrid& grid) {
    std::vector<std::string> numbers;
    for (int r = 1; r < grid.RowCount(); ++r)
        numbers.push_back(grid.GetGridCell(0, r));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
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
    if (Size > 4096)
        return 0;

    // Built once (a grid takes longer to make than an input takes to check) and never freed:
    // at exit the window layer is gone before static objects are.
    static TExStringGrid& grid = *new TExStringGrid(nullptr);
    static TExStringGrid& copy = *new TExStringGrid(nullptr);
    Fill(grid);
    const std::vector<std::string> before = RowNumbers(grid);
    try {
        grid.SortSettings()->LoadFromString(FuzzText(Data, Size));
    } catch (const Exception&) {
    }
    FUZZ_CHECK(grid.RowCount() == Rows && grid.ColCount() == Cols);
    FUZZ_CHECK(grid.UpdateCount() == 0);
    FUZZ_CHECK(RowNumbers(grid) == before);

    const std::string saved = grid.SortSettings()->SaveToString();
    Fill(copy);
    try {
        copy.SortSettings()->LoadFromString(saved);
    } catch (const Exception&) {
    }
    FUZZ_CHECK_MSG(copy.SortSettings()->SaveToString() == saved, saved);
    return 0;
}
