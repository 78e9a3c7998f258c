#pragma once

#include "grid/foundation/GridTypes.h"
#include "platform/ui/Panel.h"

#include <array>

// The arrow-shaped window a grid shows beside the place a dragged row or column would go: a
// borderless popup in the shape of a small arrow pointing in Dir, filled with its colour.
class TArrowWindow : public TPanel {
public:
    using TArrowOutline = std::array<TPoint, 7>;

    // Owned by and shown over AOwner; green and hidden until the grid places and shows it.
    TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);

    TArrowDirection Dir() const { return FDir; }
    const TArrowOutline& Arrow() const { return FArrow; }
    // The outline of the arrow for a direction, in window pixels.
    static TArrowOutline ArrowOutline(TArrowDirection Direction);

    // The window is made again under the new parent, as a popup in the arrow's shape.
    void SetParent(TWinControl* AParent) override;

protected:
    void Paint() override;

private:
    TArrowDirection FDir;
    TArrowOutline FArrow{};
};
