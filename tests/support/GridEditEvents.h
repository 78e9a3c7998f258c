#pragma once

#include "grid/stringgrid/ExGrid.h"

#include <string>
#include <vector>

// The grid's edit events written into Events as they come, for a test to compare in order:
// "change <value>" for each change of the editor's text, "editing done" when an edit ends and
// "done <col>,<row>" when it ended on that cell.
namespace GridEditEvents {

inline void RecordChanges(TExStringGrid* Grid, std::vector<std::string>& Events) {
    Grid->OnEditChange = [&Events](TObject*, int, int, const std::string& Value) {
        Events.push_back("change " + Value);
    };
}

inline void RecordEditingDone(TExStringGrid* Grid, std::vector<std::string>& Events) {
    Grid->OnEditingDone = [&Events](TObject*) { Events.push_back("editing done"); };
}

inline void RecordCellDone(TExStringGrid* Grid, std::vector<std::string>& Events) {
    Grid->OnEditCellDone = [&Events](TObject*, int ACol, int ARow) {
        Events.push_back("done " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
}

} // namespace GridEditEvents
