#pragma once

#include "platform/ui/DragDrop.h"
#include "platform/ui/Set.h"

#include <string>

// The formats in which grid data is dragged, and what drop targets and drag sources of the
// grids share.

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat>;

// The named drag formats.
inline constexpr const char* CFSTR_RTF = "Rich Text Format";
inline constexpr const char* CFSTR_GRIDCOLUMN = "Grid Column";
inline constexpr const char* CFSTR_GRIDCELLS = "TExStringGrid Cells";
inline constexpr const char* CFSTR_URL = DragFormat::URL;

constexpr uint32_t DVASPECT_CONTENT = 1;
constexpr uint32_t TYMED_HGLOBAL = 1;
constexpr uint32_t DATADIR_GET = 1;

// A format as drag data describes it: its number, aspect, index and the media it comes in.
struct TFormatEtc {
    TClipboardFormat cfFormat = 0;
    uint32_t dwAspect = DVASPECT_CONTENT;
    int lindex = -1;
    uint32_t tymed = TYMED_HGLOBAL;
    bool operator==(const TFormatEtc&) const = default;
};

// The format number of each format this unit reads or offers, registering the named ones.
TClipboardFormat CF_RTF();
TClipboardFormat CF_GRIDCOLUMN();
TClipboardFormat CF_GRIDCELLS();
TClipboardFormat CF_URL();
// The name a format number stands for in a drag's data object; empty for an unknown number.
std::string DropFormatName(TClipboardFormat format);

// Whether dragged grid data offers RTF and drop targets take it; off at start.
void SetDropRTFEnabled(bool Value);
bool DropRTFEnabled();

// The effect of a drop: copy with Ctrl held, else move when the source allows it, else copy.
TDropEffect ChooseDropEffect(TDragKeyState keyState, TDropEffect allowedEffects);
