#pragma once

#include "platform/office/Worksheet.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The file formats behind TWorkbook. Readers throw EOfficeError for damaged files.
struct TSheetList {
    std::vector<std::unique_ptr<TWorksheet>> Sheets;
    int ActiveSheet = 0; // from 0
};

TSheetList ReadXlsxSheets(std::string_view bytes);
TSheetList ReadXlsSheets(const std::string& fileName);
std::string WriteXlsxSheets(const std::vector<const TWorksheet*>& sheets, int activeSheet);
