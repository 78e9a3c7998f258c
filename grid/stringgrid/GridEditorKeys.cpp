#include "grid/stringgrid/GridEditorKeys.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Keys.h"

TExStringGrid* TGridEditorKeys::GridOwner(TComponent* AOwner) {
    auto* grid = dynamic_cast<TExStringGrid*>(AOwner);
    if (grid == nullptr)
        throw Exception("Invalid class typecast");
    return grid;
}

bool TGridEditorKeys::ClaimsSpecialKey(TExStringGrid* Grid, WPARAM Key) {
    return Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && GridTakesTab(Grid));
}

void TGridEditorKeys::TypeStartKey(TExStringGrid* Grid, TWinControl* Control, char16_t Key) {
    auto* edit = dynamic_cast<TEdit*>(Control);
    if (edit != nullptr)
        edit->SelectAll();
    TMessage message{WM_CHAR, Key, 0, 0};
    {
        TScopedFlag typing(Grid->FTypingStartKey);
        Control->Dispatch(message);
    }
    const auto typed = static_cast<char16_t>(message.WParam);
    if (message.Result != 0 || typed == 0)
        return;
    // The control's own widget inserts only what a real key press brings it.
    const std::string text = typed == VK_BACK ? std::string() : Utf16ToUtf8(std::u16string(1, typed));
    if (edit != nullptr)
        edit->SetSelText(text);
    else if (auto* combo = dynamic_cast<TComboBox*>(Control))
        TypeIntoCombo(combo, text);
}

void TGridEditorKeys::TypeIntoCombo(TComboBox* Combo, const std::string& Text) {
    if (Combo->Style() != csDropDownList) {
        Combo->SetText(Text);
        Combo->SetSelStart(static_cast<int>(Utf8ToUtf16(Text).size()));
        return;
    }
    // A list has no text to type into: the key picks the first item starting with it.
    const std::string prefix = UpperCaseFull(Text);
    for (int i = 0; !prefix.empty() && i < Combo->Items()->Count(); ++i) {
        if (UpperCaseFull((*Combo->Items())[i]).compare(0, prefix.size(), prefix) == 0) {
            Combo->SetItemIndex(i);
            return;
        }
    }
}

bool TGridEditorKeys::TypingStartKey(TExStringGrid* Grid) {
    return Grid->FTypingStartKey;
}

void TGridEditorKeys::OfferKeyPress(TExStringGrid* Grid, TObject* Sender, TChar& Key) {
    if (Grid->OnKeyPress && !Grid->FTypingStartKey)
        Grid->OnKeyPress(Sender, Key);
}

bool TGridEditorKeys::GridTakesTab(TExStringGrid* Grid) {
    return Grid->EditorWantsTab();
}

bool TGridEditorKeys::Commit(TExStringGrid* Grid, const std::string& Text) {
    // An editor left with the value it loaded keeps the cell's own text: the control may show
    // that text only in part (a number past its limits, a year its date format shortens). An
    // empty cell has nothing to lose: the key confirms what the editor shows (a list's first item).
    if (Text == Grid->FLoadedEditorValue && !Grid->CurrentCell().empty())
        return Grid->ValidateCell(Grid->CurrentCell());
    Grid->SetCurrentCell(Text);
    return Grid->ValidateCell(Text);
}

std::string TGridEditorKeys::NewCellText(TExStringGrid* Grid) {
    return Grid->FNewCellText;
}

void TGridEditorKeys::BlockAdvance(TExStringGrid* Grid) {
    Grid->FNoAutoAdvance = true;
}

void TGridEditorKeys::TabNavigate(TExStringGrid* Grid) {
    Grid->HideInplaceEdit();
    FocusGrid(Grid);
    Grid->NavigateFromEditor(ShiftDown());
}

void TGridEditorKeys::Leave(TExStringGrid* Grid, WORD& Key, TShiftState Shift) {
    Grid->DoneInplaceEdit(Key, Shift);
    const TNavigation* navigation = Grid->Navigation();
    if (navigation->AdvanceOnEnter && navigation->AdvanceAutoEdit)
        Grid->ShowInplaceEdit();
    Key = 0;
}

void TGridEditorKeys::GridKeyDown(TExStringGrid* Grid, WORD& Key, TShiftState Shift) {
    Grid->HandleKeyDown(Key, Shift);
}

void TGridEditorKeys::FocusGrid(TExStringGrid* Grid) {
    if (Grid->CanFocus())
        Grid->SetFocus();
}

bool TGridEditorKeys::ShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

void TGridEditorKeys::EditChanged(TExStringGrid* Grid, const std::string& Text) {
    if (Grid->OnEditChange)
        Grid->OnEditChange(Grid, Grid->Col(), Grid->Row(), Text);
}

std::string TGridEditorKeys::CellCache(TExStringGrid* Grid) {
    return Grid->FCellCache;
}

bool TGridEditorKeys::OpenedByLeftClick(TExStringGrid* Grid) {
    return Grid->LButFlg;
}

void TGridEditorKeys::ClearLeftClick(TExStringGrid* Grid) {
    Grid->LButFlg = false;
}

