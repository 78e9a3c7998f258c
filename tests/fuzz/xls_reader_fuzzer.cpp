// Legacy .xls workbooks through FreeXL, which reads only from files.
#include "FuzzSupport.h"

#include "platform/office/OfficeError.h"
#include "platform/office/Workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = WriteFuzzFile("input.xls", FuzzText(data, size));
    try {
        const auto workbook = TWorkbook::FromXls(file);
        FUZZ_CHECK(workbook->SheetCount() > 0);
        for (int i = 1; i <= workbook->SheetCount(); ++i)
            FUZZ_CHECK(workbook->Sheet(i).UsedRange().IsValid());
    } catch (const EOfficeError&) {
    }
    RemoveFuzzFile("input.xls");
    return 0;
}
