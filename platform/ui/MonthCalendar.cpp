#include "platform/ui/MonthCalendar.h"

#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/internal/DateTimePickerFormat.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtDate.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace {

// The mark around today's day, also shown as a sample before the today line.
const QColor TodayMarkColor(204, 0, 0);

void DrawTodayMark(QPainter* painter, const QRectF& box) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(TodayMarkColor, 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(box);
    painter->restore();
}

class TodayMarkingCalendar final : public QCalendarWidget {
public:
    bool MarkToday = true;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override {
        QCalendarWidget::paintCell(painter, rect, date);
        if (MarkToday && date == QDate::currentDate())
            DrawTodayMark(painter, QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

// "Today: " and the date in the short date format, under the days; with the circle shown, a
// sample of it stands before the text.
class TodayLine final : public QLabel {
public:
    TodayLine() {
        setObjectName(QStringLiteral("todayLine"));
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Refresh();
    }
    void SetSample(bool value) {
        Sample = value;
        Refresh();
    }

protected:
    void showEvent(QShowEvent* event) override {
        // The line may be shown again on another day.
        Refresh();
        QLabel::showEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!Sample)
            return;
        QPainter painter(this);
        const int h = fontMetrics().height();
        DrawTodayMark(&painter, QRectF(SampleGap, (height() - h) / 2.0, SampleWidth(), h));
    }

private:
    static constexpr int SampleGap = 6;
    int SampleWidth() const { return fontMetrics().height() * 3 / 2; }
    void Refresh() {
        setContentsMargins(Sample ? 2 * SampleGap + SampleWidth() : SampleGap, 2, SampleGap, 3);
        const QString format =
            DateTimePickerFormat::FromDateSetting(CurrentFormatSettings().ShortDateFormat);
        setText(QStringLiteral("Today: ") + QDate::currentDate().toString(format));
    }
    bool Sample = true;
};

} // namespace

struct TMonthCalendar::Impl {
    TodayMarkingCalendar* Calendar = nullptr;
    TodayLine* Today = nullptr;
};

TMonthCalendar::TMonthCalendar(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()) {
    // A click is a chosen day, not a press of the mouse anywhere on the calendar.
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetTabStop(true);
    auto* calendar = new TodayMarkingCalendar();
    FImpl->Calendar = calendar;
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    FImpl->Today = new TodayLine();
    if (auto* column = qobject_cast<QBoxLayout*>(calendar->layout()))
        column->addWidget(FImpl->Today);
    NativeHost::Embed(this, calendar);
    ApplyRange();
    const TSize size = MinimumSize();
    SetBounds(0, 0, size.cx, size.cy);
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

void TMonthCalendar::SetShowToday(bool value) {
    FShowToday = value;
    FImpl->Today->setVisible(value);
}

void TMonthCalendar::SetShowTodayCircle(bool value) {
    FShowTodayCircle = value;
    FImpl->Calendar->MarkToday = value;
    FImpl->Today->SetSample(value);
    if (auto* days = FImpl->Calendar->findChild<QAbstractItemView*>())
        days->viewport()->update();
}

// The calendar's own hint knows nothing of the today line below its days.
TSize TMonthCalendar::MinimumSize() const {
    const QSize days = FImpl->Calendar->minimumSizeHint();
    const QSize today = FShowToday ? FImpl->Today->sizeHint() : QSize(0, 0);
    return {std::max(days.width(), today.width()), days.height() + today.height()};
}
