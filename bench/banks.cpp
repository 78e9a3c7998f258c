// Building the two device banks from a configuration's general parameters and HART variables.
#include "app/core/ParGenFile.h"
#include "app/core/USaveBincc.h"
#include "platform/core/Files.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A configuration folder holding a full table: `rows` enabled command rows, each with the largest
// parameter text the table accepts (250 bytes).
class TBenchConfiguration {
public:
    explicit TBenchConfiguration(int rows)
        : FFolder(fs::temp_directory_path() /
                  ("bench_banks_" + std::to_string(::getpid()) + "_" + std::to_string(rows))) {
        fs::create_directories(FFolder);
        TParGenValues values;
        values.Ethernet_EN_GAT = true;
        values.Web_Pages_User = "admin";
        Write_ParGen_File(ParGen_File(), values);
        std::string table = "<HART><HART_Variables>";
        const std::string params(500, 'A');
        for (int row = 0; row < rows; ++row) {
            table += "<row Enable=\"Y\" Device_Address=\"0x00000000" +
                     std::to_string(10 + row % 90) +
                     "\" Preamble_Count=\"5\" Var_Cmd_Type=\"Command\" Var_Cmd_Number=\"3\""
                     " Cmd_Params=\"" +
                     params + "\" Position=\"" + std::to_string(row * 4) +
                     "\" Swap=\"N\" ConvInt=\"Y\" Var_Operation=\"None\" TimeOut=\"1000\""
                     " Mnemonic=\"Device - Command\"/>";
        }
        table += "</HART_Variables></HART><!--SW_VERSION = 1.000-->";
        WriteFileAtomic(HART_Variables_File(), table);
    }
    ~TBenchConfiguration() { fs::remove_all(FFolder); }

    std::string ParGen_File() const { return (FFolder / "ParGen.xml").string(); }
    std::string HART_Variables_File() const { return (FFolder / "HART_Variables.xml").string(); }

private:
    fs::path FFolder;
};

void BM_BuildBanks(benchmark::State& state) {
    const TBenchConfiguration configuration(static_cast<int>(state.range(0)));
    TBankBuilder builder;
    for (auto _ : state) {
        builder.Build_Banks(configuration.ParGen_File(), configuration.HART_Variables_File());
        benchmark::DoNotOptimize(builder.Bank2_Length);
    }
}
BENCHMARK(BM_BuildBanks)->Arg(0)->Arg(10)->Arg(100);

void BM_BuildAndWriteBanks(benchmark::State& state) {
    const TBenchConfiguration configuration(100);
    const std::string project = fs::path(configuration.ParGen_File()).parent_path().string();
    TBankBuilder builder;
    for (auto _ : state) {
        builder.Build_Banks(configuration.ParGen_File(), configuration.HART_Variables_File());
        builder.Write_Bank_Files(project);
    }
}
BENCHMARK(BM_BuildAndWriteBanks);

} // namespace
