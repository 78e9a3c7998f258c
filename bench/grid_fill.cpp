// Filling a long grid with short texts through its cell access, hidden and on show, against the
// same fill into a plain row-major std::vector<std::string> model and into the bare cell store.
// Each run reports the memory the fill took per cell (malloc's own count, so allocator
// overhead is included).
#include "FillBenchmark.h"
#include "PlatformBenchmarkMain.h"
#include "grid/foundation/BaseGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/StringGridControlCells.h"

#include <cstdlib>

namespace {
using namespace fillbench;

void BM_FillReferenceVector(benchmark::State& state) {
    FillReferenceVector(state);
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

void BM_FillHiddenGrid(benchmark::State& state) {
    FillGrid<TBaseGrid, TForm>(state, nullptr);
}
BENCHMARK(BM_FillHiddenGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

// On show in a form of the offscreen platform, so the writes to the first rows repaint them.
void BM_FillShownGrid(benchmark::State& state) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 1024, 768);
    form->Show();
    Application->ProcessMessages();
    FillGrid<TBaseGrid>(state, form.get());
    if (!form->Showing())
        state.SkipWithError("the form did not show");
}
BENCHMARK(BM_FillShownGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
