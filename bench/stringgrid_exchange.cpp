// The string grid's file exchange, in bytes of file per second:
// - loading a 100 MB CSV of short fields into the grid, keeping every cell, against a reference
//   loop in the same program that reads the file and splits its fields without storing them;
// - saving and loading 1,000,000 x 10 cells through the binary grid stream and through CSV.
#include "PlatformBenchmarkMain.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/core/FileBytes.h"
#include "platform/core/Files.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int BigRows = 1000000;
constexpr int BigCols = 10;

// Short fields of 2 to 7 characters, letters and digits, ten to a line.
std::string ShortField(uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    const int length = 2 + static_cast<int>((seed >> 24) % 6);
    std::string field;
    for (int i = 0; i < length; ++i)
        field += "abcdefghijklmnopqrstuvwxyz0123456789"[(seed >> (i * 3)) % 36];
    return field;
}

// The generated file goes when the program ends.
struct TTemporaryFile {
    std::string Path;
    ~TTemporaryFile() { std::remove(Path.c_str()); }
};

const std::string& HundredMegabyteCsv() {
    static const TTemporaryFile file{[] {
        const std::string file =
            "/tmp/bench_stringgrid_exchange_" + std::to_string(getpid()) + ".csv";
        std::string text = "\xEF\xBB\xBF";
        text.reserve(100u << 20);
        uint32_t seed = 1;
        while (text.size() < (100u << 20)) {
            for (int c = 0; c < BigCols; ++c) {
                if (c > 0)
                    text += ',';
                text += ShortField(seed);
            }
            text += "\r\n";
        }
        WriteFileAtomic(file, text);
        return file;
    }()};
    return file.Path;
}

// The reference: read the file and split it into fields (quotes honoured), storing nothing.
size_t SplitFields(std::string_view text) {
    size_t fields = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ',' || c == '\n'))
            ++fields;
    }
    return fields;
}

// Read as any program reads a file: into a string.
void BM_CsvReadAndSplitReference(benchmark::State& state) {
    const std::string& file = HundredMegabyteCsv();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ReadFileBytes(file);
        benchmark::DoNotOptimize(SplitFields(text));
        bytes += text.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CsvReadAndSplitReference)->Unit(benchmark::kMillisecond)->Iterations(3);

// Read as the grid reads it, so that the two differ only in storing the cells.
void BM_CsvFileBytesAndSplitReference(benchmark::State& state) {
    const std::string& file = HundredMegabyteCsv();
    size_t bytes = 0;
    for (auto _ : state) {
        const TFileBytes text = TFileBytes::Read(file);
        benchmark::DoNotOptimize(SplitFields(text.View()));
        bytes += text.View().size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CsvFileBytesAndSplitReference)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadHundredMegabyteCsv(benchmark::State& state) {
    const std::string& file = HundredMegabyteCsv();
    const size_t size = ReadFileBytes(file).size();
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TExStringGrid>(nullptr);
        state.ResumeTiming();
        grid->LoadFromCSV(file);
        benchmark::DoNotOptimize(grid->Cells(9, grid->RowCount() - 1));
        state.PauseTiming();
        if (grid->Cells(0, 0).empty())
            state.SkipWithError("the grid stayed empty");
        grid.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(size * state.iterations()));
}
BENCHMARK(BM_LoadHundredMegabyteCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

TExStringGrid& MillionRowGrid() {
    static TExStringGrid* grid = [] {
        auto* g = new TExStringGrid(nullptr);
        g->SetColCount(BigCols);
        g->SetRowCount(BigRows);
        uint32_t seed = 7;
        for (int r = 0; r < BigRows; ++r)
            for (int c = 0; c < BigCols; ++c)
                g->SetCells(c, r, ShortField(seed));
        return g;
    }();
    return *grid;
}

// The binary stream holds grids of at most 65,535 rows: the million rows go as 16 grids of
// 62,500 rows, each saved whole and loaded into a grid of its own.
constexpr int PartRows = 62500;
constexpr int Parts = BigRows / PartRows;

TExStringGrid& PartGrid() {
    static TExStringGrid* grid = [] {
        auto* g = new TExStringGrid(nullptr);
        g->SetColCount(BigCols);
        g->SetRowCount(PartRows);
        for (int r = 0; r < PartRows; ++r)
            for (int c = 0; c < BigCols; ++c)
                g->SetCells(c, r, MillionRowGrid().Cells(c, r));
        return g;
    }();
    return *grid;
}

void SaveBinary(std::vector<std::string>& streams) {
    streams.assign(Parts, std::string());
    for (std::string& stream : streams)
        PartGrid().SaveToBinStream(stream);
}

size_t TotalSize(const std::vector<std::string>& streams) {
    size_t size = 0;
    for (const std::string& s : streams)
        size += s.size();
    return size;
}

void BM_SaveBinaryStream(benchmark::State& state) {
    PartGrid();
    std::vector<std::string> streams;
    for (auto _ : state)
        SaveBinary(streams);
    state.SetBytesProcessed(static_cast<int64_t>(TotalSize(streams) * state.iterations()));
}
BENCHMARK(BM_SaveBinaryStream)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LoadBinaryStream(benchmark::State& state) {
    std::vector<std::string> streams;
    SaveBinary(streams);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<TExStringGrid>> grids;
        for (int k = 0; k < Parts; ++k)
            grids.push_back(std::make_unique<TExStringGrid>(nullptr));
        state.ResumeTiming();
        for (int k = 0; k < Parts; ++k)
            grids[static_cast<size_t>(k)]->LoadFromBinStream(streams[static_cast<size_t>(k)]);
        state.PauseTiming();
        if (grids.back()->Cells(3, PartRows - 1) != PartGrid().Cells(3, PartRows - 1))
            state.SkipWithError("the cells differ");
        grids.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(TotalSize(streams) * state.iterations()));
}
BENCHMARK(BM_LoadBinaryStream)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_SaveCsv(benchmark::State& state) {
    TExStringGrid& grid = MillionRowGrid();
    std::string text;
    for (auto _ : state)
        text = grid.SaveToCSVText();
    state.SetBytesProcessed(static_cast<int64_t>(text.size() * state.iterations()));
}
BENCHMARK(BM_SaveCsv)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LoadCsv(benchmark::State& state) {
    const std::string text = MillionRowGrid().SaveToCSVText();
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<TExStringGrid>(nullptr);
        state.ResumeTiming();
        grid->LoadFromCSVText(text);
        state.PauseTiming();
        if (grid->Cells(3, BigRows - 1) != MillionRowGrid().Cells(3, BigRows - 1))
            state.SkipWithError("the cells differ");
        grid.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size() * state.iterations()));
}
BENCHMARK(BM_LoadCsv)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

VELMARO_PLATFORM_BENCHMARK_MAIN()
