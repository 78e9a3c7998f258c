#include "platform/ui/InplaceEdit.h"

#include "platform/core/CodePage.h"
#include "platform/ui/StringGridControl.h"
#include "platform/ui/internal/NativeHost.h"

#include <QLineEdit>

namespace {
QLineEdit* LineOf(const TControl* edit) {
    return qobject_cast<QLineEdit*>(NativeHost::Embedded(edit));
}
} // namespace

TInplaceEdit::TInplaceEdit(TStringGrid* AGrid) : TEdit(AGrid), FGrid(AGrid) {
    if (QLineEdit* line = LineOf(this))
        line->setFrame(false); // the cell's own lines frame it
    SetVisible(false);
    SetParent(AGrid);
}

TInplaceEdit::~TInplaceEdit() {
    FGrid = nullptr;
}

void TInplaceEdit::SetAlignment(TAlignment value) {
    FAlignment = value;
    const Qt::Alignment horizontal = value == taRightJustify ? Qt::AlignRight
                                     : value == taCenter     ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
    if (QLineEdit* line = LineOf(this))
        line->setAlignment(horizontal | Qt::AlignVCenter);
}

void TInplaceEdit::BeginCellEdit(int ACol, int ARow) {
    FEditCol = ACol;
    FEditRow = ARow;
}

void TInplaceEdit::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBoundsRect(ARect);
    SetColor(Background);
    Show();
}

void TInplaceEdit::LoadCellText(const std::string& Text) {
    SetText(Text);
    SelectAll();
}

// A typed key replaces the whole text, as typing over a selected text does.
void TInplaceEdit::TypeStartKey(char16_t Key) {
    // Backspace deletes the whole text the editor would start with selected.
    SetText(Key == VK_BACK ? std::string() : Utf16ToUtf8(std::u16string(1, Key)));
    SetSelStart(static_cast<int>(Utf8ToUtf16(Text()).size()));
}

void TInplaceEdit::Change() {
    TEdit::Change();
    if (FGrid)
        FGrid->EditorTextChanged();
}

bool TInplaceEdit::IsGridKey(WORD Key, TShiftState Shift) {
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
    case VK_RETURN:
    case VK_TAB:
        return true;
    case VK_HOME:
    case VK_END:
        return Shift.Contains(ssCtrl);
    default:
        return false;
    }
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    TEdit::KeyDown(Key, Shift);
    if (Key == 0 || !FGrid || !IsGridKey(Key, Shift))
        return;
    if (Key == VK_TAB && !FGrid->Options().Contains(goTabs))
        return;
    FGrid->HandleKeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyPress(TChar& Key) {
    TEdit::KeyPress(Key);
    // Enter, Escape and Tab were handled on key down; keep the edit from beeping on them.
    if (Key == u'\r' || Key == 27 || Key == u'\t')
        Key = 0;
}

// While a cell is edited, Enter and Escape end the edit instead of reaching the form's default
// and cancel buttons; Tab stays in the grid when it walks the cells.
void TInplaceEdit::WndProc(TMessage& Message) {
    TEdit::WndProc(Message);
    if (Message.Msg != WM_GETDLGCODE)
        return;
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (FGrid && FGrid->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
