// Writing the string grid into a spreadsheet workbook: a new one, the active sheet of the
// running application, or a named sheet of a workbook file whose other sheets stay.
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HourGlassCursor.h"
#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/SpreadsheetApplication.h"

void TExStringGrid::SaveToXLS(const std::string& Filename, bool CreateNewSheet) {
    WriteXLS(Filename, "", CreateNewSheet);
}

void TExStringGrid::SaveToXLSSheet(const std::string& Filename, const std::string& SheetName) {
    WriteXLS(Filename, SheetName, true);
}

void TExStringGrid::WriteXLS(const std::string& FileName, const std::string& SheetName,
                             bool CreateNewSheet) {
    // Refused before any workbook changes, so the running application's stays as it was.
    if (!SheetName.empty() && !TWorkbook::IsValidSheetName(SheetName))
        throw EOfficeError("Invalid worksheet name \"" + SheetName + "\"");
    THourGlassCursor busy;
    std::unique_ptr<TSpreadsheetApplication> ownApplication;
    TSpreadsheetApplication& application = TSpreadsheetApplication::RunningOrNew(ownApplication);

    TWorkbook* workbook = nullptr;
    TWorksheet* sheet = nullptr;
    int startRow = 1;
    bool saveInPlace = false;
    if (!SheetName.empty()) {
        // A workbook file that cannot be read raises here rather than being replaced by a
        // new one: its other sheets would be lost.
        if (FileExists(FileName)) {
            workbook = &application.Open(FileName);
            saveInPlace = true;
        } else {
            workbook = &application.Add();
        }
        sheet = workbook->SheetByName(SheetName);
        if (!sheet) {
            sheet = &workbook->AddWorksheet();
            sheet->Name = SheetName;
        }
    } else if (CreateNewSheet || application.Count() == 0) {
        workbook = &application.Add();
        sheet = &workbook->Sheet(1);
    } else {
        workbook = application.Active();
        sheet = &workbook->ActiveSheet();
        startRow = sheet->ActiveCellRow;
    }

    const int rows = RowCount() - SaveStartRow();
    const int columns = ColCount() - SaveStartCol();
    std::vector<std::vector<std::string>> texts(std::max(rows, 0));
    std::string text;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = 0; r < rows; ++r) {
        ExportNotification(esExportNextRow, SaveStartRow() + r);
        texts[r].reserve(columns);
        for (int c = 0; c < columns; ++c) {
            SaveCell(RealColIndex(SaveStartCol() + c), SaveStartRow() + r, text);
            // A workbook cell breaks its lines with LF alone; a lone CR is a break too.
            texts[r].push_back(CRToLF(CRLFToLF(text)));
        }
    }
    ExportNotification(esExportDone, -1);
    if (rows > 0 && columns > 0)
        sheet->SetRangeValue("A" + std::to_string(startRow) + ":" + ColumnLetters(columns) +
                                 std::to_string(startRow + rows - 1),
                             texts);
    if (saveInPlace)
        workbook->Save();
    else
        workbook->SaveAs(FileName);
    if (ownApplication)
        ownApplication->Quit();
}
