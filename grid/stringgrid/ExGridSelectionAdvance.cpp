// The move to the next cell after Enter, and the key-press hook that runs it and the
// incremental search.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/core/CodePage.h"
#include "platform/core/Text.h"

#include <algorithm>

// Moves (ACol, ARow) one step in the advance direction. False when the advance ends here: a
// row was added in which no cell can be edited.
bool TExStringGrid::AdvanceTarget(int& ACol, int& ARow, bool Forward) {
    const TAdvanceDirection dir = FNavigation->AdvanceDirection();
    const int span = std::max(0, CellSpan(ACol, ARow).X);
    const int lastNormalCol = ColCount() - FFixedRightCols - 1;
    const bool onLastDataRow = ARow + 1 >= RowCount() - FFixedFooters;
    if (!Forward) {
        if (dir == adLeftRight) {
            if (ACol > FirstNormalCol()) {
                --ACol;
            } else {
                ACol = lastNormalCol;
                ARow = ARow > FixedRows() ? ARow - 1 : LastDataRow();
            }
        } else if (dir == adTopBottom) {
            if (ARow > FixedRows()) {
                --ARow;
            } else {
                ARow = LastDataRow();
                ACol = ACol > FirstNormalCol() ? ACol - 1 : lastNormalCol;
            }
        }
        return true;
    }
    if (dir == adLeftRight || dir == adLeftRightInRow) {
        if (ACol + span < ColCount() - VisibleFixedRightCols() - 1) {
            ACol += span + 1;
        } else if (dir == adLeftRightInRow) {
            if (FNavigation->AdvanceOnEnterLoop)
                ACol = FirstNormalCol();
        } else if (onLastDataRow && FNavigation->AdvanceInsert()) {
            bool canAdd = true;
            CanAddRow(canAdd);
            ACol = FirstNormalCol();
            if (canAdd) {
                AddRow();
                ++ARow;
                FireEvent(OnAutoAddRow, this, RowCount() - FFixedFooters - 1);
                bool editable = false;
                for (int c = FixedCols(); c < ColCount() && !editable; ++c)
                    editable = IsEditable(RealColIndex(c), ARow);
                if (!editable)
                    return false;
            }
        } else if (onLastDataRow) {
            if (FNavigation->AdvanceOnEnterLoop) {
                ARow = FixedRows();
                ACol = FirstNormalCol();
            }
        } else {
            ++ARow;
            ACol = FirstNormalCol();
        }
        return true;
    }
    if (ARow < LastDataRow()) {
        ++ARow;
    } else if (dir == adTopBottomInCol) {
        ARow = FixedRows();
    } else if (ACol + 1 != ColCount() - FFixedRightCols) {
        ARow = FixedRows();
        ACol = ACol + 1 > ColCount() - 1 ? FirstNormalCol() : ACol + 1;
        Invalidate();
    } else if (FNavigation->AdvanceInsert()) {
        SetColCount(ColCount() + 1);
        ACol += span + 1;
        ARow = FixedRows();
        FireEvent(OnAutoInsertCol, this, ColCount() - FFixedRightCols - 1);
        Invalidate();
    } else {
        ARow = FixedRows();
        ACol = FirstNormalCol();
        Invalidate();
    }
    return true;
}

void TExStringGrid::AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward,
                                bool KeepOrigin, bool ShowEditor) {
    if (!FNavigation->AdvanceOnEnter && !Force)
        return;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    // The value being edited is validated before the cell is left.
    if (!EditorValueAccepted())
        return;
    if (FMouseActions->RangeSelectAndEdit && !Options().Contains(goEditing))
        SetOptions(Options() + TGridOptions{goEditing});
    if (!KeepOrigin) {
        FAECol = ACol;
        FAERow = ARow;
    }
    FStartEditChar = 0;
    const int leftCol = ACol;
    const int leftRow = ARow;
    // Skipping read-only cells passes each cell of the grid at most once: on a grid without an
    // editable cell the advance ends where it began.
    const long long cells = static_cast<long long>(ColCount()) * RowCount();
    for (long long k = 0;; ++k) {
        if (!AdvanceTarget(ACol, ARow, Forward))
            return;
        if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
            return;
        bool canGo = true;
        QueryCanEdit(RealColIndex(ACol), ARow, canGo);
        if (canGo) {
            bool allow = true;
            FireEvent(OnAutoAdvance, this, FAERow, FAECol, ARow, ACol, allow);
            if (allow)
                FireEvent(OnCellChanging, this, FAERow, FAECol, ARow, ACol, allow);
            if (allow && ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount()) {
                FDisableChange = true;
                FocusCell(ACol, ARow, true);
            } else {
                CanSelectCell(leftCol, leftRow);
            }
            FDisableChange = false;
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells) {
            FocusCell(ACol, ARow, true);
            break;
        }
        if (k >= cells)
            return;
    }
    if (ShowEditor && !IsControlCell(RealColIndex(Col()), Row()) &&
        ((AutoEdit && FNavigation->AdvanceAutoEdit) || EditMode) &&
        IsEditable(RealColIndex(Col()), Row()))
        TBaseGrid::ShowEditor();
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(SelectionRowOf(Row()), true);
    }
}

int TExStringGrid::IncrementalSearchRow(const std::string& Text) {
    return Search(Text);
}

// OnKeyPress has fired before this hook (the platform fires it first).
void TExStringGrid::HandleKeyPress(TChar& Key) {
    const int realCol = RealColIndex(Col());
    if (Key == VK_ESCAPE) {
        if (Options().Contains(goEditing) && FEditing)
            RestoreCellCache();
        return;
    }
    if (Key == VK_RETURN && !FNavigation->AdvanceOnEnter && !IsEditable(realCol, Row())) {
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && (!Focused() || IsControlCell(realCol, Row()))) {
        AdvanceCell(Col(), Row(), false, false, true, false, EditMode);
        if (!FNavigation->AdvanceAutoEdit || IsControlCell(realCol, Row())) {
            if (FNavigation->AdvanceAutoEdit && FNavigation->AdvanceOnEnter)
                ShowInplaceEdit();
            Key = 0;
            return;
        }
    }
    const bool typed = Key == VK_BACK || (Key >= 32 && Key != 127);
    if (typed && !Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted) {
        if (!FNavigation->AutoGotoIncremental)
            SearchInc.clear();
        if (Key == VK_BACK) {
            // Backspace takes back the last character, whole even when it is several bytes.
            std::u16string text = Utf8ToUtf16(SearchInc);
            if (!text.empty())
                text.pop_back();
            SearchInc = Utf16ToUtf8(text);
        } else {
            SearchInc += Utf16ToUtf8(std::u16string(1, Key));
        }
        SearchTics = 0;
        const int row = IncrementalSearchRow(UpperCaseFull(SearchInc));
        if (row < 0)
            SearchInc.clear();
        else if (row < RowCount())
            SetRow(row);
    }
    TBaseGrid::HandleKeyPress(Key);
}
