// Filling a long string grid with short texts through its cell access, hidden and on show,
// against the same fill into a plain row-major std::vector<std::string> model, in one program.
// Each run reports the memory the fill took per cell.
#include "FillBenchmark.h"
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <cstdlib>

namespace {
using namespace fillbench;

void BM_FillReferenceVector(benchmark::State& state) {
    FillReferenceVector(state);
}
BENCHMARK(BM_FillReferenceVector)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillHiddenStringGrid(benchmark::State& state) {
    FillGrid<TExStringGrid, TForm>(state, nullptr);
}
BENCHMARK(BM_FillHiddenStringGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

// On show in a form of the offscreen platform, so the writes to the first rows repaint them.
void BM_FillShownStringGrid(benchmark::State& state) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 1024, 768);
    form->Show();
    Application->ProcessMessages();
    FillGrid<TExStringGrid>(state, form.get());
    if (!form->Showing())
        state.SkipWithError("the form did not show");
}
BENCHMARK(BM_FillShownStringGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
