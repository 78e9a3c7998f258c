// The value of a drop-down edit: prefix and suffix, number formats, typing rules per edit type,
// clipboard.
#include "grid/dropdown/DropDownValueText.h"
#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/core/CodePage.h"
#include "platform/core/FloatConversion.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Text.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::u16string U16(std::string_view Text) {
    return Utf8ToUtf16(Text);
}

std::string U8(std::u16string_view Text) {
    return Utf16ToUtf8(Text);
}

char16_t DecimalChar() {
    return static_cast<char16_t>(DropDownDecimalSeparator());
}

char16_t ThousandChar() {
    return static_cast<char16_t>(DropDownThousandSeparator());
}

bool IsTypedDigit(char16_t C) {
    return C >= u'0' && C <= u'9';
}

bool Contains(std::u16string_view Text, char16_t C) {
    return Text.find(C) != std::u16string_view::npos;
}

// 1-based position of C in Text, 0 when absent.
int Pos(char16_t C, std::u16string_view Text) {
    const size_t at = Text.find(C);
    return at == std::u16string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool IsNumberType(TDropDownEditType Type) {
    return Type == etNumeric || Type == etFloat || Type == etMoney;
}

std::string HexText(double X) {
    const double truncated = std::trunc(X);
    const auto bits = static_cast<uint32_t>(
        static_cast<int64_t>(std::clamp(truncated, -2147483648.0, 4294967295.0)));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", bits);
    return buffer;
}

constexpr TChar CtrlC = 3;
constexpr TChar CtrlV = 22;
constexpr TChar CtrlX = 24;
constexpr TChar LineFeed = 10;
constexpr LPARAM KeypadDecimalBit = 0x00400000;

} // namespace

TExCustomDropDown::TValueSpan TExCustomDropDown::Span() const {
    TValueSpan span;
    span.EditText = U16(TCustomMaskEdit::Text());
    const std::u16string prefix = U16(FPrefix);
    const std::u16string suffix = U16(FSuffix);
    const std::u16string_view text = span.EditText;
    if (!prefix.empty() && text.substr(0, prefix.size()) == prefix)
        span.P = static_cast<int>(prefix.size());
    const std::u16string_view rest = text.substr(static_cast<size_t>(span.P));
    if (!suffix.empty() && rest.size() >= suffix.size() &&
        rest.substr(rest.size() - suffix.size()) == suffix)
        span.S = static_cast<int>(suffix.size());
    span.L = static_cast<int>(rest.size()) - span.S;
    return span;
}

std::string TExCustomDropDown::Text() const {
    return ValueOfEditText(TCustomMaskEdit::Text(), FPrefix, FSuffix);
}

void TExCustomDropDown::SetText(const std::string& Value) {
    const std::string value = FormatWrittenValue(Value, FEditType, FPrecision);
    TCustomMaskEdit::SetText(FPrefix + value + FSuffix);
    FOldText = value;
    SetModified(false);
}

void TExCustomDropDown::SetTextDirect(const std::string& Value) {
    TCustomMaskEdit::SetText(Value);
}

void TExCustomDropDown::SetEditTextKeepingState(const std::u16string& EditText) {
    const bool modified = TEdit::Modified();
    TCustomMaskEdit::SetText(U8(EditText));
    TEdit::SetModified(modified);
}

void TExCustomDropDown::SetCaret(int Position, int Length) {
    SetSelStart(std::max(Position, 0));
    if (Length > 0)
        SetSelLength(Length);
}

void TExCustomDropDown::SetModified(bool Value) {
    if (ComponentState().Contains(csLoading) || !FEditorEnabled || ReadOnly())
        return;
    TEdit::SetModified(Value);
    FIsModified = Value;
}

void TExCustomDropDown::Change() {
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    TCustomMaskEdit::Change();
}

void TExCustomDropDown::SelectAll() {
    const TValueSpan span = Span();
    SetCaret(span.P, span.L);
}

void TExCustomDropDown::SelectAfterDecimal() {
    const TValueSpan span = Span();
    const int at = Pos(DecimalChar(), span.Value());
    SetCaret(span.P + at);
}

void TExCustomDropDown::SelectBeforeDecimal() {
    const TValueSpan span = Span();
    const int at = Pos(DecimalChar(), span.Value());
    SetCaret(at > 0 ? span.P + at - 1 : span.P);
}

