#pragma once

#include "grid/stringgrid/ButtonCollection.h"
#include "grid/stringgrid/HeaderButton.h"

// The buttons of a drop-down's header strip, owned with the strip's owner.
class THeaderButtons : public TButtonCollection<THeaderButton> {
public:
    using TButtonCollection<THeaderButton>::TButtonCollection;
};
