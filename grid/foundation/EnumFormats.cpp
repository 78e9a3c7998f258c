#include "grid/foundation/EnumFormats.h"

#include "grid/foundation/GridDragBlocks.h"
#include "platform/core/Exception.h"
#include "platform/ui/DragBlocks.h"

TEnumFormats::TEnumFormats(const TDragDataObject* dataObject) {
    // Registered before the first read, so the numbers are known when compared.
    CF_RTF();
    CF_GRIDCOLUMN();
    CF_GRIDCELLS();
    CF_URL();
    SetDataObject(dataObject);
}

void TEnumFormats::SetDataObject(const TDragDataObject* dataObject) {
    if (!dataObject)
        throw Exception("Cannot get the format enumerator");
    FDataObject = dataObject;
    FEnumerator = dataObject->Formats();
    Reset();
}

bool TEnumFormats::Reset() {
    FValid = false;
    FCount = 0;
    FPosition = 0;
    return true;
}

bool TEnumFormats::Next() {
    ++FCount;
    FValid = FPosition < FEnumerator.size();
    if (FValid)
        FFormatEtc = TFormatEtc{DragFormatNumber(FEnumerator[FPosition++])};
    return FValid;
}

bool TEnumFormats::HasFormat(TClipboardFormat format) {
    Reset();
    while (Next())
        if (Format() == format)
            return true;
    return false;
}

const std::string* TEnumFormats::Handle(uint32_t medium) const {
    if (!FValid || !(FFormatEtc.tymed & medium))
        return nullptr;
    return FDataObject->Data(FEnumerator[FPosition - 1]);
}

const std::string* TEnumFormats::Block(TClipboardFormat format) {
    return HasFormat(format) ? GlobalHandle() : nullptr;
}

int TEnumFormats::ReadInteger(TClipboardFormat format) {
    const std::string* block = Block(format);
    return block ? ReadGridColumnBlock(*block) : -1;
}

std::optional<std::string> TEnumFormats::ReadStream(TClipboardFormat format) {
    const std::string* block = Block(format);
    if (!block)
        return std::nullopt;
    return ReadGridCellsBlock(*block);
}

std::string TEnumFormats::ReadWideText(TClipboardFormat format) {
    const std::string* block = Block(format);
    return block ? ReadUnicodeTextBlock(*block) : std::string();
}

std::string TEnumFormats::ReadAnsiText(TClipboardFormat format) {
    const std::string* block = Block(format);
    return block ? ReadAnsiTextBlock(*block) : std::string();
}

bool TEnumFormats::ReadFiles() {
    FFiles.Clear();
    const std::string* block = Block(CF_HDROP);
    std::vector<std::string> names;
    if (!block || !ReadFileDropBlock(*block, names))
        return false;
    for (const std::string& name : names)
        FFiles.Add(name);
    return true;
}
