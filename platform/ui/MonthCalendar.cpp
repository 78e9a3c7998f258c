#include "platform/ui/MonthCalendar.h"

#include "platform/core/Exception.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtDate.h"

#include <QCalendarWidget>

#include <cmath>

struct TMonthCalendar::Impl {
    QCalendarWidget* Calendar = nullptr;
};

TMonthCalendar::TMonthCalendar(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()) {
    // A click is a chosen day, not a press of the mouse anywhere on the calendar.
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetTabStop(true);
    auto* calendar = new QCalendarWidget();
    FImpl->Calendar = calendar;
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    NativeHost::Embed(this, calendar);
    ApplyRange();
    const QSize size = calendar->minimumSizeHint();
    SetBounds(0, 0, size.width(), size.height());
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar, [this](QDate) { Click(); });
    QObject::connect(calendar, &QCalendarWidget::activated, calendar, [this](QDate) { Click(); });
}

TMonthCalendar::~TMonthCalendar() {
    FImpl->Calendar->disconnect();
}

TDateTime TMonthCalendar::Date() const {
    return QtDate::FromQDate(FImpl->Calendar->selectedDate());
}

void TMonthCalendar::SetDate(TDateTime value) {
    const QDate date = QtDate::ToQDate(CheckDateTime(value));
    FImpl->Calendar->setSelectedDate(date);
    FImpl->Calendar->setCurrentPage(date.year(), date.month());
}

void TMonthCalendar::SetMinDate(TDateTime value) {
    FMinDate = value == 0 ? 0 : CheckDateTime(std::trunc(value));
    ApplyRange();
}

void TMonthCalendar::SetMaxDate(TDateTime value) {
    FMaxDate = value == 0 ? 0 : CheckDateTime(std::trunc(value));
    ApplyRange();
}

void TMonthCalendar::ApplyRange() {
    FImpl->Calendar->setDateRange(FMinDate != 0 ? QtDate::ToQDate(FMinDate) : QtDate::FirstDay(),
                                  FMaxDate != 0 ? QtDate::ToQDate(FMaxDate) : QtDate::LastDay());
}

void TMonthCalendar::SetWeekNumbers(bool value) {
    FWeekNumbers = value;
    FImpl->Calendar->setVerticalHeaderFormat(value ? QCalendarWidget::ISOWeekNumbers
                                                   : QCalendarWidget::NoVerticalHeader);
}

TSize TMonthCalendar::MinimumSize() const {
    const QSize size = FImpl->Calendar->minimumSizeHint();
    return {size.width(), size.height()};
}
