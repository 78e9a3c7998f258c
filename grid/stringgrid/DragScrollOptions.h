#pragma once

#include "platform/ui/Object.h"

// How long a drag waits near an edge before the grid scrolls, and then between steps (ms).
class TDragScrollDelays : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TDragScrollDelays*>(Source)) {
            InitialDelay = source->InitialDelay;
            RepeatDelay = source->RepeatDelay;
        }
    }

    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

// How near each edge (pixels) a drag must come to scroll the grid that way.
class TDragScrollMargins : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TDragScrollMargins*>(Source)) {
            TopMargin = source->TopMargin;
            BottomMargin = source->BottomMargin;
            LeftMargin = source->LeftMargin;
            RightMargin = source->RightMargin;
        }
    }

    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

// Scrolling while something is dragged over the grid's edges.
class TDragScrollOptions : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TDragScrollOptions*>(Source)) {
            Active = source->Active;
            Delays.Assign(&source->Delays);
            Margins.Assign(&source->Margins);
        }
    }

    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;
};
