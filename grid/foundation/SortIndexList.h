#pragma once

#include "grid/foundation/IntList.h"

#include <string>
#include <string_view>

// The sort columns in priority order. Each entry is the column number in bits 0..30 and bit 31
// set for a descending column.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first entry of that column, whatever its direction; -1 when absent.
    int FindIndex(int ColumnIndex) const;
    // Flips the direction of the column's first entry; nothing when the column is not listed.
    void ToggleIndex(int ColumnIndex);

    int SortColumns(int i) const;
    void SetSortColumns(int i, int Column);
    // True for ascending.
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool Ascending);

    // "u2;d0": direction letter and the column from the entry's low 16 bits, joined by ";".
    std::string SaveToString() const;
    // Pieces shorter than two characters are skipped; a first character other than "u" means
    // descending. A column that is not a number throws EConvertError.
    void LoadFromString(std::string_view s);

    static constexpr uint32_t DescendingBit = 0x80000000u;
};
