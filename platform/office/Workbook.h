#pragma once

#include "platform/office/Worksheet.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A spreadsheet workbook in memory: its sheets, the active one, and the file it came from.
// Files are .xlsx (read and written) and .xls (read). Saving rewrites the whole workbook, so
// every sheet of an opened file is kept.
class TWorkbook {
public:
    // A new workbook with one empty sheet "Sheet1".
    TWorkbook();
    // Reads an .xlsx or .xls file, told apart by its content. Throws EFileError when the file
    // cannot be read and EOfficeError when it is no workbook or a damaged one.
    static std::unique_ptr<TWorkbook> Open(const std::string& fileName);
    // The same for bytes already in memory (.xlsx only).
    static std::unique_ptr<TWorkbook> FromXlsx(std::string_view bytes);
    // An .xls file through FreeXL, which reads only from files.
    static std::unique_ptr<TWorkbook> FromXls(const std::string& fileName);

    // A name the file format takes: 1 to 31 characters, none of []:*?/\, no apostrophe at
    // either end.
    static bool IsValidSheetName(std::string_view name);

    int SheetCount() const { return static_cast<int>(FSheets.size()); }
    // From 1 to SheetCount(); throws EOfficeError outside.
    TWorksheet& Sheet(int index);
    // The last sheet of that name, or null.
    TWorksheet* SheetByName(std::string_view name);
    TWorksheet& ActiveSheet() { return *FSheets[FActiveSheet]; }
    int ActiveSheetIndex() const { return FActiveSheet + 1; }
    void SetActiveSheetIndex(int index);
    // A new empty sheet before the active one, which it becomes; named "SheetN" after the
    // first free N.
    TWorksheet& AddWorksheet();

    // Writes .xlsx to FileName / to fileName (which becomes FileName). Written beside the
    // target and renamed over it. Throws EOfficeError or EFileError: never reports success for
    // a file it could not write.
    void Save();
    void SaveAs(const std::string& fileName);
    // The workbook as .xlsx bytes.
    std::string XlsxBytes() const;

    std::string FileName;
    bool Saved = true;
    // Called with the file name after each successful save.
    std::function<void(const std::string&)> OnSaved;

private:
    TWorkbook(std::vector<std::unique_ptr<TWorksheet>> sheets, int activeSheet);
    std::vector<std::unique_ptr<TWorksheet>> FSheets;
    int FActiveSheet = 0;
};
