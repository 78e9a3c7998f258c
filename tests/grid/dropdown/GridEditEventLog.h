#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Form.h"
#include "tests/support/EditableGridForm.h"

#include <string>
#include <vector>

// Records the grid's edit events in order ("change <value>", "done <col>,<row>"), then shows
// the form with the grid focused on cell (1, 1), ready for a user's keys.
inline void LogEditEventsAndShow(TForm& Form, TExStringGrid* Grid,
                                 std::vector<std::string>& Events) {
    Grid->OnEditChange = [&Events](TObject*, int, int, const std::string& Value) {
        Events.push_back("change " + Value);
    };
    Grid->OnEditCellDone = [&Events](TObject*, int ACol, int ARow) {
        Events.push_back("done " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    ShowWithCellFocused(Form, Grid);
}
