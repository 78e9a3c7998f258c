#include "grid/stringgrid/GridCombo.h"

#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/core/CodePage.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Keys.h"

#include <utility>

namespace {

// The combo's list of items as plain texts, for the completion.
std::vector<std::string> ItemTexts(const TItemStrings& items) {
    return {items.begin(), items.end()};
}

int TextLength(const std::string& text) {
    return static_cast<int>(Utf8ToUtf16(text).size());
}

} // namespace

TGridCombo::TGridCombo(TComponent* AOwner)
    : TEsgComboBox(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {
    SetButtonWidth(16);
}

TObject* TGridCombo::ItemObject(int Index) const {
    if (Index < 0 || Index >= Items()->Count() || Index >= static_cast<int>(FObjects.size()))
        return nullptr;
    return FObjects[static_cast<size_t>(Index)];
}

void TGridCombo::SetItemObject(int Index, TObject* AObject) {
    if (Index < 0 || Index >= Items()->Count())
        return;
    if (static_cast<int>(FObjects.size()) <= Index)
        FObjects.resize(static_cast<size_t>(Index) + 1, nullptr);
    FObjects[static_cast<size_t>(Index)] = AObject;
}

void TGridCombo::DeleteItem(int Index) {
    Items()->Delete(Index);
    if (Index < static_cast<int>(FObjects.size()))
        FObjects.erase(FObjects.begin() + Index);
}

void TGridCombo::ClearItems() {
    Items()->Clear();
    FObjects.clear();
}

// --- the cell edit --------------------------------------------------------------------------

void TGridCombo::BeginCellEdit(int ACol, int ARow) {
    FCol = ACol;
    FRow = ARow;
    SetDroppedDown(false);
    SetStyle(FGrid->EditControl == edComboList ? csDropDownList : csDropDown);
    if (FGrid->EditControl != edComboList)
        SetMaxLength(FGrid->MaxComboLength);
}

void TGridCombo::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetColor(Background);
    SetEnabled(true);
    SetVisible(true);
    switch (FGrid->Look()) {
    case glSoft:
    case glULK:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
        SetFlat(true);
        SetEtched(true);
        break;
    default:
        SetFlat(false);
        SetEtched(false);
        break;
    }
    if (FGrid->Navigation()->AutoComboDropSize)
        SizeDropDownWidth();
    else if (DropWidth() > 0)
        SetDroppedWidth(DropWidth());
    if (CanFocus())
        SetFocus();
    if (FGrid->MouseActions()->DirectComboDrop || FGrid->ControlLook()->DropDownAlwaysVisible())
        SetDroppedDown(true);
}

void TGridCombo::LoadCellText(const std::string& Text) {
    if (FGrid->EditControl != edComboList) {
        SetText(Text);
        // The list stands on the cell's item, so the wheel and the arrows step on from it.
        if (const int item = Items()->IndexOf(Text); item >= 0 && (*Items())[item] == Text)
            SetItemIndex(item);
        if (FGrid->FComboIdx != -1 && ItemIndex() == -1)
            SetItemIndex(FGrid->FComboIdx);
        if (std::exchange(FClickCaretDue, false))
            PlaceCaretAtPointer();
        return;
    }
    const int col = FCol;
    const int row = FRow;
    SetItemIndex(Items()->IndexOf(FGrid->Cells(col, row)));
    bool chosenAutomatically = false;
    if (FGrid->FComboIdx == -1) {
        if (ItemIndex() == -1)
            SetItemIndex(Items()->IndexOf(Text));
        if (ItemIndex() == -1 && Items()->Count() > 0) {
            SetItemIndex(0);
            DoChange();
            chosenAutomatically = true;
        }
    } else if (ItemIndex() == -1) {
        SetItemIndex(FGrid->FComboIdx);
    }
    if (!chosenAutomatically)
        return;
    // The first item was taken for the cell: the application hears of it as of a choice.
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, col, row, 0, (*Items())[0]);
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, col, row, 0, (*Items())[0], ItemObject(0));
}

std::string TGridCombo::ApplyCellText() {
    return Text();
}

// The key starts a new text, or picks the first item starting with it in a list.
void TGridCombo::TypeStartKey(char16_t Key) {
    TGridEditorKeys::TypeStartKey(FGrid, this, Key);
}

