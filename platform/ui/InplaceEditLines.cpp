#include "platform/ui/internal/InplaceEditLines.h"

#include "platform/ui/Messages.h"
#include "platform/ui/internal/QtConvert.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace {
bool IsBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The break the text is stored with: the first one it holds.
QString BreakOf(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r')
            return i + 1 < text.size() && text[i + 1] == u'\n' ? QStringLiteral("\r\n")
                                                               : QStringLiteral("\r");
        if (text[i] == u'\n')
            return QStringLiteral("\n");
    }
    return QStringLiteral("\r\n");
}

// The native editor breaks lines at "\n" only.
QString WithNewlines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

struct InplaceEditLines::Impl {
    QPointer<QPlainTextEdit> Editor;
    std::function<void()> Changed;
    QString Break = QStringLiteral("\r\n");
    // The characters last reported, and whether a change is the program's quiet one.
    QString Reported;
    bool Quiet = false;

    // The document's characters, one unit for each line break (its positions). Built from the
    // blocks, as the document's own plain text turns non-breaking spaces into spaces.
    QString Units() const {
        const QTextDocument* doc = Editor->document();
        QString units;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (b != doc->begin())
                units += QChar::ParagraphSeparator;
            units += b.text();
        }
        return units;
    }
    QString TextOf(const QString& units) const {
        QString text;
        text.reserve(units.size());
        for (QChar c : units) {
            if (IsBreak(c))
                text += Break;
            else
                text += c;
        }
        return text;
    }
    int ToText(const QString& units, int position) const {
        int text = position;
        for (int i = 0; i < std::min<int>(position, units.size()); ++i)
            if (IsBreak(units[i]))
                text += static_cast<int>(Break.size()) - 1;
        return text;
    }
    // A position inside a stored "\r\n" stands before the break.
    int ToDocument(const QString& units, int text) const {
        int at = 0;
        for (int i = 0; i < units.size(); ++i) {
            at += IsBreak(units[i]) ? static_cast<int>(Break.size()) : 1;
            if (text < at)
                return i;
        }
        return static_cast<int>(units.size());
    }
    void TextChanged() {
        const QString units = Units();
        if (units == Reported)
            return;
        Reported = units;
        if (!Quiet && Changed)
            Changed();
    }
    // The caret's line within its block; wrapped lines count once laid out.
    static int LineInBlock(const QTextCursor& c, int& lineCount) {
        const QTextLayout* layout = c.block().layout();
        lineCount = layout ? std::max(layout->lineCount(), 1) : 1;
        if (!layout || layout->lineCount() == 0)
            return 0;
        const QTextLine line = layout->lineForTextPosition(c.positionInBlock());
        return line.isValid() ? line.lineNumber() : 0;
    }
    QTextCursor LaidOutCaret() const {
        QTextCursor c = Editor->textCursor();
        Editor->document()->documentLayout()->blockBoundingRect(c.block());
        return c;
    }
};

InplaceEditLines::InplaceEditLines(std::function<void()> Changed)
    : FImpl(std::make_unique<Impl>()) {
    FImpl->Changed = std::move(Changed);
    auto* editor = new QPlainTextEdit();
    FImpl->Editor = editor;
    editor->setFrameShape(QFrame::NoFrame); // the cell's own lines frame it
    editor->setTabChangesFocus(true);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->document()->setDocumentMargin(2);
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor,
                     [this] { FImpl->TextChanged(); });
}

InplaceEditLines::~InplaceEditLines() {
    if (!FImpl->Editor)
        return;
    FImpl->Editor->disconnect();
    if (!FImpl->Editor->parent())
        delete FImpl->Editor.data();
}

QWidget* InplaceEditLines::Widget() const {
    return FImpl->Editor;
}

