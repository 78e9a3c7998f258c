// Reading spreadsheet workbooks into the string grid: the sheet names, and the used range of
// the active or a named sheet.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/HourGlassCursor.h"
#include "platform/core/DateTimeValue.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/StringList.h"
#include "platform/office/OfficeError.h"
#include "platform/office/SpreadsheetApplication.h"

#include <cmath>

namespace {

// The columns a range of whole rows ("$3:$7") is read with.
constexpr int WholeRowsLastColumn = 256;

// The used range as the application writes it: "$B$3:$D$7", "$B$3", or whole rows "$3:$7".
TCellRange UsedRangeOf(const std::string& address) {
    const size_t colon = address.find(':');
    if (colon != std::string::npos) {
        std::string first = address.substr(0, colon);
        std::string last = address.substr(colon + 1);
        if (!first.empty() && first.front() == '$')
            first.erase(0, 1);
        if (!last.empty() && last.front() == '$')
            last.erase(0, 1);
        if (first.find('$') == std::string::npos)
            return {1, StrToIntDef(first, -1), WholeRowsLastColumn, StrToIntDef(last, -1)};
    } else if (address.find('$') == std::string::npos) {
        return {1, 1, 1, 1};
    }
    return ParseRangeAddress(address);
}

// A cell as the grid shows it; a date in the user's short date format, with the long time
// when it has a time of day. A time without a date (day 0) is the time alone.
std::string CellText(const TSheetValue& value) {
    if (value.Kind != TSheetValue::skDate || !IsValidDateTime(value.Number))
        return value.Text;
    const TFormatSettings settings = CurrentFormatSettings();
    if (value.Number >= 0 && value.Number < 1)
        return TimeToText(value.Number, settings);
    std::string text = DateToText(value.Number, settings);
    if (value.Number != std::floor(value.Number))
        text += " " + TimeToText(value.Number, settings);
    return text;
}

} // namespace

std::unique_ptr<TStringList> TExStringGrid::GetXLSSheets(const std::string& FileName) {
    THourGlassCursor busy;
    TSpreadsheetApplication application;
    TWorkbook& workbook = application.Open(FileName);
    auto names = std::make_unique<TStringList>();
    for (int i = 1; i <= workbook.SheetCount(); ++i)
        names->Add(workbook.Sheet(i).Name);
    workbook.Saved = true;
    application.Quit();
    return names;
}

void TExStringGrid::LoadFromXLS(const std::string& Filename) {
    ReadXLS(Filename, "");
}

void TExStringGrid::LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName) {
    ReadXLS(Filename, SheetName);
}

void TExStringGrid::ReadXLS(const std::string& FileName, const std::string& SheetName) {
    THourGlassCursor busy;
    TSpreadsheetApplication application;
    TWorkbook& workbook = application.Open(FileName);
    TWorksheet* sheet = &workbook.ActiveSheet();
    if (!SheetName.empty()) {
        sheet = workbook.SheetByName(SheetName);
        if (!sheet)
            throw ROvoVariRodev("Excel worksheet " + SheetName + " not found");
    }

    const TCellRange used = UsedRangeOf(sheet->UsedRangeAddress());
    const int firstCol = (SaveFixedCells || SaveFixedCols) ? 0 : FixedCols();
    const int firstRow = (SaveFixedCells || SaveFixedRows) ? 0 : FixedRows();
    if (used.IsValid()) {
        const int oldFixedCols = FixedCols();
        const int oldFixedRows = FixedRows();
        SetColCount(used.LastCol - used.FirstCol + 1 + firstCol);
        SetRowCount(used.LastRow - used.FirstRow + 1 + firstRow);
        if (ColCount() > oldFixedCols)
            SetFixedCols(oldFixedCols);
        if (RowCount() > oldFixedRows)
            SetFixedRows(oldFixedRows);

        BeginUpdate();
        try {
            const TSheetValues values = sheet->RangeValue(RangeAddress(used));
            for (size_t r = 0; r < values.size(); ++r)
                for (size_t c = 0; c < values[r].size(); ++c) {
                    const TSheetValue& value = values[r][c];
                    if (value.Kind != TSheetValue::skError)
                        LoadCell(firstCol + static_cast<int>(c), firstRow + static_cast<int>(r),
                                 CellText(value));
                }
        } catch (const EOfficeError&) {
            EndUpdate();
            throw Exception("Incorrect XLS file");
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }
    application.Quit();
    NotifyCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    BulkCellsChanged();
}