bool TGridEditorKeys::CursorWalk(TExStringGrid* Grid, WORD& Key, TShiftState Shift, bool AtEdge,
                                 const std::string& Text) {
    TNavigation* navigation = Grid->Navigation();
    if (!navigation->CursorWalkEditor || Shift.Contains(ssShift) || !AtEdge)
        return false;
    if (Key != VK_LEFT && Key != VK_RIGHT)
        return false;
    const bool forward = Key == VK_RIGHT;
    Key = 0;
    const int col = Grid->Col();
    const int row = Grid->Row();
    int target = col - 1;
    bool inside = col > Grid->FixedCols();
    if (forward) {
        target = col + Grid->CellSpan(col, row).X + 1;
        inside = col < Grid->ColCount() - Grid->FixedRightCols() - 1;
    }
    if (inside && Grid->IsControlCell(target, row)) {
        if (Grid->ValidateCell(Text)) {
            Grid->HideInplaceEdit();
            Grid->SetCol(target);
        }
        return true;
    }
    FocusGrid(Grid);
    const TAdvanceDirection direction = navigation->AdvanceDirection();
    navigation->SetAdvanceDirection(adLeftRight);
    Grid->AdvanceCell(col, row, true, true, forward, false, true);
    navigation->SetAdvanceDirection(direction);
    if (navigation->CursorWalkAlwaysEdit)
        Grid->ShowEditor();
    return true;
}

int TGridEditorKeys::LookupCompletion(const std::string& Text, int SelStart,
                                      const std::vector<std::string>& Candidates,
                                      bool CaseSensitive, std::string& Completed) {
    const std::u16string text = Utf8ToUtf16(Text);
    if (SelStart <= 0)
        return -1;
    const size_t length = std::min<size_t>(static_cast<size_t>(SelStart), text.size());
    const std::string typed = Utf16ToUtf8(text.substr(0, length));
    const std::string prefix = CaseSensitive ? typed : UpperCaseFull(typed);
    for (size_t i = 0; i < Candidates.size(); ++i) {
        const std::string candidate = CaseSensitive ? Candidates[i] : UpperCaseFull(Candidates[i]);
        if (candidate.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::u16string original = Utf8ToUtf16(Candidates[i]);
        if (original.size() < length)
            continue;
        // The typed characters stay as typed; the candidate supplies the rest, at most 255.
        std::u16string tail = original.substr(length, 255);
        Completed = typed + Utf16ToUtf8(tail);
        return static_cast<int>(i);
    }
    return -1;
}

bool TGridEditorKeys::NumericCharAllowed(TChar Key, const std::string& Text, int SelStart,
                                         bool& Beep) {
    Beep = false;
    if (Key == '\b' || Key == '\t' || Key == '\r' || Key == 27 || (Key >= '0' && Key <= '9'))
        return true;
    if (Key == '-' && Text.find('-') == std::string::npos && SelStart == 0)
        return true;
    Beep = true;
    return false;
}

bool TGridEditorKeys::FloatCharAllowed(TChar Key, const std::string& Text,
                                       const std::string& SelText, int SelStart, bool CtrlDown,
                                       bool& Beep) {
    Beep = false;
    const bool inSet = Key == '\b' || Key == '\t' || Key == '\r' || Key == 27 || Key == ',' ||
                       Key == '-' || Key == '.' || (Key >= '0' && Key <= '9');
    if (!inSet)
        return CtrlDown;
    const TFormatSettings& settings = CurrentFormatSettings();
    const std::string character = Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(Key)));
    if (character == settings.ThousandSeparator && character != settings.DecimalSeparator)
        return false;
    if (character == settings.DecimalSeparator &&
        Text.find(settings.DecimalSeparator) != std::string::npos &&
        SelText.find(settings.DecimalSeparator) == std::string::npos)
        return false;
    if (Key == '-' && (SelStart != 0 || Text.find('-') != std::string::npos) &&
        SelText.find('-') == std::string::npos) {
        Beep = true;
        return false;
    }
    return true;
}

TWinControl* TGridEditorKeys::AsControl(TExStringGrid* Grid) {
    return Grid;
}

void TGridEditorKeys::HideEditor(TExStringGrid* Grid) {
    Grid->HideInplaceEdit();
}

int TGridEditorKeys::Col(TExStringGrid* Grid) {
    return Grid->Col();
}

int TGridEditorKeys::Row(TExStringGrid* Grid) {
    return Grid->Row();
}

std::string TGridEditorKeys::CurrentCell(TExStringGrid* Grid) {
    return Grid->CurrentCell();
}

void TGridEditorKeys::SetCurrentCell(TExStringGrid* Grid, const std::string& Text) {
    Grid->SetCurrentCell(Text);
}

std::string TGridEditorKeys::StoredText(TExStringGrid* Grid, int ACol, int ARow) {
    return Grid->Cells(ACol, ARow);
}

bool TGridEditorKeys::AdvanceOnEnter(TExStringGrid* Grid) {
    return Grid->Navigation()->AdvanceOnEnter;
}

void TGridEditorKeys::AdvanceFromCurrentCell(TExStringGrid* Grid) {
    Grid->AdvanceCell(Grid->Col(), Grid->Row(), false, true, true, false, true);
}

void TGridEditorKeys::NavigateFromEditor(TExStringGrid* Grid) {
    Grid->NavigateFromEditor(ShiftDown());
}

double TGridEditorKeys::OriginalDateTime(TExStringGrid* Grid) {
    return Grid->FOriginalDateTime;
}

void TGridEditorKeys::SetOriginalDateTime(TExStringGrid* Grid, double Value) {
    Grid->FOriginalDateTime = Value;
}

void TGridEditorKeys::DatePickerClosed(TExStringGrid* Grid, TObject* Sender) {
    Grid->DatePickerCloseUp(Sender);
}

void TGridEditorKeys::DateTimeChanged(TExStringGrid* Grid, TObject* Sender, double Value) {
    if (Grid->OnDateTimeChange)
        Grid->OnDateTimeChange(Sender, Grid->Col(), Grid->Row(), Value);
}

std::string TGridEditorKeys::ShortTimeFormat() {
    return LocaleShortTimeFormat();
}
