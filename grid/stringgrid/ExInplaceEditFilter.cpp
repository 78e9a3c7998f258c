// What the text editor lets through: typed characters and pasted texts, by the editor kind.
#include "grid/stringgrid/ExInplaceEdit.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/CodePage.h"

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace {
constexpr char16_t Backspace = 8;
constexpr char16_t Tab = 9;
constexpr char16_t Enter = 13;
constexpr char16_t EscapeKey = 27;

bool IsControlKey(char16_t key) {
    return key == Backspace || key == Tab || key == Enter || key == EscapeKey;
}

bool IsDigitKey(char16_t key) {
    return key >= u'0' && key <= u'9';
}

// Whether the text outside the selection holds the character.
bool HoldsOutsideSelection(const TTypedCharContext& ctx, char16_t ch) {
    for (int i = 0; i < static_cast<int>(ctx.Text.size()); ++i)
        if (ctx.Text[i] == ch && (i < ctx.SelStart || i >= ctx.SelStart + ctx.SelLength))
            return true;
    return false;
}

// Letters of every script change case, not only ASCII ones; surrogate halves stay as they are.
const std::locale& CaseLocale() {
    static const std::locale locale = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return locale;
}

char16_t ConvertCase(char16_t key, bool upper) {
    if (key >= 0xD800 && key <= 0xDFFF)
        return key;
    const wchar_t wide = static_cast<wchar_t>(key);
    const wchar_t converted =
        upper ? std::toupper(wide, CaseLocale()) : std::tolower(wide, CaseLocale());
    return converted <= 0xFFFF ? static_cast<char16_t>(converted) : key;
}

std::string ConvertTextCase(const std::string& text, bool upper) {
    std::u16string wide = Utf8ToUtf16(text);
    for (char16_t& ch : wide)
        ch = ConvertCase(ch, upper);
    return Utf16ToUtf8(wide);
}

TTypedCharVerdict FilterNumber(char16_t key, const TTypedCharContext& ctx, bool allowMinus) {
    if (IsControlKey(key) || IsDigitKey(key))
        return TTypedCharVerdict::Accept;
    if (key == u'-' && allowMinus && ctx.SelStart == 0 && !HoldsOutsideSelection(ctx, u'-'))
        return TTypedCharVerdict::Accept;
    return TTypedCharVerdict::Beep;
}

TTypedCharVerdict FilterFloat(char16_t key, const TTypedCharContext& ctx, bool allowMinus) {
    const bool candidate = IsControlKey(key) || IsDigitKey(key) || key == u',' || key == u'.' ||
                           (key == u'-' && allowMinus);
    if (!candidate)
        return ctx.Ctrl ? TTypedCharVerdict::Accept : TTypedCharVerdict::Drop;
    if (key == ctx.DecimalSeparator && HoldsOutsideSelection(ctx, ctx.DecimalSeparator))
        return TTypedCharVerdict::Drop;
    if (key == ctx.ThousandSeparator)
        return TTypedCharVerdict::Drop;
    if (key == u'-' && (ctx.SelStart != 0 || HoldsOutsideSelection(ctx, u'-')))
        return TTypedCharVerdict::Beep;
    return TTypedCharVerdict::Accept;
}
} // namespace

TTypedCharVerdict FilterTypedChar(TEditorType Kind, char16_t& Key, const TTypedCharContext& Ctx) {
    // A full editor takes nothing more, silently; deleting and leaving keys still work.
    if (Ctx.LengthLimit > 0 && static_cast<int>(Ctx.Text.size()) >= Ctx.LengthLimit &&
        Ctx.SelLength == 0 && Key != Backspace && Key != EscapeKey && Key != Enter)
        return TTypedCharVerdict::Drop;
    switch (Kind) {
    case edNumeric:
        return FilterNumber(Key, Ctx, true);
    case edPositiveNumeric:
        return FilterNumber(Key, Ctx, false);
    case edFloat:
        return FilterFloat(Key, Ctx, true);
    case edPositiveFloat:
        return FilterFloat(Key, Ctx, false);
    case edCapital:
    case edUpperCase:
        Key = ConvertCase(Key, true);
        return TTypedCharVerdict::Accept;
    case edLowerCase:
        Key = ConvertCase(Key, false);
        return TTypedCharVerdict::Accept;
    case edValidChars:
        if (Key == Backspace || Key == Enter || Ctx.ValidChars.find(Key) != std::u16string::npos)
            return TTypedCharVerdict::Accept;
        return TTypedCharVerdict::Beep;
    default:
        return TTypedCharVerdict::Accept;
    }
}

bool FilterPastedText(TEditorType Kind, std::string& Text, const std::u16string& ValidChars) {
    const bool hasMinus = Text.find('-') != std::string::npos;
    switch (Kind) {
    case edNumeric:
        return GetNumberKind(Text) == nkInteger;
    case edPositiveNumeric:
        return GetNumberKind(Text) == nkInteger && !hasMinus;
    case edFloat:
        return GetNumberKind(Text) < nkNone;
    case edPositiveFloat:
        return GetNumberKind(Text) < nkNone && !hasMinus;
    case edMixedCase:
        Text = NameCase(Text);
        return true;
    case edLowerCase:
        Text = ConvertTextCase(Text, false);
        return true;
    case edUpperCase:
        Text = ConvertTextCase(Text, true);
        return true;
    case edValidChars: {
        const std::u16string wide = Utf8ToUtf16(Text);
        return std::all_of(wide.begin(), wide.end(), [&](char16_t ch) {
            return ValidChars.find(ch) != std::u16string::npos;
        });
    }
    default:
        return true;
    }
}

TPasteResult PasteIntoEditorText(TEditorType Kind, const std::string& Text, int SelStart,
                                 int SelLength, std::string Pasted, int LengthLimit,
                                 const std::u16string& ValidChars) {
    TPasteResult result;
    result.Text = Text;
    const std::u16string text = Utf8ToUtf16(Text);
    if (LengthLimit > 0 && static_cast<int>(Utf8ToUtf16(Pasted).size()) > LengthLimit)
        return result;
    result.Pasted = true;
    // One line copied from a spreadsheet or an editor comes with a line break at its end.
    if (Pasted.size() >= 2 && Pasted.find("\r\n") == Pasted.size() - 2)
        Pasted.resize(Pasted.size() - 2);
    const std::u16string pasted = Utf8ToUtf16(Pasted);
    const int size = static_cast<int>(text.size());
    const int start = std::clamp(SelStart, 0, size);
    const int length = std::clamp(SelLength, 0, size - start);
    std::string next = Utf16ToUtf8(text.substr(0, start) + pasted + text.substr(start + length));
    if ((LengthLimit < 1 || static_cast<int>(Utf8ToUtf16(next).size()) <= LengthLimit) &&
        FilterPastedText(Kind, next, ValidChars))
        result.Text = std::move(next);
    const int pastedLength = static_cast<int>(pasted.size());
    result.SelStart = length > 0 ? start : start + pastedLength;
    result.SelLength = length > 0 ? pastedLength : 0;
    return result;
}
