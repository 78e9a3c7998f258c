// Column statistics and the floating footer. The change hooks are where every change of cell
// values ends; registered change notifiers hear of it here.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/GridChangeNotifier.h"

void TExStringGrid::CalculateFooter(int ACol) {}

void TExStringGrid::CalcFooter(int ACol) {}

void TExStringGrid::ColumnValueChanged(int ACol, int ARow) {}

void TExStringGrid::NotifyCellsChanged(const TRect& R) {
    // A notifier may unregister itself while it is told.
    const std::vector<TGridChangeNotifier*> notifiers = FNotifierList;
    for (TGridChangeNotifier* notifier : notifiers)
        notifier->CellsChanged(R);
}

void TExStringGrid::BulkCellsChanged() {}

void TExStringGrid::LastRowChanged() {}

void TExStringGrid::UpdateFooter() {}
