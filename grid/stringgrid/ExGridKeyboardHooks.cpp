// Keyboard handling after the platform grid's navigation (the key-down and key-up hooks) and the
// typed characters that open the editor.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/core/CodePage.h"
#include "platform/core/Text.h"

#include <algorithm>

namespace {

constexpr TChar CtrlC = 3;
constexpr TChar CtrlV = 22;
constexpr TChar CtrlX = 24;
// Bit 22 of the key data belongs to the scan code of the numeric keypad's keys.
constexpr LPARAM KeypadBit = LPARAM{1} << 22;

bool IsArrow(WORD Key) {
    return Key >= VK_LEFT && Key <= VK_DOWN;
}

} // namespace

void TExStringGrid::HandleKeyDown(WORD& Key, TShiftState Shift) {
    FLastKeyCell = TGridCoord{Col(), Row()};
    const int oldRow = Row();
    if (FNavigation->CursorMoveRows && Shift.Contains(ssCtrl) && (Key == VK_DOWN || Key == VK_UP)) {
        MoveRowsByKey(Key, Shift);
        Key = 0;
        return;
    }
    const WORD key = Key;
    TBaseGrid::HandleKeyDown(Key, Shift);
    if (FNavigation->CursorAdvance != caDefault)
        WrapCursor(key);
    if (FUseEnabledRows && FNavigation->SkipDisabledRows)
        SkipDisabledRow(key, oldRow);
    if (TBaseGrid* synced = FSyncGrid->Grid(); synced && synced != this) {
        if (FSyncGrid->SelectionColumn && Col() < synced->ColCount())
            synced->SetCol(Col());
        if (FSyncGrid->SelectionRow && Row() < synced->RowCount())
            synced->SetRow(Row());
    }
}

// Ctrl+Up and Ctrl+Down carry the selected rows one row along, the selection with them.
void TExStringGrid::MoveRowsByKey(WORD Key, TShiftState Shift) {
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom);
    const int bottom = std::max(sel.Top, sel.Bottom);
    const int count = bottom - top + 1;
    const int step = Key == VK_DOWN ? 1 : -1;
    if ((step > 0 && bottom >= RowCount() - 1) || (step < 0 && top <= FixedRows()))
        return;
    if (count == 1) {
        MoveRow(top, top + step);
        SetRow(Row() + step);
        return;
    }
    if (step > 0)
        MoveRow(bottom + 1, top);
    else
        MoveRow(top - 1, bottom);
    SetSelection(TGridRect{FixedCols(), top + step, ColCount() - 1, bottom + step});
}

// Arrow keys at the edge of the normal cells go round to the other edge (caLoop), and with
// caSnake on to the neighbouring row or column.
void TExStringGrid::WrapCursor(WORD Key) {
    const bool snake = FNavigation->CursorAdvance == caSnake;
    const int lastCol = ColCount() - FFixedRightCols - 1;
    const int lastRow = RowCount() - FFixedFooters - 1;
    const TGridCoord old = FLastKeyCell;
    int col = Col();
    int row = Row();
    if (Key == VK_LEFT && old.X == FixedCols()) {
        col = lastCol;
        if (snake && row > FixedRows())
            --row;
    } else if (Key == VK_UP && old.Y == FixedRows()) {
        row = lastRow;
        if (snake && col > FixedCols())
            --col;
    } else if (Key == VK_RIGHT && old.X == ColCount() - 1) {
        col = FixedCols();
        if (snake && row < lastRow)
            ++row;
    } else if (Key == VK_DOWN && old.Y == RowCount() - 1) {
        row = FixedRows();
        if (snake && col < lastCol)
            ++col;
    } else {
        return;
    }
    if (col >= 0 && row >= 0 && (col != Col() || row != Row()))
        FocusCell(col, row, true);
}

// Up and Down stop on enabled rows: a key that could not leave the row looks further.
void TExStringGrid::SkipDisabledRow(WORD Key, int OldRow) {
    if ((Key != VK_UP && Key != VK_DOWN) || Row() != OldRow)
        return;
    if (Key == VK_UP) {
        for (int r = OldRow - 1; r >= FixedRows(); --r)
            if (GetRowEnabled(r)) {
                SetRow(r);
                return;
            }
    } else {
        for (int r = OldRow + 1; r < RowCount(); ++r)
            if (GetRowEnabled(r)) {
                SetRow(r);
                return;
            }
    }
}

