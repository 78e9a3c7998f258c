// Writing, reading and holding grid cells: the cell store behind every grid.
#include "platform/ui/StringGridControlCells.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<long long> gLiveBytes{0};
} // namespace

// Counting allocator: the memory benchmark reads the bytes the store holds.
void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    gLiveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
void operator delete(void* p) noexcept {
    if (p)
        gLiveBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {
constexpr int Columns = 10;
constexpr int Rows = 100'000; // 1,000,000 cells

// Short texts as table cells hold them: numbers and short names.
std::vector<std::string> ShortTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back("Var " + std::to_string(i * 37));
    return texts;
}

void WriteAll(TGridCellStore& store, const std::vector<std::string>& texts) {
    int i = 0;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            store.SetText(c, r, texts[i++ % texts.size()]);
}

void BM_WriteMillionCells(benchmark::State& state) {
    const auto texts = ShortTexts();
    for (auto _ : state) {
        TGridCellStore store;
        WriteAll(store, texts);
        benchmark::DoNotOptimize(store.RowExtent());
    }
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
}
BENCHMARK(BM_WriteMillionCells)->Unit(benchmark::kMillisecond);

void BM_ReadMillionCells(benchmark::State& state) {
    TGridCellStore store;
    WriteAll(store, ShortTexts());
    for (auto _ : state) {
        std::size_t total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                total += store.Text(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
}
BENCHMARK(BM_ReadMillionCells)->Unit(benchmark::kMillisecond);

void BM_MemoryPerShortCell(benchmark::State& state) {
    const auto texts = ShortTexts();
    double perCell = 0;
    for (auto _ : state) {
        const long long before = gLiveBytes;
        auto store = std::make_unique<TGridCellStore>();
        WriteAll(*store, texts);
        perCell = static_cast<double>(gLiveBytes - before) / (Rows * Columns);
        benchmark::DoNotOptimize(store->RowExtent());
    }
    state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(BM_MemoryPerShortCell)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
