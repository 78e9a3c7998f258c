#include "grid/stringgrid/GridSpin.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridDateText.h"
#include "grid/stringgrid/GridEditorKeys.h"
#include "grid/stringgrid/GridFormat.h"
#include "platform/core/CodePage.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

TGridSpin::TGridSpin(TComponent* AOwner)
    : TEsgSpinEdit(AOwner), FGrid(TGridEditorKeys::GridOwner(AOwner)) {
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::SpinUp() {
    TEsgSpinEdit::SpinUp();
    FireSpinClick(true);
}

void TGridSpin::SpinDown() {
    TEsgSpinEdit::SpinDown();
    FireSpinClick(false);
}

void TGridSpin::FireSpinClick(bool UpDown) {
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    switch (SpinType()) {
    case sptNormal:
        if (FGrid->OnSpinClick)
            FGrid->OnSpinClick(FGrid, col, row, Value(), UpDown);
        break;
    case sptFloat:
        if (FGrid->OnFloatSpinClick)
            FGrid->OnFloatSpinClick(FGrid, col, row, FloatValue(), UpDown);
        break;
    case sptDate:
        if (FGrid->OnDateSpinClick)
            FGrid->OnDateSpinClick(FGrid, col, row, DateValue(), UpDown);
        break;
    case sptTime:
        if (FGrid->OnTimeSpinClick)
            FGrid->OnTimeSpinClick(FGrid, col, row, TimeValue(), UpDown);
        break;
    }
}

// --- the cell edit --------------------------------------------------------------------------

void TGridSpin::BeginCellEdit(int ACol, int ARow) {
    FCol = ACol;
    FRow = ARow;
    SetBorderStyle(bsNone);
    SetIsWinXP(FGrid->IsWinXP());
    switch (FGrid->EditControl) {
    case edFloatSpinEdit:
        SetSpinType(sptFloat);
        break;
    case edTimeSpinEdit:
        SetSpinType(sptTime);
        break;
    case edDateSpinEdit:
        SetSpinType(sptDate);
        break;
    default:
        SetSpinType(sptNormal);
        break;
    }
}

void TGridSpin::PlaceCellEditor(const TRect& ARect, TColor Background) {
    SetBounds(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
    SetVisible(true);
    SetEnabled(true);
    SetColor(Background);
    if (CanFocus())
        SetFocus();
}

void TGridSpin::LoadCellText(const std::string& Text) {
    switch (SpinType()) {
    case sptNormal:
        SetValue(static_cast<int>(StrToIntDef(Trim(Text), 0)));
        break;
    case sptFloat:
        SetFloatValue(StrToFloatDef(NormalizeNumber(Text), 0));
        break;
    case sptTime:
        TEdit::SetText(Text);
        break;
    case sptDate: {
        TDateTime date = 0;
        if (Text.empty() || !SpinDateTimeText::TryParseDate(Text, CurrentFormatSettings(), date))
            date = SpinDateTimeText::Now();
        SetDateValue(date);
        break;
    }
    }
    if (StepUpOnLoad)
        StepUp(false);
    if (StepDownOnLoad)
        StepDown(false);
    StepUpOnLoad = StepDownOnLoad = false;
}

std::string TGridSpin::ApplyCellText() {
    if (AllowEmptyValue() && Trim(Text()).empty())
        return "";
    const TFormatSettings settings = CurrentFormatSettings();
    switch (SpinType()) {
    case sptNormal:
        return IntToStr(Value());
    case sptFloat:
        return FormatValues(FGrid->GetColumnFloatFormat(FCol, FRow), {FloatValue()},
                            settings.DecimalSeparator, settings.ThousandSeparator);
    case sptTime:
        return Text();
    case sptDate: {
        const TDateTime date = DateValue();
        return date > 0 || FGrid->ShowNullDates ? DateToText(date, settings) : "";
    }
    }
    return Text();
}

// Through the kind's character filter: the key starts a new value.
void TGridSpin::TypeStartKey(char16_t Key) {
    TGridEditorKeys::TypeStartKey(FGrid, this, Key);
}

void TGridSpin::EndCellEdit() {
    SetEnabled(false);
    SetVisible(false);
}

// --- keys -----------------------------------------------------------------------------------

void TGridSpin::StepByKey(WORD Key) {
    if (SpinType() == sptNormal) {
        if (Key == VK_PRIOR && Value() + Increment() <= MaxValue())
            SetValue(Value() + Increment());
        else if (Key == VK_NEXT && Value() - Increment() >= MinValue())
            SetValue(Value() - Increment());
        else if (Key == VK_HOME)
            SetValue(MaxValue());
        else if (Key == VK_END)
            SetValue(MinValue());
    } else if (SpinType() == sptFloat) {
        if (Key == VK_PRIOR && FloatValue() + IncrementFloat() <= MaxFloatValue())
            SetFloatValue(FloatValue() + IncrementFloat());
        else if (Key == VK_NEXT && FloatValue() - IncrementFloat() >= MinFloatValue())
            SetFloatValue(FloatValue() - IncrementFloat());
        else if (Key == VK_HOME)
            SetFloatValue(MaxFloatValue());
        else if (Key == VK_END)
            SetFloatValue(MinFloatValue());
    }
}

void TGridSpin::HandleKeyDownMessage(TMessage& Message) {
    // The grid's keys: value keys by their own rules, the rest leave the editor; the spin's
    // own stepping keeps the others.
    switch (Message.WParam) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_UP:
    case VK_DOWN: {
        WORD key = static_cast<WORD>(Message.WParam);
        HandleKeyDown(key, CurrentShiftState());
        Message.Result = 1;
        return;
    }
    default:
        TEsgSpinEdit::HandleKeyDownMessage(Message);
    }
}

void TGridSpin::HandleKeyDown(WORD& Key, TShiftState Shift) {
    const bool valueKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END;
    if (valueKey) {
        StepByKey(Key);
        if (FGrid->OnSpinClick) {
            const int value = static_cast<int>(StrToIntDef(Trim(Text()), 0));
            FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), value,
                               Key == VK_PRIOR || Key == VK_HOME);
        }
        Key = 0;
        return;
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        TEsgSpinEdit::HandleKeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        const std::string cached = TGridEditorKeys::CellCache(FGrid);
        TEdit::SetText(cached);
        // A cached text that is no number gives the lower limit, as reading the edit does.
        if (SpinType() == sptNormal)
            SetValue(Value());
        else if (SpinType() == sptFloat)
            SetFloatValue(FloatValue());
    } else {
        // The value as the cell stores it: untouched, it matches what was loaded and the cell
        // keeps its own text.
        if (!TGridEditorKeys::Commit(FGrid, ApplyCellText())) {
            TEdit::SetText(FGrid->CurrentCell());
            SetSelStart(static_cast<int>(Utf8ToUtf16(Text()).size()));
            Repaint();
            if (Key != VK_TAB)
                TGridEditorKeys::BlockAdvance(FGrid);
            Key = 0;
            return;
        }
        TEdit::SetText(FGrid->CurrentCell());
    }
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        TGridEditorKeys::TabNavigate(FGrid);
        Key = 0;
        return;
    }
    TGridEditorKeys::Leave(FGrid, Key, Shift);
}

void TGridSpin::HandleKeyPress(TChar& Key) {
    TGridEditorKeys::OfferKeyPress(FGrid, FGrid, Key);
    if (Key == 27)
        Key = 0;
    if (Key == '\r') {
        Key = 0;
        return;
    }
    TEsgSpinEdit::HandleKeyPress(Key);
}

void TGridSpin::HandleChar(TMessage& Message) {
    if (Message.WParam == '\t' || Message.WParam == '\r') {
        Message.Result = 1;
        return;
    }
    TEsgSpinEdit::HandleChar(Message);
}

void TGridSpin::Change() {
    TEsgSpinEdit::Change();
    TGridEditorKeys::EditChanged(FGrid, Text());
}

void TGridSpin::DoExit() {
    FGrid->HideInplaceEdit();
    TEsgSpinEdit::DoExit();
}

void TGridSpin::WndProc(TMessage& Message) {
    TEsgSpinEdit::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY &&
        TGridEditorKeys::ClaimsSpecialKey(FGrid, Message.WParam))
        Message.Result = 1;
}
