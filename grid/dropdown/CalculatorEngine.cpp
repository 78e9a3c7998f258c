#include "grid/dropdown/CalculatorEngine.h"

#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// "%.<precision>f" (or "%g" for a negative precision) with a '.' point, whatever the C locale.
std::string FormatNumber(double value, int precision) {
    char buffer[512];
    const auto result = precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                      std::chars_format::general, 6)
                                      : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                      std::chars_format::fixed, precision);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}

// Puts in the locale's separators: the decimal one, and thousand separators when asked.
std::string Localise(const std::string& plain, bool thousands) {
    const TFormatSettings settings = CurrentFormatSettings();
    const size_t point = plain.find('.');
    const size_t intEnd = point == std::string::npos ? plain.size() : point;
    const size_t digitsStart = !plain.empty() && plain[0] == '-' ? 1 : 0;
    std::string out = plain.substr(0, digitsStart);
    for (size_t i = digitsStart; i < intEnd; ++i) {
        out += plain[i];
        const size_t left = intEnd - i - 1;
        if (thousands && left > 0 && left % 3 == 0)
            out += settings.ThousandSeparator;
    }
    if (point != std::string::npos)
        out += settings.DecimalSeparator + plain.substr(point + 1);
    return out;
}

bool IsScientific(const std::string& text) {
    return text.find_first_of("eE") != std::string::npos;
}

size_t CodePointCount(const std::string& text) {
    size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string WithoutThousandSeparators(std::string text) {
    const std::string separator = CurrentFormatSettings().ThousandSeparator;
    if (separator.empty())
        return text;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at))
        text.erase(at, separator.size());
    return text;
}

} // namespace

void TCalculatorTextDisplay::SetFloatValue(double Value) {
    const std::string plain = FormatNumber(Value, FPrecision);
    // Thousand separators make no sense inside an exponent form.
    FText = Localise(plain, FShowThousandSeparator && !IsScientific(plain));
    SetModified();
}

void TCalculatorTextDisplay::SetShowThousandSeparator(bool Value) {
    if (FShowThousandSeparator == Value)
        return;
    TCalculatorEngine reader(*this);
    const double number = reader.Value();
    FShowThousandSeparator = Value;
    SetFloatValue(number);
}

bool TCalculatorEngine::DisplayIsEmptyOrError() const {
    const std::string text = FDisplay.Text();
    return text.empty() || text == ErrorText;
}

long double TCalculatorEngine::DisplayNumber() const {
    const std::string text = WithoutThousandSeparators(FDisplay.Text());
    double value = 0;
    if (text.empty() || text == "-" ||
        !TryStrToFloat(text, value, CurrentFormatSettings().DecimalSeparator))
        return 0;
    return value;
}

void TCalculatorEngine::ShowResult(long double Value) {
    FDisplay.SetFloatValue(static_cast<double>(Value));
}

void TCalculatorEngine::EvaluatePending() {
    if (DisplayIsEmptyOrError())
        FDisplay.SetText("0");
    const long double x = DisplayNumber();
    switch (FPrevop) {
    case 0:
        FPrevval += x;
        break;
    case 1:
        FPrevval *= x;
        break;
    case 2:
        FPrevval -= x;
        break;
    case 3:
        if (x == 0) {
            FPrevval = 0;
            FDisplay.SetText(ErrorText);
            return;
        }
        FPrevval /= x;
        break;
    default:
        FPrevval = x;
        break;
    }
    // An overflow starts again from 0 rather than carrying infinity along.
    if (!std::isfinite(FPrevval) || !std::isfinite(static_cast<double>(FPrevval)))
        FPrevval = 0;
    ShowResult(FPrevval);
    FNewval = true;
}

void TCalculatorEngine::Fold(int Operator) {
    EvaluatePending();
    FPrevop = Operator;
}

