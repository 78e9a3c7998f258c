// Find and incremental search through the string grid against the same texts in a plain
// std::vector<std::string> searched by one loop, in one program: a find that reaches the last
// row should cost one pass over the cells, and each key of an incremental search one pass over
// the rows of its column.
#include "PlatformBenchmarkMain.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/ExGrid.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int DataColumns = 2;
const std::string Needle = "Needle";

// The reference upper-cases the way a careful plain loop would: ASCII directly, anything else
// by the full case mapping.
std::string Upper(std::string_view text) {
    for (unsigned char ch : text)
        if (ch >= 0x80)
            return UpperCaseFull(text);
    std::string upper(text);
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}

std::string KeyText(int row) {
    return "Var " + std::to_string(row);
}
std::string ValueText(int row) {
    return "item " + std::to_string(row * 7);
}

// One fixed row and column; a key and a value column; the needle only in the last value cell.
// Grids are built once per size and shared by the benchmarks.
TExStringGrid& GridOf(int rows) {
    static std::map<int, std::unique_ptr<TExStringGrid>> grids;
    std::unique_ptr<TExStringGrid>& grid = grids[rows];
    if (!grid) {
        grid = std::make_unique<TExStringGrid>(nullptr);
        grid->SetColCount(DataColumns + 1);
        grid->SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r) {
            grid->SetGridCell(1, r, KeyText(r));
            grid->SetGridCell(2, r, r == rows ? Needle : ValueText(r));
        }
    }
    return *grid;
}

// The same texts column after column, as the grid's default walk meets them.
const std::vector<std::string>& TextsOf(int rows) {
    static std::map<int, std::vector<std::string>> texts;
    std::vector<std::string>& cells = texts[rows];
    if (cells.empty()) {
        for (int r = 1; r <= rows; ++r)
            cells.push_back(KeyText(r));
        for (int r = 1; r <= rows; ++r)
            cells.push_back(r == rows ? Needle : ValueText(r));
    }
    return cells;
}

void BM_FindNext_StringGrid(benchmark::State& state) {
    TExStringGrid& grid = GridOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const TPoint found = grid.FindFirst("needle", {});
        if (found.Y != state.range(0))
            state.SkipWithError("needle not found");
    }
    state.counters["cells"] = static_cast<double>(state.range(0) * DataColumns);
}
BENCHMARK(BM_FindNext_StringGrid)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The reference pass: every text upper-cased and searched, as a find without case has to.
void BM_FindNext_VectorPass(benchmark::State& state) {
    const std::vector<std::string>& cells = TextsOf(static_cast<int>(state.range(0)));
    const std::string pattern = "NEEDLE";
    for (auto _ : state) {
        size_t found = cells.size();
        for (size_t i = 0; i < cells.size(); ++i)
            if (Upper(cells[i]).find(pattern) != std::string::npos) {
                found = i;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
    state.counters["cells"] = static_cast<double>(state.range(0) * DataColumns);
}
BENCHMARK(BM_FindNext_VectorPass)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The texts typed one key after the other; the last key matches only the last row.
std::vector<std::string> TypedKeys(int rows) {
    const std::string last = "VAR " + std::to_string(rows);
    std::vector<std::string> keys;
    for (size_t length = 1; length <= last.size(); ++length)
        keys.push_back(last.substr(0, length));
    return keys;
}

void BM_IncrementalSearchPerKey_StringGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TExStringGrid& grid = GridOf(rows);
    const std::vector<std::string> keys = TypedKeys(rows);
    for (auto _ : state) {
        if (grid.Search(keys.back()) != rows)
            state.SkipWithError("last row not found");
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_IncrementalSearchPerKey_StringGrid)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// A whole typed word, key by key, divided per key.
void BM_IncrementalSearchTypedWord_StringGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TExStringGrid& grid = GridOf(rows);
    const std::vector<std::string> keys = TypedKeys(rows);
    for (auto _ : state)
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(grid.Search(key));
    state.counters["keys"] = static_cast<double>(keys.size());
    state.counters["per_key"] = benchmark::Counter(static_cast<double>(keys.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_IncrementalSearchTypedWord_StringGrid)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The reference pass over the key column: each text cut to the typed length and upper-cased.
void BM_IncrementalSearchPerKey_VectorPass(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string>& cells = TextsOf(rows);
    const std::string typed = TypedKeys(rows).back();
    for (auto _ : state) {
        int found = -1;
        for (int r = 0; r < rows; ++r)
            if (Upper(std::string_view(cells[static_cast<size_t>(r)]).substr(0, typed.size())) ==
                typed) {
                found = r + 1;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_IncrementalSearchPerKey_VectorPass)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN();
