#include "grid/foundation/EsgEditBtn.h"

#include "grid/foundation/EsgEditButton.h"
#include "grid/foundation/ExSpeedButton.h"
#include "platform/ui/Canvas.h"

#include <algorithm>

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetText("0");
    FButton = new TEsgEditButton(this);
    FButton->SetParent(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
    // Through the virtual slot: a descendant's DoClickBtn is what the button calls.
    FButton->OnClick = [this](TObject* Sender) { DoClickBtn(Sender); };
    UpdateLayout();
}

TEsgEditBtn::~TEsgEditBtn() {
    // The button part goes with the edit as one of its components; it must not reach back.
    FButton->OnClick = nullptr;
    FButton->SetFocusControl(nullptr);
    FButton = nullptr;
}

void TEsgEditBtn::DoClickBtn(TObject* Sender) {
    if (OnClickBtn)
        OnClickBtn(Sender);
}

std::string TEsgEditBtn::ButtonCaption() const {
    return FButton->ButtonCaption();
}

void TEsgEditBtn::SetButtonCaption(const std::string& value) {
    FButton->SetButtonCaption(value);
}

TBitmap* TEsgEditBtn::Glyph() const {
    return FButton->Glyph();
}

void TEsgEditBtn::SetGlyph(const TBitmap* value) {
    FButton->SetGlyph(value);
}

// The text rectangle follows the new width, or the text would run under the button.
void TEsgEditBtn::SetButtonWidth(int value) {
    FButtonWidth = value;
    FButton->SetWidth(value);
    UpdateLayout();
}

void TEsgEditBtn::SetIsWinXP(bool value) {
    FIsWinXP = value;
    FButton->Button()->SetIsWinXP(value);
}

void TEsgEditBtn::SetRightAlign(bool value) {
    if (value == FRightAlign)
        return;
    FRightAlign = value;
    SetAlignment(value ? taRightJustify : taLeftJustify);
}

void TEsgEditBtn::SetBorderStyle(TBorderStyle value) {
    TCustomMaskEdit::SetBorderStyle(value);
    UpdateLayout();
}

void TEsgEditBtn::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CHAR:
        HandleChar(Message);
        break;
    case WM_PASTE:
    case WM_CUT:
        if (FEditorEnabled && !ReadOnly())
            TCustomMaskEdit::WndProc(Message);
        break;
    default:
        TCustomMaskEdit::WndProc(Message);
        break;
    }
}

void TEsgEditBtn::HandleChar(TMessage& Message) {
    if (FEditorEnabled)
        TCustomMaskEdit::WndProc(Message);
    else
        Message.Result = 1;
}

void TEsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
    HandleKeyDown(Key, Shift);
}

void TEsgEditBtn::HandleKeyDown(WORD& Key, TShiftState Shift) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    // Keys that change the text without typing a character (Delete, Shift+Delete cutting,
    // Shift+Insert pasting) are as closed as typing while the editor is off.
    if (!FEditorEnabled && (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))))
        Key = 0;
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt))
        DoClickBtn(this);
}

void TEsgEditBtn::KeyPress(TChar& Key) {
    HandleKeyPress(Key);
}

void TEsgEditBtn::HandleKeyPress(TChar& Key) {
    TCustomMaskEdit::KeyPress(Key);
}

int TEsgEditBtn::MinHeight() const {
    TCanvas canvas;
    canvas.Font()->Assign(*Font());
    const int fontHeight = canvas.TextHeight("0");
    canvas.Font()->Assign(TFont());
    const int screenFontHeight = canvas.TextHeight("0");
    return fontHeight + std::min(fontHeight, screenFontHeight) / 4;
}

void TEsgEditBtn::Resize() {
    TCustomMaskEdit::Resize();
    if (!FButton)
        return;
    const int minHeight = MinHeight();
    if (Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    UpdateLayout();
}

void TEsgEditBtn::UpdateLayout() {
    if (!FButton)
        return;
    const int b = BorderStyle() == bsNone ? 1 : 5;
    // The single border lies outside the client area in the framework; here the frame is part
    // of the control, so the button moves in by the border's width to sit inside it.
    const int inset = BorderStyle() == bsNone ? 0 : 2;
    const int width = FButton->Width();
    FButton->SetBounds(Width() - width - b + inset, inset, width, Height() - b);
    SetEditRectBesideButton();
}

void TEsgEditBtn::SetEditRectBesideButton() {
    const int margin = BorderStyle() == bsNone ? 3 : 1;
    int right = ClientWidth() - FButton->Width() - 5 - FUnitSize;
    if (FUnitSize > 0)
        right -= 3;
    SetEditRect(Rect(margin, margin, right, ClientHeight() + 1));
}
