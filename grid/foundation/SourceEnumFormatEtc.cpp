#include "grid/foundation/SourceEnumFormatEtc.h"

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool hasCol, bool hasGridCells)
    : FHasCol(hasCol), FHasGridCells(hasGridCells) {}

std::vector<TFormatEtc> TSourceEnumFormatEtc::Formats() const {
    std::vector<TFormatEtc> formats = {{CF_TEXT}, {CF_UNICODETEXT}, {CF_RTF()}};
    if (FHasCol)
        formats.push_back({CF_GRIDCOLUMN()});
    if (FHasGridCells)
        formats.push_back({CF_GRIDCELLS()});
    return formats;
}

HRESULT TSourceEnumFormatEtc::Next(uint32_t count, std::vector<TFormatEtc>& formats,
                                   uint32_t* fetched) {
    const std::vector<TFormatEtc> all = Formats();
    uint32_t taken = 0;
    while (taken < count && FIndex < all.size()) {
        formats.push_back(all[FIndex++]);
        ++taken;
    }
    if (fetched)
        *fetched = taken;
    return taken == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(uint32_t count) {
    const size_t size = Formats().size();
    if (count > size - FIndex) {
        FIndex = size;
        return S_FALSE;
    }
    FIndex += count;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset() {
    FIndex = 0;
    return S_OK;
}

std::unique_ptr<TSourceEnumFormatEtc> TSourceEnumFormatEtc::Clone() const {
    auto clone = std::make_unique<TSourceEnumFormatEtc>(FHasCol, FHasGridCells);
    clone->FIndex = FIndex;
    return clone;
}
