#include "grid/stringgrid/GridEditBtn.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/core/CodePage.h"
#include "platform/core/StringList.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MessageBeep.h"

namespace {

int EditTextLength(const std::string& text) {
    return static_cast<int>(Utf8ToUtf16(text).size());
}

bool IsLeavingKey(WORD Key) {
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
           Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

TGridEditBtn::TGridEditBtn(TComponent* AOwner)
    : TEsgEditBtn(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {
    OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
}

void TGridEditBtn::ButtonClick(TObject* Sender) {
    std::string text = Text();
    FGrid->EllipsClick(text);
    SetText(text);
    SelectAll();
    Invalidate();
    if (StopEditAfterClick) {
        FGrid->HideInplaceEdit();
        TGridEditorKeys::FocusGrid(FGrid);
    }
}

// --- the cell edit --------------------------------------------------------------------------

void TGridEditBtn::BeginCellEdit(int ACol, int ARow) {
    SetMaxLength(FGrid->CellEditLimit());
    // Only the masked kind shows the cell's mask; the others edit the text as it is.
    SetEditMask(FGrid->EditControl == edMaskEditBtn ? FGrid->CellEditMask(ACol, ARow) : "");
}

void TGridEditBtn::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetVisible(true);
    SetEnabled(true);
    SetColor(Background);
    if (CanFocus())
        SetFocus();
}

void TGridEditBtn::LoadCellText(const std::string& Text) {
    SetText(Text);
}

std::string TGridEditBtn::ApplyCellText() {
    return Text();
}

// Through the kind's character filter and the cell's mask.
void TGridEditBtn::TypeStartKey(char16_t Key) {
    TGridEditorKeys::TypeStartKey(FGrid, this, Key);
}

void TGridEditBtn::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

void TGridEditBtn::HandleKeyDown(WORD& Key, TShiftState Shift) {
    const bool leaving = IsLeavingKey(Key);
    if (!leaving && FGrid->OnKeyDown)
        FGrid->OnKeyDown(FGrid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if (Shift.Contains(ssCtrl) || !leaving) {
        TEsgEditBtn::HandleKeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    const TEditorType kind = FGrid->EditControl;
    // Every key that leaves the editor stores its value: it is validated first.
    if (Key != VK_ESCAPE) {
        const bool accepted = TGridEditorKeys::Commit(FGrid, Text());
        SetText(TGridEditorKeys::NewCellText(FGrid));
        if (!accepted) {
            SelectAll();
            Repaint();
            Key = 0;
            FGrid->EditControl = kind;
            return;
        }
    }
    if (Key == VK_TAB && TGridEditorKeys::GridTakesTab(FGrid)) {
        if (!TGridEditorKeys::Commit(FGrid, Text())) {
            SetText(TGridEditorKeys::NewCellText(FGrid));
            SetSelStart(EditTextLength(Text()));
            Repaint();
            Key = 0;
            return;
        }
        if (FGrid->Options().Contains(goTabs)) {
            TGridEditorKeys::TabNavigate(FGrid);
            Key = 0;
            return;
        }
        FGrid->PostMessage(WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_ESCAPE)
        SetText(TGridEditorKeys::CellCache(FGrid));
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::HandleKeyPress(TChar& Key) {
    TGridEditorKeys::OfferKeyPress(FGrid, FGrid, Key);
    if (Key != '\t')
        TEsgEditBtn::HandleKeyPress(Key);
}

void TGridEditBtn::HandleChar(TMessage& Message) {
    const auto key = static_cast<TChar>(Message.WParam);
    if (key == '\r' || key == '\t') {
        Message.Result = 1;
        return;
    }
    bool allowed = false;
    bool beep = false;
    switch (FGrid->EditControl) {
    case edEditBtn:
    case edMaskEditBtn:
        allowed = true;
        break;
    case edNumericEditBtn:
        allowed = TGridEditorKeys::NumericCharAllowed(key, Text(), SelStart(), beep);
        break;
    case edFloatEditBtn:
        allowed = TGridEditorKeys::FloatCharAllowed(key, Text(), SelText(), SelStart(),
                                                    GetKeyState(VK_CONTROL) < 0, beep);
        break;
    default:
        break;
    }
    if (beep)
        MessageBeep(0);
    if (allowed)
        TEsgEditBtn::HandleChar(Message);
    else
        Message.Result = 1;
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift) {
    if (FGrid->OnKeyUp)
        FGrid->OnKeyUp(FGrid, Key, Shift);
    if (SelLength() == 0) {
        const bool atEdge =
            Key == VK_RIGHT ? SelStart() >= EditTextLength(Text()) : FSelKeyDown == 0;
        TGridEditorKeys::CursorWalk(FGrid, Key, Shift, atEdge, Text());
    }
    if (Key != VK_RETURN)
        TEsgEditBtn::KeyUp(Key, Shift);
    LookupChange();
}

void TGridEditBtn::LookupChange() {
    if (!WorkMode || SelLength() != 0 || !FGrid->Lookup)
        return;
    const TStringList* lookup = FGrid->LookupItems();
    if (lookup == nullptr || lookup->Count() == 0)
        return;
    std::vector<std::string> candidates;
    for (int i = 0; i < lookup->Count(); ++i)
        candidates.push_back((*lookup)[i]);
    const int typed = SelStart();
    std::string completed;
    if (TGridEditorKeys::LookupCompletion(Text(), typed, candidates, FGrid->LookupCaseSensitive,
                                          completed) < 0)
        return;
    SetText(completed);
    SetSelStart(typed);
    SetSelLength(EditTextLength(completed) - typed);
}

void TGridEditBtn::Change() {
    TEsgEditBtn::Change();
    TGridEditorKeys::EditChanged(FGrid, Text());
}

void TGridEditBtn::DblClick() {
    TEsgEditBtn::DblClick();
    if (FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
    FGrid->HideInplaceEdit();
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::HandlePaste() {
    TClipboard* clipboard = Clipboard();
    bool allow = clipboard->HasFormat(CF_TEXT);
    std::string value = allow ? clipboard->AsText() : std::string();
    if (FGrid->OnClipboardPaste)
        FGrid->OnClipboardPaste(this, allow);
    if (allow && FGrid->OnClipboardBeforePasteCell)
        FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), value, allow);
    if (!allow)
        return;
    // A single trailing line break comes from copying one cell; it is not part of the value.
    const size_t lineBreak = value.find("\r\n");
    if (lineBreak != std::string::npos && lineBreak + 2 == value.size())
        value.erase(lineBreak);
    const bool hadSelection = SelLength() > 0;
    const int start = SelStart();
    SetSelText(value);
    FGrid->SetCurrentCellText(Text());
    if (hadSelection) {
        SetSelStart(start);
        SetSelLength(EditTextLength(value));
    } else {
        SetSelStart(start + EditTextLength(value));
    }
}

void TGridEditBtn::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PASTE) {
        HandlePaste();
        return;
    }
    TEsgEditBtn::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY &&
        TGridEditorKeys::ClaimsSpecialKey(FGrid, Message.WParam))
        Message.Result = 1;
}
