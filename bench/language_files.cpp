// Loading the language list: the built-in texts, then a language file that sets every slot.
#include "app/core/LanguageTexts.h"
#include "app/core/ULanguage.h"
#include "platform/core/StringList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A full language file as a translator writes it: every slot, pilcrows around the texts and a
// comment on each line, UTF-8 with its byte-order mark.
fs::path WriteFullLanguageFile() {
    const fs::path path =
        fs::temp_directory_path() / ("bench_language_" + std::to_string(::getpid()) + ".lng");
    std::ofstream file(path, std::ios::binary);
    file << "\xEF\xBB\xBF";
    for (int slot = 0; slot < Language_Slot_Count; ++slot)
        file << "STR" << slot << " = \xC2\xB6Testo tradotto numero " << slot
             << " \xC2\xB6 /#/ original English text\r\n";
    return path;
}

void BM_LoadDefaultStrings(benchmark::State& state) {
    TStringList list;
    for (auto _ : state) {
        Load_Default_Strings(list);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_LoadDefaultStrings);

void BM_LoadFullLanguageFile(benchmark::State& state) {
    const fs::path path = WriteFullLanguageFile();
    TStringList list;
    Load_Default_Strings(list);
    for (auto _ : state) {
        Load_Language_File(list, path.string(), Language_Slot_Count);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * Language_Slot_Count);
    fs::remove(path);
}
BENCHMARK(BM_LoadFullLanguageFile);

} // namespace
