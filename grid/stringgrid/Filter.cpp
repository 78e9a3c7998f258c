#include "grid/stringgrid/Filter.h"

#include "platform/core/Exception.h"

#include <algorithm>

void TFilterData::Assign(const TObject* Source) {
    if (!Source)
        return;
    const auto* source = dynamic_cast<const TFilterData*>(Source);
    if (!source)
        throw Exception("Invalid class typecast");
    Column = source->Column;
    Condition = source->Condition;
    CaseSensitive = source->CaseSensitive;
    Data = source->Data;
    Prefix = source->Prefix;
    Suffix = source->Suffix;
    Operation = source->Operation;
    Method = source->Method; // a copy that matched differently would not be a copy
}

void TFilter::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFilter*>(Source);
    if (!source || source == this)
        return;
    FItems.clear();
    for (const auto& item : source->FItems) {
        FItems.push_back(std::make_unique<TFilterData>());
        FItems.back()->Assign(item.get());
    }
}

TFilterData* TFilter::Add() {
    FItems.push_back(std::make_unique<TFilterData>());
    FItems.back()->Operation = FItems.size() == 1 ? foNONE : foAND;
    return FItems.back().get();
}

TFilterData* TFilter::Insert(int Index) {
    const int at = std::clamp(Index, 0, Count());
    return FItems.insert(FItems.begin() + at, std::make_unique<TFilterData>())->get();
}

void TFilter::Delete(int Index) {
    if (Index >= 0 && Index < Count())
        FItems.erase(FItems.begin() + Index);
}

TFilterData* TFilter::Items(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)].get() : nullptr;
}

void TFilter::SetItem(int Index, const TFilterData* Value) {
    if (TFilterData* item = Items(Index))
        item->Assign(Value);
}

TFilterData* TFilter::ColumnFilter(int Col) {
    for (const auto& item : FItems)
        if (item->Column == Col)
            return item.get();
    TFilterData* added = Add();
    added->Column = static_cast<int16_t>(Col);
    return added;
}

bool TFilter::HasFilter(int Col) const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [Col](const auto& item) { return item->Column == Col; });
}

void TFilter::RemoveColumnFilter(int Col) {
    std::erase_if(FItems, [Col](const auto& item) { return item->Column == Col; });
}
