// The string grid's text editor: keys, focus, clipboard and lookup completion.
#include "grid/stringgrid/ExInplaceEdit.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/InvalidEntryBalloon.h"
#include "grid/stringgrid/ScopedValue.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "platform/core/CodePage.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Keys.h"
#include "platform/ui/MessageBeep.h"

#include <utility>

namespace {
char16_t FirstUnit(const std::string& text, char16_t fallback) {
    const std::u16string wide = Utf8ToUtf16(text);
    return wide.size() == 1 ? wide[0] : fallback;
}

int LengthOf(const std::string& text) {
    return static_cast<int>(Utf8ToUtf16(text).size());
}
// The kinds whose text may hold a line break typed with Enter; numbers never do.
bool BreaksLineOnEnter(TEditorType kind) {
    switch (kind) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
        return true;
    default:
        return false;
    }
}
} // namespace

TExInplaceEdit::TExInplaceEdit(TExStringGrid* AGrid) : TInplaceEdit(AGrid), FGrid(AGrid) {}

TExInplaceEdit::~TExInplaceEdit() = default;

void TExInplaceEdit::SetVAlign(bool Value) {
    FValign = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

void TExInplaceEdit::SetWordWrap(bool Value) {
    FWordWrap = Value;
    ApplyLines();
}

void TExInplaceEdit::BeginCellEdit(int ACol, int ARow) {
    TInplaceEdit::BeginCellEdit(ACol, ARow);
    FColE = ACol;
    FRowE = ARow;
    FLengthLimit = FGrid->CellEditLimit();
    SetRightToLeftReading(FGrid->UseRightToLeftAlignment());
    // A mask shapes one line of text, whatever the cell shows; the cell's text comes next.
    const std::string mask = FGrid->CellEditMask(ACol, ARow);
    if (IsMasked() && mask.empty())
        SetEditMask(mask);
    FollowCellLayout(ACol, ARow);
    if (!mask.empty()) {
        SetLines(elSingleLine);
        SetEditMask(mask);
    }
}

void TExInplaceEdit::FollowCellLayout(int ACol, int ARow) {
    TGridDrawState state;
    TBrush brush;
    TFont font;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment horizontal = taLeftJustify;
    TVAlignment vertical = vtaTop;
    TCellGradientDirection gradient = GradientVertical;
    bool wordWrap = FGrid->WordWrap();
    FGrid->GetVisualProperties(ACol, ARow, state, false, false, true, &brush, colorTo, mirror,
                               mirrorTo, &font, horizontal, vertical, wordWrap, gradient);
    FWordWrap = wordWrap;
    ApplyLines();
}

// A password stays on one line, hidden; other cells edit the lines they show.
void TExInplaceEdit::ApplyLines() {
    if (FGrid->EditControl == edPassword || !(FWordWrap || FGrid->Multilinecells))
        SetLines(elSingleLine);
    else
        SetLines(FWordWrap ? elWordWrap : elMultiLine);
}

// The grid line of a right-to-left cell lies on its left.
void TExInplaceEdit::PlaceCellEditor(const TRect& ARect, TColor Background) {
    TRect place = ARect;
    if (RightToLeftReading())
        place.Left += 1;
    TInplaceEdit::PlaceCellEditor(place, Background);
}

void TExInplaceEdit::LoadCellText(const std::string& Text) {
    TInplaceEdit::LoadCellText(Text);
    FGrid->FNoEditChange = false;
    FWorkmode = true;
}

void TExInplaceEdit::SetTextQuietly(const std::string& Value) {
    TScopedFlag quiet(FGrid->FNoEditChange);
    SetText(Value);
}

void TExInplaceEdit::Change() {
    TInplaceEdit::Change();
    if (!FGrid->FNoEditChange)
        FireEvent(FGrid->OnEditChange, FGrid, FGrid->Col(), FGrid->Row(), Text());
}

TTypedCharContext TExInplaceEdit::TypingContext(bool Ctrl) const {
    const TFormatSettings locale = CurrentFormatSettings();
    TTypedCharContext ctx;
    ctx.Text = Utf8ToUtf16(Text());
    ctx.SelStart = SelStart();
    ctx.SelLength = SelLength();
    ctx.LengthLimit = FLengthLimit;
    ctx.Ctrl = Ctrl;
    ctx.DecimalSeparator = FirstUnit(locale.DecimalSeparator, u'.');
    ctx.ThousandSeparator = FirstUnit(locale.ThousandSeparator, u',');
    ctx.ValidChars = Utf8ToUtf16(FGrid->ValidChars);
    return ctx;
}

void TExInplaceEdit::TypeLineFeed() {
    char16_t key = u'\n';
    switch (FilterTypedChar(FGrid->EditControl, key, TypingContext(true))) {
    case TTypedCharVerdict::Accept:
        InsertLineBreak();
        break;
    case TTypedCharVerdict::Beep:
        MessageBeep(0);
        break;
    case TTypedCharVerdict::Drop:
        break;
    }
}

// --- typing --------------------------------------------------------------------------------------

void TExInplaceEdit::KeyPress(TChar& Key) {
    TInplaceEdit::KeyPress(Key);
    if (Key == 0)
        return;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (Key == 1 && ctrl) { // Ctrl+A selects; it types nothing
        Key = 0;
        return;
    }
    char16_t key = static_cast<char16_t>(Key);
    const TTypedCharVerdict verdict = FilterTypedChar(FGrid->EditControl, key, TypingContext(ctrl));
    if (verdict != TTypedCharVerdict::Accept) {
        if (verdict == TTypedCharVerdict::Beep)
            MessageBeep(0);
        Key = 0;
        return;
    }
    Key = key;
    if (FGrid->EditControl == edMixedCase && Key >= 32) {
        // Every word keeps a capital as it is typed; the caret stays after the new character.
        const int caret = SelStart() + 1;
        SetSelText(Utf16ToUtf8(std::u16string(1, key)));
        SetText(NameCase(Text()));
        SetSelStart(caret);
        Key = 0;
    }
}

// --- keys that leave the cell
// ----------------------------------------------------------------------

bool TExInplaceEdit::WalksOutOfTheText(WORD Key, TShiftState Shift) const {
    if (!FGrid->FNavigation->CursorWalkEditor || (Key != VK_LEFT && Key != VK_RIGHT))
        return false;
    if (Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) ||
        SelLength() != 0)
        return false;
    return Key == VK_LEFT ? SelStart() == 0 : SelStart() == LengthOf(Text());
}

