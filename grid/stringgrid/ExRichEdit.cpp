#include "grid/stringgrid/ExRichEdit.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/CodePage.h"

TExRichEdit::TExRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {}

void TExRichEdit::BeginCellEdit(int ACol, int ARow) {
    FCol = ACol;
    FRow = ARow;
}

void TExRichEdit::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetColor(Background);
    SetVisible(true);
    SetEnabled(true);
    if (CanFocus())
        SetFocus();
}

void TExRichEdit::LoadCellText(const std::string& Text) {
    // The cell's stored RTF, not the editor text the grid strips of mark-up.
    Lock();
    FGrid->CellToRich(FCol, FRow, this);
    if (FGrid->Navigation()->EditSelectAll)
        SelectAll();
    Unlock();
}

// The key that opened the editor is typed over what it shows, as any key typed into it is.
void TExRichEdit::TypeStartKey(char16_t Key) {
    if (Key == VK_BACK) {
        if (SelLength() > 0)
            SetSelText("");
        return;
    }
    SetSelText(Utf16ToUtf8(std::u16string(1, Key)));
}

std::string TExRichEdit::ApplyCellText() {
    return FGrid->RichToString(this);
}

void TExRichEdit::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

void TExRichEdit::KeyDown(WORD& Key, TShiftState Shift) {
    TRichEdit::KeyDown(Key, Shift);
    FTabNavigated = false;
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        TGridEditorKeys::FocusGrid(FGrid);
        TGridEditorKeys::GridKeyDown(FGrid, Key, Shift);
        FGrid->ShowInplaceEdit();
        FTabNavigated = true;
    }
    if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells) {
        TGridEditorKeys::FocusGrid(FGrid);
        TGridEditorKeys::GridKeyDown(FGrid, Key, Shift);
    }
}

void TExRichEdit::KeyPress(TChar& Key) {
    if (Key == '\t' && FTabNavigated)
        Key = 0;
    FTabNavigated = false;
    TRichEdit::KeyPress(Key);
}

void TExRichEdit::DoExit() {
    if (Visible())
        FGrid->HideInplaceEdit();
    TRichEdit::DoExit();
}

void TExRichEdit::RequestSize(const TRect& rect) {
    TRichEdit::RequestSize(rect);
    if (FGrid->Designing())
        return;
    if (this == FGrid->FRichEdit) {
        FReqWidth = rect.Right - rect.Left;
        FReqHeight = rect.Bottom - rect.Top;
        return;
    }
    if (this != FGrid->FInplaceRichEdit || FLocked || !FGrid->SizeWhileTyping()->Height)
        return;
    // The row grows to the content (never shrinks), as long as it still ends inside the grid.
    const int height = rect.Bottom - rect.Top;
    const int row = FGrid->Row();
    if (FGrid->RowHeights(row) < height + 5 &&
        FGrid->CellRect(FGrid->Col(), row).Top + height + 5 < FGrid->Height()) {
        SetHeight(height + 9);
        FGrid->SetRowHeights(row, height + 10);
        if (FGrid->OnEndRowSize)
            FGrid->OnEndRowSize(FGrid, row);
    }
}

void TExRichEdit::WndProc(TMessage& Message) {
    TRichEdit::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTTAB;
    else if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_TAB)
        Message.Result = 1;
}
