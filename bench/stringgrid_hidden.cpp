// Hiding and showing rows through the string grid against the bare row store over a base grid
// of the same cells, in one program: what the grid adds around the store (its row-count
// follow-ups, the cell controls, the properties learning their moved cells).
#include "PlatformBenchmarkMain.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/IntList.h"
#include "grid/stringgrid/BaseGridRowMover.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "platform/ui/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int Rows = 1'000'000;
constexpr int Columns = 4;
// Every 100th row is hidden, spread over the whole grid, as a filter does.
constexpr int Spread = 100;

// Cells "Var n"; with `withProperties`, one cell in every Spread rows has properties.
template <typename Grid> std::unique_ptr<Grid> MakeGrid(bool withProperties) {
    auto grid = std::make_unique<Grid>(nullptr);
    grid->SetColCount(Columns);
    grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            std::string text = "Var ";
            text += std::to_string(r * Columns + c);
            grid->SetGridCell(c, r, text);
        }
        if (withProperties && r % Spread == 7)
            grid->CellProperties(2, r);
    }
    return grid;
}

std::vector<int> SpreadRows() {
    std::vector<int> rows;
    for (int r = 50; r < Rows; r += Spread)
        rows.push_back(r);
    return rows;
}

void BM_HideAndShowSpreadRows_BaseGridStore(benchmark::State& state) {
    auto grid = MakeGrid<TBaseGrid>(state.range(0) != 0);
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);
    const std::vector<int> rows = SpreadRows();
    for (auto _ : state) {
        store.HideRowList(rows);
        store.UnHideRowList();
        store.SetFilterLevel(0);
    }
    state.counters["rows_per_call"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_HideAndShowSpreadRows_BaseGridStore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HideAndShowSpreadRows_StringGrid(benchmark::State& state) {
    auto grid = MakeGrid<TExStringGrid>(state.range(0) != 0);
    TIntList rows(0, 0);
    for (int row : SpreadRows())
        rows.Add(row);
    for (auto _ : state) {
        grid->HideRowList(rows);
        grid->UnHideRowList();
        grid->SetFilterLevel(0);
    }
    state.counters["rows_per_call"] = rows.Count();
}
BENCHMARK(BM_HideAndShowSpreadRows_StringGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RealRowIndex_StringGrid(benchmark::State& state) {
    auto grid = MakeGrid<TExStringGrid>(false);
    TIntList rows(0, 0);
    for (int row : SpreadRows())
        rows.Add(row);
    grid->HideRowList(rows);
    int display = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid->RealRowIndex(display));
        display = (display + 7919) % grid->RowCount();
    }
}
BENCHMARK(BM_RealRowIndex_StringGrid);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
