// Feeds any bytes to the readers of dropped drag data: each block reader on its own, then a
// whole drop of a data object whose formats are cut from the input. Readers stay inside the
// blocks (the sanitizers watch), give well-formed UTF-8, and what they read writes back to the
// same reading.
#include "grid/foundation/ESGDropTarget.h"
#include "grid/foundation/EnumFormats.h"
#include "grid/foundation/GridDragBlocks.h"
#include "platform/core/Utf8.h"
#include "platform/ui/DragBlocks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool IsWellFormed(std::string_view text) {
    return ReplaceInvalidUtf8(text) == text;
}

void ReadBlocks(std::string_view block) {
    Check(IsWellFormed(ReadAnsiTextBlock(block)));
    Check(IsWellFormed(ReadUnicodeTextBlock(block)));

    if (std::optional<std::string> stream = ReadGridCellsBlock(block)) {
        Check(stream->size() == ReadUInt32(block, 0));
        Check(stream->size() + 8 <= block.size());
        Check(GridCellsBlock(*stream) == std::string(block.substr(0, stream->size() + 8)));
    }
    const int column = ReadGridColumnBlock(block);
    if (block.size() < 4)
        Check(column == -1);
    else
        Check(GridColumnBlock(column) == block.substr(0, 4));

    std::vector<std::string> names;
    const bool read = ReadFileDropBlock(block, names);
    Check(read == !names.empty());
    for (const std::string& name : names)
        Check(!name.empty() && IsWellFormed(name));
    std::vector<std::string> again;
    if (read) {
        Check(ReadFileDropBlock(FileDropBlock(names), again));
        Check(again == names);
    }
}

// Takes every drop and checks what it is handed.
class CheckingTarget : public TESGDropTarget {
protected:
    void DropText(TPoint, const std::string& s) override { Check(IsWellFormed(s)); }
    void DropStream(TPoint, std::string) override {}
    void DropCol(TPoint, int col) override { Check(col >= 0); }
    void DropRTF(TPoint, const std::string& s) override { Check(IsWellFormed(s)); }
    void DropFiles(TPoint, const TStringList& files) override { Check(files.Count() > 0); }
    void DropURL(TPoint, const std::string& s) override { Check(IsWellFormed(s)); }
};

// The input cut at each "\xFF\xFE\xFD" into the blocks of the formats a drop reads.
TDragDataObject DataObject(std::string_view bytes) {
    static const char* const formats[] = {DragFormat::UnicodeText,
                                          DragFormat::FileDrop,
                                          CFSTR_GRIDCELLS,
                                          CFSTR_GRIDCOLUMN,
                                          CFSTR_RTF,
                                          CFSTR_URL};
    constexpr std::string_view separator = "\xFF\xFE\xFD";
    TDragDataObject data;
    for (const char* format : formats) {
        const size_t end = bytes.find(separator);
        data.SetData(format, std::string(bytes.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + separator.size());
    }
    return data;
}

void Drop(const TDragDataObject& data, bool rtfEnabled) {
    SetDropRTFEnabled(rtfEnabled);
    CheckingTarget target;
    target.SetAcceptCols(true);
    TDropEffect effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(data, 0, {}, effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragOver(MK_CONTROL, {}, effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.Drop(data, 0, {}, effect);
    Check(effect == DROPEFFECT_NONE || effect == DROPEFFECT_MOVE);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadBlocks(bytes);
    const TDragDataObject dropped = DataObject(bytes);
    Drop(dropped, size % 2 == 0);
    TEnumFormats formats(&dropped);
    Check(formats.ReadFiles() == (formats.Files().Count() > 0));
    return 0;
}
