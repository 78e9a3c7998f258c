#pragma once

#include "grid/foundation/DropFormats.h"
#include "platform/core/StringList.h"

#include <optional>
#include <string>
#include <vector>

// Reads the formats of a dropped data object. The data may come from another program: every
// reader checks the block it gets, and a format whose block is bad reads as absent.
class TEnumFormats {
public:
    // Throws Exception when there is no data object to enumerate.
    explicit TEnumFormats(const TDragDataObject* dataObject);

    const TDragDataObject* DataObject() const { return FDataObject; }
    void SetDataObject(const TDragDataObject* dataObject);

    // The current format description.
    const TFormatEtc& FormatEtc() const { return FFormatEtc; }
    TClipboardFormat Format() const { return FFormatEtc.cfFormat; }
    void SetFormat(TClipboardFormat value) { FFormatEtc.cfFormat = value; }
    uint32_t Aspect() const { return FFormatEtc.dwAspect; }
    void SetAspect(uint32_t value) { FFormatEtc.dwAspect = value; }
    int Index() const { return FFormatEtc.lindex; }
    void SetIndex(int value) { FFormatEtc.lindex = value; }
    uint32_t Medium() const { return FFormatEtc.tymed; }
    void SetMedium(uint32_t value) { FFormatEtc.tymed = value; }
    // Whether the description holds an enumerated format; calls to Next since Reset.
    bool Valid() const { return FValid; }
    int Count() const { return FCount; }

    bool Reset();
    // Moves to the next format; false past the last.
    bool Next();
    // Stays on the format when found.
    bool HasFormat(TClipboardFormat format);
    // The block of the current format when it comes in that medium; nullptr otherwise.
    const std::string* Handle(uint32_t medium) const;
    const std::string* GlobalHandle() const { return Handle(TYMED_HGLOBAL); }

    // -1 when the format is absent or its block too short.
    int ReadInteger(TClipboardFormat format);
    // The cell stream of a "TExStringGrid Cells" block; nothing when absent or bad.
    std::optional<std::string> ReadStream(TClipboardFormat format);
    // Text up to its NUL or the block's end; empty when absent.
    std::string ReadWideText(TClipboardFormat format);
    std::string ReadAnsiText(TClipboardFormat format);
    // Fills Files from the file list; true when it holds at least one name.
    bool ReadFiles();
    const TStringList& Files() const { return FFiles; }

    std::string Text() { return ReadWideText(CF_UNICODETEXT); }
    std::string RTF() { return ReadAnsiText(CF_RTF()); }
    int Col() { return ReadInteger(CF_GRIDCOLUMN()); }
    std::optional<std::string> Stream() { return ReadStream(CF_GRIDCELLS()); }

    bool HasText() { return HasFormat(CF_UNICODETEXT); }
    bool HasRTF() { return HasFormat(CF_RTF()); }
    bool HasCol() { return HasFormat(CF_GRIDCOLUMN()); }
    bool HasFile() { return HasFormat(CF_HDROP); }
    bool HasURL() { return HasFormat(CF_URL()); }
    bool HasGridCells() { return HasFormat(CF_GRIDCELLS()); }

private:
    // The block of a format, or nullptr when it is not offered.
    const std::string* Block(TClipboardFormat format);

    const TDragDataObject* FDataObject = nullptr;
    std::vector<std::string> FEnumerator;
    size_t FPosition = 0;
    TFormatEtc FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    TStringList FFiles;
};
