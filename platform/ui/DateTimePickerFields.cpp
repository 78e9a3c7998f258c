#include "platform/ui/DateTimePicker.h"

#include "platform/ui/internal/DateTimePickerImpl.h"
#include "platform/ui/internal/QtDate.h"

#include <QDateTimeEdit>

#include <algorithm>
#include <iterator>

// The parts of the field: moving between them, stepping them and typing into them.

namespace {

// A day of another month keeps its number where the month has it, else the month's last.
QDate WithYearMonth(QDate date, int year, int month) {
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(date.day(), first.daysInMonth()));
}

int Wrapped(int value, int low, int high) {
    const int span = high - low + 1;
    return low + ((value - low) % span + span) % span;
}

} // namespace

void TDateTimePicker::MoveField(int delta) {
    const int count = FieldCount();
    if (count == 0)
        return;
    FField = Wrapped(FField + delta, 0, count - 1);
    FTypedDigits = 0;
    ShowValue();
}

void TDateTimePicker::StepField(int delta) {
    const QDateTime current = QtDate::ToQDateTime(FValue);
    QDate date = current.date();
    QTime time = current.time();
    switch (FImpl->Edit->sectionAt(FField)) {
    case QDateTimeEdit::YearSection:
        date = WithYearMonth(date, std::clamp(date.year() + delta, 1, 9999), date.month());
        break;
    case QDateTimeEdit::MonthSection:
        date = WithYearMonth(date, date.year(), Wrapped(date.month() + delta, 1, 12));
        break;
    case QDateTimeEdit::DaySection:
        date = QDate(date.year(), date.month(), Wrapped(date.day() + delta, 1, date.daysInMonth()));
        break;
    case QDateTimeEdit::HourSection:
        time =
            QTime(Wrapped(time.hour() + delta, 0, 23), time.minute(), time.second(), time.msec());
        break;
    case QDateTimeEdit::AmPmSection:
        time = QTime((time.hour() + 12) % 24, time.minute(), time.second(), time.msec());
        break;
    case QDateTimeEdit::MinuteSection:
        time =
            QTime(time.hour(), Wrapped(time.minute() + delta, 0, 59), time.second(), time.msec());
        break;
    case QDateTimeEdit::SecondSection:
        time =
            QTime(time.hour(), time.minute(), Wrapped(time.second() + delta, 0, 59), time.msec());
        break;
    case QDateTimeEdit::MSecSection:
        time =
            QTime(time.hour(), time.minute(), time.second(), Wrapped(time.msec() + delta, 0, 999));
        break;
    default:
        return;
    }
    FTypedDigits = 0;
    UserValue(QtDate::FromQDate(date, time));
}

namespace {

// How a part takes typed digits.
struct PartLimits {
    int MaxDigits = 2;
    int Lowest = 0;
    int Highest = 59;
};

PartLimits LimitsOf(QDateTimeEdit::Section section, QDate date, bool shortYear) {
    switch (section) {
    case QDateTimeEdit::YearSection:
        return {shortYear ? 2 : 4, shortYear ? 0 : 1, shortYear ? 99 : 9999};
    case QDateTimeEdit::MonthSection:
        return {2, 1, 12};
    case QDateTimeEdit::DaySection:
        return {2, 1, date.daysInMonth()};
    case QDateTimeEdit::HourSection:
        return {2, 0, 23};
    case QDateTimeEdit::MSecSection:
        return {3, 0, 999};
    case QDateTimeEdit::MinuteSection:
    case QDateTimeEdit::SecondSection:
        return {2, 0, 59};
    default:
        return {0, 0, -1};
    }
}

// The value with the typed number in the part; false when that makes no date or time.
bool WithTypedPart(QDateTimeEdit::Section section, int typed, bool shortYear, QDate& date,
                   QTime& time) {
    switch (section) {
    case QDateTimeEdit::YearSection:
        if (!shortYear && typed < 1)
            return false;
        date =
            WithYearMonth(date, shortYear ? date.year() / 100 * 100 + typed : typed, date.month());
        break;
    case QDateTimeEdit::MonthSection:
        if (typed < 1 || typed > 12)
            return false;
        date = WithYearMonth(date, date.year(), typed);
        break;
    case QDateTimeEdit::DaySection:
        date = QDate(date.year(), date.month(), typed);
        break;
    case QDateTimeEdit::HourSection:
        time = QTime(typed, time.minute(), time.second(), time.msec());
        break;
    case QDateTimeEdit::MinuteSection:
        time = QTime(time.hour(), typed, time.second(), time.msec());
        break;
    case QDateTimeEdit::SecondSection:
        time = QTime(time.hour(), time.minute(), typed, time.msec());
        break;
    case QDateTimeEdit::MSecSection:
        time = QTime(time.hour(), time.minute(), time.second(), typed);
        break;
    default:
        return false;
    }
    return date.isValid() && time.isValid();
}

} // namespace

