// The editor controls of the grid: created on first use, one per family, reused for every cell.
#include "grid/stringgrid/ExGrid.h"

TCellEditor* TExStringGrid::CellEditorOfKind(TEditorType Kind) {
    return nullptr;
}
