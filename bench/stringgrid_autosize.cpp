// Sizing a column of a long string grid to its texts, against the same texts measured straight
// from a std::vector<std::string> with one canvas font (no per-cell font, margins or hooks), in
// one program: the reference is the least any column sizing must do.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string CellText(int row) {
    return "Item " + std::to_string(row) + std::string(static_cast<size_t>(row % 13), 'x');
}

void BM_MeasureColumnReference(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        texts.push_back(CellText(r));
    TExStringGrid grid(nullptr);
    TCanvas* canvas = grid.Canvas();
    canvas->Font()->Assign(*grid.Font());
    for (auto _ : state) {
        int widest = 0;
        for (const std::string& text : texts)
            widest = std::max(widest, canvas->TextWidth(text));
        benchmark::DoNotOptimize(widest);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_MeasureColumnReference)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_AutoSizeColStringGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TExStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        grid.SetCells(1, r, CellText(r));
    for (auto _ : state) {
        grid.SetColWidths(1, 10);
        grid.AutoSizeCol(1);
        benchmark::DoNotOptimize(grid.ColWidths(1));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_AutoSizeColStringGrid)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
