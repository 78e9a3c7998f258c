#include "platform/ui/Edit.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/EditLengthLimit.h"

#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

// Reports its painting, which QLineEdit only offers as an override.
class NativeLine final : public QLineEdit {
public:
    std::function<void(QPaintEvent*)> Painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (Painted)
            Painted(event);
    }
};

} // namespace

struct TEdit::Impl {
    NativeLine* Line = nullptr;
    TCanvas Canvas;
    // The text last reported through OnChange.
    QString ReportedText;
    // Set by SetEditRect; empty means the whole client area.
    TRect EditRect;

    // Runs a change made by the program: no length limit, and not marked as modified.
    template <typename F> void ProgramChange(F&& change) {
        EditLengthLimit::ProgramChange(Line, change);
    }
};

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner), FImpl(std::make_unique<Impl>()) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    FImpl->Line = new NativeLine();
    FImpl->Line->Painted = [this](QPaintEvent* event) {
        QPainter painter(FImpl->Line);
        TCanvasAccess::BeginPaint(FImpl->Canvas, &painter, event->region());
        FImpl->Canvas.Font()->Assign(*Font());
        PaintOver();
        TCanvasAccess::EndPaint(FImpl->Canvas);
    };
    EditLengthLimit::Apply(FImpl->Line, 0);
    NativeHost::Embed(this, FImpl->Line);
    QObject::connect(FImpl->Line, &QLineEdit::textChanged, FImpl->Line,
                     [this](const QString& text) {
                         if (text == FImpl->ReportedText)
                             return;
                         FImpl->ReportedText = text;
                         if (!EditLengthLimit::InProgramChange(FImpl->Line))
                             FModified = true;
                         Change();
                     });
}

TEdit::~TEdit() {
    FImpl->Line->Painted = nullptr;
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
    EditLengthLimit::Apply(FImpl->Line, FMaxLength);
}

bool TEdit::ReadOnly() const {
    return FImpl->Line->isReadOnly();
}

void TEdit::SetBorderStyle(TBorderStyle value) {
    FBorderStyle = value;
    FImpl->Line->setFrame(value != bsNone);
}

void TEdit::SetAlignment(TAlignment value) {
    FAlignment = value;
    Qt::Alignment horizontal = value == taRightJustify ? Qt::AlignRight
                               : value == taCenter     ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
    FImpl->Line->setAlignment(horizontal | Qt::AlignVCenter);
}

TRect TEdit::EditRect() const {
    const TRect& r = FImpl->EditRect;
    return r.Width() > 0 || r.Height() > 0 ? r : ClientRect();
}

void TEdit::SetEditRect(const TRect& value) {
    FImpl->EditRect = value;
    FImpl->Line->setTextMargins(std::max(value.Left, 0), std::max(value.Top, 0),
                                std::max(ClientWidth() - value.Right, 0),
                                std::max(ClientHeight() - value.Bottom, 0));
}

TCanvas* TEdit::Canvas() const {
    return &FImpl->Canvas;
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

int TEdit::CharFromPos(TPoint ClientPoint) const {
    if (ClientPoint.X < 0 || ClientPoint.Y < 0 || ClientPoint.X >= ClientWidth() ||
        ClientPoint.Y >= ClientHeight())
        return -1;
    QLineEdit* line = FImpl->Line;
    const QPoint inLine =
        line->mapFrom(NativeHost::Widget(this), QPoint(ClientPoint.X, ClientPoint.Y));
    return line->cursorPositionAt(inLine);
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
