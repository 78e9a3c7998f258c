#include "platform/ui/Edit.h"

#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// Cuts what the user inserts so the text stays within the length limit, as the framework's edit
// does: a typed character that does not fit is dropped, a pasted text keeps the part that fits.
// Text that the program sets passes whole.
class LengthLimit final : public QValidator {
public:
    int Limit = 0;
    bool ProgramChange = false;
    // The text as it stood before the edit being validated.
    QString LastText;

    State validate(QString& input, int& pos) const override {
        if (ProgramChange || Limit <= 0 || input.size() <= Limit || input.size() <= LastText.size())
            return Acceptable;
        // The inserted run ends at the caret; what follows the caret is the old tail.
        qsizetype suffix = std::clamp<qsizetype>(input.size() - pos, 0, LastText.size());
        if (input.right(suffix) != LastText.right(suffix))
            suffix = 0;
        qsizetype prefix = 0;
        const qsizetype prefixLimit = std::min(input.size(), LastText.size()) - suffix;
        while (prefix < prefixLimit && input[prefix] == LastText[prefix])
            ++prefix;
        const qsizetype inserted = input.size() - prefix - suffix;
        // The old text that stays: before and after the replaced run.
        const qsizetype kept = prefix + suffix;
        qsizetype room = std::clamp<qsizetype>(Limit - kept, 0, inserted);
        if (room > 0 && room < inserted && input[prefix + room - 1].isHighSurrogate())
            --room;
        input = input.left(prefix) + input.mid(prefix, room) + input.right(suffix);
        pos = static_cast<int>(prefix + room);
        return Acceptable;
    }
};

} // namespace

struct TEdit::Impl {
    QLineEdit* Line = nullptr;
    LengthLimit* Limit = nullptr;
    // The text last reported through OnChange.
    QString ReportedText;

    // Runs a change made by the program: no length limit, and not marked as modified.
    template <typename F> void ProgramChange(F&& change) {
        Limit->ProgramChange = true;
        change();
        Limit->ProgramChange = false;
    }
};

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner), FImpl(std::make_unique<Impl>()) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    FImpl->Line = new QLineEdit();
    FImpl->Limit = new LengthLimit();
    FImpl->Limit->setParent(FImpl->Line);
    FImpl->Line->setValidator(FImpl->Limit);
    NativeHost::Embed(this, FImpl->Line);
    QObject::connect(FImpl->Line, &QLineEdit::textChanged, FImpl->Line,
                     [this](const QString& text) {
                         FImpl->Limit->LastText = text;
                         if (text == FImpl->ReportedText)
                             return;
                         FImpl->ReportedText = text;
                         if (!FImpl->Limit->ProgramChange)
                             FModified = true;
                         Change();
                     });
}

TEdit::~TEdit() {
    FImpl->Line->disconnect();
}

std::string TEdit::Text() const {
    return QtConvert::FromQString(FImpl->Line->text());
}

void TEdit::SetText(const std::string& value) {
    const QString text = QtConvert::ToQString(value);
    if (text == FImpl->Line->text())
        return;
    FImpl->ProgramChange([&] { FImpl->Line->setText(text); });
    FModified = false;
    Perform(CM_TEXTCHANGED);
}

void TEdit::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
    FImpl->Limit->Limit = FMaxLength;
}

bool TEdit::ReadOnly() const {
    return FImpl->Line->isReadOnly();
}

void TEdit::SetReadOnly(bool value) {
    FImpl->Line->setReadOnly(value);
}

void TEdit::SetPasswordChar(TChar value) {
    FPasswordChar = value;
    FImpl->Line->setEchoMode(value == 0 ? QLineEdit::Normal : QLineEdit::Password);
}

int TEdit::SelStart() const {
    const int start = FImpl->Line->selectionStart();
    return start >= 0 ? start : FImpl->Line->cursorPosition();
}

void TEdit::SetSelStart(int value) {
    FImpl->Line->setCursorPosition(value);
}

int TEdit::SelLength() const {
    return FImpl->Line->selectionLength();
}

void TEdit::SetSelLength(int value) {
    FImpl->Line->setSelection(SelStart(), value);
}

std::string TEdit::SelText() const {
    return QtConvert::FromQString(FImpl->Line->selectedText());
}

void TEdit::SetSelText(const std::string& value) {
    FImpl->ProgramChange([&] { FImpl->Line->insert(QtConvert::ToQString(value)); });
}

void TEdit::SelectAll() {
    FImpl->Line->selectAll();
}

void TEdit::ClearSelection() {
    if (FImpl->Line->hasSelectedText())
        FImpl->Line->del();
}

void TEdit::CutToClipboard() {
    FImpl->Line->cut();
}

void TEdit::CopyToClipboard() {
    FImpl->Line->copy();
}

void TEdit::PasteFromClipboard() {
    FImpl->Line->paste();
}

void TEdit::Undo() {
    FImpl->Line->undo();
}

void TEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CUT:
        CutToClipboard();
        break;
    case WM_COPY:
        CopyToClipboard();
        break;
    case WM_PASTE:
        PasteFromClipboard();
        break;
    case WM_CLEAR:
        ClearSelection();
        break;
    case WM_UNDO:
        Undo();
        Message.Result = 1;
        break;
    default:
        TWinControl::WndProc(Message);
    }
}

void TEdit::Change() {
    if (OnChange)
        OnChange(this);
}

void TEdit::DoEnter() {
    // A click places the caret itself; only keyboard and program focus select everything.
    if (FAutoSelect && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
    TWinControl::DoEnter();
}
