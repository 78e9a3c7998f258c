#include "grid/dropdown/DropDownValueText.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

bool IsNumericType(TDropDownEditType Type) {
    return Type == etNumeric || Type == etFloat || Type == etMoney || Type == etHex;
}

bool AllOf(std::u32string_view Text, bool (*Allowed)(char32_t)) {
    return std::all_of(Text.begin(), Text.end(), Allowed);
}

bool IsDigit(char32_t C) {
    return C >= U'0' && C <= U'9';
}

bool IsAsciiAlphaNumeric(char32_t C) {
    return IsDigit(C) || (C >= U'A' && C <= U'Z') || (C >= U'a' && C <= U'z');
}

bool IsHexTyped(char32_t C) {
    return IsDigit(C) || C == U'-' || (C >= U'A' && C <= U'F') || (C >= U'a' && C <= U'f');
}

// Plain digits with a '.' decimal point; the locale is applied afterwards.
std::string FixedDigits(double X, int Precision) {
    std::vector<char> buffer(360 + static_cast<size_t>(Precision));
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), X,
                                      std::chars_format::fixed, Precision);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string ValueOfEditText(std::string_view EditText, std::string_view Prefix,
                            std::string_view Suffix) {
    std::string_view value = EditText;
    if (!Prefix.empty() && value.substr(0, Prefix.size()) == Prefix)
        value.remove_prefix(Prefix.size());
    if (!Suffix.empty() && value.size() >= Suffix.size() &&
        value.substr(value.size() - Suffix.size()) == Suffix)
        value.remove_suffix(Suffix.size());
    return std::string(value);
}

std::string FormatDropDownNumber(double X, int Precision, bool Grouped) {
    const TFormatSettings settings = CurrentFormatSettings();
    if (!std::isfinite(X))
        return "0";
    if (Precision < 0)
        return FloatToStr(X, settings.DecimalSeparator);
    std::string digits = FixedDigits(X, Precision);
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    const size_t point = digits.find('.');
    std::string integer = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    if (Grouped && !settings.ThousandSeparator.empty()) {
        for (size_t at = integer.size(); at > 3; at -= 3)
            integer.insert(at - 3, settings.ThousandSeparator);
    }
    // A value that rounds to zero shows no sign.
    if (digits.find_first_not_of("0.") == std::string::npos)
        sign.clear();
    return sign + integer + (fraction.empty() ? "" : settings.DecimalSeparator + fraction);
}

double StrToFloatSafe(std::string_view S) {
    double value = 0;
    if (!TryStrToFloat(RemoveThousandSeparators(S), value,
                       CurrentFormatSettings().DecimalSeparator))
        return 0;
    return std::isfinite(value) ? value : 0;
}

std::string FormatWrittenValue(std::string_view V, TDropDownEditType EditType, int Precision) {
    std::string value(V);
    if (value.empty() && IsNumericType(EditType))
        value = "0";
    if (Precision > 0 && !value.empty() && value != "Error") {
        if (EditType == etMoney)
            value = FormatDropDownNumber(StrToFloatSafe(value), Precision, true);
        else if (EditType == etFloat)
            value = FormatDropDownNumber(StrToFloatSafe(value), Precision, false);
    }
    if (EditType == etHex)
        value = UpperCase(value);
    return value;
}

bool IsRangeValueValid(std::u16string_view Value) {
    bool previousSeparator = true;
    for (char16_t c : Value) {
        const bool separator = IsRangeSeparatorChar(c);
        if (!separator && !IsDigit(c))
            return false;
        if (separator && previousSeparator)
            return false;
        previousSeparator = separator;
    }
    return true;
}

TPasteOutcome ApplyPasteRules(const TPasteRules& Rules, std::string_view Composed,
                              std::string_view Pasted) {
    const std::string composed(Composed);
    const std::u32string points = Utf8ToCodePoints(Composed);
    const bool hasMinus = Composed.find('-') != std::string_view::npos;
    auto set = [&](std::string value, TPasteAction action = paSetText) {
        return TPasteOutcome{action, std::move(value)};
    };
    switch (Rules.EditType) {
    case etString:
    case etPassword:
        return set(composed);
    case etUppercase:
        return set(UpperCase(composed));
    case etLowerCase:
        return set(LowerCase(composed));
    case etMixedCase:
        return set(NameCase(composed));
    case etNumeric:
        if (ClassifyNumberText(Composed) != ntInteger || (hasMinus && !Rules.Signed))
            return {};
        return set(composed);
    case etFloat:
    case etMoney: {
        const uint8_t kind = ClassifyNumberText(Composed);
        const std::string decimal = CurrentFormatSettings().DecimalSeparator;
        if (kind == ntOther || kind == ntHex)
            return {};
        if (Rules.Precision == 0 && Pasted.find(decimal) != std::string_view::npos)
            return {};
        if (hasMinus && !Rules.Signed)
            return {};
        return set(composed, paSetNumber);
    }
    case etRange:
        if (!IsRangeValueValid(Utf8ToUtf16(Composed)))
            return {};
        return set(composed);
    case etHex:
        if (!AllOf(points, IsHexTyped))
            return {};
        return set(composed);
    case etAlphaNumeric:
        if (!AllOf(points, IsAsciiAlphaNumeric))
            return {};
        return set(composed);
    case etValidChars: {
        const std::u32string valid = Utf8ToCodePoints(Rules.ValidChars);
        for (char32_t c : points)
            if (valid.find(c) == std::u32string::npos)
                return {};
        return set(composed);
    }
    }
    return {};
}
