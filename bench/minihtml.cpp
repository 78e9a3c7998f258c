// Measuring and drawing 10,000 mini-HTML cell texts into a bitmap, against drawing the same
// texts stripped of their mark-up with plain text drawing, in the same run.
#include "grid/foundation/EsgHTMLE.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
void StartPlatform() {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
}

constexpr int cellCount = 10'000;
const TRect cell{0, 0, 160, 40};

// Texts of the length cells usually carry: a few styled words, a colour, now and then a link.
std::vector<std::string> CellTexts() {
    static const char* const shapes[] = {
        "<B>Tag %d</B> temperature",
        "<FONT color=\"clred\">Alarm %d</FONT> high limit",
        "Loop %d: <I>primary</I> variable",
        "<A href=\"dev%d\">Device %d</A> <U>details</U>",
        "Value %d &amp; unit <FONT color=\"#008000\">OK</FONT>",
    };
    std::vector<std::string> texts;
    texts.reserve(cellCount);
    for (int i = 0; i < cellCount; ++i) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, shapes[i % 5], i, i);
        texts.emplace_back(buffer);
    }
    return texts;
}

void BM_MiniHTMLMeasureAndDraw(benchmark::State& state) {
    StartPlatform();
    std::vector<std::string> texts = CellTexts();
    TBitmap bitmap(cell.Width(), cell.Height());
    TCanvas* canvas = bitmap.Canvas();
    std::string anchor, strip, focus, title, id, value, type;
    int xSize, ySize, links, mouseLink;
    TRect hover, control;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            for (bool measure : {true, false})
                RenderHTML(canvas, text, cell, nullptr, -1, -1, -1, -1, 1, false, measure, false,
                           false, true, false, true, false, 0.0, clBlue, clNone, clNone, clGray,
                           anchor, strip, focus, title, xSize, ySize, links, mouseLink, hover,
                           control, id, value, type, nullptr, nullptr, nullptr, 0);
            benchmark::DoNotOptimize(ySize);
        }
    }
    state.SetItemsProcessed(state.iterations() * cellCount);
}
BENCHMARK(BM_MiniHTMLMeasureAndDraw)->Unit(benchmark::kMillisecond);

// The reference: the same texts without mark-up, measured and drawn as plain text.
void BM_PlainTextMeasureAndDraw(benchmark::State& state) {
    StartPlatform();
    std::vector<std::string> texts = CellTexts();
    for (std::string& text : texts)
        text = StripHTML(text);
    TBitmap bitmap(cell.Width(), cell.Height());
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clNone);
    for (auto _ : state) {
        for (const std::string& text : texts) {
            TRect measured = cell;
            canvas->DrawText(text, measured, DT_WORDBREAK | DT_CALCRECT);
            TRect drawn = cell;
            canvas->DrawText(text, drawn, DT_WORDBREAK);
            benchmark::DoNotOptimize(measured);
        }
    }
    state.SetItemsProcessed(state.iterations() * cellCount);
}
BENCHMARK(BM_PlainTextMeasureAndDraw)->Unit(benchmark::kMillisecond);
} // namespace