double TExCustomDropDown::GetFloatValue() const {
    const std::string value = Text();
    switch (FEditType) {
    case etString: {
        double result = 0;
        return TryStrToFloat(Trim(value), result, CurrentFormatSettings().DecimalSeparator) ? result
                                                                                            : 0;
    }
    case etNumeric:
    case etFloat:
        if (value.empty() || value == "Error" || value == "-")
            return 0;
        return StrToFloatSafe(value);
    case etMoney: {
        std::string plain = RemoveThousandSeparators(value);
        const std::string decimal = CurrentFormatSettings().DecimalSeparator;
        if (!decimal.empty() && plain.size() >= decimal.size() &&
            plain.compare(plain.size() - decimal.size(), decimal.size(), decimal) == 0)
            plain.erase(plain.size() - decimal.size());
        if (plain.empty() || plain == "-")
            return 0;
        return StrToFloatSafe(plain);
    }
    case etHex:
        return value.empty() ? 0 : HexTextToInt(value);
    default:
        return 0;
    }
}

void TExCustomDropDown::SetFloatValue(double X) {
    switch (FEditType) {
    case etString:
    case etFloat:
        SetText(FormatDropDownNumber(X, FPrecision, false));
        break;
    case etNumeric:
        SetText(FormatDropDownNumber(X, FPrecision, true));
        break;
    case etMoney:
        SetText(FormatDropDownNumber(X, FPrecision, false));
        FormatMoney();
        break;
    case etHex:
        SetText(HexText(X));
        break;
    default:
        break;
    }
    SetModified(true);
}

void TExCustomDropDown::SetIntValue(int N) {
    switch (FEditType) {
    case etNumeric:
    case etFloat:
        SetText(std::to_string(N));
        break;
    case etMoney:
        SetText(std::to_string(N));
        FormatMoney();
        break;
    case etHex:
        SetText(HexText(N));
        break;
    default:
        break;
    }
    SetModified(true);
}

void TExCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (Value == FEditType)
        return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(u'*');
        FCanUndo = false;
    } else {
        SetPasswordChar(0);
    }
    const uint8_t kind = ClassifyNumberText(Text());
    if (Value == etNumeric && kind != ntInteger)
        SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && (kind == ntOther || kind == ntHex))
        SetFloatValue(0);
    else if (Value == etHex && kind != ntInteger && kind != ntHex)
        SetIntValue(0);
}

void TExCustomDropDown::SetPrecision(int Value) {
    if (Value == FPrecision ||
        (FEditType != etString && FEditType != etFloat && FEditType != etMoney))
        return;
    FPrecision = static_cast<int16_t>(Value);
    const uint8_t kind = ClassifyNumberText(Text());
    SetFloatValue(kind == ntOther || kind == ntHex ? 0 : GetFloatValue());
}

int TExCustomDropDown::DigitsBeforeDecimal(const std::u16string& S) const {
    const std::u16string plain = U16(RemoveThousandSeparators(U8(S)));
    const int at = Pos(DecimalChar(), plain);
    int result = at > 0 ? at : static_cast<int>(plain.size()) + 1;
    if (FSigned && IsNumberType(FEditType) && Contains(plain, u'-'))
        --result;
    return result;
}

int TExCustomDropDown::DecimalPos() const {
    const TValueSpan span = Span();
    const int at = Pos(DecimalChar(), span.Value());
    return at > 0 ? span.P + at : span.P + span.L + static_cast<int>(U16(FSuffix).size()) + 1;
}

bool TExCustomDropDown::IsMinusAllowed(TChar Key) const {
    return FSigned && IsNumberType(FEditType) && Key == u'-';
}

bool TExCustomDropDown::IsDecimalsFull(const TValueSpan& Shown, int Caret) const {
    const int c = Caret - Shown.P;
    if (FPrecision <= 0 || Shown.L - c > FPrecision)
        return false;
    const int at = Pos(DecimalChar(), Shown.Value());
    if (at == 0)
        return false;
    return c >= at && Shown.L - at >= FPrecision;
}

bool TExCustomDropDown::ThousandGroupRefuses(const TValueSpan& Shown, int Caret) const {
    const char16_t thousand = ThousandChar();
    std::u16string rest = Shown.Value();
    if (!Contains(rest, thousand))
        return false;
    int c = Caret - Shown.P;
    int nearest = Shown.L;
    while (Contains(rest, thousand)) {
        const int p = Pos(thousand, rest);
        const int d = std::abs(p - c);
        nearest = std::min(nearest, d);
        if (d < 3)
            return true;
        if (c > p)
            c -= p;
        rest.erase(0, static_cast<size_t>(p));
    }
    return nearest > 3;
}