bool TExInplaceEdit::ShiftLeavesTheText(WORD Key, TShiftState Shift) const {
    if (!FGrid->FNavigation->CursorWalkEditor || !Shift.Contains(ssShift) ||
        Shift.Contains(ssCtrl) || Shift.Contains(ssAlt))
        return false;
    if (Key == VK_LEFT)
        return SelStart() == 0;
    return Key == VK_RIGHT && SelStart() + SelLength() == LengthOf(Text());
}

void TExInplaceEdit::LeaveToTheGrid() {
    {
        // Only the text goes into the cell here: no validation, no editor shown.
        TScopedFlag quiet(FGrid->FValidating);
        FGrid->SetCurrentCellText(Text());
    }
    if (!ValidateText()) {
        Repaint();
        return;
    }
    FGrid->HideInplaceEdit();
    if (FGrid->CanFocus())
        FGrid->SetFocus();
}

bool TExInplaceEdit::ValidateText() {
    const std::string oldCellText = FGrid->FOldCellText;
    if (FGrid->ValidateCell(Text())) {
        SetTextQuietly(FGrid->FNewCellText);
        return true;
    }
    // The editor was reopened on the value the validation chose; the user stays on it.
    if (FGrid->FNavigation->EditSelectAll)
        SelectAll();
    else
        SetSelStart(LengthOf(Text()));
    FGrid->FOldCellText = oldCellText;
    return false;
}

void TExInplaceEdit::LeaveWithKey(WORD& Key, TShiftState Shift) {
    if (!ValidateText()) {
        Key = 0;
        return;
    }
    if (Key == VK_TAB) {
        FGrid->HideInplaceEdit();
        if (FGrid->Options().Contains(goTabs))
            FGrid->NavigateFromEditor(Shift.Contains(ssShift));
        else
            FGrid->PostMessage(WM_KEYDOWN, VK_TAB, 0);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        FGrid->DoneInplaceEdit(Key, Shift);
    } else {
        FGrid->HideInplaceEdit();
        FGrid->HandleKeyDown(Key, Shift);
    }
    Key = 0;
}

void TExInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    FSelKeyDown = SelStart();
    const bool ctrl = Shift.Contains(ssCtrl);
    if (Key == VK_ESCAPE) {
        // The edit is dropped: the cell gets back the text it had when editing began.
        SetText(FGrid->FCellCache);
        FGrid->FEditing = false;
        FGrid->HideInplaceEdit();
        Key = 0;
        return;
    }
    if (Key == 'A' && ctrl && !Shift.Contains(ssAlt)) {
        SelectAll();
        Key = 0;
        return;
    }
    FWorkmode = Key != VK_BACK && Key != VK_DELETE;
    const int linesBefore = CountLines(Text(), true);
    if (Key == VK_RETURN && ctrl) {
        // A line break needs a cell that shows several lines.
        if (FGrid->FNavigation->AllowCtrlEnter && Lines() != elSingleLine) {
            TypeLineFeed();
            GrowForNewLine(linesBefore);
        }
        Key = 0;
        return;
    }
    if (Key == VK_TAB && !FGrid->EditorWantsTab())
        return; // Tab moves the focus on; leaving the editor validates
    if (Key == VK_RETURN && FGrid->FNavigation->LineFeedOnEnter) {
        if (Lines() != elSingleLine && BreaksLineOnEnter(FGrid->EditControl)) {
            InsertLineBreak();
            if (Shift.Contains(ssShift))
                GrowForNewLine(linesBefore);
            Key = 0;
        }
        return;
    }
    if (ShiftLeavesTheText(Key, Shift)) {
        LeaveToTheGrid();
        Key = 0;
        return;
    }
    if (IsGridKey(Key, Shift)) {
        LeaveWithKey(Key, Shift);
        return;
    }
    if (WalksOutOfTheText(Key, Shift)) {
        // Walking out of the text walks into the neighbouring cell, through validation.
        LeaveWithKey(Key, Shift);
        if (Key == 0 && !FGrid->EditMode && FGrid->FNavigation->CursorWalkAlwaysEdit)
            FGrid->ShowInplaceEdit();
        return;
    }
    FGrid->EditorKeyDown(Key, Shift);
    if (Key != 0)
        TInplaceEdit::KeyDown(Key, Shift);
}

void TExInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
    TInplaceEdit::KeyUp(Key, Shift);
    if (Key != 0 && Key != VK_BACK && Key != VK_DELETE)
        DoChange();
    if (Key != 0 && FGrid->EditorMode())
        GrowWithText();
    if (std::exchange(FCharTyped, false) && FGrid->EditorMode())
        AdvanceWhenFull();
}

void TExInplaceEdit::GrowWithText() {
    const TSizeWhileTyping* grow = FGrid->SizeWhileTyping();
    if (grow->Width)
        FGrid->AutoSizeCol(FGrid->Col());
    if (grow->Height && FWordWrap) {
        const int row = FGrid->Row();
        {
            TScopedValue<bool> alone(FGrid->ColumnSize()->SynchWithGrid, false);
            FGrid->AutoSizeRow(row);
        }
        FireEvent(FGrid->OnEndRowSize, FGrid, row);
    }
}

void TExInplaceEdit::GrowForNewLine(int LinesBefore) {
    const int lines = CountLines(Text(), true);
    if (!FGrid->SizeWhileTyping()->Height || !FGrid->Multilinecells || lines <= LinesBefore)
        return;
    const int row = FGrid->Row();
    {
        TScopedValue<bool> alone(FGrid->ColumnSize()->SynchWithGrid, false);
        // Another cell of the row with more lines keeps the row at its own height.
        if (lines < FGrid->MaxLinesInRow(row))
            FGrid->AutoSizeRow(row);
        else
            FGrid->SetRowLines(row, lines, FGrid->VertTextMargin());
    }
    FireEvent(FGrid->OnEndRowSize, FGrid, row);
}

// Full is every position of the editor's mask typed, else MaxEditLength characters, with the
// caret after the last.
void TExInplaceEdit::AdvanceWhenFull() {
    const TNavigation* navigation = FGrid->FNavigation.get();
    if (!navigation->AdvanceAuto() || SelLength() != 0)
        return;
    bool full = false;
    if (IsMasked()) {
        full = MaskFilled() && SelStart() == LengthOf(EditText());
    } else {
        const int limit = FGrid->MaxEditLength();
        const int length = LengthOf(Text());
        full = navigation->AdvanceOnEnter && limit > 0 && length == limit && SelStart() == length;
    }
    if (!full)
        return;
    TChar enter = VK_RETURN;
    FGrid->HandleKeyPress(enter);
}

// --- lookup completion -------------------------------------------------------------------------

void TExInplaceEdit::DoChange() {
    if (!FWorkmode || SelLength() != 0 || !FGrid->Lookup)
        return;
    const TStringList* items = FGrid->LookupItems();
    if (!items || items->Count() == 0)
        return;
    const std::u16string text = Utf8ToUtf16(Text());
    const int typed = std::min(SelStart(), static_cast<int>(text.size()));
    if (typed == 0)
        return;
    const bool exact = FGrid->LookupCaseSensitive;
    const auto fold = [exact](const std::string& s) { return exact ? s : UpperCase(s); };
    const std::string prefix = fold(Utf16ToUtf8(text.substr(0, typed)));
    for (int i = 0; i < items->Count(); ++i) {
        const std::string& item = (*items)[i];
        if (fold(item).rfind(prefix, 0) != 0)
            continue;
        const std::u16string wideItem = Utf8ToUtf16(item);
        if (static_cast<int>(wideItem.size()) <= typed)
            return;
        SetTextQuietly(Utf16ToUtf8(text.substr(0, typed) + wideItem.substr(typed, 255)));
        SetSelStart(typed);
        SetSelLength(LengthOf(Text()) - typed);
        return;
    }
}

// --- focus
// -------------------------------------------------------------------------------------------

