#include "platform/ui/MaskEdit.h"

#include "platform/core/FormatSettings.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QLineEdit>

#include <string_view>

namespace {

// Characters the platform's input mask reads as commands; as literals they are escaped.
bool IsInputMaskCommand(char ch) {
    return std::string_view("AaNnXx90Dd#HhBb><!{}[]\\;").find(ch) != std::string_view::npos;
}

void AppendLiteral(std::string& mask, std::string_view literal) {
    for (char ch : literal) {
        if (IsInputMaskCommand(ch))
            mask += '\\';
        mask += ch;
    }
}

// The number of UTF-8 bytes of the character that starts with lead.
size_t CharLength(unsigned char lead) {
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The command of each position of an input mask, 0 for a literal position.
QString PositionKinds(const QString& inputMask) {
    QString kinds;
    for (qsizetype i = 0; i < inputMask.size() && inputMask[i] != u';'; ++i) {
        const QChar m = inputMask[i];
        if (QStringView(u"<>!").contains(m))
            continue;
        if (m == u'\\') {
            ++i;
            kinds += QChar(0);
        } else {
            kinds += QStringView(u"AaNnXx90Dd#HhBb").contains(m) ? m : QChar(0);
        }
    }
    return kinds;
}

bool Fits(QChar kind, QChar ch) {
    switch (kind.toLatin1()) {
    case 'A':
    case 'a':
        return ch.isLetter();
    case 'N':
    case 'n':
        return ch.isLetterOrNumber();
    case 'X':
    case 'x':
        return ch.isPrint();
    case '9':
    case '0':
        return ch.isDigit();
    case 'D':
    case 'd':
        return ch.isDigit() && ch != u'0';
    case '#':
        return ch.isDigit() || ch == u'+' || ch == u'-';
    case 'H':
    case 'h':
        return ch.isDigit() || QStringView(u"abcdefABCDEF").contains(ch);
    case 'B':
    case 'b':
        return ch == u'0' || ch == u'1';
    default:
        return false;
    }
}

// nullptr while a descendant shows its text in another native editor (several lines).
QLineEdit* Line(const TCustomMaskEdit* edit) {
    return qobject_cast<QLineEdit*>(NativeHost::Embedded(edit));
}

} // namespace

TTranslatedMask TranslateEditMask(const std::string& editMask, const std::string& timeSeparator,
                                  const std::string& dateSeparator) {
    TTranslatedMask result;
    std::string& mask = result.InputMask;
    size_t i = 0;
    for (; i < editMask.size(); ++i) {
        const char ch = editMask[i];
        if (ch == ';')
            break;
        switch (ch) {
        case 'L':
            mask += 'A';
            break;
        case 'l':
            mask += 'a';
            break;
        case 'A':
            mask += 'N';
            break;
        case 'a':
            mask += 'n';
            break;
        case 'C':
            mask += 'X';
            break;
        case 'c':
            mask += 'x';
            break;
        case '0':
            mask += '9';
            break;
        case '9':
            mask += '0';
            break;
        case '#':
            mask += '#';
            break;
        case ':':
            AppendLiteral(mask, timeSeparator);
            break;
        case '/':
            AppendLiteral(mask, dateSeparator);
            break;
        case '>':
            mask += '>';
            break;
        case '!':
            break; // blanks leading instead of trailing: no counterpart, input unchanged
        case '<':
            if (i + 1 < editMask.size() && editMask[i + 1] == '>') {
                mask += '!';
                ++i;
            } else {
                mask += '<';
            }
            break;
        case '\\':
            if (i + 1 < editMask.size()) {
                const size_t length = CharLength(static_cast<unsigned char>(editMask[i + 1]));
                AppendLiteral(mask, std::string_view(editMask).substr(i + 1, length));
                i += length;
            }
            break;
        case '_':
            mask += ' ';
            break;
        default: {
            const size_t length = CharLength(static_cast<unsigned char>(ch));
            AppendLiteral(mask, std::string_view(editMask).substr(i, length));
            i += length - 1;
            break;
        }
        }
    }
    if (mask.empty())
        return result;
    // The fields after the characters: save-literals flag, then the blank character.
    std::string_view rest = i < editMask.size() ? std::string_view(editMask).substr(i + 1) : "";
    const size_t separator = rest.find(';');
    const std::string_view save = rest.substr(0, separator);
    result.SaveLiterals = save.empty() || save.front() != '0';
    std::string_view blank = separator == std::string_view::npos ? "" : rest.substr(separator + 1);
    mask += ';';
    if (blank.empty())
        mask += '_';
    else
        mask.append(blank.substr(0, CharLength(static_cast<unsigned char>(blank.front()))));
    return result;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TEdit(AOwner) {}

TCustomMaskEdit::~TCustomMaskEdit() = default;

void TCustomMaskEdit::SetEditMask(const std::string& value) {
    if (value == FEditMask)
        return;
    const std::string text = TEdit::Text();
    FEditMask = value;
    const TFormatSettings settings = CurrentFormatSettings();
    const TTranslatedMask translated =
        TranslateEditMask(value, settings.TimeSeparator, settings.DateSeparator);
    FSaveLiterals = translated.SaveLiterals;
    if (QLineEdit* line = Line(this))
        line->setInputMask(QtConvert::ToQString(translated.InputMask));
    SetText(text);
}

void TCustomMaskEdit::KeyPress(TChar& Key) {
    TEdit::KeyPress(Key);
    if (Key >= 0x20 && IsMasked() && !ReadOnly() && !FitsMask(Key))
        Key = 0;
}

bool TCustomMaskEdit::FitsMask(TChar ch) const {
    const QLineEdit* line = Line(this);
    if (!line)
        return true;
    const QString kinds = PositionKinds(line->inputMask());
    for (qsizetype i = SelStart(); i < kinds.size(); ++i)
        if (!kinds[i].isNull())
            return Fits(kinds[i], QChar(ch));
    return false;
}

std::string TCustomMaskEdit::EditText() const {
    const QLineEdit* line = Line(this);
    return line ? QtConvert::FromQString(line->displayText()) : TEdit::Text();
}

std::string TCustomMaskEdit::Text() const {
    if (!IsMasked() || FSaveLiterals)
        return TEdit::Text();
    // Leaves out the positions of literals and the blanks of what was not typed.
    const QLineEdit* line = Line(this);
    if (!line)
        return TEdit::Text();
    const QString shown = line->displayText();
    const QString mask = line->inputMask();
    const QChar blank = mask.isEmpty() ? QChar(u'_') : mask.back();
    const QString kinds = PositionKinds(mask);
    QString result;
    for (qsizetype i = 0; i < shown.size() && i < kinds.size(); ++i)
        if (!kinds[i].isNull() && shown[i] != blank)
            result += shown[i];
    return QtConvert::FromQString(result);
}

bool TCustomMaskEdit::MaskFilled() const {
    const QLineEdit* line = Line(this);
    const QString mask = line ? line->inputMask() : QString();
    if (mask.isEmpty())
        return false;
    return !line->displayText().contains(mask.back());
}
