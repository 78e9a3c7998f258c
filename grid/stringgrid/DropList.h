#pragma once

#include "platform/ui/Control.h"

// The list the filter drop-down opens under a header cell; it reports the chosen entry.
class TDropList : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    // The chosen entry's index in the filter list the drop-down was filled from; -1 for none.
    int ItemIndex = -1;
    TNotifyEvent OnSelect;
};
