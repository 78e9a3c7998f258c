#pragma once

#include <string>

using TClipboardFormat = unsigned;
constexpr TClipboardFormat CF_TEXT = 1;
constexpr TClipboardFormat CF_UNICODETEXT = 13;

// The system clipboard: text and named private formats (raw bytes).
class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
    // A number per format name, the same for every call with that name.
    static TClipboardFormat RegisterFormat(const std::string& name);
    bool HasFormat(TClipboardFormat format) const;
    std::string FormatData(TClipboardFormat format) const;
    // Puts the bytes on the clipboard under the format, next to what Open/Close batch holds.
    void SetFormatData(TClipboardFormat format, const std::string& bytes);
    void Clear();
    // Between Open and Close, writes gather into one clipboard content.
    void Open();
    void Close();

private:
    int FOpenCount = 0;
};

TClipboard* Clipboard();
