#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Set.h"

#include <functional>

class TObject;

// Which scroll bars show the row or column a dragged thumb stands at.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
// Which rows automatic column sizing measures.
enum TAutoSizeRows { arAll, arNormal, arFixed };

using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition,
                                            int ScrollMin, int ScrollMax)>;

// The edges a drag over the grid is near, and so the ways the grid scrolls.
enum TDragScrollDirections { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirections>;
// Where a drag over a control is: coming in, moving over it, leaving it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirection& DragScrollDir, bool& CanScroll)>;
