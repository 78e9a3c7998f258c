// "HART_Variables.xml": its reader, the checks before it is written, the writer, and the HART
// bank built from it.
#include "FuzzSupport.h"

#include "app/core/HartBank.h"
#include "app/core/HartVariablesFile.h"
#include "app/core/HartVariablesValidation.h"
#include "app/core/USaveBincc.h"
#include "platform/core/Exception.h"
#include "platform/core/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("HART_Variables.xml", FuzzText(data, size));
    std::vector<THartVariableRow> rows;
    try {
        rows = Read_Hart_Variables_File(path);
    } catch (const Exception&) {
        return 0; // not well-formed XML: reported to the user
    }
    FUZZ_CHECK(rows.size() <= static_cast<size_t>(Hart_Variables_Max_Rows));

    const THartVariablesCheck check = Check_Hart_Variables(rows);
    if (!check.Passed) {
        FUZZ_CHECK(check.Row >= 1 && check.Row <= static_cast<int>(rows.size()));
        FUZZ_CHECK(check.Lang_Index > 0);
    }

    // What is written reads back as it was, every row with an address.
    const std::string copy = FuzzFolder() + "/HART_Variables_copy.xml";
    Write_Hart_Variables_File(copy, rows);
    std::vector<THartVariableRow> written;
    for (const THartVariableRow& row : rows)
        if (!Trim(row.Device_Address).empty())
            written.push_back(row);
    FUZZ_CHECK_MSG(Read_Hart_Variables_File(copy) == written, "written rows read back differently");

    TBankBuilder builder;
    builder.Build_Banks(FuzzFolder() + "/no_ParGen.xml", path);
    const THart_Bank& bank = builder.Hart_Bank;
    FUZZ_CHECK(bank.var_number == bank.hart_var_place.size());
    FUZZ_CHECK(bank.hart_var_place.size() <= rows.size());
    FUZZ_CHECK(builder.Bank2_Length <= builder.Bank2_Image.size());
    const size_t entries_end =
        Hart_Bank_Header_Size + bank.hart_var_place.size() * Hart_Var_Place_Size;
    FUZZ_CHECK(builder.Bank2_Length >= entries_end);
    for (const THart_Var_Place& place : bank.hart_var_place) {
        FUZZ_CHECK(place.params_length == place.params.size());
        // The parameters lie inside the stored bank.
        FUZZ_CHECK(place.params_add >= TBankBuilder::Hart_Bank_Address);
        FUZZ_CHECK(place.params_add - TBankBuilder::Hart_Bank_Address + place.params_length <=
                   builder.Bank2_Length);
    }
    return 0;
}
