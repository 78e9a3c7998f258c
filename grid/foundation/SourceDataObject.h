#pragma once

#include "grid/foundation/SourceEnumFormatEtc.h"

#include <memory>
#include <string>

// The data of a grid drag: the text, its RTF, a column index or a block of cells, each offered
// in the formats of SourceEnumFormatEtc when present.
class TSourceDataObject {
public:
    TSourceDataObject(std::string text, std::string rtf, int column, const std::string* cells);

    std::string textdata;
    std::string rtfdata;
    // -1: no column is dragged.
    int scolidx = -1;
    // The binary cell stream, not owned; nullptr when no cells are dragged.
    const std::string* memstr = nullptr;

    // Only for getting data (DATADIR_GET); E_NOTIMPL otherwise.
    HRESULT EnumFormatEtc(uint32_t direction,
                          std::unique_ptr<TSourceEnumFormatEtc>& enumerator) const;
    // S_OK when the format can be had; DV_E_FORMATETC otherwise.
    HRESULT QueryGetData(const TFormatEtc& format) const;
    // The format's block in `medium`; DV_E_FORMATETC, with `medium` empty, when unavailable.
    HRESULT GetData(const TFormatEtc& format, std::string& medium) const;

    // The formats that can be had, with their blocks, for the platform's drag.
    TDragDataObject ToDragDataObject() const;
};
