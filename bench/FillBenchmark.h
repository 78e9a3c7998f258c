#pragma once

// The shared parts of the fill benchmarks: a million rows of ten short texts, the plain
// row-major std::vector<std::string> model they are measured against, and the memory count.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace fillbench {

constexpr int Columns = 10;
constexpr int Rows = 1'000'000;
constexpr double Cells = static_cast<double>(Rows) * Columns;

// Bytes malloc hands out, small chunks and mapped blocks alike.
inline long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// Short texts as table cells hold them (all within 15 bytes): numbers and short names.
inline const std::vector<std::string>& ShortTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        for (int i = 0; i < 1000; ++i)
            made.push_back("Var " + std::to_string(i * 37));
        return made;
    }();
    return texts;
}

// Runs make-and-fill once per iteration, drops the result untimed and reports the memory the
// filled model held (malloc's own count, so allocator overhead is included).
template <typename Fill> void MeasureFill(benchmark::State& state, Fill fill) {
    double bytesPerCell = 0;
    for (auto _ : state) {
        const long long before = HeapInUse();
        auto filled = fill();
        benchmark::DoNotOptimize(filled.get());
        state.PauseTiming();
        bytesPerCell = static_cast<double>(HeapInUse() - before) / Cells;
        filled.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
    state.counters["bytes_per_cell"] = bytesPerCell;
}

// The reference: the same fill into a plain row-major vector.
inline void FillReferenceVector(benchmark::State& state) {
    const auto& texts = ShortTexts();
    MeasureFill(state, [&] {
        auto cells = std::make_unique<std::vector<std::string>>(std::size_t(Rows) * Columns);
        std::size_t i = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c, ++i)
                (*cells)[i] = texts[i % texts.size()];
        return cells;
    });
}

// Makes a grid (placed on the form when there is one) and fills it through its Cells.
template <typename Grid, typename Form> void FillGrid(benchmark::State& state, Form* form) {
    const auto& texts = ShortTexts();
    MeasureFill(state, [&] {
        auto grid = std::make_unique<Grid>(nullptr);
        if (form) {
            grid->SetParent(form);
            grid->SetBounds(0, 0, form->ClientWidth(), form->ClientHeight());
        }
        grid->SetColCount(Columns);
        grid->SetRowCount(Rows);
        std::size_t i = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c, ++i)
                grid->SetCells(c, r, texts[i % texts.size()]);
        return grid;
    });
}

} // namespace fillbench
