#pragma once

#include "grid/foundation/GridEvents.h"
#include "platform/ui/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A list of integers that belongs to one cell and tells its owner when it changes (the cell's
// image indexes, for example). Index errors throw Exception.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    int32_t Items(int Index) const;
    void SetItems(int Index, int32_t Value);
    int32_t operator[](int Index) const { return Items(Index); }

    void Add(int32_t Value);
    void Delete(int Index);
    // Inserting is silent: callers use it while building a list.
    void Insert(int Index, int32_t Value);
    void DeleteValue(int32_t Value);
    bool HasValue(int32_t Value) const;
    // Clearing is silent too.
    void Clear() { FItems.clear(); }

    // "1,20,3"; empty for an empty list.
    std::string StrValue() const;
    // Entries separated by commas or blanks, double quotes grouping one; each entry is added
    // with Add. A bad entry throws EConvertError, the entries before it stay.
    void SetStrValue(std::string_view Value);

    int Col() const { return FCol; }
    int Row() const { return FRow; }

    TImageChangeEvent OnChange;

protected:
    void Changed();

private:
    std::vector<int32_t> FItems;
    int FCol;
    int FRow;
};

// Splits text with the comma-text rules: entries separated by commas or blanks; an entry that
// starts with a double quote runs to the closing quote, "" inside standing for one quote.
std::vector<std::string> SplitCommaText(std::string_view text);