void TCalculatorEngine::CalcEquals() {
    EvaluatePending();
    if (FDisplay.Text().empty())
        FDisplay.SetText("0");
    FPrevop = -1;
    if (FDisplay.Text() != ErrorText)
        FPrevval = DisplayNumber();
}

void TCalculatorEngine::CalcPercent() {
    if (DisplayIsEmptyOrError())
        FDisplay.SetText("0");
    const long double r = FPrevval * DisplayNumber() / 100;
    FDisplay.SetText(Localise(FormatNumber(static_cast<double>(r), -1), false));
}

void TCalculatorEngine::DropPendingOperation() {
    FPrevval = 0;
    FPrevop = -1;
    FDecim = 0;
}

void TCalculatorEngine::StartNewNumber() {
    FNewval = true;
    FDecim = 0;
}

double TCalculatorEngine::Value() {
    if (FDisplay.Text().empty())
        FDisplay.SetText("0");
    return static_cast<double>(DisplayNumber());
}

void TCalculatorEngine::SetValue(double Value) {
    FDisplay.SetText(Localise(FormatNumber(Value, -1), false));
}

void TCalculatorEngine::Digit(int D) {
    const long double v = DisplayNumber();
    if ((v == 0 && FDecim == 0) || FNewval) {
        FDisplay.SetText(std::string(1, static_cast<char>('0' + D)));
        FNewval = false;
    } else if (FDecim > 0) {
        ShowResult(v + D / FDecim);
        FDecim *= 10;
    } else {
        // -5 followed by 3 is -47: the digit is added, not appended.
        ShowResult(v * 10 + D);
    }
}

void TCalculatorEngine::ChangeSign() {
    std::string text = FDisplay.Text();
    if (text.find('-') != std::string::npos)
        text.erase(0, 1);
    else
        text.insert(0, "-");
    FDisplay.SetText(text);
}

void TCalculatorEngine::DecimalPoint() {
    const std::string separator = CurrentFormatSettings().DecimalSeparator;
    const std::string text = FDisplay.Text();
    if (text.find(separator) == std::string::npos)
        FDisplay.SetText(text + separator);
    FDecim = 10;
    if (FNewval)
        FDisplay.SetText("0");
    FNewval = false;
}

void TCalculatorEngine::Back() {
    if (FPrevop != -1)
        return;
    const std::string separator = CurrentFormatSettings().DecimalSeparator;
    const auto number = static_cast<double>(DisplayNumber());
    std::string text = FloatToStr(number, separator);
    // Taking the last character of an exponent would change the number's size, not its last
    // digit: the digits are written out in full first.
    if (text.find_first_of("eE") != std::string::npos) {
        char buffer[512];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
        text.assign(buffer, written.ptr);
        if (const size_t point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, separator);
    }
    if (!text.empty())
        text.pop_back();
    FDisplay.SetText(text);
}

void TCalculatorEngine::PressButton(int Code) {
    if ((Code >= opAdd && Code <= opChangeSign) || (Code >= opClear && Code <= opPercent))
        FDecim = 0;
    const bool typesIntoTheNumber =
        (Code >= 0 && Code <= 9) || Code == opChangeSign || Code == opDecimalPoint;
    if (typesIntoTheNumber && FDisplay.MaxLength() > 0 &&
        CodePointCount(FDisplay.Text()) == static_cast<size_t>(FDisplay.MaxLength()))
        return;
    switch (Code) {
    case opAdd:
        CalcAdd();
        break;
    case opSubtract:
        CalcSubtract();
        break;
    case opMultiply:
        CalcMultiply();
        break;
    case opDivide:
        CalcDivide();
        break;
    case opChangeSign:
        ChangeSign();
        break;
    case opDecimalPoint:
        DecimalPoint();
        break;
    case opClear:
    case opClearAll:
    case opClearEntry:
        FDisplay.SetText("0");
        FPrevval = 0;
        FPrevop = -1;
        break;
    case opEquals:
        CalcEquals();
        break;
    case opPercent:
        CalcPercent();
        break;
    case opBack:
        Back();
        break;
    case opMemoryClear:
        FMVal = 0;
        break;
    case opMemoryRecall:
        ShowResult(FMVal);
        break;
    case opMemoryStore:
        FMVal = DisplayNumber();
        break;
    case opMemoryAdd:
        FMVal += DisplayNumber();
        break;
    case opSquareRoot: {
        const long double v = DisplayNumber();
        if (v < 0)
            FDisplay.SetText(ErrorText);
        else
            ShowResult(std::sqrt(v));
        break;
    }
    case opReciprocal: {
        const long double v = DisplayNumber();
        if (v == 0)
            FDisplay.SetText(ErrorText);
        else
            ShowResult(1 / v);
        break;
    }
    default:
        if (Code >= 0 && Code <= 9)
            Digit(Code);
        break;
    }
    FDisplay.SetModified();
}

