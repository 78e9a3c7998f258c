// Hiding and showing rows of a long grid, and mapping between display and real rows and
// columns, against the linear walks that test one row (column) after the other.
#include "grid/foundation/BaseGrid.h"
#include "grid/stringgrid/BaseGridRowMover.h"
#include "grid/stringgrid/HiddenColumnSet.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "platform/ui/Application.h"
#include "tests/grid/stringgrid/MemoryRowGrid.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int Rows = 1'000'000;
constexpr int HiddenRows = 10'000;
constexpr int Columns = 4;
// Every 100th row, so hidden rows are spread over the whole grid.
constexpr int Spread = Rows / HiddenRows;

std::vector<int> SpreadRows(int first) {
    std::vector<int> rows;
    for (int r = first; r < Rows; r += Spread)
        rows.push_back(r);
    return rows;
}

// Display rows to look up, in no order the cache could follow.
std::vector<int> LookupRows(int count, int below) {
    std::mt19937 random(1);
    std::vector<int> rows(count);
    for (int& row : rows)
        row = static_cast<int>(random() % static_cast<unsigned>(below));
    return rows;
}

// --- hiding and showing over the plain row list ----------------------------------------------

void BM_HideAndShowRange_MemoryGrid(benchmark::State& state) {
    TMemoryRowGrid grid(Rows, Columns);
    THiddenRowStore store(grid);
    for (auto _ : state) {
        store.HideRows(Rows / 2, Rows / 2 + HiddenRows - 1);
        store.UnHideRowsAll();
    }
    state.counters["rows_per_call"] = HiddenRows;
}
BENCHMARK(BM_HideAndShowRange_MemoryGrid)->Unit(benchmark::kMillisecond);

void BM_HideAndShowSpreadRows_MemoryGrid(benchmark::State& state) {
    TMemoryRowGrid grid(Rows, Columns);
    THiddenRowStore store(grid);
    const std::vector<int> rows = SpreadRows(50);
    for (auto _ : state) {
        store.HideRowList(rows);
        store.UnHideRowList();
        store.SetFilterLevel(0);
    }
    state.counters["rows_per_call"] = HiddenRows;
}
BENCHMARK(BM_HideAndShowSpreadRows_MemoryGrid)->Unit(benchmark::kMillisecond);

// --- hiding and showing in a base grid ------------------------------------------------------

void StartPlatform() {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
}

std::unique_ptr<TBaseGrid> MakeBaseGrid() {
    StartPlatform();
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(Columns);
    grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            std::string text = "Var ";
            text += std::to_string(r * Columns + c);
            grid->SetGridCell(c, r, text);
        }
    return grid;
}

void BM_HideAndShowRange_BaseGrid(benchmark::State& state) {
    auto grid = MakeBaseGrid();
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);
    // Near the end, as a filter of the last rows; the cost follows the rows below the range.
    const int first = static_cast<int>(state.range(0));
    for (auto _ : state) {
        store.HideRows(first, first + HiddenRows - 1);
        store.UnHideRowsAll();
    }
    state.counters["rows_per_call"] = HiddenRows;
}
BENCHMARK(BM_HideAndShowRange_BaseGrid)
    ->Arg(0)
    ->Arg(Rows - HiddenRows)
    ->Unit(benchmark::kMillisecond);

void BM_HideAndShowSpreadRows_BaseGrid(benchmark::State& state) {
    auto grid = MakeBaseGrid();
    TBaseGridRowMover mover(*grid);
    THiddenRowStore store(mover);
    const std::vector<int> rows = SpreadRows(50);
    for (auto _ : state) {
        store.HideRowList(rows);
        store.UnHideRowList();
        store.SetFilterLevel(0);
    }
    state.counters["rows_per_call"] = HiddenRows;
}
BENCHMARK(BM_HideAndShowSpreadRows_BaseGrid)->Unit(benchmark::kMillisecond);

// --- mapping --------------------------------------------------------------------------------

// The store with every 100th row of a million hidden; the grid holds rows without cells.
struct TSpreadHiddenRows {
    TMemoryRowGrid Grid{Rows, 1};
    THiddenRowStore Store{Grid};
    TSpreadHiddenRows() { Store.HideRowList(SpreadRows(50)); }
};

void BM_RealRowIndex(benchmark::State& state) {
    TSpreadHiddenRows hidden;
    const std::vector<int> lookups = LookupRows(4096, Rows - HiddenRows);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hidden.Store.RealRowIndex(lookups[i++ % lookups.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealRowIndex);

// The linear walk: count real rows upwards, testing each against a flag per real row.
void BM_RealRowIndex_LinearWalk(benchmark::State& state) {
    TSpreadHiddenRows hidden;
    std::vector<bool> isHidden(Rows, false);
    for (int r : hidden.Store.HiddenRows())
        isHidden[r] = true;
    auto realRowIndex = [&](int display) {
        int shown = -1;
        for (int r = 0;; ++r)
            if (r >= Rows || (!isHidden[r] && ++shown == display))
                return r;
    };
    const std::vector<int> lookups = LookupRows(4096, Rows - HiddenRows);
    std::size_t i = 0;
    for (auto _ : state) {
        const int display = lookups[i++ % lookups.size()];
        const int real = realRowIndex(display);
        if (real != hidden.Store.RealRowIndex(display))
            state.SkipWithError("the linear walk disagrees");
        benchmark::DoNotOptimize(real);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealRowIndex_LinearWalk);

void BM_DisplRowIndex(benchmark::State& state) {
    TSpreadHiddenRows hidden;
    const std::vector<int> lookups = LookupRows(4096, Rows);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hidden.Store.DisplRowIndex(lookups[i++ % lookups.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DisplRowIndex);

// The linear count of the stored rows before the real row.
void BM_DisplRowIndex_LinearCount(benchmark::State& state) {
    TSpreadHiddenRows hidden;
    const std::vector<int> stored = hidden.Store.HiddenRows();
    const std::vector<int> lookups = LookupRows(4096, Rows);
    std::size_t i = 0;
    for (auto _ : state) {
        const int real = lookups[i++ % lookups.size()];
        int before = 0;
        for (int idx : stored)
            before += idx < real;
        benchmark::DoNotOptimize(real - before);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DisplRowIndex_LinearCount);

constexpr int ColumnCount = 100'000;

THiddenColumnSet SpreadHiddenColumns() {
    THiddenColumnSet set;
    for (int c = 5; c < ColumnCount; c += 100)
        set.Hide(c, 64);
    return set;
}

void BM_RealColIndex(benchmark::State& state) {
    const THiddenColumnSet set = SpreadHiddenColumns();
    const std::vector<int> lookups = LookupRows(4096, ColumnCount - set.Count());
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(set.RealColIndex(lookups[i++ % lookups.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealColIndex);

// The linear walk over a flag per real column.
void BM_RealColIndex_LinearWalk(benchmark::State& state) {
    const THiddenColumnSet set = SpreadHiddenColumns();
    std::vector<bool> isHidden(ColumnCount, false);
    for (int c : set.HiddenColumns())
        isHidden[c] = true;
    const std::vector<int> lookups = LookupRows(4096, ColumnCount - set.Count());
    std::size_t i = 0;
    for (auto _ : state) {
        const int display = lookups[i++ % lookups.size()];
        int shown = -1;
        int real = 0;
        for (; real < ColumnCount; ++real)
            if (!isHidden[real] && ++shown == display)
                break;
        if (real != set.RealColIndex(display))
            state.SkipWithError("the linear walk disagrees");
        benchmark::DoNotOptimize(real);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealColIndex_LinearWalk);

} // namespace
