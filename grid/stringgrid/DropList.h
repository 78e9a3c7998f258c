#pragma once

#include "platform/ui/Control.h"

// The list the filter drop-down opens under a header cell; it reports the chosen entry.
class TDropList : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    TNotifyEvent OnSelect;
};
