// The picker's base and the grid's header both name the registered picker message, so this
// file reaches the grid only through the editor key helpers.
#include "grid/stringgrid/GridDateTimePicker.h"

#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/CellDateTimeText.h"
#include "grid/stringgrid/GridEditorFactory.h"
#include "grid/stringgrid/GridEditorKeys.h"

#include <algorithm>
#include <cmath>

using Keys = TGridEditorKeys;

TGridDateTimePicker* CreateGridDateTimePicker(TExStringGrid* Grid) {
    auto* picker = new TGridDateTimePicker(Keys::AsControl(Grid));
    picker->SetVisible(false);
    picker->SetParent(Keys::AsControl(Grid));
    picker->SetEnabled(false);
    picker->SetAutoTab(true);
    picker->OnCloseUp = [Grid](TObject* Sender) { Keys::DatePickerClosed(Grid, Sender); };
    picker->OnTimeChange = [Grid, picker](TObject* Sender) {
        Keys::DateTimeChanged(Grid, Sender, picker->DateTime());
    };
    return picker;
}

TCellEditor* CellEditorOf(TGridDateTimePicker* Picker) {
    return Picker;
}

TWinControl* ControlOf(TGridDateTimePicker* Picker) {
    return Picker;
}

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExDateTimePicker(AOwner), FGrid(Keys::GridOwner(AOwner)) {}

void TGridDateTimePicker::BeginCellEdit(int ACol, int ARow) {
    SetKind(dkDateTime);
    SetBorderStyle(bsNone);
}

void TGridDateTimePicker::PlaceCellEditor(const TRect& ARect, TColor Background) {
    const int height = ARect.Bottom - ARect.Top;
    int width = ARect.Right - ARect.Left;
    // The time field sits at the right end, its own width plus the drop button's from it: a
    // narrow cell gets an editor wide enough for the date to keep as much room on its left.
    if (TimePicker() != nullptr)
        width = std::max(width, 2 * TimePicker()->Width() + 34);
    SetBounds(ARect.Left, ARect.Top, width, std::max(Height(), height));
    SetEnabled(true);
    SetVisible(true);
    SetColor(Background);
    if (CanFocus())
        SetFocus();
}

void TGridDateTimePicker::ShowCellText(const std::string& Text) {
    TDateTime value = 0;
    if (Text.empty() || !CellDateTimeText::TryRead(Text, CurrentFormatSettings(), value))
        value = SpinDateTimeText::Now();
    SetDateTime(CellDateTimeText::Clamp(value, MinDate(), MaxDate()));
}

void TGridDateTimePicker::LoadCellText(const std::string& Text) {
    ShowCellText(Text);
    Keys::SetOriginalDateTime(FGrid, DateTime());
}

std::string TGridDateTimePicker::ApplyCellText() {
    if (!Checked())
        return "";
    const TFormatSettings settings = CurrentFormatSettings();
    const TDateTime value = DateTime();
    // The short time format has no seconds: a time that has them is written in full, so that a
    // change of the date never drops them.
    const double seconds = std::round(std::fabs(value - std::trunc(value)) * 86400.0);
    const bool wholeMinutes = std::fmod(seconds, 60.0) == 0;
    return CellDateTimeText::Write(value, settings,
                                   wholeMinutes ? Keys::ShortTimeFormat() : settings.LongTimeFormat);
}

void TGridDateTimePicker::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
    switch (Key) {
    case VK_ESCAPE:
        SetDateTime(Keys::OriginalDateTime(FGrid));
        Keys::HideEditor(FGrid);
        Keys::FocusGrid(FGrid);
        Key = 0;
        return;
    case VK_RETURN:
        // The value it stores is validated first, as every other editor's.
        if (!Keys::Commit(FGrid, ApplyCellText())) {
            ShowCellText(Keys::NewCellText(FGrid));
            Keys::BlockAdvance(FGrid);
            Key = 0;
            return;
        }
        Keys::HideEditor(FGrid);
        Keys::FocusGrid(FGrid);
        if (Keys::AdvanceOnEnter(FGrid))
            Keys::AdvanceFromCurrentCell(FGrid);
        Key = 0;
        return;
    case VK_TAB:
        if (!Keys::GridTakesTab(FGrid))
            break;
        if (!Keys::Commit(FGrid, ApplyCellText())) {
            ShowCellText(Keys::NewCellText(FGrid));
            Key = 0;
            return;
        }
        Keys::HideEditor(FGrid);
        Keys::FocusGrid(FGrid);
        Keys::NavigateFromEditor(FGrid);
        Key = 0;
        return;
    default:
        break;
    }
    TExDateTimePicker::KeyDown(Key, Shift);
}
