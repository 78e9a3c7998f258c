// "ParGen.xml": its reader, the checks before it is written, the writer, and the general
// parameter bank built from it.
#include "FuzzSupport.h"

#include "app/core/ParGenFile.h"
#include "app/core/ParGenValidation.h"
#include "app/core/USaveBincc.h"
#include "platform/core/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("ParGen.xml", FuzzText(data, size));
    TParGenValues values;
    try {
        values = Read_ParGen_File(path);
    } catch (const Exception&) {
        return 0; // not well-formed XML: reported to the user
    }
    const TParGenCheck check = Check_ParGen_Values(values);
    if (!check.Passed) {
        FUZZ_CHECK(!check.Element.empty());
        FUZZ_CHECK(check.Lang_Index > 0);
    }
    // What is written reads back as it was.
    const std::string copy = FuzzFolder() + "/ParGen_copy.xml";
    Write_ParGen_File(copy, values);
    FUZZ_CHECK_MSG(Read_ParGen_File(copy) == values, "written values read back differently");

    TBankBuilder builder;
    builder.Build_Banks(path, FuzzFolder() + "/no_HART_Variables.xml");
    FUZZ_CHECK(builder.Bank1_Length == TPar_Gen_Bank::Size);
    FUZZ_CHECK(builder.Bank1_Length <= builder.Bank1_Image.size());
    FUZZ_CHECK(builder.Bank2_Length <= builder.Bank2_Image.size());
    FUZZ_CHECK(builder.Hart_Bank.hart_var_place.empty());
    FUZZ_CHECK(builder.Hart_Bank.retry_limit < TParGenValues::Retry_Limit_Items.size());
    return 0;
}
