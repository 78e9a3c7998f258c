// The anchors of cell links, as any loaded file may carry them: a click either goes to a cell
// of the grid, to the desktop's opener, or nowhere.
#include "FuzzSupport.h"

#include "grid/stringgrid/CellAnchor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view anchor = FuzzText(data, size);
    TPoint cell{-1, -1};
    switch (ClassifyCellAnchor(anchor, cell)) {
    case TCellAnchorTarget::Cell:
        if (cell.X < 0 || cell.Y < 0)
            std::abort();
        break;
    case TCellAnchorTarget::WebLink:
        // Only a link without blanks, that cannot pass for an option, reaches the opener.
        if (anchor.empty() || anchor.front() == '-' ||
            anchor.find_first_of(" \t\r\n") != std::string_view::npos)
            std::abort();
        break;
    case TCellAnchorTarget::None:
        break;
    }
    return 0;
}
