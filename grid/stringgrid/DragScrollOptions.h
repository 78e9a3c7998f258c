#pragma once

#include "platform/ui/Object.h"

// Scrolling while something is dragged over the grid's edges; filled in with scrolling.
class TDragScrollOptions : public TObject {
public:
    void Assign(const TObject* Source) {}
};
