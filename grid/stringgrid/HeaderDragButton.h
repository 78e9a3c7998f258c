#pragma once

#include "platform/ui/Control.h"

class TBaseGrid;

// The picture of a dragged column header when the grid shows no picture of the cells: a small
// bordered popup in the look of the grid's fixed cells, captioned with the header's text.
class THeaderDragButton : public TCustomControl {
public:
    // Hidden, floating over everything and taking no input.
    THeaderDragButton(TComponent* AOwner, TBaseGrid* Grid);

protected:
    void Paint() override;

private:
    TBaseGrid* FGrid;
};
