#pragma once

#include "platform/core/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

// An ordered list of text lines.
class TStringList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Returns the index of the new line (its sorted position when Sorted).
    int Add(std::string_view line);
    // Throws Exception on a sorted list or an index outside 0..Count().
    void Insert(int index, std::string_view line);
    void Delete(int index);
    void Clear() { FItems.clear(); }

    // An index out of range throws Exception.
    std::string& operator[](int index);
    const std::string& operator[](int index) const;

    // -1 when absent; compares as CaseSensitive says.
    int IndexOf(std::string_view line) const;

    // The lines joined with "\n" (no line break after the last).
    std::string Text() const;
    // Splits at "\n", "\r\n" or "\r"; a final line break adds no empty line.
    void SetText(std::string_view text);

    // Decoded as ReadTextFile does; remembers the encoding found.
    void LoadFromFile(const std::string& path);
    // Every line ended by CR LF, written atomically, in the encoding of the last load; without
    // one, or when a Windows-1252 file was loaded, as EncodeTextWithoutLoss writes it, so that
    // nothing is lost and the file reads back the same.
    void SaveToFile(const std::string& path) const;
    void SaveToFile(const std::string& path, TTextEncoding encoding) const;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    std::vector<std::string>::const_iterator begin() const { return FItems.begin(); }
    std::vector<std::string>::const_iterator end() const { return FItems.end(); }

private:
    // Every line ended by CR LF.
    std::string LinesText() const;
    bool Less(const std::string& a, const std::string& b) const;
    bool Same(std::string_view a, std::string_view b) const;
    void Sort();
    void CheckIndex(int index, int limit) const;

    std::vector<std::string> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FHasEncoding = false;
    TTextEncoding FEncoding = TTextEncoding::Ansi;
};
