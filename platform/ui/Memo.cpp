#include "platform/ui/Memo.h"

#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/ScrollStyle.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

struct TMemo::Impl final : TItemStringsObserver {
    QPlainTextEdit* Editor = nullptr;
    TItemStrings* Lines = nullptr;
    // Set while the lines are read back from the editor: they need not be written to it.
    bool ReadingBack = false;
    // Set while the lines are written to the editor: they are right already.
    bool Writing = false;

    void WriteLines() {
        if (ReadingBack)
            return;
        Writing = true;
        Editor->setPlainText(QtConvert::ToQString(Lines->Text()));
        Writing = false;
    }
    // Cuts what the user typed or pasted beyond the limit, just before the caret; true when it
    // did (the cut changes the text again and reports it).
    bool CutToLimit(int limit) {
        if (limit <= 0 || Writing)
            return false;
        const qsizetype excess = Editor->toPlainText().size() - limit;
        if (excess <= 0)
            return false;
        QTextCursor cursor = Editor->textCursor();
        const int end = cursor.position();
        cursor.setPosition(static_cast<int>(std::max<qsizetype>(end - excess, 0)));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        return true;
    }
    void ReadBack() {
        ReadingBack = true;
        Lines->SetText(QtConvert::FromQString(Editor->toPlainText()));
        ReadingBack = false;
    }

    void ItemInserted(int, const std::string&) override { WriteLines(); }
    void ItemDeleted(int) override { WriteLines(); }
    void ItemChanged(int, const std::string&) override { WriteLines(); }
    void ItemsCleared() override { WriteLines(); }
};

TMemo::TMemo(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()),
      FLines(std::make_unique<TItemStrings>(*FImpl)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    FImpl->Lines = FLines.get();
    FImpl->Editor = new QPlainTextEdit();
    FImpl->Editor->setTabChangesFocus(true);
    NativeHost::Embed(this, FImpl->Editor);
    SetScrollBars(ssNone);
    QObject::connect(FImpl->Editor, &QPlainTextEdit::textChanged, FImpl->Editor, [this] {
        if (FImpl->CutToLimit(FMaxLength))
            return;
        if (!FImpl->Writing)
            FImpl->ReadBack();
        Change();
    });
}

TMemo::~TMemo() {
    FImpl->Editor->disconnect();
}

std::string TMemo::Text() const {
    return QtConvert::FromQString(FImpl->Editor->toPlainText());
}

void TMemo::SetText(const std::string& value) {
    if (value == Text())
        return;
    FImpl->Editor->setPlainText(QtConvert::ToQString(value));
    Perform(CM_TEXTCHANGED);
}

void TMemo::SelectAll() {
    FImpl->Editor->selectAll();
}

int TMemo::SelStart() const {
    return FImpl->Editor->textCursor().selectionStart();
}

int TMemo::SelLength() const {
    const QTextCursor cursor = FImpl->Editor->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TMemo::SetBorderStyle(TBorderStyle value) {
    FBorderStyle = value;
    FImpl->Editor->setFrameShape(value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

bool TMemo::ReadOnly() const {
    return FImpl->Editor->isReadOnly();
}

void TMemo::SetReadOnly(bool value) {
    FImpl->Editor->setReadOnly(value);
}

void TMemo::SetWordWrap(bool value) {
    FWordWrap = value;
    FImpl->Editor->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle value) {
    FScrollBars = value;
    ApplyScrollStyle(*FImpl->Editor, value);
}

void TMemo::SetWantTabs(bool value) {
    FWantTabs = value;
    FImpl->Editor->setTabChangesFocus(!value);
}

void TMemo::WndProc(TMessage& Message) {
    TWinControl::WndProc(Message);
    if (Message.Msg != WM_GETDLGCODE)
        return;
    if (FWantReturns)
        Message.Result |= DLGC_WANTALLKEYS;
    if (FWantTabs)
        Message.Result |= DLGC_WANTTAB;
}

void TMemo::Change() {
    if (OnChange)
        OnChange(this);
}
