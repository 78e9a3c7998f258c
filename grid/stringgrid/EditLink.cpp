#include "grid/stringgrid/EditLink.h"

#include "grid/foundation/Navigation.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/ui/Application.h"
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
}

void TEditLink::LoadCellText(const std::string& Text) {
    SetEditorValue(Text);
    SetFocus(true);
}

std::string TEditLink::ApplyCellText() {
    return GetEditorValue();
}

void TEditLink::EndCellEdit() {
    if (EditStyle != esPopup)
        SetVisible(false);
    FOwner->EditMode = false;
}

// --- the control ----------------------------------------------------------------------------

void TEditLink::SetFocus(bool Value) {
    TWinControl* control = GetEditControl();
    if (Value && control != nullptr && control->CanFocus())
        control->SetFocus();
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
    return FOwner;
}

std::string TEditLink::GetCellValue() {
    return FOwner == nullptr ? std::string() : FOwner->Cells(FEditCell.X, FEditCell.Y);
}

void TEditLink::SetCellValue(const std::string& s) {
    if (FOwner != nullptr)
        FOwner->SetCells(FEditCell.X, FEditCell.Y, s);
}

void TEditLink::HideEditor() {
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
}

void TEditLink::EditExit(TObject* Sender) {
    HideEditor();
    if (EditStyle == esPopup && PopupForm() != nullptr) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

void TEditLink::FormExit(TObject* Sender) {
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
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
    if (Key == VK_ESCAPE)
        SetEditorValue(TGridEditorKeys::CellCache(grid));
    Leave();
    if (EditStyle == esPopup)
        EditExit(this);
    grid->EditMode = false;
    const bool accepted = grid->CanSelectCell(grid->Col(), grid->Row());
    grid->FLastValidation = true;
    if (!accepted) {
        // The value was refused: the editor opens again on it.
        grid->ShowEditorControl(grid->Col(), grid->Row());
        return;
    }
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
}