void TExCustomDropDown::FormatMoney() {
    const TValueSpan span = Span();
    std::u16string value = span.Value();
    if (value.empty())
        return;
    const int caret = SelStart();
    std::u16string sign;
    if (value[0] == u'-') {
        sign = u"-";
        value.erase(0, 1);
    }
    const size_t at = value.find(DecimalChar());
    const std::u16string fraction =
        at == std::u16string::npos ? std::u16string() : value.substr(at, 255);
    const std::u16string integer = U16(
        FormatDropDownNumber(std::trunc(std::fabs(GetFloatValue())), 0, FAutoThousandSeparator));
    const std::u16string composed = U16(FPrefix) + sign + integer + fraction + U16(FSuffix);
    // The typed character already reported the change; the regrouping is no change of its own.
    FBlockChange = composed != span.EditText;
    SetEditTextKeepingState(composed);
    FBlockChange = false;
    const int newLength = static_cast<int>(sign.size() + integer.size() + fraction.size());
    SetCaret(caret + newLength - span.L);
}

void TExCustomDropDown::ToggleSign(const TValueSpan& Shown) {
    const int caret = SelStart();
    std::u16string value = Shown.Value();
    const std::u16string prefix = U16(FPrefix);
    const std::u16string suffix = Shown.EditText.substr(static_cast<size_t>(Shown.P + Shown.L));
    const size_t minus = value.find(u'-');
    if (minus == std::u16string::npos) {
        SetEditTextKeepingState(prefix + u"-" + value + suffix);
        SetCaret(caret + 1);
    } else {
        value.erase(minus, 1);
        SetEditTextKeepingState(prefix + value + suffix);
        SetCaret(caret >= 1 && Shown.P < caret ? caret - 1 : Shown.P);
    }
    SetModified(true);
}

void TExCustomDropDown::InsertTyped(TChar Key) {
    std::u16string text = U16(TCustomMaskEdit::Text());
    int caret = std::clamp(SelStart(), 0, static_cast<int>(text.size()));
    const int length = std::clamp(SelLength(), 0, static_cast<int>(text.size()) - caret);
    if (Key == 8) {
        if (length > 0) {
            text.erase(static_cast<size_t>(caret), static_cast<size_t>(length));
        } else if (caret > 0) {
            text.erase(static_cast<size_t>(caret - 1), 1);
            --caret;
        }
    } else {
        text.replace(static_cast<size_t>(caret), static_cast<size_t>(length), 1, Key);
        ++caret;
    }
    TCustomMaskEdit::SetText(U8(text));
    SetCaret(caret);
    SetModified(true);
}

bool TExCustomDropDown::FilterChar(TMessage& Message) {
    TChar key = static_cast<TChar>(Message.WParam);
    if (!FEditorEnabled)
        return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    TWinControl* parent = Parent();
    TForm* form = GetParentForm(this);
    const bool keyPreview = form && form->KeyPreview();
    if (key == VK_RETURN) {
        if (!ctrl) {
            if (OnKeyPress)
                OnKeyPress(this, key);
            if (!FDefaultHandling && parent) {
                ::PostMessage(parent, WM_KEYDOWN, VK_RETURN);
                if (!keyPreview)
                    ::PostMessage(parent, WM_KEYUP, VK_RETURN);
            }
        }
        return false;
    }
    if (key == VK_ESCAPE) {
        if (!FDefaultHandling && parent) {
            if (keyPreview)
                return true;
            ::PostMessage(parent, WM_KEYDOWN, VK_ESCAPE);
            ::PostMessage(parent, WM_KEYUP, VK_ESCAPE);
        }
        if (!FCanUndo)
            return true;
    }
    if (ctrl && (key == CtrlC || key == CtrlV || key == CtrlX))
        return true;
    const char16_t decimal = DecimalChar();
    if (FExcelStyleDecimalSeparator && (key == u'.' || key == u',') &&
        (Message.LParam & KeypadDecimalBit) != 0) {
        key = decimal;
        Message.WParam = key;
    }
    const TValueSpan span = Span();
    const int caret = SelStart();
    const int selection = SelLength();
    if (key == 8 && !FPrefix.empty() && selection == 0 && caret <= span.P)
        return false;
    if (FLengthLimit > 0 && DigitsBeforeDecimal(span.Value()) - 1 >= FLengthLimit &&
        selection == 0 && caret < DecimalPos() && key != 8 && key != decimal &&
        !IsMinusAllowed(key))
        return false;
    if (key == 8 && FEditType != etMoney)
        return true;
    if (ctrl && key == LineFeed)
        return false;
    if (key == u'-' && IsNumberType(FEditType) && !FSigned)
        return false;
    const bool pass = FilterTypedChar(key, span);
    Message.WParam = key;
    return pass;
}