void InplaceEditLines::SetLayout(int Alignment, bool RightToLeft, bool WordWrap) {
    QPlainTextEdit* editor = FImpl->Editor;
    editor->setLineWrapMode(WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    // A word longer than the line breaks inside, as the cell draws it.
    editor->setWordWrapMode(WordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                     : QTextOption::NoWrap);
    editor->setLayoutDirection(RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QTextOption option = editor->document()->defaultTextOption();
    option.setAlignment(Qt::Alignment::fromInt(Alignment));
    option.setTextDirection(RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    editor->document()->setDefaultTextOption(option);
}

std::string InplaceEditLines::Text() const {
    return QtConvert::FromQString(FImpl->TextOf(FImpl->Units()));
}

bool InplaceEditLines::SetText(const std::string& Value, bool Quietly) {
    const QString value = QtConvert::ToQString(Value);
    if (value == FImpl->TextOf(FImpl->Units()))
        return false;
    FImpl->Break = BreakOf(value);
    FImpl->Quiet = Quietly;
    FImpl->Editor->setPlainText(WithNewlines(value));
    FImpl->Quiet = false;
    // As a one-line edit does, the caret goes to the end of a text set whole.
    FImpl->Editor->moveCursor(QTextCursor::End);
    return true;
}

int InplaceEditLines::SelStart() const {
    return FImpl->ToText(FImpl->Units(), FImpl->Editor->textCursor().selectionStart());
}

int InplaceEditLines::SelLength() const {
    const QTextCursor c = FImpl->Editor->textCursor();
    const QString units = FImpl->Units();
    return FImpl->ToText(units, c.selectionEnd()) - FImpl->ToText(units, c.selectionStart());
}

void InplaceEditLines::Select(int Start, int Length) {
    const QString units = FImpl->Units();
    Start = std::max(Start, 0);
    QTextCursor c = FImpl->Editor->textCursor();
    c.setPosition(FImpl->ToDocument(units, Start));
    c.setPosition(FImpl->ToDocument(units, Start + std::max(Length, 0)), QTextCursor::KeepAnchor);
    FImpl->Editor->setTextCursor(c);
}

int InplaceEditLines::PositionAt(int X, int Y) const {
    QPlainTextEdit* editor = FImpl->Editor;
    const QPoint inView = editor->viewport()->mapFrom(editor, QPoint(X, Y));
    return FImpl->ToText(FImpl->Units(), editor->cursorForPosition(inView).position());
}

void InplaceEditLines::SelectAll() {
    FImpl->Editor->selectAll();
}

std::string InplaceEditLines::SelText() const {
    return QtConvert::FromQString(FImpl->TextOf(FImpl->Editor->textCursor().selectedText()));
}

void InplaceEditLines::ReplaceSelection(const std::string& Value) {
    QTextCursor c = FImpl->Editor->textCursor();
    c.insertText(WithNewlines(QtConvert::ToQString(Value)));
    FImpl->Editor->setTextCursor(c);
}

void InplaceEditLines::InsertLineBreak() {
    QTextCursor c = FImpl->Editor->textCursor();
    c.insertBlock();
    FImpl->Editor->setTextCursor(c);
    FImpl->Editor->ensureCursorVisible();
}

bool InplaceEditLines::CaretOnFirstLine() const {
    const QTextCursor c = FImpl->LaidOutCaret();
    int lines = 1;
    return c.block() == FImpl->Editor->document()->firstBlock() && Impl::LineInBlock(c, lines) == 0;
}

bool InplaceEditLines::CaretOnLastLine() const {
    const QTextCursor c = FImpl->LaidOutCaret();
    int lines = 1;
    const int line = Impl::LineInBlock(c, lines);
    return c.block() == FImpl->Editor->document()->lastBlock() && line == lines - 1;
}

bool InplaceEditLines::HandleClipboardMessage(unsigned Msg) {
    QPlainTextEdit* editor = FImpl->Editor;
    switch (Msg) {
    case WM_CUT:
        editor->cut();
        return true;
    case WM_COPY:
        editor->copy();
        return true;
    case WM_PASTE:
        editor->paste();
        return true;
    case WM_CLEAR:
        editor->textCursor().removeSelectedText();
        return true;
    case WM_UNDO:
        editor->undo();
        return true;
    default:
        return false;
    }
}
