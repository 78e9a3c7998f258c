// Reads the cell values of every sheet of a legacy .xls workbook through FreeXL.
#include "platform/office/OfficeError.h"
#include "platform/office/WorkbookFormats.h"

#include <freexl.h>

namespace {

class TFreeXlHandle {
public:
    explicit TFreeXlHandle(const std::string& fileName) {
        const int result = freexl_open(fileName.c_str(), &FHandle);
        if (result != FREEXL_OK) {
            Close();
            throw EOfficeError("Not a readable .xls workbook: " + fileName + " (FreeXL error " +
                               std::to_string(result) + ")");
        }
    }
    ~TFreeXlHandle() { Close(); }
    TFreeXlHandle(const TFreeXlHandle&) = delete;
    TFreeXlHandle& operator=(const TFreeXlHandle&) = delete;
    const void* Get() const { return FHandle; }

private:
    void Close() {
        if (FHandle)
            freexl_close(FHandle);
        FHandle = nullptr;
    }
    const void* FHandle = nullptr;
};

void Check(int result, const char* what) {
    if (result != FREEXL_OK)
        throw EOfficeError(std::string("Damaged .xls workbook: ") + what + " (FreeXL error " +
                           std::to_string(result) + ")");
}

TSheetValue CellValue(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return TSheetValue::FromNumber(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return TSheetValue::FromNumber(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return cell.value.text_value ? TSheetValue::FromString(cell.value.text_value)
                                     : TSheetValue();
    default:
        return {};
    }
}

} // namespace

TSheetList ReadXlsSheets(const std::string& fileName) {
    TFreeXlHandle handle(fileName);
    unsigned int count = 0;
    Check(freexl_get_info(handle.Get(), FREEXL_BIFF_SHEET_COUNT, &count), "sheet count");
    TSheetList list;
    for (unsigned int index = 0; index < count; ++index) {
        const char* name = nullptr;
        Check(freexl_get_worksheet_name(handle.Get(), static_cast<unsigned short>(index), &name),
              "sheet name");
        auto sheet = std::make_unique<TWorksheet>(name ? name : "");
        Check(freexl_select_active_worksheet(handle.Get(), static_cast<unsigned short>(index)),
              "sheet");
        unsigned int rows = 0;
        unsigned short columns = 0;
        Check(freexl_worksheet_dimensions(handle.Get(), &rows, &columns), "sheet size");
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(handle.Get(), r, c, &cell) == FREEXL_OK)
                    sheet->SetCell(static_cast<int>(r) + 1, c + 1, CellValue(cell));
            }
        list.Sheets.push_back(std::move(sheet));
    }
    if (list.Sheets.empty())
        throw EOfficeError("The workbook holds no worksheet");
    return list;
}
