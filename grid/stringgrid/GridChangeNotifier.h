#pragma once

#include "platform/ui/Component.h"
#include "platform/ui/Types.h"

// A listener a grid tells about changed cell ranges; descendants override CellsChanged.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;

    // R holds left column, top row, right column and bottom row.
    virtual void CellsChanged(const TRect& R) {}
};
