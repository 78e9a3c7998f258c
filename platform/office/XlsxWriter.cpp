// Writes every sheet of a workbook as .xlsx through libxlsxwriter.
#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/WorkbookFormats.h"

#include <xlsxwriter.h>

#include <filesystem>
#include <unistd.h>

namespace {

// libxlsxwriter writes only to a named file: a private one in the temporary folder, removed
// whatever happens.
class TScratchFile {
public:
    TScratchFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmaro-xlsx-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0)
            throw EOfficeError("Cannot make a temporary file for the workbook");
        close(fd);
        Path = pattern;
    }
    ~TScratchFile() { std::filesystem::remove(Path); }
    TScratchFile(const TScratchFile&) = delete;
    TScratchFile& operator=(const TScratchFile&) = delete;
    std::string Path;
};

void CheckWriter(lxw_error error, const TWorksheet& sheet) {
    if (error != LXW_NO_ERROR)
        throw EOfficeError("Cannot write worksheet " + sheet.Name + ": " + lxw_strerror(error));
}

// The built-in formats a date is written with: with or without its time of day.
struct TDateFormats {
    lxw_format* Date = nullptr;
    lxw_format* DateTime = nullptr;
};

void WriteCells(lxw_worksheet* target, const TWorksheet& sheet, const TDateFormats& dates) {
    for (const auto& [position, value] : sheet.Cells()) {
        const lxw_row_t row = static_cast<lxw_row_t>(position.first - 1);
        const lxw_col_t column = static_cast<lxw_col_t>(position.second - 1);
        switch (value.Kind) {
        case TSheetValue::skNumber:
            CheckWriter(worksheet_write_number(target, row, column, value.Number, nullptr), sheet);
            break;
        case TSheetValue::skDate:
            CheckWriter(worksheet_write_number(target, row, column, value.Number,
                                         value.Number == static_cast<long long>(value.Number)
                                             ? dates.Date
                                             : dates.DateTime),
                  sheet);
            break;
        case TSheetValue::skBoolean:
            CheckWriter(worksheet_write_boolean(target, row, column, value.Number != 0, nullptr), sheet);
            break;
        case TSheetValue::skString:
        case TSheetValue::skError: // the file format keeps errors only as results of formulas
            CheckWriter(worksheet_write_string(target, row, column,
                                         EscapeSheetEscapes(value.Text).c_str(), nullptr),
                  sheet);
            break;
        case TSheetValue::skEmpty:
            break;
        }
    }
}

} // namespace

std::string WriteXlsxSheets(const std::vector<const TWorksheet*>& sheets, int activeSheet) {
    TScratchFile file;
    lxw_workbook* workbook = workbook_new(file.Path.c_str());
    if (!workbook)
        throw EOfficeError("Cannot make a workbook");
    TDateFormats dates;
    dates.Date = workbook_add_format(workbook);
    format_set_num_format_index(dates.Date, 14);
    dates.DateTime = workbook_add_format(workbook);
    format_set_num_format_index(dates.DateTime, 22);
    try {
        for (size_t i = 0; i < sheets.size(); ++i) {
            const TWorksheet& sheet = *sheets[i];
            lxw_worksheet* target = workbook_add_worksheet(workbook, sheet.Name.c_str());
            if (!target)
                throw EOfficeError("Invalid worksheet name \"" + sheet.Name + "\"");
            WriteCells(target, sheet, dates);
            const lxw_row_t activeRow = static_cast<lxw_row_t>(sheet.ActiveCellRow - 1);
            worksheet_set_selection(target, activeRow, 0, activeRow, 0);
            if (static_cast<int>(i) == activeSheet)
                worksheet_activate(target);
        }
    } catch (...) {
        // Closing writes the file; the scratch file goes with it.
        workbook_close(workbook);
        throw;
    }
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw EOfficeError(std::string("Cannot write the workbook: ") + lxw_strerror(error));
    return ReadFileBytes(file.Path);
}
