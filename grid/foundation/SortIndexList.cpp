#include "grid/foundation/SortIndexList.h"

#include "platform/core/IntegerConversion.h"

namespace {
uint32_t Bits(int32_t entry) {
    return static_cast<uint32_t>(entry);
}
int32_t Entry(uint32_t bits) {
    return static_cast<int32_t>(bits);
}
} // namespace

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
    uint32_t entry = Bits(ColumnIndex);
    if (!Ascending)
        entry |= DescendingBit;
    Add(Entry(entry));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
    for (int i = 0; i < Count(); ++i)
        if (SortColumns(i) == ColumnIndex)
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
    int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetItems(i, Entry(Bits(Items(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int i) const {
    return Entry(Bits(Items(i)) & ~DescendingBit);
}

void TSortIndexList::SetSortColumns(int i, int Column) {
    uint32_t direction = Bits(Items(i)) & DescendingBit;
    SetItems(i, Entry(direction | (Bits(Column) & ~DescendingBit)));
}

bool TSortIndexList::SortDirections(int i) const {
    return (Bits(Items(i)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int i, bool Ascending) {
    uint32_t entry = Bits(Items(i));
    SetItems(i, Entry(Ascending ? entry & ~DescendingBit : entry | DescendingBit));
}

std::string TSortIndexList::SaveToString() const {
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            result += ';';
        result += SortDirections(i) ? 'u' : 'd';
        result += std::to_string(Bits(Items(i)) & 0xFFFFu);
    }
    return result;
}

void TSortIndexList::LoadFromString(std::string_view s) {
    Clear();
    while (!s.empty()) {
        size_t end = s.find(';');
        std::string_view piece = s.substr(0, end);
        s = end == std::string_view::npos ? std::string_view() : s.substr(end + 1);
        if (piece.size() < 2)
            continue;
        AddIndex(StrToInt(piece.substr(1)), piece[0] == 'u');
    }
}
