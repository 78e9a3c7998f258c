#pragma once

#include "grid/foundation/StyledDateTimePicker.h"

#include <string>

// The base of the string grid's date and time cell editor: the styled picker with the
// platform's sunken border (Ctl3D on) and no custom colours.
class TEsgDateTimePicker : public TStyledDateTimePicker {
public:
    explicit TEsgDateTimePicker(TComponent* AOwner);

    // "1.0.0.0"; writes are ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

protected:
    bool FlatBorderNeedsColor() const override { return true; }
    bool PaintsFlatFrame() const override { return false; }
    int MetroClearance() const override { return 15; }
};
