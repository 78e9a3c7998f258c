#include "grid/stringgrid/Filter.h"

#include "grid/foundation/FilterCondition.h"
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
    Values = source->Values;
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

namespace {

bool IsAscii(std::string_view Text) {
    return std::all_of(Text.begin(), Text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

char AsciiUpper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// "*" any run of characters, "?" one character; greedy, back to the last star on a mismatch.
bool MatchAsciiWildcard(std::string_view Pattern, std::string_view Text, bool CaseSensitive) {
    size_t p = 0;
    size_t t = 0;
    size_t starP = std::string_view::npos;
    size_t starT = 0;
    while (t < Text.size()) {
        const char ch = CaseSensitive ? Text[t] : AsciiUpper(Text[t]);
        if (p < Pattern.size() && (Pattern[p] == '?' || (Pattern[p] != '*' && Pattern[p] == ch))) {
            ++p;
            ++t;
        } else if (p < Pattern.size() && Pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < Pattern.size() && Pattern[p] == '*')
        ++p;
    return p == Pattern.size();
}

} // namespace

TPreparedCondition::TPreparedCondition(std::string Condition, bool CaseSensitive)
    : FCondition(std::move(Condition)), FCaseSensitive(CaseSensitive) {
    // Blanks mean nothing outside quotes and a leading "=" nothing at all; control characters
    // and the matcher's own signs leave the condition to the matcher.
    constexpr std::string_view Special = "()&|;^<>!\"";
    for (char ch : FCondition) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte >= 0x7F || Special.find(ch) != std::string_view::npos)
            return;
        if (ch != ' ')
            FPattern += CaseSensitive ? ch : AsciiUpper(ch);
    }
    if (!FPattern.empty() && FPattern.front() == '=')
        FPattern.erase(0, 1);
    FPlain = true;
}

bool TPreparedCondition::Matches(std::string_view Text) const {
    if (FPlain && IsAscii(Text))
        return MatchAsciiWildcard(FPattern, Text, FCaseSensitive);
    return MatchFilterCondition(FCondition, Text, FCaseSensitive);
}
