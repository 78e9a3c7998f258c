// Row search, completion of typed text and the keys of the grid drop-down.
#include "grid/dropdown/ExCustomGridDropDown.h"

#include "grid/dropdown/ExGridDropDownGrid.h"
#include "grid/dropdown/TypedCompletion.h"
#include "grid/foundation/ExUtil.h"
#include "platform/core/CodePage.h"
#include "platform/core/StringList.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace GridDropDown {

namespace {
constexpr TChar Backspace = 8;
constexpr TChar Tab = 9;
constexpr TChar Enter = 13;
constexpr TChar Escape = 27;

int Utf16Length(const std::string& Text) {
    return static_cast<int>(Utf8ToUtf16(Text).size());
}

// Text without leading and trailing blanks and control characters.
std::string TrimmedEntry(const std::string& Text) {
    const auto blank = [](char C) { return static_cast<unsigned char>(C) <= ' '; };
    auto first = std::find_if_not(Text.begin(), Text.end(), blank);
    auto last = std::find_if_not(Text.rbegin(), Text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string CharText(TChar Key) {
    return Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(Key)));
}
} // namespace

// The part of the shown text after From is selected, the caret standing at From.
void TCustomExGridDropDown::SelectTail(int From) {
    const int length = Utf16Length(Text());
    SetSelStart(std::min(From, length));
    SetSelLength(std::max(length - From, 0));
}

int TCustomExGridDropDown::LookupKey(TChar Key) {
    if (FLookupMethod == lmNone)
        return -1;
    if (Key != Backspace && Key != Tab)
        FLookupEntry += CharText(Key);
    if (Key == Backspace) {
        if (SelLength() > 0) {
            std::u16string text = Utf8ToUtf16(Text());
            const size_t start = std::min<size_t>(std::max(SelStart(), 0), text.size());
            text.erase(start, static_cast<size_t>(SelLength()));
            SetTextDirect(Utf16ToUtf8(text));
        } else {
            std::u16string entry = Utf8ToUtf16(FLookupEntry);
            if (!entry.empty())
                entry.pop_back();
            FLookupEntry = Utf16ToUtf8(entry);
            SetTextDirect(FLookupEntry);
        }
        SetSelStart(Utf16Length(Text()));
        return -1;
    }
    const std::string entry = TrimmedEntry(FLookupEntry);
    const int typed = Utf16Length(FLookupEntry);
    const auto show = [this](const std::string& Value) {
        const bool completing = FCompleting;
        FCompleting = true;
        SetTextDirect(Value);
        FCompleting = completing;
    };
    if (FLookupMethod == lmNarrowDown) {
        if (!FExColGrid)
            return -1;
        TExColGrid& grid = *FExColGrid;
        if (entry.empty()) {
            grid.RemoveAllFilters();
        } else {
            grid.SetFixedRowAlways(true);
            grid.NarrowDown(entry, FLookupColumn);
        }
        if (FStyle == dsDropDown && grid.RowCount() > grid.FixedRows()) {
            show(GridCell(FLookupColumn, grid.FixedRows()));
            SelectTail(typed);
        }
        return grid.FixedRows();
    }
    std::string found;
    int row = -1;
    // Without items the search answers a grid row; the index counts data rows.
    const auto choose = [&] {
        FItemIndex = FUseItems || !FExColGrid ? row : row - FExColGrid->FixedRows();
        show(found);
        return row;
    };
    if (FindLookupRow(entry, found, row)) {
        choose();
        if (FStyle == dsDropDown)
            SelectTail(typed);
        return row;
    }
    if (FStyle == dsDropDownList) {
        if (FindLookupRow(CharText(Key), found, row)) {
            FLookupEntry = CharText(Key);
            return choose();
        }
        FLookupEntry.clear();
    }
    return -1;
}

// --- completion of the edit text -----------------------------------------------------------------

void TCustomExGridDropDown::Change() {
    if (FCompleting) {
        TExCustomDropDown::Change();
        return;
    }
    FItemChange = false;
    TExCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !workmode)
        return;
    SetModified(!Text().empty());
    CompleteTypedText();
}

void TCustomExGridDropDown::CompleteTypedText() {
    if (FLookupItems->Count() == 0)
        return;
    const TTypedCompletion found = ::CompleteTypedText(
        Text(), SelStart(), FLookupItems->Count(),
        [this](int Index) { return (*FLookupItems)[Index]; }, FMatchCase);
    FCompleting = true;
    if (found.Index >= 0) {
        FItemIndex = FItemIdx = found.Index;
        FItemSel = found.TypedLength;
        FItemChange = true;
        SetTextDirect(found.Completed);
        FCompleting = false;
        SelectTail(FItemSel);
        return;
    }
    // Nothing starts so: what stood after the caret goes.
    if (!found.Typed.empty() && found.Typed != Text()) {
        SetTextDirect(found.Typed);
        SetSelStart(found.TypedLength);
    }
    FCompleting = false;
}

// --- keys in the edit ----------------------------------------------------------------------------

void TCustomExGridDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && !ComponentState().Contains(csDesigning)) {
        HandleEditKeyDownMessage(Message);
        return;
    }
    if (Message.Msg == WM_CHAR && !ComponentState().Contains(csDesigning)) {
        HandleEditCharMessage(Message);
        return;
    }
    TExCustomDropDown::WndProc(Message);
}

