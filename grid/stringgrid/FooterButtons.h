#pragma once

#include "grid/stringgrid/ButtonCollection.h"
#include "grid/stringgrid/FooterButton.h"

// The buttons of a drop-down's footer strip.
class TFooterButtons : public TButtonCollection<TFooterButton> {
public:
    using TButtonCollection<TFooterButton>::TButtonCollection;
};