void TExInplaceEdit::DoEnter() {
    TInplaceEdit::DoEnter();
    FGotFocus = true;
    FGrid->FNoEditChange = false;
    FLengthLimit = FGrid->CellEditLimit();
    SetMaxLength(FLengthLimit);
    if (!FGrid->FNavigation->EditSelectAll)
        SetSelStart(LengthOf(Text()));
    // Editing started by a click: the caret goes to the character under the pointer.
    if (FGrid->LButFlg) {
        FGrid->LButFlg = false;
        if (const int at = CharFromPos(ScreenToClient(GetCursorPos())); at >= 0) {
            SetSelStart(at);
            SetSelLength(0);
        }
    }
}

void TExInplaceEdit::DoExit() {
    FGrid->FStartEditChar = 0;
    if (FGrid->LookupHistory && FGrid->LookupItems() && FGrid->LookupItems()->IndexOf(Text()) < 0)
        FGrid->LookupItems()->Add(Text());
    TInplaceEdit::DoExit();
    // The editor hidden by the grid itself (a commit or a validation) has nothing left to end.
    if (FAltBack || FGrid->FValidating || FGrid->FBlockKill)
        return;
    const int col = FColE;
    const int row = FRowE;
    if (FGrid->FEditing && !FGrid->Focused()) {
        // Focus that leaves the grid takes the value through validation like a leaving key; a
        // refused value cannot keep the keys from where the user went, and is dropped.
        if (ValidateText())
            FGrid->HideInplaceEdit();
        else
            FGrid->DropRefusedEdit();
        FGrid->FEditing = false;
        FGrid->EditMode = false;
    }
    if (FGotFocus) {
        FGotFocus = false;
        if (col >= 0 && row >= 0)
            FGrid->PostEditDone(FGrid->RealColIndex(col), row);
    }
}

void TExInplaceEdit::DblClick() {
    TInplaceEdit::DblClick();
    FireEvent(FGrid->OnDblClickCell, FGrid, FGrid->Row(), FGrid->Col());
}

// --- messages
// ---------------------------------------------------------------------------------------

void TExInplaceEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        // A descendant grid sees every key of its editor before the editor acts on it.
        FGrid->EditorKeyMessage(Message);
        break;
    case WM_SYSKEYDOWN:
        if (Message.WParam == VK_BACK)
            FAltBack = true;
        break;
    case WM_SYSKEYUP:
        if (Message.WParam == VK_BACK)
            FAltBack = false;
        break;
    case WM_COPY:
    case WM_CUT: {
        bool allow = true;
        FireEvent(Message.Msg == WM_COPY ? FGrid->OnClipboardCopy : FGrid->OnClipboardCut, this,
                  allow);
        if (!allow)
            return;
        break;
    }
    case WM_PASTE:
        Paste();
        return;
    case WM_CHAR:
        // The keypad's decimal key (scan code 0x53) types the locale's decimal separator.
        if (FGrid->ExcelStyleDecimalSeparator && Message.WParam == '.' &&
            ((Message.LParam >> 16) & 0xFF) == 0x53)
            Message.WParam = FirstUnit(CurrentFormatSettings().DecimalSeparator, u'.');
        break;
    default:
        break;
    }
    TInplaceEdit::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE && FGrid->EditorWantsTab())
        Message.Result |= DLGC_WANTTAB;
    // The character is in the text once its key comes up.
    if (Message.Msg == WM_CHAR && Message.WParam >= 32)
        FCharTyped = true;
}

void TExInplaceEdit::Paste() {
    bool allow = Clipboard()->HasFormat(CF_TEXT);
    std::string pasted = allow ? Clipboard()->AsText() : std::string();
    FireEvent(FGrid->OnClipboardPaste, this, allow);
    if (allow)
        FireEvent(FGrid->OnClipboardBeforePasteCell, this, FGrid->Col(), FGrid->Row(), pasted,
                  allow);
    if (!allow)
        return;
    const TPasteResult result =
        PasteIntoEditorText(FGrid->EditControl, Text(), SelStart(), SelLength(), pasted,
                            FLengthLimit, Utf8ToUtf16(FGrid->ValidChars));
    if (!result.Pasted)
        return;
    if (result.Text != Text())
        SetText(result.Text);
    FGrid->SetCurrentCellText(Text());
    SetSelStart(result.SelStart);
    SetSelLength(result.SelLength);
    FireEvent(FGrid->OnClipboardAfterPasteCell, this, FGrid->Col(), FGrid->Row(), Text());
}

void TExInplaceEdit::ShowInvalidEntry(const std::string& Title, const std::string& Text,
                                      TInvalidEntryIcon Icon) {
    if (TBalloonWindow* balloon = ShowInvalidEntryBalloon(this, Title, Text, Icon))
        FBalloon = balloon;
}
