#include "platform/office/Workbook.h"

#include "platform/core/Files.h"
#include "platform/office/OfficeError.h"
#include "platform/office/WorkbookFormats.h"

#include <algorithm>

namespace {

constexpr std::string_view CompoundFileSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

} // namespace

TWorkbook::TWorkbook() {
    FSheets.push_back(std::make_unique<TWorksheet>("Sheet1"));
}

TWorkbook::TWorkbook(std::vector<std::unique_ptr<TWorksheet>> sheets, int activeSheet)
    : FSheets(std::move(sheets)), FActiveSheet(activeSheet) {
    if (FSheets.empty())
        throw EOfficeError("The workbook holds no worksheet");
    if (FActiveSheet < 0 || FActiveSheet >= SheetCount())
        FActiveSheet = 0;
}

std::unique_ptr<TWorkbook> TWorkbook::Open(const std::string& fileName) {
    const std::string bytes = ReadFileBytes(fileName);
    std::unique_ptr<TWorkbook> workbook =
        bytes.substr(0, CompoundFileSignature.size()) == CompoundFileSignature ? FromXls(fileName)
                                                                               : FromXlsx(bytes);
    workbook->FileName = fileName;
    return workbook;
}

std::unique_ptr<TWorkbook> TWorkbook::FromXlsx(std::string_view bytes) {
    TSheetList list = ReadXlsxSheets(bytes);
    return std::unique_ptr<TWorkbook>(new TWorkbook(std::move(list.Sheets), list.ActiveSheet));
}

std::unique_ptr<TWorkbook> TWorkbook::FromXls(const std::string& fileName) {
    TSheetList list = ReadXlsSheets(fileName);
    auto workbook =
        std::unique_ptr<TWorkbook>(new TWorkbook(std::move(list.Sheets), list.ActiveSheet));
    workbook->FileName = fileName;
    return workbook;
}

bool TWorkbook::IsValidSheetName(std::string_view name) {
    size_t characters = 0;
    for (char c : name)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters >= 1 && characters <= 31 &&
           name.find_first_of("[]:*?/\\") == std::string_view::npos && name.front() != '\'' &&
           name.back() != '\'';
}

TWorksheet& TWorkbook::Sheet(int index) {
    if (index < 1 || index > SheetCount())
        throw EOfficeError("Worksheet index " + std::to_string(index) + " out of range");
    return *FSheets[index - 1];
}

TWorksheet* TWorkbook::SheetByName(std::string_view name) {
    TWorksheet* found = nullptr;
    for (auto& sheet : FSheets)
        if (sheet->Name == name)
            found = sheet.get();
    return found;
}

void TWorkbook::SetActiveSheetIndex(int index) {
    if (index >= 1 && index <= SheetCount())
        FActiveSheet = index - 1;
}

TWorksheet& TWorkbook::AddWorksheet() {
    int n = 1;
    while (SheetByName("Sheet" + std::to_string(n)))
        ++n;
    FSheets.insert(FSheets.begin() + FActiveSheet,
                   std::make_unique<TWorksheet>("Sheet" + std::to_string(n)));
    Saved = false;
    return *FSheets[FActiveSheet];
}

std::string TWorkbook::XlsxBytes() const {
    std::vector<const TWorksheet*> sheets;
    for (const auto& sheet : FSheets)
        sheets.push_back(sheet.get());
    return WriteXlsxSheets(sheets, FActiveSheet);
}

void TWorkbook::Save() {
    SaveAs(FileName);
}

void TWorkbook::SaveAs(const std::string& fileName) {
    if (fileName.empty())
        throw EOfficeError("The workbook has no file name");
    WriteFileAtomic(fileName, XlsxBytes());
    FileName = fileName;
    Saved = true;
    if (OnSaved)
        OnSaved(fileName);
}
