#include "grid/stringgrid/GridDropDownEditor.h"

#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/core/CodePage.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

TGridDropDownEditor::TGridDropDownEditor(TExStringGrid* Grid, TEditorType Kind,
                                         TDropDownCellControl* Control)
    : TComponent(Grid), FGrid(Grid), FKind(Kind), FControl(Control) {
    FControl->AttachEditor(this);
    FControl->OnHeaderButtonClick = [this](TObject* Sender, int ButtonIndex) {
        if (FGrid->OnDropDownHeaderButtonClick)
            FGrid->OnDropDownHeaderButtonClick(Sender, FGrid->Col(), FGrid->Row(), ButtonIndex);
    };
    FControl->OnFooterButtonClick = [this](TObject* Sender, int ButtonIndex) {
        if (FGrid->OnDropDownFooterButtonClick)
            FGrid->OnDropDownFooterButtonClick(Sender, FGrid->Col(), FGrid->Row(), ButtonIndex);
    };
}

TGridDropDownEditor::~TGridDropDownEditor() {
    if (FControl != nullptr)
        FControl->AttachEditor(nullptr);
}

// --- the cell edit --------------------------------------------------------------------------

void TGridDropDownEditor::PlaceCellEditor(const TRect& ARect, TColor Background) {
    FControl->TakeGridLook();
    FControl->SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    FControl->SetEnabled(true);
    if (FKind <= edDetailDropDown)
        FControl->SetColor(Background);
    FControl->SetVisible(true);
    if (FControl->CanFocus())
        FControl->SetFocus();
}

void TGridDropDownEditor::LoadCellText(const std::string& Text) {
    // The track bar holds a position: the cell's number, 0 when it holds none.
    if (FKind == edTrackbarDropDown)
        FControl->SetText(IntToStr(StrToIntDef(Trim(Text), 0)));
    else if (IsColorPicker())
        LoadCellColor();
    else
        FControl->SetText(Text);
    if (FKind == edImagePickerDropDown && IsImageCell())
        FControl->SetCellImageIndex(CellImage(Text));
    FLoadedImageIndex = FControl->CellImageIndex();
    FEscaped = false;
    if (FGrid->MouseActions()->DirectComboDrop)
        FControl->DoDropDown();
}

// The image an image cell shows: its image-list index, or a data image's number; -1 for others.
int TGridDropDownEditor::CellImage(const std::string& Text) const {
    switch (FGrid->GetCellType(FCol, FRow)) {
    case ctImageList: {
        int index = -1;
        return FGrid->GetImageIdx(FCol, FRow, index) ? index : -1;
    }
    case ctDataImage:
        return FGrid->DataImageShown(FCol, FRow, Text);
    default:
        return -1;
    }
}

bool TGridDropDownEditor::PickChanged() const {
    return !FEscaped && FKind == edImagePickerDropDown &&
           FControl->CellImageIndex() != FLoadedImageIndex;
}

void TGridDropDownEditor::TypeStartKey(char16_t Key) {
    if (TWinControl* window = FControl->EditWindow())
        TGridEditorKeys::TypeStartKey(FGrid, window, Key);
}

std::string TGridDropDownEditor::ApplyCellText() {
    return FControl->CellValue();
}

std::string TGridDropDownEditor::TakePick(std::string Value) {
    if (IsColorPicker()) {
        TColor color = FControl->CellColor();
        if (FGrid->OnColorSelected)
            FGrid->OnColorSelected(FControl->EventSender(), FCol, FRow, color, Value);
        if (IsShapeCell())
            FGrid->SetShapeColor(FCol, FRow, color);
        else
            FGrid->SetColors(FCol, FRow, color);
        return Value;
    }
    if (FKind != edImagePickerDropDown)
        return Value;
    int index = FControl->CellImageIndex();
    if (FGrid->OnImageSelected)
        FGrid->OnImageSelected(FControl->EventSender(), FCol, FRow, index);
    switch (FGrid->GetCellType(FCol, FRow)) {
    case ctImageList:
        FGrid->SetImageIdx(FCol, FRow, index);
        return FGrid->CurrentCell();
    case ctDataImage:
        return FGrid->DataImageText(FCol, FRow, index);
    default:
        return Value;
    }
}

void TGridDropDownEditor::LoadCellColor() {
    FControl->SetCellColor(IsShapeCell() ? FGrid->GetShapeColor(FCol, FRow)
                                         : FGrid->Colors(FCol, FRow));
}

