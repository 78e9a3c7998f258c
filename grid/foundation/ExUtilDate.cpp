#include "grid/foundation/ExUtil.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <cmath>

namespace {
// Month, day, year fields in the order they are written.
bool SplitDateFields(std::string_view text, std::string_view fields[3]) {
    char separator = '/';
    if (text.find('/') == std::string_view::npos)
        separator = text.find('.') != std::string_view::npos ? '.' : '-';
    size_t first = text.find(separator);
    if (first == std::string_view::npos)
        return false;
    size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos)
        return false;
    fields[0] = text.substr(0, first);
    fields[1] = text.substr(first + 1, second - first - 1);
    fields[2] = text.substr(second + 1);
    return true;
}

TDateTime ParseDate(std::string_view text, int monthField, int dayField) {
    std::string_view fields[3];
    if (!SplitDateFields(text, fields))
        return 0;
    int32_t values[3];
    for (int i = 0; i < 3; ++i)
        if (!TryStrToInt(fields[i], values[i]))
            return 0;
    return TGridDate::EncodeDate(WindowedYear(fields[2], values[2]), values[monthField],
                                 values[dayField]);
}
} // namespace

int WindowedYear(std::string_view Written, int Year) {
    if (Trim(Written).size() > 2 || Year < 0)
        return Year;
    return Year <= 25 ? Year + 2000 : Year + 1900;
}

TDateTime ParseDateMDY(std::string_view Text) {
    return ParseDate(Text, 0, 1);
}
TDateTime ParseDateDMY(std::string_view Text) {
    return ParseDate(Text, 1, 0);
}

bool HasTwoDateSeparators(std::string_view Text) {
    std::string separator = CurrentFormatSettings().DateSeparator;
    if (separator.empty())
        return false;
    size_t first = Text.find(separator);
    if (first == std::string_view::npos || first == 0)
        return false;
    size_t second = Text.find(separator, first + separator.size());
    return second != std::string_view::npos && second > first + separator.size();
}

TDateTime IncDateParts(uint16_t Years, uint16_t Months, uint16_t Days, double DefaultStep,
                       TDateTime Date) {
    int year = 0;
    int month = 0;
    int day = 0;
    TGridDate::DecodeDate(Date, year, month, day);
    // Before the day-count origin the fraction is still the time of day, counted away from zero.
    const double timeOfDay = std::fabs(Date - std::trunc(Date));
    if (Days != 0 && Years == 0 && Months == 0)
        return Date + static_cast<int16_t>(Days);
    if (Years != 0 && Months == 0 && Days == 0) {
        year = (year + Years) % 65536;
    } else if (Months != 0 && Years == 0 && Days == 0) {
        month = (month + Months) % 65536;
        if (month == 0) {
            month = 12;
            --year;
        } else if (month > 12) {
            month -= 12;
            ++year;
        }
    } else {
        return Date + DefaultStep;
    }
    const TDateTime stepped = TGridDate::EncodeDate(year, month, day);
    return stepped < 0 ? stepped - timeOfDay : stepped + timeOfDay;
}