void TCustomExGridDropDown::HandleEditKeyDownMessage(TMessage& Message) {
    const auto key = static_cast<WORD>(Message.WParam);
    if (key == VK_RETURN && FExColGrid)
        FExColGrid->SetConfirmSelection(true);
    TExCustomDropDown::WndProc(Message);
    const TShiftState shift = CurrentShiftState();
    if (!Enabled() || shift.Contains(ssAlt) || !IsGridMoveKey(key))
        return;
    FLookupEntry.clear();
    SelectByMoveKey(key, !shift.Contains(ssShift) && FStyle == dsDropDownList);
}

void TCustomExGridDropDown::HandleEditCharMessage(TMessage& Message) {
    const auto key = static_cast<TChar>(Message.WParam);
    TExCustomDropDown::WndProc(Message);
    // The edit would type the character only after this handler; the search needs it typed.
    const auto passed = static_cast<TChar>(Message.WParam);
    if (Message.Result == 0 && EditorEnabled() && (passed == Backspace || passed >= ' ')) {
        InsertTyped(passed);
        Message.Result = 1;
    }
    LookupKey(key);
    if (FAutoShowDropDown)
        ShowDropDown();
}

bool TCustomExGridDropDown::GridEditing() const {
    return FExColGrid && FExColGrid->Options().Contains(goEditing);
}

void TCustomExGridDropDown::HandleKeyDown(WORD& Key, TShiftState Shift) {
    if (GridEditing() && FExColGrid->EditMode && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        TExColGrid& grid = *FExColGrid;
        grid.HideInplaceEdit();
        const bool completing = FCompleting;
        FCompleting = true;
        SetText(GridCell(FLookupColumn, grid.Row()));
        FCompleting = completing;
        SetItemIndex(FUseItems ? ItemOfRow(grid.Row()) : grid.Row() - grid.FixedRows());
        Key = 0;
        return;
    }
    const WORD pressed = Key;
    if (FLookupColumn >= 0 && FItems->Count() > 0) {
        if (pressed == VK_BACK || pressed == VK_ESCAPE || pressed == VK_DELETE) {
            workmode = false;
        } else if (pressed == VK_RETURN) {
            const std::string text = UpperCaseFull(Text());
            for (int i = 0; i < FLookupItems->Count(); ++i) {
                if (UpperCaseFull((*FLookupItems)[i]) != text)
                    continue;
                const bool completing = FCompleting;
                FCompleting = true;
                SetText((*FLookupItems)[i]);
                FCompleting = completing;
                SetItemIndex(i);
                break;
            }
            if (ReturnIsTab()) {
                PostMessage(WM_KEYDOWN, VK_TAB);
                Key = 0;
            }
        } else {
            workmode = true;
        }
    }
    if (pressed == VK_ESCAPE || IsGridMoveKey(pressed))
        FLookupEntry.clear();
    TExCustomDropDown::HandleKeyDown(Key, Shift);
    if (pressed == VK_ESCAPE && FLookupColumn >= 0 && FItems->Count() > 0)
        SetItemIndex(FLookupItems->IndexOf(Text()));
}

void TCustomExGridDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    if (!(Key == VK_RETURN && ReturnIsTab()))
        TExCustomDropDown::KeyUp(Key, Shift);
    if (GridEditing() && FExColGrid->EditMode && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        if (FExColGrid->Col() == FLookupColumn)
            HideDropDown(false);
        else
            FExColGrid->HideInplaceEdit();
    }
    if (!FItemChange)
        return;
    SetItemIndex(FItemIdx);
    SelectTail(FItemSel);
    FItemChange = false;
}

void TCustomExGridDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    if (FExColGrid)
        FExColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

// --- keys in the grid ----------------------------------------------------------------------------

void TCustomExGridDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (!(IsGridMoveKey(Key) && !Shift.Contains(ssAlt)))
        TExCustomDropDown::ControlKeyDown(Key, Shift);
    DoGridKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (IsGridMoveKey(Key) && !Shift.Contains(ssAlt))
        FLookupEntry.clear();
    else
        TExCustomDropDown::ControlKeyUp(Key, Shift);
    DoGridKeyUp(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyPress(TChar& Key) {
    const bool alt = CurrentShiftState().Contains(ssAlt);
    if (((Key == Enter || Key == Escape) && !alt) || GridEditing()) {
        FLookupEntry.clear();
    } else if (FExColGrid) {
        TExColGrid& grid = *FExColGrid;
        int row = LookupKey(Key);
        // A lookup with items answers an item: its row, wherever sorting or moving put it.
        if (row >= 0 && FUseItems && FLookupMethod == lmLookup)
            row = RowOfItem(row);
        if (row >= grid.FixedRows() && row < grid.RowCount()) {
            if (grid.VisibleRowCount() + grid.FixedRows() < grid.RowCount())
                grid.SetTopRow(row);
            grid.SetRow(row);
            grid.SetCol(0);
            grid.RepaintRow(row);
        } else {
            FLookupEntry.clear();
        }
    }
    DoGridKeyPress(this, Key);
}

} // namespace GridDropDown
