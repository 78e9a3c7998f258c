#pragma once

#include "platform/ui/Types.h"

#include <string_view>

// What a click on an anchor of a cell text leads to.
enum class TCellAnchorTarget {
    None,    // handed only to OnAnchorClick
    Cell,    // "CELL://R<row>C<column>": a cell of the same grid
    WebLink, // an http, https or mailto address, opened by the desktop
};

// Classifies an anchor. "CELL://" counts only at the start (in any case) and needs a reference
// with a row and a column of 0 or more, returned in Cell (X the column, Y the row). Only the
// http, https and mailto schemes are opened: an anchor can come from any file the grid loads,
// and other schemes (file, javascript, custom handlers) would run what the file says.
TCellAnchorTarget ClassifyCellAnchor(std::string_view Anchor, TPoint& Cell);
