#include "grid/stringgrid/EditLink.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/core/CodePage.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"

TEditLinkBinding::TEditLinkBinding(TExStringGrid* AGrid, TEditLink* ALink)
    : TComponent(AGrid), Link(ALink) {}

TEditLinkBinding::~TEditLinkBinding() {
    if (Link != nullptr) {
        Link->FOwner = nullptr;
        Link->FBinding = nullptr;
    }
}

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
    if (FOwner != nullptr && FOwner->EditLink() == this)
        FOwner->SetEditLink(nullptr);
    // The popup form outlives its links: it must not call back into this one.
    if (PopupForm() != nullptr)
        FPopupForm->OnDeactivate = nullptr;
}

void TEditLink::SetGrid(TExStringGrid* AGrid) {
    if (AGrid == FOwner)
        return;
    if (FBinding != nullptr) {
        FBinding->Link = nullptr;
        delete FBinding;
        FBinding = nullptr;
    }
    FOwner = AGrid;
    if (AGrid != nullptr)
        FBinding = new TEditLinkBinding(AGrid, this);
}

// The application keeps one popup form for all custom editors: another link may have replaced
// this link's form since.
TForm* TEditLink::PopupForm() {
    if (FPopupForm != nullptr && Application->FindComponent("gridform") != FPopupForm)
        FPopupForm = nullptr;
    return FPopupForm;
}

// --- the cell edit --------------------------------------------------------------------------

void TEditLink::BeginCellEdit(int ACol, int ARow) {
    FEditCell = {ACol, ARow};
}

void TEditLink::PlaceCellEditor(const TRect& ARect, TColor Background) {
    FOwner->EditMode = true;
    if (EditStyle == esPopup) {
        if (AutoPopupWidth)
            PopupWidth = ARect.Right - ARect.Left;
        if (PopupForm() == nullptr) {
            // One popup form for the application's custom editors, kept for later edits.
            if (TComponent* old = Application->FindComponent("gridform"))
                delete old;
            FPopupForm = new TForm(Application);
            FPopupForm->SetName("gridform");
            FPopupForm->SetBorderStyle(bsNone);
            FPopupForm->SetFormStyle(fsStayOnTop);
        }
        const TPoint at = PopupLeft == -1 || PopupTop == -1
                              ? FOwner->ClientToScreen({ARect.Left, ARect.Top})
                              : TPoint{PopupLeft, PopupTop};
        FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
        FPopupForm->SetBounds(at.X, at.Y, PopupWidth, PopupHeight);
        FPopupForm->Show();
        CreateEditor(FPopupForm);
        SetRect({0, 0, PopupWidth, PopupHeight});
    } else {
        CreateEditor(FOwner);
        SetRect(ARect);
    }
    SetVisible(true);
    SetCellProps(Background, FOwner->Canvas()->Font());
    SetProperties();
    FOwner->GetEditorProp(FEditCell.X, FEditCell.Y, this);
}

void TEditLink::LoadCellText(const std::string& Text) {
    SetEditorValue(Text);
    SetFocus(true);
}

void TEditLink::TypeStartKey(char16_t Key) {
    if (TWinControl* control = GetEditControl())
        TGridEditorKeys::TypeStartKey(FOwner, control, Key);
}

std::string TEditLink::ApplyCellText() {
    return GetEditorValue();
}

void TEditLink::EndCellEdit() {
    if (EditStyle != esPopup)
        SetVisible(false);
    RestoreWinProc();
    FOwner->EditMode = false;
    // However the grid ends the edit (a key, a click, the wheel, the scroll bar), the popup goes.
    if (EditStyle == esPopup)
        ClosePopup();
}

bool TEditLink::EditingHere() const {
    return FOwner != nullptr && FOwner->EditMode && FOwner->EditControl == edCustom &&
           FOwner->EditLink() == this;
}

void TEditLink::ClosePopup() {
    if (PopupForm() == nullptr || !FPopupForm->Visible())
        return;
    RestoreWinProc();
    // Hidden first: the window does not go on with a focused control that is gone.
    FPopupForm->Hide();
    DestroyEditor();
}

// --- the control ----------------------------------------------------------------------------

void TEditLink::SetFocus(bool Value) {
    TWinControl* control = GetEditControl();
    if (control == nullptr || FOwner == nullptr)
        return;
    if (Value) {
        if (!control->Visible())
            control->SetVisible(true);
        if (!control->Enabled())
            control->SetEnabled(true);
    }
    // The popup's control runs under the grid's procedure too: without it Tab would only go
    // round the popup's one control.
    if (!FSubClassed) {
        TExStringGrid* grid = FOwner;
        grid->FGridControlWndProc = control->WindowProc;
        control->WindowProc = [grid](TMessage& Message) { grid->EditLinkWindowProc(Message); };
        FSubClassed = true;
    }
    if (!Value)
        TGridEditorKeys::FocusGrid(FOwner);
    else if (control->CanFocus())
        control->SetFocus();
}

