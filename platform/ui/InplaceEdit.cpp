#include "platform/ui/InplaceEdit.h"

#include "platform/core/CodePage.h"
#include "platform/ui/StringGridControl.h"
#include "platform/ui/internal/InplaceEditLines.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QLineEdit>

struct TInplaceEdit::Impl {
    QLineEdit* Line = nullptr;
    // Made when a cell first shows several lines.
    std::unique_ptr<InplaceEditLines> Lines;
};

namespace {
// Right-to-left reading mirrors the alignment: the text starts at the right.
Qt::Alignment HorizontalAlignment(TAlignment value, bool rightToLeft) {
    if (value == taCenter)
        return Qt::AlignHCenter;
    const bool right = (value == taRightJustify) != rightToLeft;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}
} // namespace

TInplaceEdit::TInplaceEdit(TStringGrid* AGrid)
    : TCustomMaskEdit(AGrid), FImpl(std::make_unique<Impl>()), FGrid(AGrid) {
    FImpl->Line = qobject_cast<QLineEdit*>(NativeHost::Embedded(this));
    if (FImpl->Line)
        FImpl->Line->setFrame(false); // the cell's own lines frame it
    SetVisible(false);
    SetParent(AGrid);
}

TInplaceEdit::~TInplaceEdit() {
    FGrid = nullptr;
}

void TInplaceEdit::SetAlignment(TAlignment value) {
    FAlignment = value;
    if (FImpl->Line)
        FImpl->Line->setAlignment(HorizontalAlignment(value, FRightToLeft) | Qt::AlignVCenter);
    if (FImpl->Lines)
        FImpl->Lines->SetLayout(HorizontalAlignment(value, FRightToLeft).toInt(), FRightToLeft,
                                FLines == elWordWrap);
}

void TInplaceEdit::SetLines(TEditLines value) {
    if (value == FLines)
        return;
    const bool wasSingle = FLines == elSingleLine;
    const std::string text = Text();
    FLines = value;
    if (value != elSingleLine && !FImpl->Lines)
        FImpl->Lines = std::make_unique<InplaceEditLines>([this] { Change(); });
    if (FImpl->Lines)
        FImpl->Lines->SetLayout(HorizontalAlignment(FAlignment, FRightToLeft).toInt(), FRightToLeft,
                                value == elWordWrap);
    if (wasSingle == (value == elSingleLine))
        return;
    // The text moves over to the other native editor; nothing changed for the grid.
    QWidget* shown =
        value == elSingleLine ? static_cast<QWidget*>(FImpl->Line) : FImpl->Lines->Widget();
    QWidget* hidden =
        value == elSingleLine ? FImpl->Lines->Widget() : static_cast<QWidget*>(FImpl->Line);
    // The focus moves over before the old editor hides: hiding it first would hand the focus to
    // another control and end the edit.
    const bool hadFocus = Focused();
    NativeHost::Embed(this, shown);
    if (hadFocus)
        shown->setFocus();
    hidden->hide();
    if (value == elSingleLine)
        TCustomMaskEdit::SetText(text);
    else
        FImpl->Lines->SetText(text, /*Quietly=*/true);
}

void TInplaceEdit::SetRightToLeftReading(bool value) {
    FRightToLeft = value;
    const Qt::LayoutDirection direction = value ? Qt::RightToLeft : Qt::LeftToRight;
    if (FImpl->Line)
        FImpl->Line->setLayoutDirection(direction);
    SetAlignment(FAlignment);
}

bool TInplaceEdit::CaretOnFirstLine() const {
    return FLines == elSingleLine || FImpl->Lines->CaretOnFirstLine();
}

bool TInplaceEdit::CaretOnLastLine() const {
    return FLines == elSingleLine || FImpl->Lines->CaretOnLastLine();
}

void TInplaceEdit::InsertLineBreak() {
    if (FLines == elSingleLine)
        return;
    FImpl->Lines->InsertLineBreak();
}

// --- text and selection of the layout in use -----------------------------------------------------

std::string TInplaceEdit::Text() const {
    return FLines == elSingleLine ? TCustomMaskEdit::Text() : FImpl->Lines->Text();
}

