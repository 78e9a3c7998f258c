// The row-selection boxes of column 0: each shows whether its row is selected, the header's box
// whether all rows are (partly checked when only some are), and a press on one selects.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/ControlLook.h"

void TExStringGrid::FillRowCheckBox(int ARow) {
    TCellGraphic& box = *FCellGraphic;
    box.CellType = ctRowCheckBox;
    box.CellAngle = 0;
    box.CellBoolean = false;
    box.CellTransparent = FControlLook->ControlStyle() == csFlat;
    const int rows = RowCount() - FixedRows();
    if (ARow < FixedRows()) {
        const int selected = SelectedRowCount();
        box.CellAngle = selected > 0 && selected < rows ? 1 : 0;
        box.CellBoolean = rows > 0 && selected >= rows;
        return;
    }
    const int realRow = RealRowIndex(ARow);
    if (realRow >= 0 && realRow < RowCount() + NumHiddenRows())
        box.CellBoolean = GetRowSelect(realRow);
}

void TExStringGrid::PressRowCheckBox(int ARow) {
    if (ARow < FixedRows()) {
        // The header's box selects every row, or none when all were selected.
        const bool all = SelectedRowCount() < RowCount() - FixedRows();
        for (int row = FixedRows(); row < RowCount(); ++row)
            SetRowSelect(RealRowIndex(row), all);
        Invalidate();
        return;
    }
    SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
    const int realRow = RealRowIndex(ARow);
    const bool selected = !GetRowSelect(realRow);
    SetRowSelect(realRow, selected);
    if (realRow != ARow)
        RepaintCell(0, ARow);
    // The header's box follows every row's.
    if (FixedRows() > 0)
        RepaintCell(0, 0);
    if (ARow == Row() && !selected) {
        HideSelection();
        FSelHidden = false;
    }
}
