#include "grid/stringgrid/GridUnitEditBtn.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/ui/MessageBeep.h"

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TEsgUnitEditBtn(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {
    OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
    OnUnitChanged = [this](TObject*, const std::string& NewUnit) {
        if (FGrid->OnUnitChanged)
            FGrid->OnUnitChanged(FGrid, FGrid->Col(), FGrid->Row(), NewUnit);
    };
}

void TGridUnitEditBtn::ButtonClick(TObject* Sender) {
    std::string text = Text();
    FGrid->EllipsClick(text);
    SetText(text);
    SelectAll();
    Invalidate();
}

void TGridUnitEditBtn::SetValueAndUnit(const std::string& Text) {
    SetUnitID("");
    SetText("");
    SetTextAndUnit(Text);
    if (TextAndUnit() != Text) {
        SetUnitID("");
        SetText(Text);
    }
}

// --- the cell edit --------------------------------------------------------------------------

void TGridUnitEditBtn::BeginCellEdit(int ACol, int ARow) {
    SetMaxLength(FGrid->CellEditLimit());
}

void TGridUnitEditBtn::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetVisible(true);
    SetEnabled(true);
    SetColor(Background);
    if (CanFocus())
        SetFocus();
}

void TGridUnitEditBtn::LoadCellText(const std::string& Text) {
    SetValueAndUnit(Text);
}

std::string TGridUnitEditBtn::ApplyCellText() {
    return TextAndUnit();
}

void TGridUnitEditBtn::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

void TGridUnitEditBtn::HandleKeyDown(WORD& Key, TShiftState Shift) {
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR &&
        Key != VK_NEXT && Key != VK_UP && Key != VK_DOWN) {
        TEsgUnitEditBtn::HandleKeyDown(Key, Shift);
        return;
    }
    // Every key that leaves the editor stores its value: it is validated first.
    if (Key != VK_ESCAPE) {
        if (!TGridEditorKeys::Commit(FGrid, TextAndUnit())) {
            SetValueAndUnit(FGrid->CurrentCell());
            Key = 0;
            return;
        }
        SetValueAndUnit(FGrid->CurrentCell());
    }
    if (Key == VK_RETURN && FGrid->Navigation()->AdvanceOnEnter) {
        FGrid->HideInplaceEdit();
        TGridEditorKeys::FocusGrid(FGrid);
        Key = 0;
        FGrid->AdvanceCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        TGridEditorKeys::TabNavigate(FGrid);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID("");
        SetText(FGrid->CurrentCell());
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::HandleChar(TMessage& Message) {
    const auto key = static_cast<TChar>(Message.WParam);
    if (key == '\r') {
        Message.Result = 1;
        return;
    }
    bool allowed = false;
    bool beep = false;
    switch (FGrid->EditControl) {
    case edUnitEditBtn:
        allowed = true;
        break;
    case edNumericUnitEditBtn:
        allowed = TGridEditorKeys::NumericCharAllowed(key, Text(), SelStart(), beep);
        break;
    case edFloatUnitEditBtn:
        allowed = TGridEditorKeys::FloatCharAllowed(key, Text(), SelText(), SelStart(),
                                                    GetKeyState(VK_CONTROL) < 0, beep);
        break;
    default:
        break;
    }
    if (beep)
        MessageBeep(0);
    if (allowed)
        TEsgUnitEditBtn::HandleChar(Message);
    else
        Message.Result = 1;
}

void TGridUnitEditBtn::HandleKeyPress(TChar& Key) {
    TGridEditorKeys::OfferKeyPress(FGrid, FGrid, Key);
    TEsgUnitEditBtn::HandleKeyPress(Key);
}

// Through the kind's character filter: the key starts a new value.
void TGridUnitEditBtn::TypeStartKey(char16_t Key) {
    TGridEditorKeys::TypeStartKey(FGrid, this, Key);
}

void TGridUnitEditBtn::DoExit() {
    FGrid->HideInplaceEdit();
    TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::WndProc(TMessage& Message) {
    TEsgUnitEditBtn::WndProc(Message);
    if (Message.Msg != CM_WANTSPECIALKEY)
        return;
    const WPARAM key = Message.WParam;
    if (key == VK_RETURN || key == VK_ESCAPE ||
        (key == VK_TAB && FGrid->Options().Contains(goTabs)))
        Message.Result = 1;
}
