#pragma once

#include "platform/ui/Panel.h"

// The panel under the cells that shows the floating footer; sized and painted by the footer's
// feature, a bottom-aligned strip of no height until then.
class TFooterPanel : public TPanel {
public:
    using TPanel::TPanel;
};
