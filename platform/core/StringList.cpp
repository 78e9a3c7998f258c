#include "platform/core/StringList.h"

#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/core/TextFile.h"

#include <algorithm>

int TStringList::Add(std::string_view line) {
    if (!FSorted) {
        FItems.emplace_back(line);
        return Count() - 1;
    }
    const std::string value(line);
    const auto position =
        std::upper_bound(FItems.begin(), FItems.end(), value,
                         [this](const std::string& a, const std::string& b) { return Less(a, b); });
    return static_cast<int>(FItems.insert(position, value) - FItems.begin());
}

void TStringList::Insert(int index, std::string_view line) {
    if (FSorted)
        throw Exception("Operation not allowed on sorted list");
    CheckIndex(index, Count() + 1);
    FItems.emplace(FItems.begin() + index, line);
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    FItems.erase(FItems.begin() + index);
}

std::string& TStringList::operator[](int index) {
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

const std::string& TStringList::operator[](int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

int TStringList::IndexOf(std::string_view line) const {
    for (int i = 0; i < Count(); ++i)
        if (Same(FItems[static_cast<size_t>(i)], line))
            return i;
    return -1;
}

std::string TStringList::Text() const {
    return Join(FItems, "\n");
}

void TStringList::SetText(std::string_view text) {
    FItems.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            FItems.emplace_back(text.substr(start));
            break;
        }
        FItems.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    if (FSorted)
        Sort();
}

void TStringList::LoadFromFile(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    SetText(DecodeText(bytes));
    FEncoding = TextEncodingOf(bytes);
    FHasEncoding = true;
}

void TStringList::SaveToFile(const std::string& path) const {
    // A line the code page cannot hold (one added after an ANSI file was loaded too) would be
    // saved as '?'; such a list goes out as UTF-8 with a mark instead.
    WriteFileAtomic(
        path, EncodeTextWithoutLoss(LinesText(), FHasEncoding ? FEncoding : TTextEncoding::Ansi));
}

void TStringList::SaveToFile(const std::string& path, TTextEncoding encoding) const {
    WriteFileAtomic(path, EncodeText(LinesText(), encoding));
}

std::string TStringList::LinesText() const {
    std::string text;
    for (const std::string& line : FItems) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !FSorted) {
        FSorted = true;
        Sort();
    }
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    FCaseSensitive = caseSensitive;
    if (FSorted)
        Sort();
}

bool TStringList::Less(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? a < b : UpperCase(a) < UpperCase(b);
}

bool TStringList::Same(std::string_view a, std::string_view b) const {
    return FCaseSensitive ? a == b : SameText(a, b);
}

void TStringList::Sort() {
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const std::string& a, const std::string& b) { return Less(a, b); });
}

void TStringList::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}
