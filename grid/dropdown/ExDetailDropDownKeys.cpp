#include "grid/dropdown/ExDetailDropDown.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace {
constexpr size_t MaxCompletedLength = 255;

bool IsSelectorMoveKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN);
}
} // namespace

// --- keys over the popup's list ------------------------------------------------------------------

bool TExDetailDropDown::SelectorKey(WORD Key) {
    const bool open = DroppedDown() && FItemSelector;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
        if (!FItemSelector)
            break;
        if (FItemSelector->Items()->Count() != FItems->Count())
            SyncSelector();
        SelectInSelector(FItemSelector->PageStepTarget(Key == VK_NEXT, FItems->Count() - 1));
        break;
    case VK_END:
        if (open) {
            FInternalCall = true;
            FItemSelector->SelectLast();
            FInternalCall = false;
        } else if (!EditorEnabled()) {
            SelectLast();
        }
        break;
    case VK_HOME:
        if (open) {
            FInternalCall = true;
            FItemSelector->SelectFirst();
            FInternalCall = false;
        } else if (!EditorEnabled()) {
            SelectFirst();
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !EditorEnabled()) {
            FInternalCall = true;
            if (Key == VK_LEFT)
                FItemSelector->SelectPrevious();
            else
                FItemSelector->SelectNext();
            FInternalCall = false;
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (!open) {
            if (Key == VK_UP)
                SelectPrevious();
            else
                SelectNext();
            break;
        }
        {
            const int current = FItemSelector->ItemIndex();
            SelectInSelector(current < 0 ? 0 : current + (Key == VK_UP ? -1 : 1));
            Invalidate();
        }
        break;
    default:
        // The search takes the characters typed, and types into the closed edit's completion
        // instead when the edit is typed into.
        if (!FItemSelector || CurrentShiftState().Contains(ssCtrl) ||
            (!DroppedDown() && EditorEnabled()))
            break;
        FInternalCall = true;
        FKeySearch.Type(Key, *FItemSelector);
        FInternalCall = false;
        break;
    }
    return DroppedDown() && IsSelectorMoveKey(Key);
}

void TExDetailDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && Enabled() && !CurrentShiftState().Contains(ssAlt)) {
        if (SelectorKey(static_cast<WORD>(Message.WParam))) {
            Message.WParam = 0;
            Message.Result = 1;
            return;
        }
    }
    TExCustomDropDown::WndProc(Message);
}

void TExDetailDropDown::DoWheelDown() {
    TExCustomDropDown::DoWheelDown();
    if (!DroppedDown() || !FItemSelector) {
        SelectNext();
        return;
    }
    const int current = FItemSelector->ItemIndex();
    SelectInSelector(current < 0 ? 0 : current + 1);
    Invalidate();
}

void TExDetailDropDown::DoWheelUp() {
    TExCustomDropDown::DoWheelUp();
    if (!DroppedDown() || !FItemSelector) {
        SelectPrevious();
        return;
    }
    const int current = FItemSelector->ItemIndex();
    SelectInSelector(current < 0 ? 0 : current - 1);
    Invalidate();
}

// --- typing and completion -----------------------------------------------------------------------

void TExDetailDropDown::HandleKeyDown(WORD& Key, TShiftState Shift) {
    if (FItems->Count() == 0) {
        TExCustomDropDown::HandleKeyDown(Key, Shift);
        return;
    }
    const WORD pressed = Key;
    if (pressed == VK_BACK || pressed == VK_ESCAPE || pressed == VK_DELETE) {
        FWorkMode = false;
    } else if (pressed == VK_RETURN) {
        if (const int found = FItems->IndexOf(Text()); found >= 0) {
            SetText(FItems->GetItem(found)->Caption());
            SetItemIndex(found);
        }
    } else {
        FWorkMode = true;
    }
    TExCustomDropDown::HandleKeyDown(Key, Shift);
    if (pressed == VK_ESCAPE)
        if (const int found = FItems->IndexOf(Text()); found >= 0)
            SetItemIndex(found);
}

void TExDetailDropDown::SetText(const std::string& Value) {
    const bool completing = FCompleting;
    FCompleting = true;
    TExCustomDropDown::SetText(Value);
    FCompleting = completing;
}

void TExDetailDropDown::Change() {
    if (FCompleting) {
        TExCustomDropDown::Change();
        return;
    }
    FItemChange = false;
    TExCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode)
        return;
    SetModified(!Text().empty());
    CompleteTypedText();
}

void TExDetailDropDown::CompleteTypedText() {
    const std::u16string text = Utf8ToUtf16(Text());
    const size_t caret = std::min<size_t>(std::max(SelStart(), 0), text.size());
    const std::u16string typed = text.substr(0, caret);
    if (typed.empty() || FItems->Count() == 0)
        return;
    const auto forMatch = [this](const std::string& S) {
        return FMatchCase ? S : UpperCaseFull(S);
    };
    const std::string prefix = forMatch(Utf16ToUtf8(typed));
    for (int i = 0; i < FItems->Count(); ++i) {
        const std::string& caption = FItems->GetItem(i)->Caption();
        if (!forMatch(caption).starts_with(prefix))
            continue;
        FItemIndex = FItemIdx = i;
        FItemSel = static_cast<int>(typed.size());
        FItemChange = true;
        const std::u16string wide = Utf8ToUtf16(caption);
        std::u16string completed =
            typed + (wide.size() > typed.size() ? wide.substr(typed.size()) : std::u16string());
        completed.resize(std::min(completed.size(), MaxCompletedLength));
        FCompleting = true;
        SetTextDirect(Utf16ToUtf8(completed));
        FCompleting = false;
        SetSelStart(FItemSel);
        SetSelLength(static_cast<int>(completed.size()) - FItemSel);
        return;
    }
    // No caption starts so: the text stays as typed, the caret where it was.
}

void TExDetailDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    TExCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange)
        return;
    SetItemIndex(FItemIdx);
    const int length = static_cast<int>(Utf8ToUtf16(Text()).size());
    SetSelStart(FItemSel);
    SetSelLength(std::max(length - FItemSel, 0));
    FItemChange = false;
}