void TGridCombo::EndCellEdit() {
    SetDroppedDown(false);
    SetEnabled(false);
    SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

bool TGridCombo::IsCommitKey(WORD Key, TShiftState Shift) const {
    if (Key == VK_DOWN && Shift.Contains(ssAlt))
        return false;
    if (Style() == csDropDownList || DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT ||
               Key == VK_RIGHT;
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
           Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

void TGridCombo::CommitFailed(WORD Key) {
    SetText(TGridEditorKeys::NewCellText(FGrid));
    if (Style() != csDropDownList)
        SelectAll();
    Repaint();
    if (Key != VK_TAB)
        TGridEditorKeys::BlockAdvance(FGrid);
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
    Forced = false;
    const bool commitKey = IsCommitKey(Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    TNavigation* navigation = FGrid->Navigation();
    if ((Key == VK_UP || Key == VK_DOWN) && !navigation->ComboGetUpDown && !DroppedDown()) {
        FGrid->HideInplaceEdit();
        const bool alwaysEdit = navigation->AlwaysEdit;
        navigation->AlwaysEdit = false;
        TGridEditorKeys::FocusGrid(FGrid);
        navigation->AlwaysEdit = alwaysEdit;
        TGridEditorKeys::GridKeyDown(FGrid, Key, Shift);
    }
    const bool dropped = Style() == csDropDownList || DroppedDown();
    if (!commitKey) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(FGrid->CurrentCell());
        const int index = Items()->IndexOf(FGrid->CurrentCell());
        if (index >= 0)
            SetItemIndex(index);
        FGrid->HideInplaceEdit();
        TGridEditorKeys::FocusGrid(FGrid);
        Key = 0;
        return;
    }
    // Every key that leaves the editor stores its value: it is validated first, Tab below.
    const bool leaves = Key != VK_TAB && !(Key == VK_END && !dropped);
    if (leaves) {
        if (!TGridEditorKeys::Commit(FGrid, Text())) {
            CommitFailed(Key);
            Key = 0;
            return;
        }
        if (Style() == csDropDownList) {
            const int index = Items()->IndexOf(FGrid->CurrentCell());
            if (index >= 0)
                SetItemIndex(index);
        } else {
            SetText(FGrid->CurrentCell());
        }
    }
    if (Key == VK_TAB && TGridEditorKeys::GridTakesTab(FGrid)) {
        if (!TGridEditorKeys::Commit(FGrid, Text())) {
            SetText(TGridEditorKeys::NewCellText(FGrid));
            SetSelStart(TextLength(Text()));
            Repaint();
            Key = 0;
            return;
        }
        if (Style() == csDropDownList)
            SetItemIndex(Items()->IndexOf(FGrid->CurrentCell()));
        if (FGrid->Options().Contains(goTabs)) {
            TGridEditorKeys::TabNavigate(FGrid);
            Key = 0;
            return;
        }
        FGrid->PostMessage(WM_KEYDOWN, VK_TAB, 0);
    }
    if (dropped) {
        TMouseActions* mouse = FGrid->MouseActions();
        const bool directClose = mouse->DirectComboClose;
        mouse->DirectComboClose = false;
        FGrid->HideInplaceEdit();
        mouse->DirectComboClose = directClose;
        if (Key == VK_LEFT || Key == VK_RIGHT)
            TGridEditorKeys::GridKeyDown(FGrid, Key, Shift);
        if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN))
            Key = 0;
    } else if (Key == VK_END) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    TGridEditorKeys::Leave(FGrid, Key, Shift);
}

void TGridCombo::KeyPress(TChar& Key) {
    const int before = ItemIndex();
    TGridEditorKeys::OfferKeyPress(FGrid, this, Key);
    if (Key == 27)
        Key = 0;
    if (Key == '\r' && OnReturnKey)
        OnReturnKey(this);
    if (Key == '\r' || Key == '\t')
        Key = 0;
    TEsgComboBox::KeyPress(Key);
    if (ItemIndex() != before)
        FireComboChange();
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
    if (Style() == csDropDown && SelLength() == 0) {
        const bool atEdge = Key == VK_LEFT ? SelStart() == 0 : SelStart() >= TextLength(Text());
        TGridEditorKeys::CursorWalk(FGrid, Key, Shift, atEdge, Text());
    }
    FGrid->FNoAutoAdvance = false;
    if (Key != VK_RETURN)
        TEsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

void TGridCombo::DoChange() {
    if (!WorkMode || !FGrid->Lookup || Style() == csDropDownList)
        return;
    const std::string text = Text();
    const int typed = SelStart();
    std::string completed;
    int index = TGridEditorKeys::LookupCompletion(text, typed, ItemTexts(*Items()),
                                                  FGrid->LookupCaseSensitive, completed);
    if (index >= 0) {
        SetItemIndex(index);
    } else if (FGrid->LookupItems() != nullptr) {
        const TStringList& lookup = *FGrid->LookupItems();
        std::vector<std::string> candidates;
        for (int i = 0; i < lookup.Count(); ++i)
            candidates.push_back(lookup[i]);
        index = TGridEditorKeys::LookupCompletion(text, typed, candidates,
                                                  FGrid->LookupCaseSensitive, completed);
    }
    if (index < 0)
        return;
    ItemIdx = index;
    ItemChange = true;
    SetText(completed);
    SetSelStart(typed);
    SetSelLength(TextLength(completed) - typed);
}

void TGridCombo::Change() {
    TEsgComboBox::Change();
    TGridEditorKeys::EditChanged(FGrid, Text());
}

void TGridCombo::FireComboChange() {
    const int col = FGrid->RealColIndex(FGrid->Col());
    const int index = ItemIndex();
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, col, FGrid->Row(), index, Text());
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, col, FGrid->Row(), index, Text(), ItemObject(index));
}

