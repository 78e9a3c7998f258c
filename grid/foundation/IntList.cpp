#include "grid/foundation/IntList.h"

#include "grid/foundation/ListIndex.h"
#include "platform/core/IntegerConversion.h"

#include <algorithm>

void TIntList::Changed() {
    if (OnChange)
        OnChange(this, FCol, FRow);
}

int32_t TIntList::Items(int Index) const {
    CheckListIndex(Index, Count());
    return FItems[static_cast<size_t>(Index)];
}

void TIntList::SetItems(int Index, int32_t Value) {
    CheckListIndex(Index, Count());
    FItems[static_cast<size_t>(Index)] = Value;
    Changed();
}

void TIntList::Add(int32_t Value) {
    FItems.push_back(Value);
    Changed();
}

void TIntList::Delete(int Index) {
    CheckListIndex(Index, Count());
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TIntList::Insert(int Index, int32_t Value) {
    CheckListIndex(Index, Count() + 1);
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::DeleteValue(int32_t Value) {
    auto found = std::find(FItems.begin(), FItems.end(), Value);
    if (found != FItems.end())
        Delete(static_cast<int>(found - FItems.begin()));
}

bool TIntList::HasValue(int32_t Value) const {
    return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

std::string TIntList::StrValue() const {
    std::string result;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            result += ',';
        result += std::to_string(FItems[i]);
    }
    return result;
}

void TIntList::SetStrValue(std::string_view Value) {
    Clear();
    for (const std::string& entry : SplitCommaText(Value))
        Add(StrToInt(entry));
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> entries;
    size_t pos = 0;
    auto skipSeparators = [&] {
        while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ')
            ++pos;
    };
    skipSeparators();
    while (pos < text.size()) {
        std::string entry;
        if (text[pos] == '"') {
            ++pos;
            while (pos < text.size()) {
                if (text[pos] == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        entry += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                entry += text[pos++];
            }
        } else {
            while (pos < text.size() && text[pos] != ',' &&
                   static_cast<unsigned char>(text[pos]) > ' ')
                entry += text[pos++];
        }
        entries.push_back(entry);
        skipSeparators();
        if (pos < text.size() && text[pos] == ',') {
            // Only a comma that ends the text stands for one more (empty) entry; blanks after
            // the last comma are mere separators.
            if (pos + 1 == text.size())
                entries.emplace_back();
            ++pos;
            skipSeparators();
        }
    }
    return entries;
}