void TExStringGrid::HandleKeyUp(WORD& Key, TShiftState Shift) {
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || IsArrow(Key) || Key == VK_INSERT ||
        Key == VK_DELETE)
        SearchInc.clear();
    const TGridRect before = Selection();
    const WORD key = Key;
    const bool tab = key == VK_TAB && Options().Contains(goTabs);
    if (FNavigation->AlwaysEdit && (IsArrow(key) || tab) &&
        !IsControlCell(RealColIndex(Col()), Row()))
        ShowInplaceEdit();
    if (IsArrow(key) || tab)
        NotifySelectionIfMoved();
    if (FMouseActions->DisjunctCellSelect() && !Options().Contains(goEditing))
        DisjunctCellsByKey(key, Shift, before);
}

// Typed characters: the clipboard keys are left to the key-down rules, typing into a range
// starts editing there, and any other printable character or Backspace opens the editor with
// the character in it.
void TExStringGrid::HandleCharMessage(TMessage& Message) {
    TChar ch = static_cast<TChar>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    const int realCol = RealColIndex(Col());
    const std::string text = Cells(realCol, Row());
    if (GetTextKind(text, EnableHTML) == 1 &&
        UpperCase(text).find("<CONTROL") != std::string::npos) {
        Message.Result = 1;
        return;
    }
    if (FMouseActions->EditOnDblClickOnly()) {
        bool canEdit = true;
        QueryCanEdit(Col(), Row(), canEdit);
        if (canEdit)
            SetOptions(Options() + TGridOptions{goEditing});
    }
    if (FNavigation->AllowClipboardShortCuts && shift.Contains(ssCtrl) &&
        (ch == CtrlC || ch == CtrlV || ch == CtrlX)) {
        Message.WParam = 0;
        Message.Result = 1;
        return;
    }
    if (FMouseActions->RangeSelectAndEdit && !IsControlCell(realCol, Row()) &&
        IsEditable(realCol, Row()) && ch != VK_TAB && ch != VK_ESCAPE && !shift.Contains(ssCtrl)) {
        TChar copy = ch;
        FireEvent(OnKeyPress, this, copy);
        FStartEditChar = ch;
        SetOptions(Options() + TGridOptions{goEditing});
        const bool colShown = Col() >= LeftCol() && Col() <= LeftCol() + VisibleColCount();
        const bool rowShown = Row() >= TopRow() && Row() <= TopRow() + VisibleRowCount();
        if (!colShown || !rowShown)
            ScrollInView(Col(), Row());
        const TRect r = CellRect(Col(), Row());
        MouseDown(mbLeft, TShiftState{}, r.Left + 2, r.Top + 2);
        // The click may have opened the editor already; the character still starts the text.
        // OnKeyPress has had its say above: the character is not offered to it a second time.
        ShowEditorChar(ch);
        Message.WParam = 0;
        Message.Result = 1;
        return;
    }
    if (ExcelStyleDecimalSeparator && ch == '.' && (Message.LParam & KeypadBit) != 0) {
        const std::u16string separator = Utf8ToUtf16(LocaleDecimalSeparator());
        if (!separator.empty())
            ch = separator[0];
        Message.WParam = ch;
    }
    bool handled = false;
    if (ch == VK_RETURN && FNavigation->AdvanceOnEnter && IsControlCell(realCol, Row())) {
        TBaseGrid::WndProc(Message);
        handled = true;
    }
    const bool typed = ch == VK_BACK || (ch >= 32 && ch != 127);
    if (Options().Contains(goEditing) && ch != VK_TAB && typed) {
        FireEvent(OnKeyPress, this, ch);
        FStartEditChar = ch;
        if (ch != 0 && !IsControlCell(realCol, Row()) && !EditorMode())
            ShowEditorChar(ch);
        Message.WParam = 0;
        Message.Result = 1;
        return;
    }
    if (!handled)
        TBaseGrid::WndProc(Message);
}
