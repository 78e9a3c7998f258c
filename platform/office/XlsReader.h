#pragma once

#include "platform/office/WorkbookFormats.h"

#include <string>
#include <string_view>

// The two sides of the .xls reader. ReadXlsSheets runs FreeXL in a child process per file (a
// crash there becomes a refused file); a caller that reads many files may keep one child for
// them all with the same two sides.

// In the child, before FreeXL runs: default signal actions, no error output, and a fault a
// sanitizer finds ends the child at once.
void QuietXlsReaderCrashes();
// In the child: the sheets of the file, or why it cannot be read, as bytes for the parent.
std::string XlsReaderAnswer(const std::string& fileName);
// In the parent: the sheets of the child's answer. Throws EOfficeError when the child did not end
// well (crashed, killed) or answered that the file cannot be read, and for an answer that is
// not one the child writes.
TSheetList XlsSheetsFromAnswer(std::string_view answer, bool childEndedWell,
                               const std::string& fileName);
