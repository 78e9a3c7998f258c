// A full repaint of a 1920 x 1080 view of the string grid against the same view of the base grid,
// at the top and scrolled to the middle: the cost follows the visible cells, so a grid of 10,000
// rows and one of 1,000,000 rows must cost the same, and the string grid's cell drawing must
// stay close to the base grid's.
#include "PlatformBenchmarkMain.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
constexpr int ViewWidth = 1920;
constexpr int ViewHeight = 1080;

// Twenty columns with one column of numbers down the whole grid, a short text in every visible
// cell of the view and one merged area at the middle.
template <typename Grid> std::unique_ptr<Grid> MakeGrid(int rows, bool middle) {
    auto grid = std::make_unique<Grid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(20);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(96);
    grid->SetDefaultRowHeight(22);
    grid->SetBounds(0, 0, ViewWidth, ViewHeight);
    for (int r = 0; r < rows; ++r)
        grid->SetCells(1, r, std::to_string(r));
    const int top = middle ? rows / 2 : 1;
    for (int r = top; r < top + 60 && r < rows; ++r)
        for (int c = 2; c < 20; ++c)
            grid->SetCells(c, r, "Var " + std::to_string(c * r));
    grid->MergeCells(3, rows / 2, 2, 2);
    grid->SetTopRow(top);
    return grid;
}

template <typename Grid>
void RepaintFullView(benchmark::State& state, void (*arrange)(Grid&) = nullptr) {
    const int rows = static_cast<int>(state.range(0));
    const bool middle = state.range(1) != 0;
    auto grid = MakeGrid<Grid>(rows, middle);
    if (arrange)
        arrange(*grid);
    TBitmap bitmap(ViewWidth, ViewHeight);
    for (auto _ : state)
        grid->PaintTo(bitmap.Canvas(), 0, 0);
    state.SetLabel(std::to_string(rows) + " rows, " + (middle ? "middle" : "top"));
}

void BM_BaseGridRepaint(benchmark::State& state) {
    RepaintFullView<TBaseGrid>(state);
}
// In the plain look, whose headers are plain fills as the base grid's are.
void BM_StringGridRepaint(benchmark::State& state) {
    RepaintFullView<TExStringGrid>(state, [](TExStringGrid& grid) { grid.SetLook(glStandard); });
}
// In the default look, whose headers are gradients.
void BM_StringGridRepaintDefaultLook(benchmark::State& state) {
    RepaintFullView<TExStringGrid>(state);
}

void ViewCases(benchmark::internal::Benchmark* b) {
    for (int rows : {10'000, 1'000'000})
        for (int middle : {0, 1})
            b->Args({rows, middle});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_BaseGridRepaint)->Apply(ViewCases);
BENCHMARK(BM_StringGridRepaint)->Apply(ViewCases);
BENCHMARK(BM_StringGridRepaintDefaultLook)->Apply(ViewCases);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
