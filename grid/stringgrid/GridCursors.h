#pragma once

#include "platform/ui/Types.h"

#include <memory>

class TBitmap;

// The grid's own cursors, known to the screen once RegisterGridCursors ran.
constexpr TCursor crGridPan = 8000; // panning, the mouse within the dead zone
constexpr TCursor crGridPanDown = 8001;
constexpr TCursor crGridPanLeft = 8002;
constexpr TCursor crGridPanRight = 8003;
constexpr TCursor crGridPanUp = 8004;
constexpr TCursor crGridPanUpRight = 8005;
constexpr TCursor crGridPanUpLeft = 8006;
constexpr TCursor crGridPanDownRight = 8007;
constexpr TCursor crGridPanDownLeft = 8008;
constexpr TCursor crGridRowSelect = 8010;
constexpr TCursor crGridColSelect = 8011;
constexpr TCursor crGridSelectAll = 8012;
constexpr TCursor crGridCellSelector = 8014;

void RegisterGridCursors();

// The panning cursor for a direction: Vertical and Horizontal each -1, 0 or +1.
TCursor PanCursor(int Vertical, int Horizontal);

// The 32 x 32 mark left where panning started: arrows up and down, left and right, or all four.
std::unique_ptr<TBitmap> PanGlyph(bool Vertical, bool Horizontal);