void TInplaceEdit::SetText(const std::string& value) {
    if (FLines == elSingleLine) {
        TCustomMaskEdit::SetText(value);
        return;
    }
    if (FImpl->Lines->SetText(value, /*Quietly=*/false))
        Perform(CM_TEXTCHANGED);
}

int TInplaceEdit::CharFromPos(TPoint ClientPoint) const {
    if (FLines == elSingleLine)
        return TCustomMaskEdit::CharFromPos(ClientPoint);
    if (ClientPoint.X < 0 || ClientPoint.Y < 0 || ClientPoint.X >= ClientWidth() ||
        ClientPoint.Y >= ClientHeight())
        return -1;
    const QPoint inLines = FImpl->Lines->Widget()->mapFrom(NativeHost::Widget(this),
                                                           QPoint(ClientPoint.X, ClientPoint.Y));
    return FImpl->Lines->PositionAt(inLines.x(), inLines.y());
}

int TInplaceEdit::SelStart() const {
    return FLines == elSingleLine ? TCustomMaskEdit::SelStart() : FImpl->Lines->SelStart();
}

void TInplaceEdit::SetSelStart(int value) {
    if (FLines == elSingleLine)
        TCustomMaskEdit::SetSelStart(value);
    else
        FImpl->Lines->Select(value, 0);
}

int TInplaceEdit::SelLength() const {
    return FLines == elSingleLine ? TCustomMaskEdit::SelLength() : FImpl->Lines->SelLength();
}

void TInplaceEdit::SetSelLength(int value) {
    if (FLines == elSingleLine)
        TCustomMaskEdit::SetSelLength(value);
    else
        FImpl->Lines->Select(FImpl->Lines->SelStart(), value);
}

std::string TInplaceEdit::SelText() const {
    return FLines == elSingleLine ? TCustomMaskEdit::SelText() : FImpl->Lines->SelText();
}

void TInplaceEdit::SetSelText(const std::string& value) {
    if (FLines == elSingleLine)
        TCustomMaskEdit::SetSelText(value);
    else
        FImpl->Lines->ReplaceSelection(value);
}

void TInplaceEdit::SelectAll() {
    if (FLines == elSingleLine)
        TCustomMaskEdit::SelectAll();
    else
        FImpl->Lines->SelectAll();
}

// --- the grid's side ---------------------------------------------------------------------------

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
    TCustomMaskEdit::Change();
    if (FGrid)
        FGrid->EditorTextChanged();
}

void TInplaceEdit::DoEnter() {
    TCustomMaskEdit::DoEnter();
    // The one-line editor selected its text itself; a click places the caret.
    if (FLines != elSingleLine && AutoSelect() && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
}

bool TInplaceEdit::IsGridKey(WORD Key, TShiftState Shift) const {
    switch (Key) {
    case VK_UP:
        return CaretOnFirstLine();
    case VK_DOWN:
        return CaretOnLastLine();
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
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == 0 || !FGrid || !IsGridKey(Key, Shift))
        return;
    if (Key == VK_TAB && !FGrid->Options().Contains(goTabs))
        return;
    FGrid->HandleKeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyPress(TChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
    // Enter, Escape and Tab were handled on key down; keep the edit from beeping on them, and
    // the native editor from breaking a line the owner did not ask for (Ctrl+Enter types a
    // line feed).
    if (Key == u'\r' || Key == u'\n' || Key == 27 || Key == u'\t')
        Key = 0;
}

// While a cell is edited, Enter and Escape end the edit instead of reaching the form's default
// and cancel buttons; Tab stays in the grid when it walks the cells.
void TInplaceEdit::WndProc(TMessage& Message) {
    if (FLines != elSingleLine && FImpl->Lines->HandleClipboardMessage(Message.Msg)) {
        Message.Result = Message.Msg == WM_UNDO ? 1 : 0;
        return;
    }
    TCustomMaskEdit::WndProc(Message);
    if (Message.Msg != WM_GETDLGCODE)
        return;
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
    if (FGrid && FGrid->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
