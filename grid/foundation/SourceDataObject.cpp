#include "grid/foundation/SourceDataObject.h"

#include "grid/foundation/GridDragBlocks.h"
#include "platform/ui/DragBlocks.h"

TSourceDataObject::TSourceDataObject(std::string text, std::string rtf, int column,
                                     const std::string* cells)
    : textdata(std::move(text)), rtfdata(std::move(rtf)), scolidx(column), memstr(cells) {}

HRESULT TSourceDataObject::EnumFormatEtc(uint32_t direction,
                                         std::unique_ptr<TSourceEnumFormatEtc>& enumerator) const {
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    enumerator = std::make_unique<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return S_OK;
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& format) const {
    if (format.dwAspect != DVASPECT_CONTENT || format.tymed != TYMED_HGLOBAL)
        return DV_E_FORMATETC;
    const TClipboardFormat cf = format.cfFormat;
    const bool text = cf == CF_TEXT || cf == CF_UNICODETEXT || (cf == CF_RTF() && DropRTFEnabled());
    if ((text && !textdata.empty()) || (cf == CF_GRIDCELLS() && memstr) ||
        (cf == CF_GRIDCOLUMN() && scolidx != -1))
        return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& format, std::string& medium) const {
    medium.clear();
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    const TClipboardFormat cf = format.cfFormat;
    if (cf == CF_TEXT)
        medium = AnsiTextBlock(textdata);
    else if (cf == CF_UNICODETEXT)
        medium = UnicodeTextBlock(textdata);
    else if (cf == CF_RTF())
        medium = AnsiTextBlock(rtfdata);
    else if (cf == CF_GRIDCOLUMN())
        medium = GridColumnBlock(scolidx);
    else if (std::optional<std::string> block = GridCellsBlock(*memstr))
        medium = std::move(*block);
    else
        return DV_E_FORMATETC; // too large for the block's count
    return S_OK;
}

TDragDataObject TSourceDataObject::ToDragDataObject() const {
    TDragDataObject data;
    std::unique_ptr<TSourceEnumFormatEtc> enumerator;
    EnumFormatEtc(DATADIR_GET, enumerator);
    std::vector<TFormatEtc> formats;
    while (enumerator->Next(1, formats) == S_OK) {
        std::string block;
        if (GetData(formats.back(), block) == S_OK)
            data.SetData(DropFormatName(formats.back().cfFormat), std::move(block));
    }
    return data;
}