bool TDateTimePicker::ValueWithTyped(TDateTime& value) const {
    if (FTypedDigits == 0)
        return false;
    const QDateTime current = QtDate::ToQDateTime(FValue);
    QDate date = current.date();
    QTime time = current.time();
    const bool shortYear = !FImpl->Edit->displayFormat().contains("yyyy");
    if (!WithTypedPart(FImpl->Edit->sectionAt(FField), FTyped, shortYear, date, time))
        return false;
    value = QtDate::FromQDate(date, time);
    return true;
}

void TDateTimePicker::TypeDigit(int digit) {
    const QDateTimeEdit::Section section = FImpl->Edit->sectionAt(FField);
    const bool shortYear = !FImpl->Edit->displayFormat().contains("yyyy");
    const PartLimits limits = LimitsOf(section, QtDate::ToQDate(FValue), shortYear);
    if (limits.MaxDigits == 0)
        return;
    // Digits add up within a part until it is full or the number would be too large; then the
    // digit starts the part anew.
    int typed = digit;
    int digits = 1;
    if (FTypedDigits > 0 && FTyped * 10 + digit <= limits.Highest) {
        typed = FTyped * 10 + digit;
        digits = FTypedDigits + 1;
    }
    FTyped = typed;
    FTypedDigits = digits;
    // A part that could still take another digit waits for it (shown, not yet the value), as
    // does a leading zero; a full part becomes the value at once.
    const bool complete = digits == limits.MaxDigits || typed * 10 > limits.Highest;
    if (complete && typed >= limits.Lowest)
        CommitTyped();
    else
        ShowValue();
}

void TDateTimePicker::CommitTyped() {
    TDateTime value = 0;
    const bool valid = ValueWithTyped(value);
    FTypedDigits = 0;
    if (valid)
        UserValue(value);
    else
        ShowValue();
}

bool TDateTimePicker::FieldKey(WORD key, TShiftState shift) {
    const bool unchecked = FShowCheckbox && !FChecked;
    static constexpr WORD Keys[] = {VK_SPACE, VK_F4,  VK_LEFT,  VK_RIGHT, VK_UP,     VK_DOWN,
                                    VK_HOME,  VK_END, VK_PRIOR, VK_NEXT,  VK_DELETE, VK_BACK};
    if (std::find(std::begin(Keys), std::end(Keys), key) == std::end(Keys))
        return false;
    // Any key of the picker's own closes the number being typed.
    if (FTypedDigits > 0)
        CommitTyped();
    switch (key) {
    case VK_SPACE:
        if (FShowCheckbox)
            ToggleChecked();
        return true;
    case VK_F4:
        if (!unchecked)
            SetDroppedDown(!DroppedDown());
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (!unchecked)
            MoveField(key == VK_RIGHT ? 1 : -1);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (unchecked)
            return true;
        if (key == VK_DOWN && shift.Contains(ssAlt))
            SetDroppedDown(true);
        else
            StepField(key == VK_UP ? 1 : -1);
        return true;
    case VK_HOME:
    case VK_END:
        if (!unchecked && FieldCount() > 0) {
            FField = key == VK_HOME ? 0 : FieldCount() - 1;
            FTypedDigits = 0;
            ShowValue();
        }
        return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DELETE:
    case VK_BACK:
        return true;
    default:
        return false;
    }
}