bool TExCustomDropDown::FilterTypedChar(TChar& Key, const TValueSpan& Shown) {
    const bool control = Key == 8 || Key == VK_TAB || Key == VK_RETURN;
    switch (FEditType) {
    case etString:
    case etPassword:
        SetModified(true);
        return true;
    case etUppercase:
    case etLowerCase: {
        const std::string one = U8(std::u16string(1, Key));
        const std::u16string cased =
            U16(FEditType == etUppercase ? UpperCase(one) : LowerCase(one));
        if (cased.size() == 1)
            Key = cased[0];
        SetModified(true);
        return true;
    }
    case etMixedCase: {
        if (control)
            return true;
        InsertTyped(Key);
        const int caret = SelStart();
        const TValueSpan typed = Span();
        SetEditTextKeepingState(U16(FPrefix) + U16(NameCase(U8(typed.Value()))) +
                                typed.EditText.substr(static_cast<size_t>(typed.P + typed.L)));
        SetCaret(caret);
        return false;
    }
    case etNumeric:
        if (Key == u'-') {
            if (Shown.L > 0 && SelLength() == Shown.L) {
                SetEditTextKeepingState(U16(FPrefix) + u"-" + U16(FSuffix));
                SetCaret(Shown.P + 1);
                SetModified(true);
            } else {
                ToggleSign(Shown);
            }
            return false;
        }
        if (control || IsTypedDigit(Key) || GetKeyState(VK_CONTROL) < 0) {
            SetModified(true);
            return true;
        }
        return false;
    case etFloat:
        return FilterFloatChar(Key, Shown, false);
    case etMoney:
        return FilterFloatChar(Key, Shown, true);
    case etRange: {
        if (!(control || IsTypedDigit(Key) || IsRangeSeparatorChar(Key)))
            return false;
        SetModified(true);
        if (!IsRangeSeparatorChar(Key))
            return true;
        const int caret = SelStart();
        const int after = caret + SelLength();
        const std::u16string& text = Shown.EditText;
        if (caret <= Shown.P)
            return false;
        if (IsRangeSeparatorChar(text[static_cast<size_t>(caret - 1)]))
            return false;
        if (after < Shown.P + Shown.L && IsRangeSeparatorChar(text[static_cast<size_t>(after)]))
            return false;
        return true;
    }
    case etHex:
        if (control || IsTypedDigit(Key) || Key == u'-' || (Key >= u'A' && Key <= u'F') ||
            (Key >= u'a' && Key <= u'f')) {
            SetModified(true);
            return true;
        }
        return false;
    case etAlphaNumeric:
        if (control || IsTypedDigit(Key) || (Key >= u'A' && Key <= u'Z') ||
            (Key >= u'a' && Key <= u'z')) {
            SetModified(true);
            return true;
        }
        return false;
    case etValidChars:
        if (Key == 8 || Contains(U16(FValidChars), Key)) {
            SetModified(true);
            return true;
        }
        return false;
    }
    return false;
}

bool TExCustomDropDown::FilterFloatChar(TChar& Key, const TValueSpan& Shown, bool Money) {
    const char16_t decimal = DecimalChar();
    const char16_t thousand = ThousandChar();
    const std::u16string value = Shown.Value();
    const std::u16string selected = U16(SelText());
    const int caret = SelStart();
    const bool control = Key == 8 || Key == VK_TAB || Key == VK_RETURN;
    if (Money) {
        if (Key == decimal && (Contains(value, decimal) || FPrecision == 0)) {
            if (FPrecision > 0) {
                if (Shown.L > 0 && SelLength() == Shown.L)
                    SetText(U8(std::u16string(u"0") + decimal + u"0"));
                SelectAfterDecimal();
            }
            return false;
        }
        if (!(control || Key == u'-' || IsTypedDigit(Key) || Key == decimal))
            return false;
    } else {
        if (Key == u',' && decimal != u',' && thousand != u',')
            return false;
        if (Key == u'.' && decimal != u'.' && thousand != u'.')
            return false;
        if (!(control || Key == u',' || Key == u'-' || Key == u'.' || IsTypedDigit(Key)))
            return false;
        if (Key == decimal && !Contains(selected, decimal) &&
            (Contains(value, decimal) || FPrecision == 0)) {
            if (FPrecision > 0)
                SelectAfterDecimal();
            return false;
        }
        if (Key == u',' && Contains(value, u',') && !Contains(selected, u',') && thousand != u',')
            return false;
    }
    if ((Key == thousand || Key == decimal) && ThousandGroupRefuses(Shown, caret))
        return false;
    if (IsDecimalsFull(Shown, caret) && (IsTypedDigit(Key) || Key == decimal) && SelLength() == 0) {
        const int c = caret - Shown.P;
        if (IsTypedDigit(Key) && c >= Pos(decimal, value) && c < Shown.L)
            SetCaret(caret, 1);
        else
            return false;
    }
    if (Key == decimal && caret <= Shown.P && Shown.L == 0) {
        SetEditTextKeepingState(U16(FPrefix) + u"0" + decimal +
                                Shown.EditText.substr(static_cast<size_t>(Shown.P)));
        SetCaret(Shown.P + 2);
        SetModified(true);
        return false;
    }
    if (Key == u'-' && SelLength() == 0) {
        ToggleSign(Shown);
        return false;
    }
    if (!Money) {
        SetModified(true);
        return true;
    }
    InsertTyped(Key);
    const std::u16string typed = Span().Value();
    if (!typed.empty() && typed != u"-" && Key != decimal)
        FormatMoney();
    return false;
}

