// Keys, completion of typed text and the list's search of the multi-column drop-down.
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace {
constexpr size_t MaxCompletedTail = 255;

bool IsListMoveKey(WORD Key, TShiftState Shift) {
    return !Shift.Contains(ssAlt) &&
           (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}

std::u16string ForMatch(const std::u16string& Text, bool KeepCase) {
    return Utf8ToUtf16(NormalizeCase(Utf16ToUtf8(Text), KeepCase));
}
} // namespace

// --- keys in the edit ----------------------------------------------------------------------------

void TExMultiColumnDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_CHAR) {
        FTypedOverSelection = SelLength() > 0;
        FTextAtChar = Text();
        FChangeSeen = false;
    }
    if (Message.Msg != WM_KEYDOWN) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    // The base turns Enter into Tab when ReturnIsTab; the typed entry is confirmed before.
    if (Message.WParam == VK_RETURN && ReturnIsTab() && FLookupColumn >= 0 && FItems->Count() > 0)
        ConfirmTypedEntry();
    TExCustomDropDown::WndProc(Message);
    const TShiftState shift = KeyDataToShiftState(Message.LParam) + CurrentShiftState();
    if (!Enabled() || shift.Contains(ssAlt))
        return;
    SelectByMoveKey(static_cast<WORD>(Message.WParam), !EditorEnabled());
}

int TExMultiColumnDropDown::LookupIndexIgnoringCase(const std::string& Text) const {
    if (Text.empty())
        return -1;
    const std::string wanted = NormalizeCase(Text, false);
    for (int i = 0; i < FLookupItems.Count(); ++i)
        if (!FLookupItems[i].empty() && NormalizeCase(FLookupItems[i], false) == wanted)
            return i;
    return -1;
}

void TExMultiColumnDropDown::ConfirmTypedEntry() {
    const int found = LookupIndexIgnoringCase(Text());
    if (found < 0 || found >= FItems->Count())
        return;
    SetText(FLookupItems[found]);
    SetItemIndex(found);
    Change();
}

void TExMultiColumnDropDown::HandleKeyDown(WORD& Key, TShiftState Shift) {
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TExCustomDropDown::HandleKeyDown(Key, Shift);
        return;
    }
    const WORD pressed = Key;
    if (pressed == VK_BACK || pressed == VK_ESCAPE || pressed == VK_DELETE) {
        FWorkMode = false;
    } else if (pressed == VK_RETURN) {
        ConfirmTypedEntry();
    } else {
        FWorkMode = true;
    }
    TExCustomDropDown::HandleKeyDown(Key, Shift);
    if (pressed == VK_ESCAPE)
        SetItemIndex(LookupIndexIgnoringCase(Text()));
}

void TExMultiColumnDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    if (!(Key == VK_RETURN && ReturnIsTab()))
        TExCustomDropDown::KeyUp(Key, Shift);
    // A character typed over the same selected character changes nothing, so the edit reports
    // no change; it still spells the typed part of an entry, to be completed as any other.
    if (FTypedOverSelection && !FChangeSeen && FWorkMode && Text() == FTextAtChar &&
        !ComponentState().Contains(csDesigning))
        CompleteTypedText();
    FTypedOverSelection = false;
    if (!FItemChange)
        return;
    SetItemIndex(FItemIdx);
    SelectTextAfter(FItemSel);
    FItemChange = false;
}

void TExMultiColumnDropDown::SelectTextAfter(int Start) {
    const int length = static_cast<int>(Utf8ToUtf16(Text()).size());
    Start = std::clamp(Start, 0, length);
    SetSelStart(Start);
    SetSelLength(length - Start);
}

// --- completion ----------------------------------------------------------------------------------

void TExMultiColumnDropDown::Change() {
    FChangeSeen = true;
    FItemChange = false;
    TExCustomDropDown::Change();
    if (FProgramWrite || ComponentState().Contains(csDesigning) || !FWorkMode)
        return;
    SetModified(!Text().empty());
    CompleteTypedText();
}

