#include "platform/ui/DateTimePicker.h"

#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/MonthCalendar.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/DateTimePickerFormat.h"
#include "platform/ui/internal/DateTimePickerImpl.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/QtDate.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

TDateTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return QtDate::FromQDate(now.date(), now.time());
}

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
        format = DateTimePickerFormat::FromPickerFormat(FFormat);
    else if (FKind == dtkTime)
        format = DateTimePickerFormat::FromTimeSetting(settings.LongTimeFormat);
    else if (FDateFormat == dfLong)
        format = "dddd, d MMMM yyyy";
    else
        format = DateTimePickerFormat::FromDateSetting(settings.ShortDateFormat);
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

void TDateTimePicker::ToggleChecked() {
    FChecked = !FChecked;
    ShowValue();
    Change();
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
    if (clicked >= 0 && clicked != FField)
        SelectField(clicked);
}

void TDateTimePicker::SelectField(int Index) {
    if (FTypedDigits > 0)
        CommitTyped();
    FField = std::clamp(Index, 0, std::max(FieldCount() - 1, 0));
    FTypedDigits = 0;
    ShowValue();
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
