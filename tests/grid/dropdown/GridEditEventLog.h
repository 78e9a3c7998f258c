#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Form.h"
#include "tests/support/EditableGridForm.h"
#include "tests/support/GridEditEvents.h"

#include <string>
#include <vector>

// Records the grid's edit events in order ("change <value>", "done <col>,<row>"), then shows
// the form with the grid focused on cell (1, 1), ready for a user's keys.
inline void LogEditEventsAndShow(TForm& Form, TExStringGrid* Grid,
                                 std::vector<std::string>& Events) {
    GridEditEvents::RecordChanges(Grid, Events);
    GridEditEvents::RecordCellDone(Grid, Events);
    ShowWithCellFocused(Form, Grid);
}
