// Filling a long grid with short texts through its cell access, hidden and on show, against the
// same fill into a plain row-major std::vector<std::string> model and into the bare cell store.
// Each run reports the memory the fill took per cell (malloc's own count, so allocator
// overhead is included).
#include "grid/foundation/BaseGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/StringGridControlCells.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int Columns = 10;
constexpr int Rows = 1'000'000;
constexpr double Cells = static_cast<double>(Rows) * Columns;

// Bytes malloc hands out, small chunks and mapped blocks alike.
long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// Short texts as table cells hold them (all within 15 bytes): numbers and short names.
const std::vector<std::string>& ShortTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        for (int i = 0; i < 1000; ++i)
            made.push_back("Var " + std::to_string(i * 37));
        return made;
    }();
    return texts;
}

// Runs make-and-fill once per iteration, drops the result untimed and reports the memory the
// filled model held.
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

void BM_FillReferenceVector(benchmark::State& state) {
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
BENCHMARK(BM_FillReferenceVector)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillCellStore(benchmark::State& state) {
    const auto& texts = ShortTexts();
    MeasureFill(state, [&] {
        auto store = std::make_unique<TGridCellStore>();
        std::size_t i = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c, ++i)
                store->SetText(c, r, texts[i % texts.size()]);
        return store;
    });
}
BENCHMARK(BM_FillCellStore)->Unit(benchmark::kMillisecond)->Iterations(5);

// Through the grid's own cell access; with a parent, the grid is on show in a form of the
// offscreen platform, so the writes to its first rows repaint them.
void FillGrid(benchmark::State& state, TForm* form) {
    const auto& texts = ShortTexts();
    MeasureFill(state, [&] {
        auto grid = std::make_unique<TBaseGrid>(nullptr);
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

void BM_FillHiddenGrid(benchmark::State& state) {
    FillGrid(state, nullptr);
}
BENCHMARK(BM_FillHiddenGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillShownGrid(benchmark::State& state) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 1024, 768);
    form->Show();
    Application->ProcessMessages();
    FillGrid(state, form.get());
    if (!form->Showing())
        state.SkipWithError("the form did not show");
}
BENCHMARK(BM_FillShownGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

// The platform runs around all benchmarks and goes before the program's static objects do.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Application->Initialize();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Application->Finalize();
    return 0;
}