void TExMultiColumnDropDown::CompleteTypedText() {
    if (FLookupItems.Count() == 0)
        return;
    const std::u16string text = Utf8ToUtf16(Text());
    const size_t caret = std::min<size_t>(std::max(SelStart(), 0), text.size());
    const std::u16string typed = text.substr(0, caret);
    if (typed.empty())
        return;
    const std::u16string key = ForMatch(typed, FMatchCase);
    // Only as many entries as the items have: the lookup list may be older than the items.
    const int entries = std::min(FLookupItems.Count(), FItems->Count());
    for (int i = 0; i < entries; ++i) {
        const std::u16string entry = Utf8ToUtf16(FLookupItems[i]);
        if (entry.empty() || !ForMatch(entry, FMatchCase).starts_with(key))
            continue;
        FItemIndex = FItemIdx = i;
        FItemSel = static_cast<int>(typed.size());
        FItemChange = true;
        const std::u16string tail =
            entry.size() > typed.size() ? entry.substr(typed.size(), MaxCompletedTail) : u"";
        SetText(Utf16ToUtf8(typed + tail));
        // A written text counts as unmodified; this one was typed.
        SetModified(true);
        SelectTextAfter(FItemSel);
        return;
    }
    // No entry starts so: what follows the caret goes.
    SetText(Utf16ToUtf8(typed));
    SetSelStart(static_cast<int>(typed.size()));
}

// --- keys in the list ----------------------------------------------------------------------------

void TExMultiColumnDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (!IsListMoveKey(Key, Shift))
        TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (!IsListMoveKey(Key, Shift))
        TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyPress(TChar& Key) {
    const bool alt = CurrentShiftState().Contains(ssAlt);
    if (((Key == VK_RETURN || Key == VK_ESCAPE) && !alt) ||
        (FExColGrid && FExColGrid->Options().Contains(goEditing))) {
        FLookupEntry.clear();
        return;
    }
    const int found = LookupKey(Key);
    if (found < 0) {
        FLookupEntry.clear();
        return;
    }
    if (!FExColGrid)
        return;
    const int row = found + FExColGrid->FixedRows();
    if (row >= FExColGrid->RowCount())
        return;
    if (row >= FExColGrid->TopRow() + FExColGrid->VisibleRowCount() || row < FExColGrid->TopRow())
        FExColGrid->SetTopRow(row);
    FExColGrid->SetRow(row);
    FExColGrid->SetCol(0);
}

int TExMultiColumnDropDown::LookupKey(TChar Key) {
    if (Key != VK_BACK && Key != VK_TAB)
        FLookupEntry.push_back(static_cast<char16_t>(Key));
    if (Key == VK_BACK) {
        if (SelLength() > 0) {
            std::u16string text = Utf8ToUtf16(Text());
            const size_t start = std::min<size_t>(std::max(SelStart(), 0), text.size());
            text.erase(start, static_cast<size_t>(SelLength()));
            SetText(Utf16ToUtf8(text));
        } else {
            if (!FLookupEntry.empty())
                FLookupEntry.pop_back();
            SetText(Utf16ToUtf8(FLookupEntry));
        }
        SetSelStart(static_cast<int>(Utf8ToUtf16(Text()).size()));
        return -1;
    }
    int index = -1;
    std::string text;
    if (FindLookupItem(FLookupEntry, index, text)) {
        FItemIndex = index;
        SetText(text);
        const int entry = static_cast<int>(FLookupEntry.size());
        SetSelStart(entry);
        SetSelLength(std::max(static_cast<int>(Utf8ToUtf16(text).size()) - entry, 0));
        return index;
    }
    const std::u16string alone(1, static_cast<char16_t>(Key));
    if (Key != VK_TAB && FindLookupItem(alone, index, text)) {
        FItemIndex = index;
        SetText(text);
        FLookupEntry = alone;
        return index;
    }
    FLookupEntry.clear();
    return -1;
}

bool TExMultiColumnDropDown::FindLookupItem(const std::u16string& Entry, int& Index,
                                            std::string& Text) const {
    if (!FExColGrid || Entry.empty())
        return false;
    const std::u16string wanted = ForMatch(Entry, FCaseSensitive);
    for (int i = 0; i < FItems->Count(); ++i) {
        const auto& item = *FItems->GetItem(i);
        if (!item.HasTextAt(FLookupColumn))
            continue;
        const std::string& candidate = item.Text()[FLookupColumn];
        if (ForMatch(Utf8ToUtf16(candidate), FCaseSensitive).starts_with(wanted)) {
            Index = i;
            Text = candidate;
            return true;
        }
    }
    return false;
}
