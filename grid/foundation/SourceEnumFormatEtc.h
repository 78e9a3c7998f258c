#pragma once

#include "grid/foundation/DropFormats.h"

#include <memory>
#include <vector>

// The formats grid data offers when dragged, in order: plain text, Unicode text, RTF, then the
// column when one is dragged and the cells when they are.
class TSourceEnumFormatEtc {
public:
    TSourceEnumFormatEtc(bool hasCol, bool hasGridCells);

    // Appends up to `count` descriptions from the current position; S_FALSE when fewer were
    // left. `fetched`, when given, gets the number appended.
    HRESULT Next(uint32_t count, std::vector<TFormatEtc>& formats, uint32_t* fetched = nullptr);
    // S_FALSE, leaving the position at the end, when it passes the end.
    HRESULT Skip(uint32_t count);
    HRESULT Reset();
    // A new enumerator at the same position over the same formats.
    std::unique_ptr<TSourceEnumFormatEtc> Clone() const;

private:
    std::vector<TFormatEtc> Formats() const;

    size_t FIndex = 0;
    bool FHasCol;
    bool FHasGridCells;
};
