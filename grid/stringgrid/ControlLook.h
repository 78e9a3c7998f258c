#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Object.h"

// Appearance of the controls the grid draws in cells.
class TControlLook : public TObject {
public:
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TControlLook*>(Source))
            ControlStyle = source->ControlStyle;
    }

    TGridControlStyle ControlStyle = csTheme;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    int HintMaxWidth = 0;
    // Cell check boxes and radio buttons: their sizes, and whether they toggle without asking
    // whether the cell may be edited.
    int CheckSize = 15;
    int RadioSize = 10;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
};
