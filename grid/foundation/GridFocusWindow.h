#pragma once

#include "platform/ui/Control.h"

#include <memory>

class TGridAlphaMask;

// The marker window a grid keeps over its focused cell: a red top-most tool window that takes
// no input and draws nothing but its colour (the grid gives it a shape and a picture).
class TGridFocusWindow : public TCustomControl {
public:
    // Empty (0 x 0) until the grid places it.
    explicit TGridFocusWindow(TComponent* AOwner);
    ~TGridFocusWindow() override;

    // The window is made again under the new parent, as the same popup.
    void SetParent(TWinControl* AParent) override;

    // A picture with per-pixel alpha, shown with its opacity over the window's colour: windows
    // here are not blended with what lies beneath them. Copied; nullptr shows the colour alone.
    void SetPicture(const TGridAlphaMask* Picture);
    const TGridAlphaMask* Picture() const { return FPicture.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TGridAlphaMask> FPicture;
};
