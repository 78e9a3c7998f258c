// The .xlsx reader over arbitrary zip bytes, and writing back what it read.
#include "FuzzSupport.h"

#include "platform/office/OfficeError.h"
#include "platform/office/Workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<TWorkbook> workbook;
    try {
        workbook = TWorkbook::FromXlsx(FuzzText(data, size));
    } catch (const EOfficeError&) {
        return 0;
    }
    FUZZ_CHECK(workbook->SheetCount() > 0);
    FUZZ_CHECK(workbook->ActiveSheetIndex() >= 1 &&
               workbook->ActiveSheetIndex() <= workbook->SheetCount());
    for (int i = 1; i <= workbook->SheetCount(); ++i) {
        const TWorksheet& sheet = workbook->Sheet(i);
        const TCellRange used = sheet.UsedRange();
        FUZZ_CHECK(used.IsValid() && used.LastRow <= 1048576 && used.LastCol <= 16384);
        FUZZ_CHECK(ParseRangeAddress(sheet.UsedRangeAddress()).LastCol == used.LastCol);
    }
    // What was read is written whole, or refused with a reason (a sheet name the format
    // forbids); what is written reads back with the same sheets.
    std::string bytes;
    try {
        bytes = workbook->XlsxBytes();
    } catch (const EOfficeError&) {
        return 0;
    }
    const auto again = TWorkbook::FromXlsx(bytes);
    FUZZ_CHECK(again->SheetCount() == workbook->SheetCount());
    for (int i = 1; i <= again->SheetCount(); ++i)
        FUZZ_CHECK(again->Sheet(i).Name == workbook->Sheet(i).Name);
    return 0;
}
