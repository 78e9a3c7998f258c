#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/SortRowIndex.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/FormatSettings.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TExStringGrid;

// What one cell contributes to a comparison, read and converted once: the class it falls in
// (numbers before texts that are no number, and so on), its value, its text as compared (kept
// in the table's one text buffer), and whether that text is empty.
struct TSortCellKey {
    double Number = 0;
    uint64_t TextAt = 0;
    uint32_t TextSize = 0;
    int32_t Row = 0;
    int8_t Rank = 0;
    bool Blank = false;
};

// How the cells of one column are compared: the style after the format hook, its prefix and
// suffix, and the options and locale conventions of the sort, fixed for the whole sort.
struct TSortColumnRule {
    TSortStyle Style = ssAlphabetic;
    std::string Prefix;
    std::string Suffix;
};

// The keys of a list of rows, column by column, each column read when a comparison first needs
// it; comparisons run on the keys only. Positions index the list of rows.
class TSortKeyTable {
public:
    TSortKeyTable(TExStringGrid& Grid, std::vector<int> Rows);
    ~TSortKeyTable();

    // The comparison of two positions on one column in ascending order: -1, 0 or 1 for the
    // built-in styles, the hook's own result for the custom and raw styles.
    int CompareAscending(int ACol, int A, int B);
    // The same in the order of Direction, empty cells placed by BlankPos when IgnoreBlanks.
    int Compare(int ACol, int A, int B, TSortDirection Direction);
    // An entry per position with a 64-bit key whose order agrees with Compare on that column, so
    // that most comparisons of a sort need nothing else; all keys 0 where no such key exists.
    std::vector<TSortEntry> OrderPrefixes(int ACol, TSortDirection Direction);
    // Whether the last OrderPrefixes gave equal prefixes only to keys that compare equal, so
    // that ties need no comparison on that column.
    bool PrefixesExact() const { return FPrefixesExact; }
    // Reads the keys of these positions (ascending) on one column ahead of the comparisons.
    void ReadAhead(int ACol, const std::vector<int32_t>& Positions);

    int Compares() const { return FCompares; }

private:
    // Keys of one column, each read when first asked for: the sort column's prefixes are taken
    // in one pass without keeping its keys, as only ties need them.
    struct TColumnKeys {
        TSortColumnRule Rule;
        // The keys read so far (a deque keeps them in place while it grows) and each position's
        // index among them, -1 while unread.
        std::deque<TSortCellKey> Some;
        std::vector<int32_t> SomeIndex;
    };
    TColumnKeys& Column(int ACol);
    const TSortCellKey& Key(int ACol, TColumnKeys& Column, int Position);
    TSortCellKey ReadKey(int ACol, int ARow, const TSortColumnRule& Rule);
    // The text the sort reads from the cell: the stored text itself where nothing changes it
    // for display, else a copy in FCellCopy.
    std::string_view CellText(int ACol, int ARow);
    void ReadAutomatic(int ACol, int ARow, TSortCellKey& Key);
    void ReadNumber(int ACol, int ARow, std::string_view Text, const TSortColumnRule& Rule,
                    TSortCellKey& Key);
    void KeepText(TSortCellKey& Key, std::string_view Text, bool Upper = false);
    std::string_view TextOf(const TSortCellKey& Key) const {
        return std::string_view(FTexts).substr(Key.TextAt, Key.TextSize);
    }
    int CompareKeys(int ACol, const TColumnKeys& Column, const TSortCellKey& A,
                    const TSortCellKey& B);

    TExStringGrid& FGrid;
    TSortSettings& FSettings;
    TFormatSettings FFormat;
    std::vector<int> FRows;
    int FCompares = 0;
    bool FPrefixesExact = false;
    // The compared texts of all keys, one after the other: no allocation per key.
    std::string FTexts;
    std::string FCellCopy;
    std::string FNumberCopy;
    std::vector<std::unique_ptr<TColumnKeys>> FColumns;
};
