// A full repaint of a 1920 x 1080 view of the base grid: its cost follows the visible cells, so
// a grid of 10,000 rows and one of 1,000,000 rows must cost the same.
#include "grid/foundation/BaseGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
void StartPlatform() {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        // The platform must go before the program's static objects do.
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
}

std::unique_ptr<TBaseGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(20);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(96);
    grid->SetDefaultRowHeight(22);
    grid->SetBounds(0, 0, 1920, 1080);
    for (int r = 0; r < rows; ++r)
        grid->SetCells(1, r, std::to_string(r)); // one filled column down the whole grid
    grid->MergeCells(3, rows / 2, 2, 2);
    grid->SetTopRow(rows / 2);
    return grid;
}

void BM_RepaintFullView(benchmark::State& state) {
    StartPlatform();
    auto grid = MakeGrid(static_cast<int>(state.range(0)));
    TBitmap bitmap(1920, 1080);
    for (auto _ : state)
        grid->PaintTo(bitmap.Canvas(), 0, 0);
    state.SetLabel(std::to_string(state.range(0)) + " rows");
}
BENCHMARK(BM_RepaintFullView)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
} // namespace
