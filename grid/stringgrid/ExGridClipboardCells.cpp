// The clipboard's and the drops' link to the binary cell stream.
#include "grid/stringgrid/ExGrid.h"

// The binary cell stream belongs to the grid stream feature; until it is linked here the
// clipboard offers no "TExStringGrid Cells" block and refuses to read one.
std::optional<std::string> TExStringGrid::CellStreamOfRange(const TGridRect&) {
    return std::nullopt;
}

bool TExStringGrid::CellStreamSize(const std::string&, int& Cols, int& Rows, intptr_t& ID) {
    Cols = 0;
    Rows = 0;
    ID = 0;
    return false;
}

void TExStringGrid::LoadCellStreamAt(int, int, const std::string&) {
    throw ROvoVariRodev("Cell streams cannot be read");
}
