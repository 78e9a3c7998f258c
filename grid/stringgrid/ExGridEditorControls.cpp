// The editor controls of the grid: created on first use, one per family, reused for every cell.
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/EditLink.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/GridButton.h"
#include "grid/stringgrid/GridCombo.h"
#include "grid/stringgrid/GridDatePicker.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/GridDropDownEditor.h"
#include "grid/stringgrid/GridDropDownFactory.h"
#include "grid/stringgrid/GridEditBtn.h"
#include "grid/stringgrid/GridEditorFactory.h"
#include "grid/stringgrid/GridSpin.h"
#include "grid/stringgrid/GridUnitEditBtn.h"
#include "platform/ui/MonthCalendar.h"

namespace {

// Creates an editor control owned by and placed on the grid, hidden until a cell needs it.
template <typename TEditor> TEditor* CreateHiddenEditor(TExStringGrid* Grid) {
    auto* editor = new TEditor(Grid);
    editor->SetVisible(false);
    editor->SetParent(Grid);
    return editor;
}

} // namespace

TGridCombo* TExStringGrid::Combobox() {
    if (FEditCombo == nullptr)
        FEditCombo = CreateHiddenEditor<TGridCombo>(this);
    return FEditCombo;
}

TGridSpin* TExStringGrid::SpinEdit() {
    if (FEditSpin == nullptr) {
        FEditSpin = CreateHiddenEditor<TGridSpin>(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

TGridEditBtn* TExStringGrid::BtnEdit() {
    if (FEditBtn == nullptr)
        FEditBtn = CreateHiddenEditor<TGridEditBtn>(this);
    return FEditBtn;
}

TGridUnitEditBtn* TExStringGrid::BtnUnitEdit() {
    if (FUnitEditBtn == nullptr)
        FUnitEditBtn = CreateHiddenEditor<TGridUnitEditBtn>(this);
    return FUnitEditBtn;
}

TGridButton* TExStringGrid::Btn() {
    if (FGridButton == nullptr)
        FGridButton = CreateHiddenEditor<TGridButton>(this);
    return FGridButton;
}

TGridCheckBox* TExStringGrid::CheckEdit() {
    if (FEditCheck == nullptr)
        FEditCheck = CreateGridCheckBox(this);
    return FEditCheck;
}

TGridDatePicker* TExStringGrid::DateTimePicker() {
    if (FEditDate != nullptr)
        return FEditDate;
    FEditDate = CreateHiddenEditor<TGridDatePicker>(this);
    FEditDate->SetEnabled(false);
    FEditDate->OnChange = [this](TObject* Sender) {
        if (!OnEditChange)
            return;
        const TFormatSettings settings = CurrentFormatSettings();
        const std::string value =
            FEditDate->Kind() == dtkTime
                ? SpinDateTimeText::FormatTime(FEditDate->Time(), settings.LongTimeFormat, settings)
                : DateToText(FEditDate->Date(), settings);
        OnEditChange(Sender, Col(), Row(), value);
    };
    FEditDate->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
    FEditDate->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
    return FEditDate;
}

TGridDateTimePicker* TExStringGrid::DateAndTimePicker() {
    if (FEditDateTime == nullptr)
        FEditDateTime = CreateGridDateTimePicker(this);
    return FEditDateTime;
}

// The calendar takes the picker's look each time it opens, then the size that look needs.
void TExStringGrid::DatePickerDropDown(TObject* Sender) {
    if (TMonthCalendar* calendar = FEditDate->Calendar()) {
        calendar->SetShowToday(FEditDate->ShowToday);
        calendar->SetShowTodayCircle(FEditDate->ShowTodayCircle);
        calendar->SetWeekNumbers(FEditDate->Weeknumbers);
        const TSize size = calendar->MinimumSize();
        calendar->SetBounds(calendar->Left(), calendar->Top(), size.cx, size.cy);
    }
    if (OnDatePickerDropDown)
        OnDatePickerDropDown(Sender, Row(), Col());
}

void TExStringGrid::DatePickerCloseUp(TObject* Sender) {
    if (OnDatePickerCloseUp)
        OnDatePickerCloseUp(Sender, Row(), Col());
    if (MouseActions()->DirectDateClose)
        HideInplaceEdit();
}

void TExStringGrid::SetEditLink(TEditLink* Value) {
    if (Value == FEditLink)
        return;
    TEditLink* previous = FEditLink;
    FEditLink = Value;
    if (previous != nullptr && previous->Grid() == this)
        previous->SetGrid(nullptr);
    if (Value != nullptr)
        Value->SetGrid(this);
}

TGridDropDownEditor* TExStringGrid::DropDownEditor(TEditorType Kind) {
    for (TGridDropDownEditor* editor : FDropDownEditors)
        if (editor->Kind() == Kind && editor->Control() != nullptr)
            return editor;
    // First use: the registered maker gives the kind's control, if it has one.
    TDropDownCellControl* made = MakeDropDownCellControl(this, Kind);
    if (made == nullptr)
        return nullptr;
    SetDropDownControl(Kind, made);
    return FDropDownEditors.back();
}

void TExStringGrid::SetDropDownControl(TEditorType Kind, TDropDownCellControl* Control) {
    if (Kind < edTrackbarDropDown || Kind > edExGridDropDown)
        return;
    for (auto it = FDropDownEditors.begin(); it != FDropDownEditors.end(); ++it) {
        if ((*it)->Kind() == Kind) {
            delete *it;
            FDropDownEditors.erase(it);
            break;
        }
    }
    if (Control == nullptr)
        return;
    // The grid takes the control over, so that it outlives the editor attached to it.
    if (Control->Owner() != this)
        InsertComponent(Control);
    Control->SetVisible(false);
    Control->SetParent(this);
    FDropDownEditors.push_back(new TGridDropDownEditor(this, Kind, Control));
}

TCellEditor* TExStringGrid::CellEditorOfKind(TEditorType Kind) {
    switch (Kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
        return SpinEdit();
    case edComboEdit:
    case edComboList:
        return Combobox();
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        return BtnEdit();
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        return BtnUnitEdit();
    case edButton:
        return Btn();
    case edCheckBox:
        return CellEditorOf(CheckEdit());
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
        return DatePickerAvailable ? DateTimePicker() : nullptr;
    case edDateTimeEdit:
        return DatePickerAvailable ? CellEditorOf(DateAndTimePicker()) : nullptr;
    case edRichEdit:
        return InplaceRichEdit();
    case edCustom:
        return FEditLink;
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edExGridDropDown:
        return DropDownEditor(Kind);
    default:
        return nullptr;
    }
}
