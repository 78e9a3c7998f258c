#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tab- and line-separated text in which cell ranges travel through the clipboard. A field
// that holds a line break, a TAB or starts with a quote is enclosed in quotes with its quotes
// doubled, so every text reads back exactly (bare CR, bare LF and CR LF included); other
// programs' text with LF or CR LF line ends reads as they mean it.

// With ExcelFormat a CR LF inside the field travels as character 11, the way spreadsheets
// write line breaks within a cell.
std::string ClipboardField(std::string_view text, bool ExcelFormat);

// The lines of a clipboard text, each a list of fields. A final line break ends the last line
// and starts none. An opening quote without its closing quote is taken as plain text.
struct TClipboardBlock {
    std::vector<std::vector<std::string>> Lines;
    bool EndsWithLineBreak = false;
    // The widest line's field count.
    int Width() const;
};
TClipboardBlock ParseClipboardText(std::string_view text, bool ExcelFormat);
