#include "grid/stringgrid/GridDatePicker.h"

#include "grid/foundation/CustomDateTimePicker.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/CellDateTimeText.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "platform/core/Exception.h"

namespace {

struct TDateParts {
    uint16_t Year, Month, Day, Hour, Minute, Second, Millisecond;
};

TDateParts PartsOf(TDateTime Value) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    TGridDate::DecodeDate(Value, year, month, day);
    TGridDate::DecodeTime(Value, hour, minute, second, millisecond);
    return {static_cast<uint16_t>(year),       static_cast<uint16_t>(month),
            static_cast<uint16_t>(day),        static_cast<uint16_t>(hour),
            static_cast<uint16_t>(minute),     static_cast<uint16_t>(second),
            static_cast<uint16_t>(millisecond)};
}

bool EndsWithLetter(const std::string& Format, char Letter) {
    return !Format.empty() && (Format.back() == Letter || Format.back() == Letter - 'a' + 'A');
}

} // namespace

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TEsgDateTimePicker(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {}

// --- the cell edit --------------------------------------------------------------------------

void TGridDatePicker::BeginCellEdit(int ACol, int ARow) {
    const TEditorType kind = FGrid->EditControl;
    SetKind(kind == edTimeEdit ? dtkTime : dtkDate);
    if (kind != edTimeEdit)
        SetDateMode(kind == edDateEditUpDown ? dmUpDown : dmComboBox);
    // One picker serves every cell: each edit starts on the first part, wherever the caret
    // was left by the last one (the commit steps past the part being typed).
    SelectField(0);
}

void TGridDatePicker::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetEnabled(true);
    SetVisible(true);
    SetColor(Background);
    if (CanFocus())
        SetFocus();
}

void TGridDatePicker::LoadCellText(const std::string& Text) {
    const TFormatSettings settings = CurrentFormatSettings();
    TDateTime value = SpinDateTimeText::Now();
    if (Kind() == dtkTime) {
        try {
            if (!Text.empty())
                value = StrToTimeText(Text, settings);
        } catch (const Exception&) {
        }
        SetTime(value);
        return;
    }
    if (!Text.empty() && FGrid->OnCustomStrToDate)
        FGrid->OnCustomStrToDate(FGrid, Text, value);
    else if (Text.empty() || !CellDateTimeText::TryRead(Text, settings, value))
        value = SpinDateTimeText::Now();
    SetDate(CellDateTimeText::Clamp(value, MinDate(), MaxDate()));
    if (Kind() == dtkDate && FGrid->MouseActions()->DirectDateDrop)
        Perform(WM_KEYDOWN, VK_F4);
}

void TGridDatePicker::TypeStartKey(char16_t Key) {
    if (Kind() != dtkTime)
        TGridEditorKeys::TypeStartKey(FGrid, this, Key);
}

std::string TGridDatePicker::ApplyCellText() {
    if (Kind() == dtkDate && !Checked())
        return "";
    return Text();
}

void TGridDatePicker::EndCellEdit() {
    SetDroppedDown(false);
    SetEnabled(false);
    SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR &&
        Key != VK_NEXT && Key != VK_END) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        const TFormatSettings settings = CurrentFormatSettings();
        const std::string cell = FGrid->CurrentCell();
        try {
            if (Kind() == dtkTime)
                SetTime(StrToTimeText(cell, settings));
            else
                SetDate(StrToDateText(cell, settings));
        } catch (const Exception&) {
            SetDate(SpinDateTimeText::Now());
        }
    }
    // Every key that leaves the picker stores its value: it is validated first, Tab below. With
    // the calendar open only Enter leaves.
    const bool leaves = Key == VK_RETURN || (Key != VK_ESCAPE && Key != VK_TAB && !DroppedDown());
    if (leaves) {
        // Closes the part being typed, so that the text holds every digit.
        Perform(WM_KEYDOWN, VK_RIGHT);
        Perform(WM_KEYUP, VK_RIGHT);
        if (!TGridEditorKeys::Commit(FGrid, Text())) {
            SetText(TGridEditorKeys::NewCellText(FGrid));
            Repaint();
            TGridEditorKeys::BlockAdvance(FGrid);
            Key = 0;
            return;
        }
        SetText(FGrid->CurrentCell());
    }
    if (Key == VK_TAB && TGridEditorKeys::GridTakesTab(FGrid)) {
        if (!TGridEditorKeys::Commit(FGrid, Text())) {
            SetText(TGridEditorKeys::NewCellText(FGrid));
            Repaint();
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
    if (!DroppedDown())
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::KeyPress(TChar& Key) {
    if (Key >= '0' && Key <= '9') {
        const TDateParts parts = PartsOf(DateTime());
        Fy = parts.Year;
        Fm = parts.Month;
        Fd = parts.Day;
        Fth = parts.Hour;
        Ftm = parts.Minute;
        Fts = parts.Second;
        Ftms = parts.Millisecond;
        TEsgDateTimePicker::KeyPress(Key);
        PostMessage(DTPShiftFocusMessage(), 0, 0);
    } else {
        TEsgDateTimePicker::KeyPress(Key);
    }
    TGridEditorKeys::OfferKeyPress(FGrid, FGrid, Key);
}

void TGridDatePicker::AutoAdvanceField() {
    const TDateParts parts = PartsOf(DateTime());
    bool next = false;
    if (Kind() == dtkTime) {
        next = parts.Hour != Fth || parts.Minute != Ftm || parts.Second != Fts;
    } else if (!Format().empty()) {
        const bool dayChanged = parts.Day != Fd;
        const bool monthChanged = parts.Month != Fm;
        const bool yearChanged = parts.Year != Fy;
        // The last part of the format has nowhere to move on to.
        const bool lastPart = (dayChanged && EndsWithLetter(Format(), 'd')) ||
                              (monthChanged && EndsWithLetter(Format(), 'm')) ||
                              (yearChanged && EndsWithLetter(Format(), 'y'));
        next = !lastPart && (dayChanged || monthChanged || yearChanged);
    } else {
        next = parts.Day != Fd || parts.Month != Fm;
    }
    if (next)
        PostMessage(WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::DoExit() {
    FGrid->HideInplaceEdit();
    TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::WndProc(TMessage& Message) {
    TEsgDateTimePicker::WndProc(Message);
    if (Message.Msg == DTPShiftFocusMessage())
        AutoAdvanceField();
    else if (Message.Msg == CM_WANTSPECIALKEY &&
             TGridEditorKeys::ClaimsSpecialKey(FGrid, Message.WParam))
        Message.Result = 1;
}
