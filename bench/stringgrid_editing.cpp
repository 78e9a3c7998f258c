// Typing into a cell of the string grid's text editor, on a grid of 10,000 and of 1,000,000
// rows, against one repaint of the same grid's view: a keystroke must cost the same whatever the
// row count and stay well under a repaint, which is what the user waits for anyway.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ExInplaceEdit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {
constexpr int ViewWidth = 1280;
constexpr int ViewHeight = 720;

// A shown form with a focused grid of `rows` rows, a text in every cell of the view, validation
// and edit-change handlers assigned (the road a table window takes), and the editor open on a
// cell in the middle.
struct TEditingBench {
    TForm Form{nullptr};
    TExStringGrid* Grid;

    explicit TEditingBench(int rows) {
        Form.SetBounds(0, 0, ViewWidth, ViewHeight);
        Grid = new TExStringGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, ViewWidth, ViewHeight);
        Grid->SetColCount(12);
        Grid->SetRowCount(rows);
        Grid->SetOptions(Grid->Options() << goEditing);
        const int middle = rows / 2;
        for (int r = middle - 40; r < middle + 40; ++r)
            for (int c = 1; c < 12; ++c)
                Grid->SetCells(c, r, "Var " + std::to_string(c * r));
        Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool&) {};
        Grid->OnEditChange = [](TObject*, int, int, const std::string&) {};
        Form.Show();
        Grid->SetFocus();
        Grid->SetTopRow(middle - 5);
        Grid->FocusCell(3, middle, true);
        Grid->ShowInplaceEdit();
    }
};

void BM_TypeIntoCell(benchmark::State& state) {
    TEditingBench bench(static_cast<int>(state.range(0)));
    TExInplaceEdit* editor = bench.Grid->NormalEdit();
    if (!editor || !bench.Grid->EditorMode()) {
        state.SkipWithError("the editor did not open");
        return;
    }
    // A character and a Backspace per round keep the text the same length throughout.
    for (auto _ : state) {
        InputSimulation::TypeChar(editor, u'x');
        InputSimulation::KeyPress(editor, VK_BACK, 8);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel(std::to_string(state.range(0)) + " rows, time per character and Backspace");
}

void BM_RepaintView(benchmark::State& state) {
    TEditingBench bench(static_cast<int>(state.range(0)));
    TBitmap bitmap(ViewWidth, ViewHeight);
    for (auto _ : state)
        bench.Grid->PaintTo(bitmap.Canvas(), 0, 0);
    state.SetLabel(std::to_string(state.range(0)) + " rows");
}

void RowCases(benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_TypeIntoCell)->Apply(RowCases);
BENCHMARK(BM_RepaintView)->Apply(RowCases);
} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
