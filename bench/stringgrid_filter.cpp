// Filtering a long string grid by a wildcard condition, and removing that filter again, against
// std::stable_sort of a row index over the same texts of the filtered column, in one program:
// a filter is one pass over the rows with a row move per failing row, so it should cost less
// than sorting that column once.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/Filter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int Rows = 1'000'000;
constexpr int Columns = 3;
constexpr int FilteredColumn = 1;
// Many texts hold a "7" and many do not, so the rows split between those on show and those
// moved to the hidden-row store (the run reports how many stay).
constexpr const char* Condition = "Item *7*";

// One text per row of the filtered column: "Item " and a number, in random order so that
// neither the sort nor the filter meets ordered input.
const std::vector<std::string>& ColumnTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        made.reserve(Rows);
        std::mt19937 random(20260101);
        for (int r = 0; r < Rows; ++r)
            made.push_back("Item " + std::to_string(random() % 1000) + "-" + std::to_string(r));
        return made;
    }();
    return texts;
}

std::unique_ptr<TExStringGrid> MakeGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Columns);
    grid->SetRowCount(Rows + 1);
    const std::vector<std::string>& texts = ColumnTexts();
    for (int r = 0; r < Rows; ++r) {
        grid->SetGridCell(0, r + 1, std::to_string(r));
        grid->SetGridCell(FilteredColumn, r + 1, texts[static_cast<size_t>(r)]);
        grid->SetGridCell(2, r + 1, "x");
    }
    TFilterData* item = grid->Filter()->Add();
    item->Column = FilteredColumn;
    item->Condition = Condition;
    return grid;
}

void BM_StableSortRowIndex_Reference(benchmark::State& state) {
    const std::vector<std::string>& texts = ColumnTexts();
    std::vector<int> index(texts.size());
    for (auto _ : state) {
        std::iota(index.begin(), index.end(), 0);
        std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
            return texts[static_cast<size_t>(a)] < texts[static_cast<size_t>(b)];
        });
        benchmark::DoNotOptimize(index.data());
    }
}
BENCHMARK(BM_StableSortRowIndex_Reference)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ApplyWildcardFilter(benchmark::State& state) {
    auto grid = MakeGrid();
    for (auto _ : state) {
        grid->ApplyFilter();
        state.PauseTiming();
        state.counters["rows_on_show"] = grid->RowCount() - 1;
        grid->RemoveLastFilter();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyWildcardFilter)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RemoveWildcardFilter(benchmark::State& state) {
    auto grid = MakeGrid();
    for (auto _ : state) {
        state.PauseTiming();
        grid->ApplyFilter();
        state.ResumeTiming();
        grid->RemoveLastFilter();
    }
    if (grid->RowCount() != Rows + 1)
        state.SkipWithError("the rows did not all come back");
}
BENCHMARK(BM_RemoveWildcardFilter)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
