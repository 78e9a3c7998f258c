#include "grid/dropdown/ExDetailDropDown.h"
#include "grid/dropdown/TypedCompletion.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace {
bool IsSelectorMoveKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN);
}
} // namespace

// --- keys over the popup's list ------------------------------------------------------------------

bool TExDetailDropDown::SelectorKey(WORD Key) {
    ListKey(Key);
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
    const TTypedCompletion found = ::CompleteTypedText(
        Text(), SelStart(), FItems->Count(),
        [this](int Index) { return FItems->GetItem(Index)->Caption(); }, FMatchCase);
    // No caption starts so: the text stays as typed, the caret where it was.
    if (found.Index < 0)
        return;
    FItemIndex = FItemIdx = found.Index;
    FItemSel = found.TypedLength;
    FItemChange = true;
    FCompleting = true;
    SetTextDirect(found.Completed);
    FCompleting = false;
    SetSelStart(FItemSel);
    SetSelLength(static_cast<int>(Utf8ToUtf16(found.Completed).size()) - FItemSel);
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
