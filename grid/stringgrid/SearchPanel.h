#pragma once

#include "platform/ui/Panel.h"

// The panel under the cells that holds the search footer's edit and buttons; it reports what
// the user does there through these events, which the grid wires to its search handlers.
class TSearchPanel : public TPanel {
public:
    using TPanel::TPanel;

    TNotifyEvent OnEditChange;
    TNotifyEvent OnBackward;
    TNotifyEvent OnForward;
    TNotifyEvent OnExitSearch;
    TNotifyEvent OnHighlight;
};
