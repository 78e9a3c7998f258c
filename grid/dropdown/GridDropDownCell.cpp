#include "grid/dropdown/GridDropDownCell.h"

#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"

std::string TGridDropDownWrapped::CellValue() {
    return DropDown()->Text();
}

std::string TGridDropDownWrapped::EditedValue() {
    return DropDown()->Text();
}

TGridDropDownCell::TGridDropDownCell(TExStringGrid* Grid, TEditorType Kind,
                                     TGridDropDownWrapped* Wrapper)
    : TDropDownCellControl(Grid), FGrid(Grid), FKind(Kind), FWrapper(Wrapper) {
    TDropDownCellControl::SetVisible(false);
    TExCustomDropDown* dropDown = FWrapper->DropDown();
    dropDown->OnDropDownHeaderButtonClick = [this](TObject* Sender, int ButtonIndex) {
        if (OnHeaderButtonClick)
            OnHeaderButtonClick(Sender, ButtonIndex);
    };
    dropDown->OnDropDownFooterButtonClick = [this](TObject* Sender, int ButtonIndex) {
        if (OnFooterButtonClick)
            OnFooterButtonClick(Sender, ButtonIndex);
    };
}

TGridDropDownCell::~TGridDropDownCell() {
    if (FWrapper != nullptr)
        FWrapper->CellDetached();
}

TExCustomDropDown* TGridDropDownCell::DropDown() const {
    return FWrapper != nullptr ? FWrapper->DropDown() : nullptr;
}

TGridDropDownEditor* TGridDropDownCell::Editor() const {
    TGridDropDownEditor* editor = FGrid->DropDownEditor(FKind);
    return editor != nullptr && editor->Control() == this ? editor : nullptr;
}

bool TGridDropDownCell::EditorTakesMessage(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN) {
        auto key = static_cast<WORD>(Message.WParam);
        KeyDown(key, KeyDataToShiftState(Message.LParam) + CurrentShiftState());
        Message.WParam = key;
        return key == 0;
    }
    if (Message.Msg == WM_CHAR) {
        auto key = static_cast<TChar>(Message.WParam);
        KeyPress(key);
        Message.WParam = key;
        return key == 0;
    }
    return false;
}

bool TGridDropDownCell::EditorWantsKey(WPARAM Key) {
    return Perform(CM_WANTSPECIALKEY, Key) != 0;
}

std::string TGridDropDownCell::Text() const {
    return FWrapper != nullptr ? FWrapper->EditedValue() : std::string();
}

void TGridDropDownCell::SetText(const std::string& Value) {
    if (FWrapper == nullptr)
        return;
    WriteReportingTheShownText([&] { FWrapper->WriteCellText(Value); });
    FWrapper->CellTextWritten();
}

void TGridDropDownCell::WriteReportingTheShownText(const std::function<void()>& Write) {
    // The steps of the writing are no edits: one change is reported, and only when the text
    // shown at the end differs from the one before.
    const std::string before = EditText();
    {
        TScopedFlag writing(FWritingText);
        Write();
    }
    if (EditText() != before)
        TextChanged();
}

void TGridDropDownCell::SetParent(TWinControl* AParent) {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetParent(AParent);
}

void TGridDropDownCell::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TGridDropDownCell::SetVisible(bool Value) {
    if (FWrapper == nullptr)
        return;
    TExCustomDropDown* dropDown = FWrapper->DropDown();
    // The cell has its value by now: a popup left open would float over the grid alone. What
    // its closing writes back into the edit is no edit of the cell.
    if (!Value && dropDown->DroppedDown()) {
        TScopedFlag closing(FClosingPopup);
        dropDown->HideDropDown(true);
    }
    dropDown->SetVisible(Value);
}

void TGridDropDownCell::SetEnabled(bool Value) {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetEnabled(Value);
}

bool TGridDropDownCell::CanFocus() const {
    return FWrapper != nullptr && FWrapper->DropDown()->CanFocus();
}

void TGridDropDownCell::SetFocus() {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetFocus();
}

bool TGridDropDownCell::DroppedDown() const {
    return FWrapper != nullptr && FWrapper->DropDown()->DroppedDown();
}

void TGridDropDownCell::TakeGridLook() {
    if (FWrapper == nullptr)
        return;
    TExCustomDropDown* dropDown = FWrapper->DropDown();
    dropDown->SetDropDownHeader(FGrid->ControlLook()->DropDownHeader());
    dropDown->SetDropDownFooter(FGrid->ControlLook()->DropDownFooter());
    dropDown->SetComponentStyle(FGrid->Style);
}

void TGridDropDownCell::DoDropDown() {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->ShowDropDown();
}

void TGridDropDownCell::CalcResult() {
    if (FWrapper != nullptr)
        FWrapper->FinishPendingResult();
}

void TGridDropDownCell::SelectAllText() {
    if (FWrapper == nullptr)
        return;
    FWrapper->DropDown()->SelectAll();
    FWrapper->DropDown()->Invalidate();
}

void TGridDropDownCell::CaretToEnd() {
    if (FWrapper == nullptr)
        return;
    TExCustomDropDown* dropDown = FWrapper->DropDown();
    // The end of the value: before the suffix, where a whole selection of it ends.
    dropDown->SelectAll();
    dropDown->SetSelStart(dropDown->SelStart() + dropDown->SelLength());
    dropDown->Invalidate();
}

std::string TGridDropDownCell::CellValue() const {
    return FWrapper != nullptr ? FWrapper->CellValue() : std::string();
}

std::string TGridDropDownCell::EditText() const {
    return FWrapper != nullptr ? FWrapper->DropDown()->Text() : std::string();
}

void TGridDropDownCell::SetCellColor(TColor Value) {
    if (FWrapper != nullptr)
        FWrapper->WriteCellColor(Value);
}

TColor TGridDropDownCell::CellColor() const {
    return FWrapper != nullptr ? FWrapper->CellColorValue() : clNone;
}

TObject* TGridDropDownCell::EventSender() {
    if (FWrapper == nullptr)
        return this;
    return FWrapper->DropDown();
}

TWinControl* TGridDropDownCell::EditWindow() {
    return FWrapper != nullptr ? FWrapper->DropDown() : nullptr;
}

void TGridDropDownCell::WndProc(TMessage& Message) {
    TDropDownCellControl::WndProc(Message);
    // The editor colours the control it shows.
    if (Message.Msg == CM_COLORCHANGED && FWrapper != nullptr)
        FWrapper->DropDown()->SetColor(Color());
}

void TGridDropDownCell::ApplyComponentStyle(TULKStyle AStyle) {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetComponentStyle(AStyle);
}

void TGridDropDownCell::ApplyColorTones(const TColorTones& ATones) {
    if (FWrapper != nullptr)
        FWrapper->DropDown()->SetColorTones(ATones);
}

int TGridDropDownCell::CellImageIndex() const {
    return FWrapper != nullptr ? FWrapper->CellImageIndexValue() : -1;
}

void TGridDropDownCell::SetCellImageIndex(int Value) {
    if (FWrapper == nullptr)
        return;
    // The caption the cell's image brings into the edit is reported as a loaded text is.
    WriteReportingTheShownText([&] { FWrapper->WriteCellImageIndex(Value); });
}
