// The GSD writer from the open configuration's "ParGen.xml".
#include "FuzzSupport.h"

#include "app/core/AppState.h"
#include "app/core/UProfibus_GSD.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    AppState().ParGen_File = WriteFuzzFile("ParGen.xml", FuzzText(data, size));
    const std::string output = FuzzFolder() + "/Gateway.gsd";
    RemoveFuzzFile("Gateway.gsd");
    try {
        GSD_Write(output);
    } catch (const EFileError& error) {
        FUZZ_CHECK_MSG(false, error.Message);
    } catch (const Exception&) {
        // Damaged XML or a length out of range: reported, and nothing is written.
        FUZZ_CHECK(!FileExists(output));
        return 0;
    }
    const TGSD_Lengths lengths = GSD_Read_Lengths(AppState().ParGen_File);
    FUZZ_CHECK(lengths.Input_Length >= 0 && lengths.Input_Length <= 244);
    FUZZ_CHECK(lengths.Output_Length >= 0 && lengths.Output_Length <= 244);
    FUZZ_CHECK(ReadFileBytes(output) == Utf8ToAnsi(GSD_Text(lengths)));
    return 0;
}
