#include "platform/ui/DateTimePicker.h"

#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/MonthCalendar.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/QtDate.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <iterator>

namespace {

// Runs of one letter, quoted text kept as it is.
template <typename F> QString MapLetterRuns(const std::string& format, F&& mapRun) {
    QString out;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const size_t end = format.find('\'', i + 1);
            const size_t stop = end == std::string::npos ? format.size() : end + 1;
            out += QtConvert::ToQString(format.substr(i, stop - i));
            i = stop;
            continue;
        }
        size_t run = i;
        while (run < format.size() && format[run] == c)
            ++run;
        out += mapRun(c, static_cast<int>(run - i), format.substr(i, run - i));
        i = run;
    }
    return out;
}

// The picker's own letters are Qt's but for the year, AM/PM and era.
QString QtFormatFromPickerFormat(const std::string& format) {
    return MapLetterRuns(format, [](char c, int n, const std::string& run) -> QString {
        switch (c) {
        case 'y':
            return n <= 2 ? "yy" : "yyyy";
        case 't':
            return n == 1 ? "A" : "AP";
        case 'g':
            return "";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

// The user's formats are in the framework's letters: m is the month in a date, n the minute.
QString QtFormatFromDateSetting(const std::string& format) {
    return MapLetterRuns(format, [](char c, int n, const std::string& run) -> QString {
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'd':
            return QString(std::min(n, 4), 'd');
        case 'm':
            return QString(std::min(n, 4), 'M');
        case 'y':
            return n <= 2 ? "yy" : "yyyy";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

QString QtFormatFromTimeSetting(std::string format) {
    bool twelveHours = false;
    for (const char* marker : {"am/pm", "a/p", "ampm"}) {
        const size_t at = format.find(marker);
        if (at != std::string::npos) {
            format.replace(at, std::string(marker).size(), "\x01");
            twelveHours = true;
        }
    }
    return MapLetterRuns(format, [&](char c, int n, const std::string& run) -> QString {
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'h':
            return QString(std::min(n, 2), twelveHours ? 'h' : 'H');
        case 'n':
            return QString(std::min(n, 2), 'm');
        case 's':
            return QString(std::min(n, 2), 's');
        case 'z':
            return QString(std::min(n, 3), 'z');
        case '\x01':
            return "AP";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

TDateTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return QtDate::FromQDate(now.date(), now.time());
}

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

namespace {

// Lies over the field and lets the picker draw its frame and button on top of it.
class FrameOverlay final : public QWidget {
public:
    FrameOverlay(QWidget* parent, std::function<void(TCanvas*)> paint)
        : QWidget(parent), Paint(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        TCanvasAccess::BeginPaint(Canvas, &painter, event->region());
        Paint(&Canvas);
        TCanvasAccess::EndPaint(Canvas);
    }

private:
    std::function<void(TCanvas*)> Paint;
    TCanvas Canvas;
};

// The field, the check box and the button, with the overlay kept over all of them.
class PickerBox final : public QWidget {
public:
    QWidget* Overlay = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (Overlay != nullptr) {
            Overlay->setGeometry(rect());
            Overlay->raise();
        }
    }
};

} // namespace

struct TDateTimePicker::Impl {
    QWidget* Box = nullptr;
    QWidget* Overlay = nullptr;
    QCheckBox* Check = nullptr;
    QDateTimeEdit* Edit = nullptr;
    QToolButton* Button = nullptr;
    QObject* PopupWatch = nullptr;
    // Set while the program writes the native widgets, whose signals then report nothing.
    bool Showing = false;
};

namespace {
// Closes the drop-down when its popup window goes away by itself (a click elsewhere).
class PopupWatch final : public QObject {
public:
    explicit PopupWatch(std::function<void()> hidden) : Hidden(std::move(hidden)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && Hidden)
            Hidden();
        return QObject::eventFilter(watched, event);
    }
    std::function<void()> Hidden;
};
} // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()), FValue(Now()) {
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    auto* box = new PickerBox();
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FImpl->Box = box;
    FImpl->Check = new QCheckBox(box);
    FImpl->Check->setFocusPolicy(Qt::NoFocus);
    FImpl->Check->hide();
    FImpl->Edit = new QDateTimeEdit(box);
    FImpl->Edit->setTimeSpec(Qt::UTC);
    FImpl->Edit->setDateTimeRange(QDateTime(QtDate::FirstDay(), QTime(0, 0), Qt::UTC),
                                  QDateTime(QtDate::LastDay(), QTime(23, 59, 59, 999), Qt::UTC));
    FImpl->Button = new QToolButton(box);
    FImpl->Button->setArrowType(Qt::DownArrow);
    FImpl->Button->setFocusPolicy(Qt::NoFocus);
    // The control follows the mouse over its button and check box too (hover looks).
    FImpl->Button->setMouseTracking(true);
    FImpl->Check->setMouseTracking(true);
    layout->addWidget(FImpl->Check);
    layout->addWidget(FImpl->Edit, 1);
    layout->addWidget(FImpl->Button);
    box->setFocusProxy(FImpl->Edit);
    box->Overlay = new FrameOverlay(box, [this](TCanvas* canvas) { PaintFrame(canvas); });
    FImpl->Overlay = box->Overlay;
    NativeHost::Embed(this, box);

    QObject::connect(FImpl->Edit, &QDateTimeEdit::dateTimeChanged, box,
                     [this](const QDateTime& value) {
                         if (FImpl->Showing)
                             return;
                         // The arrow buttons step the field natively; an unchecked value
                         // takes none of it.
                         if (FShowCheckbox && !FChecked)
                             ShowValue();
                         else
                             UserValue(QtDate::FromQDateTime(value));
                     });
    QObject::connect(FImpl->Check, &QCheckBox::clicked, box, [this](bool) {
        if (!FImpl->Showing)
            ToggleChecked();
    });
    QObject::connect(FImpl->Button, &QToolButton::clicked, box,
                     [this] { SetDroppedDown(!DroppedDown()); });
    ApplyLook();
}

TDateTimePicker::~TDateTimePicker() {
    // The calendar is freed after this, as an owned component: it must call back no more.
    if (FCalendar != nullptr) {
        NativeHost::Widget(FCalendar)->removeEventFilter(FImpl->PopupWatch);
        FCalendar->OnClick = nullptr;
        FCalendar->OnKeyDown = nullptr;
    }
    FImpl->Edit->disconnect();
    FImpl->Check->disconnect();
    FImpl->Button->disconnect();
    delete FImpl->PopupWatch;
}

void TDateTimePicker::SetDateTime(TDateTime value) {
    CheckDateTime(value);
    const TDateTime day = std::trunc(value);
    if (FMinDate != 0 && day < std::trunc(FMinDate))
        throw EConvertError("Date is before the earliest date allowed");
    if (FMaxDate != 0 && day > std::trunc(FMaxDate))
        throw EConvertError("Date is after the latest date allowed");
    FValue = value;
    FTypedDigits = 0;
    ShowValue();
}

TDateTime TDateTimePicker::Date() const {
    return static_cast<TDateTime>(SplitDateTime(FValue).Day);
}

void TDateTimePicker::SetDate(TDateTime value) {
    SetDateTime(
        ComposeDateTime(SplitDateTime(CheckDateTime(value)).Day, SplitDateTime(FValue).MSecOfDay));
}

TDateTime TDateTimePicker::Time() const {
    return ComposeDateTime(0, SplitDateTime(FValue).MSecOfDay);
}

void TDateTimePicker::SetTime(TDateTime value) {
    SetDateTime(
        ComposeDateTime(SplitDateTime(FValue).Day, SplitDateTime(CheckDateTime(value)).MSecOfDay));
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
    if (value == dtkTime)
        SetDroppedDown(false);
    FKind = value;
    ApplyLook();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
    if (value == dmUpDown)
        SetDroppedDown(false);
    FDateMode = value;
    ApplyLook();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
    FDateFormat = value;
    ApplyLook();
}

void TDateTimePicker::SetFormat(const std::string& value) {
    FFormat = value;
    ApplyLook();
}

void TDateTimePicker::SetMinDate(TDateTime value) {
    if (value != 0) {
        CheckDateTime(value);
        if (FMaxDate != 0 && std::trunc(value) > std::trunc(FMaxDate))
            throw EConvertError("The earliest date allowed is after the latest");
    }
    FMinDate = value;
    FValue = Clamped(FValue);
    ApplyLook();
}

void TDateTimePicker::SetMaxDate(TDateTime value) {
    if (value != 0) {
        CheckDateTime(value);
        if (FMinDate != 0 && std::trunc(value) < std::trunc(FMinDate))
            throw EConvertError("The latest date allowed is before the earliest");
    }
    FMaxDate = value;
    FValue = Clamped(FValue);
    ApplyLook();
}

void TDateTimePicker::SetChecked(bool value) {
    FChecked = value;
    ShowValue();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
    FShowCheckbox = value;
    ApplyLook();
}

int TDateTimePicker::FieldCount() const {
    return FImpl->Edit->sectionCount();
}

std::string TDateTimePicker::Text() const {
    return QtConvert::FromQString(FImpl->Edit->text());
}

void TDateTimePicker::SetText(const std::string& value) {
    const QString format = FImpl->Edit->displayFormat();
    QDateTime read = QDateTime::fromString(QtConvert::ToQString(value), format);
    if (!read.isValid())
        return;
    const QDateTime current = QtDate::ToQDateTime(FValue);
    const QDate date = FKind == dtkDate ? read.date() : current.date();
    const QTime time = FKind == dtkTime ? read.time() : current.time();
    SetDateTime(QtDate::FromQDate(date, time));
}

TDateTime TDateTimePicker::Clamped(TDateTime value) const {
    // The limits bound the date; the time of day stays.
    const TDateTimeParts parts = SplitDateTime(value);
    int64_t day = parts.Day;
    if (FMinDate != 0)
        day = std::max<int64_t>(day, SplitDateTime(FMinDate).Day);
    if (FMaxDate != 0)
        day = std::min<int64_t>(day, SplitDateTime(FMaxDate).Day);
    return ComposeDateTime(day, parts.MSecOfDay);
}

void TDateTimePicker::UserValue(TDateTime value) {
    if (!IsValidDateTime(value)) {
        ShowValue();
        return;
    }
    const TDateTime kept = Clamped(value);
    const bool changed = kept != FValue;
    FValue = kept;
    ShowValue();
    if (changed)
        Change();
}

void TDateTimePicker::ShowValue() {
    FImpl->Showing = true;
    QDateTimeEdit* edit = FImpl->Edit;
    TDateTime shown = FValue;
    ValueWithTyped(shown);
    edit->setDateTime(QtDate::ToQDateTime(shown));
    FImpl->Check->setChecked(FChecked);
    // An unchecked value is greyed but keeps the focus, so Space can check it again.
    QPalette palette = edit->style()->standardPalette();
    if (FShowCheckbox && !FChecked)
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    edit->setPalette(palette);
    FField = std::clamp(FField, 0, std::max(edit->sectionCount() - 1, 0));
    if (edit->sectionCount() > 0) {
        edit->setCurrentSectionIndex(FField);
        edit->setSelectedSection(edit->sectionAt(FField));
    }
    FImpl->Showing = false;
}

void TDateTimePicker::ApplyLook() {
    QString format;
    const TFormatSettings settings = CurrentFormatSettings();
    if (!FFormat.empty())
        format = QtFormatFromPickerFormat(FFormat);
    else if (FKind == dtkTime)
        format = QtFormatFromTimeSetting(settings.LongTimeFormat);
    else if (FDateFormat == dfLong)
        format = "dddd, d MMMM yyyy";
    else
        format = QtFormatFromDateSetting(settings.ShortDateFormat);
    FImpl->Showing = true;
    QDateTimeEdit* edit = FImpl->Edit;
    edit->setDisplayFormat(format);
    const bool calendar = FKind == dtkDate && FDateMode == dmComboBox;
    edit->setButtonSymbols(calendar ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    FImpl->Button->setVisible(calendar);
    FImpl->Check->setVisible(FShowCheckbox);
    edit->setDateTimeRange(QDateTime(FMinDate != 0 ? QtDate::ToQDate(FMinDate) : QtDate::FirstDay(),
                                     QTime(0, 0), Qt::UTC),
                           QDateTime(FMaxDate != 0 ? QtDate::ToQDate(FMaxDate) : QtDate::LastDay(),
                                     QTime(23, 59, 59, 999), Qt::UTC));
    FImpl->Showing = false;
    FTypedDigits = 0;
    ShowValue();
}

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

void TDateTimePicker::ToggleChecked() {
    FChecked = !FChecked;
    ShowValue();
    Change();
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

void TDateTimePicker::WndProc(TMessage& Message) {
    TWinControl::WndProc(Message);
    // After the handlers (OnKeyDown, OnKeyPress) had their say, the picker works the key; the
    // native field never edits by itself, so every value goes through the picker.
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Message.Result == 0 &&
            FieldKey(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam)))
            Message.Result = 1;
        break;
    case WM_CHAR:
        if (Message.Result == 0 && Message.WParam >= '0' && Message.WParam <= '9' &&
            !(FShowCheckbox && !FChecked))
            TypeDigit(static_cast<int>(Message.WParam - '0'));
        Message.Result = 1;
        break;
    default:
        break;
    }
}

void TDateTimePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWinControl::MouseUp(Button, Shift, X, Y);
    // A click puts the caret into the part under the mouse.
    const int clicked = FImpl->Edit->currentSectionIndex();
    if (clicked >= 0 && clicked != FField) {
        if (FTypedDigits > 0)
            CommitTyped();
        FField = clicked;
        ShowValue();
    }
}

bool TDateTimePicker::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    // The wheel steps the part with the caret, as Up and Down do.
    if (WheelDelta != 0 && FieldKey(WheelDelta > 0 ? VK_UP : VK_DOWN, {}))
        return true;
    return false;
}

void TDateTimePicker::InvalidateFrame() {
    FImpl->Overlay->update();
}

void TDateTimePicker::DoExit() {
    if (FTypedDigits > 0)
        CommitTyped();
    TWinControl::DoExit();
}

void TDateTimePicker::SetDroppedDown(bool value) {
    if (value == DroppedDown())
        return;
    if (!value) {
        FDropped = false;
        NativeHost::Widget(FCalendar)->hide();
        CloseUp();
        if (CanFocus())
            SetFocus();
        return;
    }
    if (FKind != dtkDate || FDateMode != dmComboBox)
        return;
    if (FCalendar == nullptr) {
        FCalendar = new TMonthCalendar(this);
        QWidget* popup = NativeHost::Widget(FCalendar);
        popup->setWindowFlags(Qt::Popup);
        FImpl->PopupWatch = new PopupWatch([this] { SetDroppedDown(false); });
        popup->installEventFilter(FImpl->PopupWatch);
        FCalendar->OnClick = [this](TObject*) { PickFromCalendar(); };
        FCalendar->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
            if (key == VK_ESCAPE || key == VK_F4) {
                key = 0;
                SetDroppedDown(false);
            }
        };
    }
    FCalendar->SetMinDate(FMinDate);
    FCalendar->SetMaxDate(FMaxDate);
    FCalendar->SetDate(FValue);
    const TPoint below = ClientToScreen({0, Height()});
    const TSize size = FCalendar->MinimumSize();
    FCalendar->SetBounds(below.X, below.Y, size.cx, size.cy);
    FDropped = true;
    DropDown();
    if (!FDropped)
        return;
    QWidget* popup = NativeHost::Widget(FCalendar);
    popup->show();
    popup->activateWindow();
    FCalendar->SetFocus();
}

void TDateTimePicker::PickFromCalendar() {
    const TDateTime picked =
        ComposeDateTime(SplitDateTime(FCalendar->Date()).Day, SplitDateTime(FValue).MSecOfDay);
    UserValue(picked);
    SetDroppedDown(false);
}

void TDateTimePicker::Change() {
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::DropDown() {
    if (OnDropDown)
        OnDropDown(this);
}

void TDateTimePicker::CloseUp() {
    if (OnCloseUp)
        OnCloseUp(this);
}
