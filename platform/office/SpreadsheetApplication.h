#pragma once

#include "platform/office/OfficeApplication.h"
#include "platform/office/Workbook.h"

using TSpreadsheetApplication = TOfficeApplication<TWorkbook>;
