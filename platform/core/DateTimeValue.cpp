#include "platform/core/DateTimeValue.h"

#include "platform/core/Exception.h"

#include <cmath>

namespace {
constexpr int64_t MSecsPerDay = 86400000;
} // namespace

bool IsValidDateTime(TDateTime value) {
    // By day: before 1899 the time of day lies below the day's whole number.
    return std::isfinite(value) && std::trunc(value) >= MinDateTimeValue &&
           std::trunc(value) <= std::trunc(MaxDateTimeValue);
}

TDateTime CheckDateTime(TDateTime value) {
    if (!IsValidDateTime(value))
        throw EConvertError("Invalid date: the years run from 1 to 9999");
    return value;
}

TDateTimeParts SplitDateTime(TDateTime value) {
    if (!std::isfinite(value))
        return {};
    const double whole = std::trunc(value);
    auto msec = static_cast<int64_t>(std::llround(std::fabs(value - whole) * MSecsPerDay));
    TDateTimeParts parts{static_cast<int64_t>(whole), static_cast<int>(msec)};
    if (msec >= MSecsPerDay) {
        ++parts.Day;
        parts.MSecOfDay = static_cast<int>(msec - MSecsPerDay);
    }
    return parts;
}

TDateTime ComposeDateTime(int64_t day, int msecOfDay) {
    const double fraction = static_cast<double>(msecOfDay) / MSecsPerDay;
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}
