#pragma once

#include "grid/foundation/GridTypes.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/FormatSettings.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class TExStringGrid;

// What one cell contributes to a comparison, read and converted once: the class it falls in
// (numbers before texts that are no number, and so on), its value, its text as compared, and
// whether that text is empty.
struct TSortCellKey {
    int8_t Rank = 0;
    bool Blank = false;
    int32_t Row = 0;
    double Number = 0;
    std::string Text;
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
    // A key of 64 bits per position whose order agrees with Compare on that column, so that most
    // comparisons of a sort need nothing else; all 0 where no such key exists.
    std::vector<uint64_t> OrderPrefixes(int ACol, TSortDirection Direction);

    int Compares() const { return FCompares; }

private:
    // Keys of one column: all of them for the sort column, only those a tie asks for on the
    // columns that break ties.
    struct TColumnKeys {
        TSortColumnRule Rule;
        std::vector<TSortCellKey> Keys; // every position, once ReadAll ran
        // Before that, the keys read so far (a deque keeps them in place while it grows) and
        // each position's index among them, -1 while unread.
        std::deque<TSortCellKey> Some;
        std::vector<int32_t> SomeIndex;
    };
    TColumnKeys& Column(int ACol);
    const TSortCellKey& Key(int ACol, TColumnKeys& Column, int Position);
    void ReadAll(int ACol, TColumnKeys& Column);
    TSortCellKey ReadKey(int ACol, int ARow, const TSortColumnRule& Rule);
    void ReadAutomatic(int ACol, int ARow, const std::string& Text, TSortCellKey& Key);
    void ReadNumber(int ACol, int ARow, std::string Text, const TSortColumnRule& Rule,
                    TSortCellKey& Key);
    int CompareKeys(int ACol, const TColumnKeys& Column, const TSortCellKey& A,
                    const TSortCellKey& B);

    TExStringGrid& FGrid;
    TSortSettings& FSettings;
    TFormatSettings FFormat;
    std::vector<int> FRows;
    int FCompares = 0;
    std::vector<std::unique_ptr<TColumnKeys>> FColumns;
};
