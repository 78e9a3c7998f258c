#pragma once

#include "platform/ui/Control.h"

// The check list the filter drop-down opens for several values at once.
class TDropCheckList : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    TNotifyEvent OnSelect;
};