bool TGridDropDownEditor::IsImageCell() const {
    const TCellType type = FGrid->GetCellType(FCol, FRow);
    return type == ctImageList || type == ctDataImage;
}

bool TGridDropDownEditor::IsShapeCell() const {
    return FGrid->GetCellType(FCol, FRow) == ctShape;
}

void TGridDropDownEditor::EndCellEdit() {
    FControl->SetEnabled(false);
    FControl->SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

bool TGridDropDownEditor::IsCommitKey(WORD Key, TShiftState Shift) const {
    if (Key == VK_DOWN && Shift.Contains(ssAlt))
        return false;
    if (IsColorPicker() && FControl->DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN:
        return true;
    case VK_HOME:
        return IsColorPicker();
    default:
        return false;
    }
}

bool TGridDropDownEditor::CommitShownValue(bool SelectAllOnRefusal) {
    // A refused value is put back into the edit after the grid reloaded the cell's own: what the
    // edit showed in between is no change the user made, so only the end is reported.
    const std::string shown = FControl->EditText();
    bool committed = false;
    {
        TScopedFlag holding(FHoldingTextChanges);
        committed = TGridEditorKeys::Commit(FGrid, FControl->Text());
        if (!committed)
            RestoreRefusedValue(SelectAllOnRefusal);
    }
    if (FControl != nullptr && FControl->EditText() != shown)
        DropDownTextChanged();
    return committed;
}

void TGridDropDownEditor::RestoreRefusedValue(bool SelectAll) {
    FControl->SetText(TGridEditorKeys::NewCellText(FGrid));
    if (SelectAll)
        FControl->SelectAllText();
    else
        FControl->CaretToEnd();
    FControl->Repaint();
}

void TGridDropDownEditor::DropDownKeyDown(WORD& Key, TShiftState Shift) {
    Forced = false;
    const bool commitKey = IsCommitKey(Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if (!commitKey)
        return;
    if (Key == VK_ESCAPE) {
        FEscaped = true;
        if (IsColorPicker())
            LoadCellColor();
        FControl->SetText(FGrid->CurrentCell());
        FGrid->HideInplaceEdit();
        TGridEditorKeys::FocusGrid(FGrid);
        Key = 0;
        return;
    }
    // Every key that leaves the editor stores its value: it is validated first, Tab below.
    const bool leaves = Key != VK_TAB && !(Key == VK_END && !FControl->DroppedDown());
    if (leaves) {
        if (Key == VK_RETURN)
            FControl->CalcResult();
        if (!CommitShownValue(true)) {
            TGridEditorKeys::BlockAdvance(FGrid);
            Key = 0;
            return;
        }
        FControl->SetText(FGrid->CurrentCell());
    }
    if (Key == VK_TAB && TGridEditorKeys::GridTakesTab(FGrid)) {
        if (!CommitShownValue(false)) {
            Key = 0;
            return;
        }
        if (FGrid->Options().Contains(goTabs)) {
            TGridEditorKeys::TabNavigate(FGrid);
            Key = 0;
            return;
        }
        FGrid->PostMessage(WM_KEYDOWN, VK_TAB, 0);
    }
    if (FControl->DroppedDown()) {
        FGrid->HideInplaceEdit();
        if (Key == VK_LEFT || Key == VK_RIGHT)
            TGridEditorKeys::GridKeyDown(FGrid, Key, Shift);
        if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN))
            Key = 0;
    } else if (Key == VK_END) {
        return;
    }
    TGridEditorKeys::Leave(FGrid, Key, Shift);
}

void TGridDropDownEditor::DropDownKeyPress(TChar& Key) {
    TGridEditorKeys::OfferKeyPress(FGrid, FControl->EventSender(), Key);
    if (Key == 27 || Key == '\r' || Key == '\t')
        Key = 0;
}

void TGridDropDownEditor::DropDownTextChanged() {
    if (FHoldingTextChanges)
        return;
    TGridEditorKeys::EditChanged(FGrid, FControl->EditText());
}

bool TGridDropDownEditor::DropDownWantsKey(WPARAM Key) {
    if ((Key == VK_RETURN || Key == VK_ESCAPE) &&
        (FKind == edTrackbarDropDown || FKind == edColorPickerDropDown))
        return true;
    return Key == VK_TAB && TGridEditorKeys::GridTakesTab(FGrid);
}

void TGridDropDownEditor::DropDownExit() {
    FGrid->HideInplaceEdit();
}
