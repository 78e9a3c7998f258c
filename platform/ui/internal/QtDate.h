#pragma once

// Between the framework's date numbers and Qt's dates, for the .cpp files of platform/ui. Qt's
// side is UTC so that no time zone or daylight-saving gap changes a value.

#include "platform/core/DateTimeValue.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace QtDate {
// Julian day of 30 December 1899, day 0 of the framework's dates.
constexpr qint64 DayZero = 2415019;

inline QDate ToQDate(TDateTime value) {
    return QDate::fromJulianDay(SplitDateTime(value).Day + DayZero);
}
inline QTime ToQTime(TDateTime value) {
    return QTime::fromMSecsSinceStartOfDay(SplitDateTime(value).MSecOfDay);
}
inline QDateTime ToQDateTime(TDateTime value) {
    return QDateTime(ToQDate(value), ToQTime(value), Qt::UTC);
}
inline TDateTime FromQDate(QDate date, QTime time = QTime(0, 0)) {
    return ComposeDateTime(date.toJulianDay() - DayZero, time.msecsSinceStartOfDay());
}
inline TDateTime FromQDateTime(const QDateTime& value) {
    return FromQDate(value.date(), value.time());
}
inline QDate FirstDay() {
    return QDate(1, 1, 1);
}
inline QDate LastDay() {
    return QDate(9999, 12, 31);
}
} // namespace QtDate
