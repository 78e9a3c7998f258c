// Keyboard, character filter and stepping of the spin edit.
#include "grid/foundation/EsgSpinEdit.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "platform/core/CodePage.h"
#include "platform/ui/MessageBeep.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Key data bit (of the scan code) that the numeric keypad's decimal key has and the main
// keyboard's full stop lacks.
constexpr LPARAM KeypadKeyData = 0x00400000;
constexpr int SecondsPerDay = 86400;

// 1-based position of ch in text from (1-based) position `from` on; 0 when absent.
int PosFrom(char32_t ch, const std::u16string& text, int from = 1) {
    for (size_t i = static_cast<size_t>(std::max(from, 1)) - 1; i < text.size(); ++i)
        if (text[i] == ch)
            return static_cast<int>(i) + 1;
    return 0;
}

bool Contains(const std::u16string& text, char32_t ch) {
    return PosFrom(ch, text) > 0;
}

int SaturatedSum(int a, int64_t b) {
    return static_cast<int>(std::clamp<int64_t>(a + b, INT_MIN, INT_MAX));
}

// Steps a date by calendar months, the day kept within the target month.
bool TryAddMonths(TDateTime date, int months, TDateTime& result) {
    int year = 0;
    int month = 0;
    int day = 0;
    TGridDate::DecodeDate(date, year, month, day);
    if (year == 0)
        return false;
    int index = year * 12 + (month - 1) + months;
    year = index / 12;
    month = index % 12 + 1;
    if (year < 1 || year > 9999)
        return false;
    day = std::min(day, TGridDate::DaysInMonth(year, month));
    return TGridDate::TryEncodeDate(year, month, day, result);
}

} // namespace

void TEsgSpinEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        HandleKeyDownMessage(Message);
        break;
    case WM_CHAR:
        HandleChar(Message);
        break;
    case WM_PASTE:
    case WM_CUT:
        if (FEditorEnabled && !ReadOnly())
            TEdit::WndProc(Message);
        break;
    default:
        TEdit::WndProc(Message);
        break;
    }
}

void TEsgSpinEdit::HandleKeyDownMessage(TMessage& Message) {
    WORD key = static_cast<WORD>(Message.WParam);
    TShiftState shift = CurrentShiftState();
    switch (key) {
    case VK_PRIOR:
        StepUp(true);
        break;
    case VK_NEXT:
        StepDown(true);
        break;
    case VK_UP:
        StepUp(false);
        break;
    case VK_DOWN:
        StepDown(false);
        break;
    default:
        // The edit's own paste and cut shortcuts go through the messages, whose rules apply.
        if ((key == 'V' && shift.Contains(ssCtrl)) || (key == VK_INSERT && shift.Contains(ssShift)))
            Perform(WM_PASTE);
        else if ((key == 'X' && shift.Contains(ssCtrl)) ||
                 (key == VK_DELETE && shift.Contains(ssShift)))
            Perform(WM_CUT);
        else {
            TEdit::WndProc(Message);
            return;
        }
        break;
    }
    Message.Result = 1;
}

void TEsgSpinEdit::HandleKeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(CN_KEYDOWN, VK_TAB);
    }
    if (Key == VK_DELETE && !FEditorEnabled)
        Key = 0;
    TEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::HandleChar(TMessage& Message) {
    if (FExcelStyleDecimalSeparator && Message.WParam == '.' &&
        (Message.LParam & KeypadKeyData) != 0) {
        std::u16string separator = Utf8ToUtf16(CurrentFormatSettings().DecimalSeparator);
        if (!separator.empty())
            Message.WParam = separator[0];
    }
    TEdit::WndProc(Message);
}