void TGridCombo::WndProc(TMessage& Message) {
    if (Message.Msg == CM_WANTSPECIALKEY) {
        TEsgComboBox::WndProc(Message);
        if (TGridEditorKeys::ClaimsSpecialKey(FGrid, Message.WParam))
            Message.Result = 1;
        return;
    }
    if (Message.Msg != WM_MOUSEWHEEL) {
        TEsgComboBox::WndProc(Message);
        return;
    }
    // The wheel walks through the items and stops at either end of the list.
    const int index = ItemIndex();
    if (GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0) {
        if (index + 1 < Items()->Count())
            SetItemIndex(index + 1);
    } else if (index > 0) {
        SetItemIndex(index - 1);
    }
    TGridEditorKeys::EditChanged(FGrid, Text());
    if (ItemIndex() != index)
        FireComboChange();
    Message.Result = 0;
}

void TGridCombo::HandleSetFocus(TMessage& Message) {
    TEsgComboBox::HandleSetFocus(Message);
    if (!FGrid->Navigation()->EditSelectAll && Style() == csDropDown) {
        SetSelStart(TextLength(Text()));
        SetSelLength(1);
    }
    // Editing started by a click on the edit: the caret goes to the character under the pointer,
    // and again once the cell's text is in.
    if (FGrid->LButFlg && PlaceCaretAtPointer()) {
        FGrid->LButFlg = false;
        FClickCaretDue = true;
    }
}

bool TGridCombo::PlaceCaretAtPointer() {
    const int at = CharFromPos(ScreenToClient(GetCursorPos()));
    if (at < 0)
        return false;
    SetSelStart(at);
    SetSelLength(0);
    return true;
}

void TGridCombo::DoExit() {
    FClickCaretDue = false;
    if (FGrid->LookupHistory) {
        const std::string text = Text();
        if (!text.empty() && Items()->IndexOf(text) < 0)
            Items()->Add(text);
    }
    FGrid->HideInplaceEdit();
    TEsgComboBox::DoExit();
}

void TGridCombo::SizeDropDownWidth() {
    int width = Width();
    const bool scroll = Items()->Count() > DropDownCount();
    TCanvas* canvas = FGrid->Canvas();
    for (const std::string& item : *Items()) {
        const int textWidth = canvas->TextWidth(item);
        if (scroll && textWidth > width - 25)
            width = textWidth + 25;
        else if (!scroll && textWidth > width - 5)
            width = textWidth + 8;
    }
    SetDroppedWidth(width);
}
