// Sorting 1,000,000 rows x 10 columns of a string grid by a text column and by a number column,
// against std::stable_sort of a row index over the same texts (and over the same numbers, read
// once), in one program. The grid's rows carry cell objects (cell properties on every tenth
// row), which move with them. Between two timed sorts the grid goes back to its unsorted order
// untimed, so every sort starts from the same shuffled rows.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/FloatConversion.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 1'000'000;
constexpr int Cols = 10;
constexpr int TextCol = 2;
constexpr int NumberCol = 3;

// The cell texts of the normal rows, column by column: short words (a word repeats now and
// then) in the text column, integers of up to seven digits in the number column.
struct SortData {
    std::vector<std::vector<std::string>> Columns;

    SortData() : Columns(Cols, std::vector<std::string>(Rows)) {
        uint64_t seed = 0x9E3779B97F4A7C15ull;
        const auto next = [&seed] {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            return seed;
        };
        for (int r = 0; r < Rows; ++r) {
            for (int c = 0; c < Cols; ++c)
                Columns[c][r] = std::to_string(r) + ":" + std::to_string(c);
            std::string word;
            for (uint64_t bits = next() % 20'000'000 + 1; bits; bits /= 26)
                word += static_cast<char>('a' + bits % 26);
            Columns[TextCol][r] = word;
            Columns[NumberCol][r] = std::to_string(static_cast<int64_t>(next() % 10'000'000));
        }
    }
};

const SortData& Data() {
    static const SortData data;
    return data;
}

std::unique_ptr<TExStringGrid> MakeGrid() {
    const SortData& data = Data();
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows + 1);
    for (int c = 0; c < Cols; ++c)
        for (int r = 0; r < Rows; ++r)
            grid->SetGridCell(c, r + 1, data.Columns[c][r]);
    for (int r = 1; r <= Rows; r += 10)
        grid->SetColors(5, r, clYellow);
    return grid;
}

void SortGridBy(benchmark::State& state, int Column) {
    auto grid = MakeGrid();
    for (auto _ : state) {
        grid->Sort(Column, sdAscending);
        state.PauseTiming();
        grid->QUnSort();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_SortTextColumnStringGrid(benchmark::State& state) {
    SortGridBy(state, TextCol);
}
BENCHMARK(BM_SortTextColumnStringGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortTextColumnReference(benchmark::State& state) {
    const std::vector<std::string>& texts = Data().Columns[TextCol];
    std::vector<int> index(Rows);
    for (auto _ : state) {
        std::iota(index.begin(), index.end(), 0);
        std::stable_sort(index.begin(), index.end(),
                         [&](int a, int b) { return texts[a] < texts[b]; });
        benchmark::DoNotOptimize(index.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_SortTextColumnReference)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortNumberColumnStringGrid(benchmark::State& state) {
    SortGridBy(state, NumberCol);
}
BENCHMARK(BM_SortNumberColumnStringGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortNumberColumnReference(benchmark::State& state) {
    const std::vector<std::string>& texts = Data().Columns[NumberCol];
    std::vector<int> index(Rows);
    std::vector<double> numbers(Rows);
    for (auto _ : state) {
        for (int r = 0; r < Rows; ++r)
            numbers[r] = StrToFloatDef(texts[r], 0);
        std::iota(index.begin(), index.end(), 0);
        std::stable_sort(index.begin(), index.end(),
                         [&](int a, int b) { return numbers[a] < numbers[b]; });
        benchmark::DoNotOptimize(index.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_SortNumberColumnReference)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN();
