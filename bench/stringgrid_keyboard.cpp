// Moving the current cell of the string grid with the keyboard (Down and Up, Tab and Shift+Tab,
// each key down and key up through the grid's window procedure), on grids of 10,000 and
// 1,000,000 rows: the cost must not follow the row count, and one move must cost less than one
// repaint of the view, which runs here as the reference on the same grid.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Bitmap.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {
constexpr int ViewWidth = 1920;
constexpr int ViewHeight = 1080;

// Twenty columns with a number down the whole grid; the current cell in the middle.
std::unique_ptr<TExStringGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(20);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(96);
    grid->SetDefaultRowHeight(22);
    grid->SetBounds(0, 0, ViewWidth, ViewHeight);
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    for (int r = 0; r < rows; ++r)
        grid->SetCells(1, r, std::to_string(r));
    for (int r = rows / 2 - 30; r < rows / 2 + 30; ++r)
        for (int c = 2; c < 20; ++c)
            grid->SetCells(c, r, "Var " + std::to_string(c * r));
    grid->FocusCell(5, rows / 2, true);
    return grid;
}

void PressKey(TExStringGrid& grid, WORD key) {
    grid.Perform(WM_KEYDOWN, key);
    grid.Perform(WM_KEYUP, key);
}

// Two moves per iteration, there and back, so the cell stays in the middle of the grid.
void BM_KeyboardMove(benchmark::State& state, WORD there, WORD back, bool shiftBack) {
    auto grid = MakeGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PressKey(*grid, there);
        if (shiftBack) {
            // Shift+Tab as the keyboard layer reads it: Shift held while Tab goes down.
            grid->NavigateFromEditor(true);
        } else {
            PressKey(*grid, back);
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel(std::to_string(state.range(0)) + " rows, row " + std::to_string(grid->Row()));
}

void BM_ArrowDownUp(benchmark::State& state) {
    BM_KeyboardMove(state, VK_DOWN, VK_UP, false);
}
void BM_TabAndBack(benchmark::State& state) {
    BM_KeyboardMove(state, VK_TAB, VK_TAB, true);
}

// The reference: one full repaint of the same view.
void BM_RepaintView(benchmark::State& state) {
    auto grid = MakeGrid(static_cast<int>(state.range(0)));
    TBitmap bitmap(ViewWidth, ViewHeight);
    for (auto _ : state)
        grid->PaintTo(bitmap.Canvas(), 0, 0);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::to_string(state.range(0)) + " rows");
}

void RowCases(benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ArrowDownUp)->Apply(RowCases);
BENCHMARK(BM_TabAndBack)->Apply(RowCases);
BENCHMARK(BM_RepaintView)->Apply(RowCases);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
