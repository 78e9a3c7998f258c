#pragma once

#include <string>
#include <string_view>

// Spreadsheet cell addresses in A1 style: bijective base-26 column letters ("A" = 1, "Z" = 26,
// "AA" = 27, "ZZ" = 702, "AAA" = 703) followed by the row number, both counted from 1.

// A worksheet's reach.
constexpr int MaxSheetRows = 1048576;
constexpr int MaxSheetColumns = 16384;

// The letters of a column; empty for a column below 1.
std::string ColumnLetters(int column);
// The column of a run of letters (either case); -1 for anything else or a column beyond any
// worksheet's reach.
int ColumnNumber(std::string_view letters);

// Texts in the file format's escapes: a character XML cannot hold stands as "_xHHHH_" (its
// UTF-16 code in hex), and a literal "_xHHHH_" is written "_x005F_xHHHH_".
std::string DecodeSheetEscapes(std::string_view text);
std::string EscapeSheetEscapes(std::string_view text);

struct TCellRange {
    int FirstCol = -1;
    int FirstRow = -1;
    int LastCol = -1;
    int LastRow = -1;
    bool IsValid() const { return FirstCol > 0 && FirstRow > 0 && LastCol > 0 && LastRow > 0; }
};

// "A1", "$A$1", "B3:D7", "$B$3:$D$7"; the corners come back in any order they were written.
// An invalid address answers a range that is not IsValid().
TCellRange ParseRangeAddress(std::string_view address);
// "A1:C4", or "A1" for a single cell; with absolute, "$A$1:$C$4".
std::string RangeAddress(const TCellRange& range, bool absolute = false);
