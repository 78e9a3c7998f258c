#include "platform/ui/StringGridControl.h"

#include "platform/core/CodePage.h"
#include "platform/ui/InplaceEdit.h"

#include <algorithm>
#include <string>

void TStringGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0)
        HandleKeyDown(Key, Shift);
}

void TStringGrid::KeyPress(TChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key != 0)
        HandleKeyPress(Key);
}

void TStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (Key != 0)
        HandleKeyUp(Key, Shift);
}

void TStringGrid::HandleKeyDown(WORD& Key, TShiftState Shift) {
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const int firstCol = FFixedCols;
    const int lastCol = ColCount() - 1;
    const int firstRow = FFixedRows;
    const int lastRow = RowCount() - 1;
    int col = FCurrent.X;
    int row = FCurrent.Y;
    // With whole rows selected, Left and Right scroll the columns; with Ctrl they do nothing
    // here (the owner of the grid may give them a meaning of its own).
    switch (Key) {
    case VK_UP:
        --row;
        break;
    case VK_DOWN:
        ++row;
        break;
    case VK_LEFT:
        if (rowSelect) {
            if (!ctrl)
                SetLeftCol(FTopLeft.X - 1);
            Key = 0;
            return;
        }
        --col;
        break;
    case VK_RIGHT:
        if (rowSelect) {
            if (!ctrl)
                SetLeftCol(FTopLeft.X + 1);
            Key = 0;
            return;
        }
        ++col;
        break;
    case VK_NEXT:
        row += VisibleRowCount();
        SetTopRow(FTopLeft.Y + VisibleRowCount());
        break;
    case VK_PRIOR:
        row -= VisibleRowCount();
        SetTopRow(FTopLeft.Y - VisibleRowCount());
        break;
    case VK_HOME:
        if (ctrl || rowSelect)
            row = firstRow;
        col = firstCol;
        break;
    case VK_END:
        if (ctrl || rowSelect)
            row = lastRow;
        col = lastCol;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt))
            return;
        // Tab walks the row and wraps to the next (Shift: previous) row; it stops at the ends.
        if (Shift.Contains(ssShift)) {
            if (col > firstCol)
                --col;
            else if (row > firstRow)
                col = lastCol, --row;
        } else if (col < lastCol)
            ++col;
        else if (row < lastRow)
            col = firstCol, ++row;
        FocusCell(col, row, true);
        Key = 0;
        return;
    case VK_F2:
        if (FOptions.Contains(goEditing))
            ShowEditor();
        Key = 0;
        return;
    case VK_RETURN:
        // Enter typed in the open editor ends the edit; on the grid itself Enter works on its
        // character (HandleKeyPress), so the editor it opens never sees the same key again.
        if (FEditorMode && !Focused())
            HideEditor();
        Key = 0;
        return;
    case VK_ESCAPE:
        if (FEditorMode) {
            CancelEditor();
            Key = 0;
        }
        return;
    default:
        return;
    }
    col = std::clamp(col, firstCol, std::max(firstCol, lastCol));
    row = std::clamp(row, firstRow, std::max(firstRow, lastRow));
    if (col != FCurrent.X || row != FCurrent.Y || !extend)
        FocusCell(col, row, !extend);
    Key = 0;
}

// A character typed on the grid opens the editor with that character as its text; Backspace
// opens it emptied, as it would delete the whole text the editor starts with selected.
void TStringGrid::HandleKeyPress(TChar& Key) {
    if (Key == VK_RETURN && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorMode)
            HideEditor();
        else if (FOptions.Contains(goEditing))
            ShowEditor();
        Key = 0;
        return;
    }
    const bool typed = Key == VK_BACK || (Key >= 32 && Key != 127);
    if (!typed || FEditorMode || !FOptions.Contains(goEditing))
        return;
    ShowEditorChar(Key);
    if (FEditorMode)
        Key = 0;
}

void TStringGrid::ShowEditorChar(TChar Ch) {
    ShowEditor();
    if (!FEditorMode || !FInplaceEdit)
        return;
    static_cast<TCellEditor*>(FInplaceEdit)->TypeStartKey(Ch);
}
