#pragma once

#include "grid/foundation/ESGDropSource.h"

#include <string>

// Drags of grid data. Both run the platform's modal drag and answer DRAGDROP_S_DROP with the
// effect the target chose, or DRAGDROP_S_CANCEL when the drag was cancelled or no target took
// it. A grid starts them with copy and move allowed; a move tells it to take the dragged cells
// away.

// Text (and its RTF) of the dragged cells, with their binary cell stream when given; the caller
// keeps the stream.
HRESULT BeginTextDragDrop(TESGDropSource& dropSource, const std::string& text,
                          const std::string& rtf, TDropEffect& effect, TDropEffect allowedEffects,
                          const std::string* cellStream);
HRESULT BeginColumnDragDrop(TESGDropSource& dropSource, int column, TDropEffect allowedEffects,
                            TDropEffect& effect);
