// Sorting: what a click on a column header sorts.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/IntList.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SortIndexList.h"

#include <chrono>

void TExStringGrid::SortOnHeaderClick(int ACol, bool ExtendIndex) {
    if (ACol < 0 || ACol >= TotalColCount())
        return;
    HideInplaceEdit();
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    const auto started = std::chrono::steady_clock::now();
    const int oldLeft = LeftCol();
    const bool keepLeft = FNavigation->KeepHorizScroll && Options().Contains(goRowSelect);
    if (keepLeft)
        BeginUpdate();
    struct TRestore {
        TExStringGrid& Grid;
        bool KeepLeft;
        int Left;
        ~TRestore() {
            if (!KeepLeft)
                return;
            Grid.SetLeftCol(Left);
            Grid.EndUpdate();
        }
    } restore{*this, keepLeft, oldLeft};

    const bool ascending = FSortSettings->InitSortDirection == sdAscending;
    if (FSortSettings->IndexShow()) {
        const bool listed = FSortIndexes->FindIndex(ACol) >= 0;
        if (ExtendIndex) {
            if (listed)
                FSortIndexes->ToggleIndex(ACol);
            else
                FSortIndexes->AddIndex(ACol, ascending);
        } else if (FSortIndexes->Count() == 1 && FSortIndexes->SortColumns(0) == ACol) {
            FSortIndexes->ToggleIndex(ACol);
        } else {
            FSortIndexes->Clear();
            FSortIndexes->AddIndex(ACol, ascending);
        }
        if (HasNodes())
            QSortGroupIndexed();
        else
            QSortIndexed();
        FSortSettings->Column = FSortIndexes->Count() > 0 ? (*FSortIndexes)[0] : -1;
    } else {
        bool undo = false;
        if (FSortSettings->Column == ACol) {
            undo = FSortSettings->Direction != FSortSettings->InitSortDirection &&
                   FSortSettings->UndoSort;
            FSortSettings->ToggleDirection();
        } else {
            FSortSettings->Direction = FSortSettings->InitSortDirection;
            FSortSettings->Column = ACol;
        }
        if (undo) {
            QUnSort();
            FSortSettings->Column = -1;
        } else if (HasNodes()) {
            QSortGroup();
        } else {
            QSort();
        }
    }
    SortTime = static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - started)
                                         .count());
    if (NumCellControls() > 0)
        CellControlsUpdate(true);
    ClickSort(FSortSettings->Column);
}
