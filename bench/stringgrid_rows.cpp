// Inserting and removing rows in the middle of a long string grid, and removing duplicate rows,
// against the same operations on a plain row-major model (a std::vector of rows, each a
// std::vector<std::string>), in one program.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int Cols = 10;

using RowModel = std::vector<std::vector<std::string>>;

RowModel MakeModel(int rows) {
    RowModel model(rows, std::vector<std::string>(Cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c)
            model[r][c] = std::to_string(r % 1000) + ":" + std::to_string(c);
    for (int r = 0; r < rows; ++r)
        model[r][0] = std::to_string(r / 2);
    return model;
}

std::unique_ptr<TExStringGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid->SetCells(c, r, std::to_string(r % 1000) + ":" + std::to_string(c));
    for (int r = 0; r < rows; ++r)
        grid->SetCells(0, r, std::to_string(r / 2));
    return grid;
}

// One row in and out again in the middle, so the grid keeps its size.
void BM_InsertRemoveMiddleRowReference(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    RowModel model = MakeModel(rows);
    for (auto _ : state) {
        model.insert(model.begin() + rows / 2, std::vector<std::string>(Cols));
        model.erase(model.begin() + rows / 2);
        benchmark::DoNotOptimize(model.data());
    }
}
BENCHMARK(BM_InsertRemoveMiddleRowReference)->Arg(10'000)->Arg(1'000'000);

void BM_InsertRemoveMiddleRowStringGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto grid = MakeGrid(rows);
    for (auto _ : state) {
        grid->InsertRows(rows / 2, 1, true);
        grid->RemoveRows(rows / 2, 1);
    }
}
BENCHMARK(BM_InsertRemoveMiddleRowStringGrid)->Arg(10'000)->Arg(1'000'000);

// Half of the rows removed as duplicates: in one block at the end (column 1 repeats 1000
// values) or every second row (column 0 holds each value twice running).
void BM_RemoveDuplicatesReference(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int col = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        RowModel model = MakeModel(rows);
        state.ResumeTiming();
        std::unordered_set<std::string> seen;
        std::erase_if(model, [&](const auto& row) { return !seen.insert(row[col]).second; });
        benchmark::DoNotOptimize(model.data());
    }
}
BENCHMARK(BM_RemoveDuplicatesReference)
    ->Args({20'000, 1})
    ->Args({20'000, 0})
    ->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicatesStringGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int col = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = MakeGrid(rows);
        state.ResumeTiming();
        grid->RemoveDuplicates(col, true);
    }
}
BENCHMARK(BM_RemoveDuplicatesStringGrid)
    ->Args({20'000, 1})
    ->Args({20'000, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
