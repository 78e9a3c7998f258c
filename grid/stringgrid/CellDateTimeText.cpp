#include "grid/stringgrid/CellDateTimeText.h"

#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/GridDateText.h"
#include "platform/core/Exception.h"
#include "platform/core/Text.h"

#include <cmath>

namespace CellDateTimeText {

bool TryRead(std::string_view Text, const TFormatSettings& Settings, TDateTime& Value) {
    const std::string text = Trim(Text);
    const size_t blank = text.find(' ');
    try {
        const TDateTime date = StrToDateText(text.substr(0, blank), Settings);
        TDateTime time = 0;
        if (blank != std::string::npos)
            time = StrToTimeText(Trim(text.substr(blank + 1)), Settings);
        Value = date + (date < 0 ? -time : time);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

std::string Write(TDateTime Value, const TFormatSettings& Settings, std::string_view TimeFormat) {
    return DateToText(Value, Settings) + " " +
           SpinDateTimeText::FormatTime(std::fabs(Value - std::trunc(Value)), TimeFormat, Settings);
}

TDateTime Clamp(TDateTime Value, TDateTime MinDate, TDateTime MaxDate) {
    if (MaxDate != 0 && Value > MaxDate)
        return MaxDate;
    if (MinDate != 0 && Value < MinDate)
        return MinDate;
    return Value;
}

} // namespace CellDateTimeText