bool TCalculatorEngine::DisplayIsFull() const {
    return FDisplay.MaxLength() > 0 &&
           CodePointCount(FDisplay.Text()) == static_cast<size_t>(FDisplay.MaxLength());
}

bool TCalculatorEngine::OperatorKey(char32_t Key) {
    switch (Key) {
    case U'*':
        CalcMultiply();
        return true;
    case U'+':
        CalcAdd();
        return true;
    case U'-':
        CalcSubtract();
        return true;
    case U'/':
        CalcDivide();
        return true;
    default:
        return false;
    }
}

TCalcKeyAction TCalculatorEngine::ProcessCalcKey(char32_t Key) {
    const std::string separator = CurrentFormatSettings().DecimalSeparator;
    const bool digit = Key >= U'0' && Key <= U'9';
    if (!separator.empty() && Key == static_cast<unsigned char>(separator[0]) &&
        FDisplay.Text().find(separator) == std::string::npos)
        FDisplay.SetText(FDisplay.Text() + separator);
    if (digit && DisplayIsFull())
        return TCalcKeyAction::Stay;
    switch (Key) {
    case U'\r':
        CalcEquals();
        return TCalcKeyAction::CloseAccepted;
    case 27:
        return TCalcKeyAction::CloseCancelled;
    case U'%':
        CalcPercent();
        break;
    case U'=':
        CalcEquals();
        break;
    case U'C':
    case U'c':
        FDisplay.SetText("0");
        FPrevval = 0;
        FNewval = true;
        FPrevop = -1;
        break;
    default:
        if (digit)
            FNewval = false;
        else
            OperatorKey(Key);
        break;
    }
    return TCalcKeyAction::Stay;
}

TCalcKeyAction TCalculatorEngine::PopupKeyDown(WORD Key) {
    if (Key == VK_TAB || Key == VK_F4)
        return TCalcKeyAction::CloseAccepted;
    if (Key == VK_BACK) {
        std::string text = FDisplay.Text();
        if (!text.empty() && text != ErrorText) {
            // A whole character goes, not a byte of one.
            size_t last = text.size() - 1;
            while (last > 0 && (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80)
                --last;
            text.erase(last);
        }
        FDisplay.SetText(text.empty() || text == ErrorText ? "0" : text);
    }
    return TCalcKeyAction::Stay;
}

bool TCalculatorEngine::ClosedPopupKey(char32_t Key) {
    switch (Key) {
    case U'\r':
    case U'=':
        CalcEquals();
        return true;
    case U'%':
        CalcPercent();
        return true;
    case U'C':
    case U'c':
        // The accumulator stays; only the display and the pending operator go.
        FDisplay.SetText("0");
        FNewval = true;
        FPrevop = -1;
        return true;
    default:
        return OperatorKey(Key);
    }
}

void TCalculatorEngine::EditDeleteKey() {
    if (DisplayIsEmptyOrError())
        FDisplay.SetText("0");
}