void TEditLink::RestoreWinProc() {
    if (!FSubClassed)
        return;
    FSubClassed = false;
    TWinControl* control = GetEditControl();
    if (control == nullptr)
        return;
    control->WindowProc = FOwner != nullptr ? FOwner->FGridControlWndProc : nullptr;
    if (EditStyle == esInplace)
        control->SetVisible(false);
}

void TEditLink::ControlExit() {
    // The grid's own leave (a key, a commit) moves the focus itself; any other move stores the
    // value as the other editor controls do when they lose the focus.
    if (FForcedExit || FOwner == nullptr || FOwner->FBlockKill || !EditingHere())
        return;
    TWinControl* control = GetEditControl();
    if (control != nullptr && control->Focused())
        return;
    FOwner->HideInplaceEdit();
}

void TEditLink::SetRect(TRect R) {
    if (TWinControl* control = GetEditControl())
        control->SetBounds(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top);
}

void TEditLink::SetVisible(bool Value) {
    if (TWinControl* control = GetEditControl())
        control->SetVisible(Value);
}

TWinControl* TEditLink::GetParent() {
    if (EditStyle == esPopup)
        return FPopupForm;
    return FOwner;
}

std::string TEditLink::GetCellValue() {
    return FOwner == nullptr ? std::string() : FOwner->Cells(FEditCell.X, FEditCell.Y);
}

// The cell the edit began on: by the time a popup closes the grid may have moved on.
void TEditLink::SetCellValue(const std::string& s) {
    if (FOwner != nullptr)
        FOwner->StoreEditorValue(FEditCell.X, FEditCell.Y, s);
}

// The value goes into the cell through the grid's validation: a refused value keeps the
// editor open on what validation left.
void TEditLink::HideEditor() {
    if (EditingHere())
        FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject* Sender) {
    HideEditor();
    if (EditStyle == esPopup && !EditingHere())
        ClosePopup();
}

void TEditLink::FormExit(TObject* Sender) {
    // While the link itself gives the grid the focus, its leave stores the value.
    if (FForcedExit)
        return;
    EditExit(Sender);
}

// --- keys -----------------------------------------------------------------------------------

bool TEditLink::KeepsKey(WORD Key, TShiftState Shift) const {
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
        return WantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT:
        return WantKeyLeftRight;
    case VK_HOME:
    case VK_END:
        return WantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT:
        return WantKeyPriorNext;
    case VK_RETURN:
        return WantKeyReturn;
    case VK_ESCAPE:
        return WantKeyEscape;
    case VK_TAB:
        return WantTabs;
    default:
        return false;
    }
}

void TEditLink::Leave() {
    FForcedExit = true;
    TGridEditorKeys::FocusGrid(FOwner);
    FForcedExit = false;
    FOwner->HideEditorControl(FOwner->Col(), FOwner->Row());
}

void TEditLink::EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    if (FOwner == nullptr)
        return;
    const bool leaving = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_END || (Key >= VK_LEFT && Key <= VK_DOWN) ||
                         Shift.Contains(ssAlt);
    if (!leaving || KeepsKey(Key, Shift))
        return;
    TExStringGrid* grid = FOwner;
    if (Key == VK_ESCAPE)
        SetEditorValue(TGridEditorKeys::CellCache(grid));
    // Validated before it is stored: a refused value never reaches the cell, and the editor
    // stays open on the value validation left.
    if (!grid->ValidatePendingValue()) {
        grid->FLastValidation = true;
        Key = 0;
        return;
    }
    if (Key == VK_TAB) {
        if (grid->Navigation()->TabToNextAtEnd) {
            Leave();
            const int col = grid->Col();
            const int row = grid->Row();
            grid->NavigateFromEditor(TGridEditorKeys::ShiftDown());
            if (col != grid->Col() || row != grid->Row()) {
                if (!grid->IsControlCell(grid->Col(), grid->Row()))
                    grid->PostMessage(WM_KEYDOWN, VK_F2, 0);
                Key = 0;
                return;
            }
        }
        Key = 0;
    }
    Leave();
    if (EditStyle == esPopup)
        EditExit(this);
    grid->EditMode = false;
    grid->CanSelectCell(grid->Col(), grid->Row());
    grid->FLastValidation = true;
    if (Key == VK_RETURN) {
        grid->AdvanceCell(grid->Col(), grid->Row(), false, true, !Shift.Contains(ssShift), false,
                          true);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (Key >= VK_LEFT && Key <= VK_DOWN && !Shift.Contains(ssAlt))
        TGridEditorKeys::GridKeyDown(grid, Key, Shift);
    if (TWinControl* control = GetEditControl())
        control->SetEnabled(false);
    FForcedExit = true;
    TGridEditorKeys::FocusGrid(grid);
    FForcedExit = false;
    // The key has done its work in the grid; the hidden control does not get it.
    Key = 0;
}
