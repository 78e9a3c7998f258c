#pragma once

#include <functional>

class TObject;

// The order in which cells are numbered.
enum TSortDirection { sdAscending, sdDescending };
// Which scroll bars show the row or column a dragged thumb stands at.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
// Which rows automatic column sizing measures.
enum TAutoSizeRows { arAll, arNormal, arFixed };

using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition,
                                            int ScrollMin, int ScrollMax)>;