void TEsgSpinEdit::HandleKeyPress(TChar& Key) {
    if (!IsValidChar(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    if (Key != 0)
        TEdit::KeyPress(Key);
}

void TEsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
    HandleKeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(TChar& Key) {
    HandleKeyPress(Key);
}

bool TEsgSpinEdit::IsValidChar(TChar& Key) {
    if (Key == VK_BACK)
        return FEditorEnabled;
    const TFormatSettings settings = CurrentFormatSettings();
    const char32_t decSep = SeparatorChar(settings.DecimalSeparator);
    const char32_t thouSep = SeparatorChar(settings.ThousandSeparator);
    const char32_t timeSep = SeparatorChar(settings.TimeSeparator);
    const char32_t dateSep = SeparatorChar(settings.DateSeparator);
    const char32_t key = Key;
    const bool isNumber = IsDigitChar(key);
    const std::u16string text = Utf8ToUtf16(Text());
    const std::u16string selected = Utf8ToUtf16(SelText());
    const bool numberKind = FSpinType == sptNormal || FSpinType == sptFloat;

    bool ok = key == decSep || key == thouSep || key == timeSep || key == dateSep || isNumber ||
              key == '-' || (key < 32 && key != '\r');
    auto separatorAllowed = [&](char32_t sep) {
        return numberKind && (sep == decSep || sep == thouSep || sep == '-' || sep == '+');
    };
    if (key == timeSep && FSpinType != sptTime)
        ok = ok && separatorAllowed(timeSep);
    if (key == dateSep && FSpinType != sptDate)
        ok = ok && separatorAllowed(dateSep);
    if (key == '-') {
        if (!Contains(text, '-') || Contains(selected, '-'))
            ok = ok && SelStart() == 0;
        else
            ok = false;
    }
    if (FSpinType == sptNormal && !isNumber && key != '-')
        ok = false;
    if (FSpinType == sptFloat && key != 27 && key != '\r' && key != VK_BACK) {
        if (key == thouSep)
            ok = false;
        if (key == decSep && Contains(text, decSep) && !Contains(selected, decSep))
            ok = false;
        int p = PosFrom(decSep, text);
        if (FPrecision > 0 && p > 0 && SelStart() >= p && SelLength() == 0 && ok &&
            static_cast<int>(text.size()) >= p + FPrecision)
            ok = false;
    }
    if (FSpinType == sptTime && key == timeSep) {
        int first = PosFrom(timeSep, text);
        if (first > 0 && PosFrom(timeSep, text, first + 1) > 0)
            ok = false;
    }
    if (!FEditorEnabled && key >= 32)
        ok = false;
    return ok;
}

void TEsgSpinEdit::SpinUp() {
    StepUp(false);
}

void TEsgSpinEdit::SpinDown() {
    StepDown(false);
}

void TEsgSpinEdit::StepUp(bool Page) {
    Step(true, Page);
}

void TEsgSpinEdit::StepDown(bool Page) {
    Step(false, Page);
}

void TEsgSpinEdit::Step(bool Up, bool Page) {
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    const int sign = Up ? 1 : -1;
    switch (FSpinType) {
    case sptNormal:
        SetValue(SaturatedSum(Value(), static_cast<int64_t>(sign) * FIncrement));
        break;
    case sptFloat:
        SetFloatValue(FloatValue() + sign * (Page ? FIncrementFloatPage : FIncrementFloat));
        break;
    case sptDate:
        StepDate(Up);
        break;
    case sptTime:
        StepTime(Up);
        break;
    }
}

void TEsgSpinEdit::StepDate(bool Up) {
    const TFormatSettings settings = CurrentFormatSettings();
    const std::u16string text = Utf8ToUtf16(Text());
    const char32_t dateSep = SeparatorChar(settings.DateSeparator);
    const int p1 = PosFrom(dateSep, text);
    const int p2 = p1 > 0 ? PosFrom(dateSep, text, p1 + 1) : 0;
    const int caret = SelStart();
    const int field = caret < p1 ? 1 : caret < p2 ? 2 : 3;
    FUsDates = SpinDateTimeText::MonthFirst(settings);
    const int monthField = FUsDates ? 1 : 2;
    const int dayField = FUsDates ? 2 : 1;
    const int sign = Up ? 1 : -1;
    const TDateTime date = DateValue();
    TDateTime stepped = date;
    bool inCalendar = false;
    if (field == dayField) {
        stepped = date + sign;
        int year = 0;
        int month = 0;
        int day = 0;
        TGridDate::DecodeDate(stepped, year, month, day);
        inCalendar = year != 0;
    } else {
        inCalendar = TryAddMonths(date, field == monthField ? sign : 12 * sign, stepped);
    }
    // Past the calendar's first or last day the date stays.
    if (!inCalendar)
        return;
    SetDateValue(stepped);
}

void TEsgSpinEdit::StepTime(bool Up) {
    const TFormatSettings settings = CurrentFormatSettings();
    const std::u16string text = Utf8ToUtf16(Text());
    const char32_t timeSep = SeparatorChar(settings.TimeSeparator);
    const int p1 = PosFrom(timeSep, text);
    const int p2 = p1 > 0 ? PosFrom(timeSep, text, p1 + 1) : 0;
    const int caret = SelStart();
    int64_t stepSeconds = 0;
    if (caret < p1)
        stepSeconds = int64_t{FIncrementHours} * 3600;
    else if (FShowSeconds && (p2 == 0 || caret >= p2))
        stepSeconds = FIncrementSeconds;
    else
        stepSeconds = int64_t{FIncrementMinutes} * 60;
    // The text keeps the time of day only: steps go round midnight both ways.
    int64_t seconds = std::llround(TimeValue() * SecondsPerDay) + (Up ? stepSeconds : -stepSeconds);
    seconds %= SecondsPerDay;
    if (seconds < 0)
        seconds += SecondsPerDay;
    SetTimeValue(static_cast<double>(seconds) / SecondsPerDay);
}