void TExCustomDropDown::FormatOnExit() {
    if (ComponentState().Contains(csLoading) || !FormatsValueOnExit())
        return;
    const bool empty = Text().empty();
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) &&
        !(empty && FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(GetFloatValue());
        SetModified(modified);
    }
    if (FEditType == etNumeric && empty && !FAllowNumericNullValue)
        SetText("0");
    if ((FEditType == etFloat || FEditType == etMoney) && empty && !FAllowNumericNullValue)
        SetFloatValue(0);
}

void TExCustomDropDown::PasteValue() {
    if (ReadOnly())
        return;
    const std::u16string pasted = U16(Clipboard()->AsText());
    if (pasted.empty())
        return;
    const TValueSpan span = Span();
    const std::u16string value = span.Value();
    const int start = std::clamp(SelStart() - span.P, 0, span.L);
    const int length = std::clamp(SelLength(), 0, span.L - start);
    const std::u16string composed = value.substr(0, static_cast<size_t>(start)) + pasted +
                                    value.substr(static_cast<size_t>(start + length));
    const int caret = length > 0 ? start : start + static_cast<int>(pasted.size());
    const int selection = length > 0 ? static_cast<int>(pasted.size()) : 0;

    bool allow = true;
    if (OnClipboardPaste)
        OnClipboardPaste(this, U8(composed), allow);
    if (!allow)
        return;
    if (MaxLength() > 0 && static_cast<int>(pasted.size()) + span.L - length > MaxLength())
        return;
    const TPasteOutcome outcome =
        ApplyPasteRules({FEditType, FPrecision, FSigned, FValidChars}, U8(composed), U8(pasted));
    if (outcome.Action != paRefuse) {
        SetText(outcome.Value);
        if (outcome.Action == paSetNumber)
            SetFloatValue(GetFloatValue());
        SetModified(true);
    }
    const TValueSpan after = Span();
    if (FEditType == etMoney && after.L > 3) {
        SelectAll();
        return;
    }
    const int newCaret = std::clamp(caret, 0, after.L);
    SetCaret(after.P + newCaret, std::clamp(selection, 0, after.L - newCaret));
}

void TExCustomDropDown::CutValue() {
    if (!FEditorEnabled || ReadOnly())
        return;
    const TValueSpan span = Span();
    const int start = std::clamp(SelStart() - span.P, 0, span.L);
    const int length = std::clamp(SelLength(), 0, span.L - start);
    bool allow = true;
    FBlockCopy = true;
    if (OnClipboardCut)
        OnClipboardCut(
            this, U8(span.Value().substr(static_cast<size_t>(start), static_cast<size_t>(length))),
            allow);
    if (allow && length > 0) {
        // Only the value is cut: prefix and suffix stay.
        SetCaret(span.P + start, length);
        CutToClipboard();
        SetModified(true);
    }
    FBlockCopy = false;
}

void TExCustomDropDown::CopyValue() {
    const TValueSpan span = Span();
    const int start = std::clamp(SelStart() - span.P, 0, span.L);
    const int length = std::clamp(SelLength(), 0, span.L - start);
    bool allow = true;
    if (OnClipboardCopy && !FBlockCopy)
        OnClipboardCopy(
            this, U8(span.Value().substr(static_cast<size_t>(start), static_cast<size_t>(length))),
            allow);
    FBlockCopy = false;
    if (allow)
        CopyToClipboard();
}
