#include "platform/ui/ComboBox.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/EditLengthLimit.h"

#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

class ListKeysToEdit;

// Reports the opening and closing of the list, which QComboBox only offers as overrides.
class NativeCombo final : public QComboBox {
public:
    std::function<void()> PopupOpening;
    std::function<void()> PopupClosed;
    std::function<void(QPaintEvent*)> Painted;
    ListKeysToEdit* ListKeys = nullptr;

    void showPopup() override;
    // A pick closes the list before it selects the item: the close-up is told once the pick is
    // in (ReportCloseUp from the pick), or else once the event that closed the list is done, so
    // whoever hears of it finds the item chosen.
    void hidePopup() override {
        // The native combo also runs this when it hides with its list closed: no close-up then.
        const bool open = view()->isVisible();
        QComboBox::hidePopup();
        if (!open)
            return;
        // With no window manager to do it, no window would take the keyboard once the list is
        // gone when the combo's window was not active as the list opened.
        if (QApplication::activeWindow() == nullptr && window()->isVisible())
            window()->activateWindow();
        FCloseUpDue = true;
        QMetaObject::invokeMethod(
            this, [this] { ReportCloseUp(); }, Qt::QueuedConnection);
    }
    void ReportCloseUp() {
        if (std::exchange(FCloseUpDue, false) && PopupClosed)
            PopupClosed();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QComboBox::paintEvent(event);
        if (Painted)
            Painted(event);
    }

private:
    bool FCloseUpDue = false;
};

// The open list of an editable combo takes the keys from the window system, yet a person types
// on in the edit while the list is open: everything but the keys that walk, pick from or close
// the list goes on to the edit. Enter after typing keeps the typed text, as it would with the
// list closed, rather than taking the item the list stands on.
class ListKeysToEdit final : public QObject {
public:
    explicit ListKeysToEdit(NativeCombo* combo) : QObject(combo), FCombo(combo) {}

    void ListOpened() {
        FUntypedText = FCombo->lineEdit() ? FCombo->lineEdit()->text() : QString();
        FEnterToEdit = false;
        // Installing again puts it first, ahead of the filters added since.
        FCombo->view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        QLineEdit* edit = FCombo->lineEdit();
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
             type != QEvent::ShortcutOverride) ||
            edit == nullptr || watched != FCombo->view())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && FEnterToEdit) {
            // The list closed on this Enter: its press and release are the edit's.
            if (type == QEvent::KeyRelease)
                FEnterToEdit = false;
            return type != QEvent::ShortcutOverride && PassOn(edit, *key);
        }
        if (!FCombo->view()->isVisible())
            return false;
        // The list picks its item on Enter before the key is pressed, as a shortcut.
        if (type == QEvent::ShortcutOverride) {
            if (!enter || edit->text() == FUntypedText)
                return false;
            FEnterToEdit = true;
            FCombo->hidePopup();
            FCombo->ReportCloseUp();
            event->accept();
            return true;
        }
        if (StaysWithTheList(*key)) {
            if (IsListWalk(*key))
                FUntypedText = edit->text();
            return false;
        }
        return PassOn(edit, *key);
    }

private:
    static bool PassOn(QLineEdit* edit, const QKeyEvent& key) {
        QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                       static_cast<ushort>(key.count()));
        QApplication::sendEvent(edit, &copy);
        return true;
    }
    static bool IsListWalk(const QKeyEvent& key) {
        return key.key() == Qt::Key_Up || key.key() == Qt::Key_Down ||
               key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown;
    }
    static bool StaysWithTheList(const QKeyEvent& key) {
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return IsListWalk(key);
        }
    }

    NativeCombo* FCombo;
    // The edit's text when the list opened or was last walked: a different one was typed.
    QString FUntypedText;
    bool FEnterToEdit = false;
};

void NativeCombo::showPopup() {
    if (PopupOpening)
        PopupOpening();
    QComboBox::showPopup();
    if (ListKeys)
        ListKeys->ListOpened();
}

bool IsEditable(TComboBoxStyle style) {
    return style == csDropDown || style == csSimple;
}

} // namespace

struct TComboBox::Impl final : TItemStringsObserver {
    NativeCombo* Combo = nullptr;
    TCanvas Canvas;
    // The edit whose typing is reported; the native combo makes a new one on each switch to an
    // editable style.
    QPointer<QLineEdit> WatchedEdit;
    ListKeysToEdit* ListKeys = nullptr;
    // The user moved the selection since the last pick was reported (the program's changes are
    // made with the combo's signals blocked).
    bool SelectionMoved = false;

    // Runs a change made by the program and keeps the selection it had where the native combo
    // would pick an item of its own (the first item added, the next one after a deletion). The
    // length limit is the user's only.
    template <typename F> void ProgramChange(int keepIndex, F&& change) {
        const QSignalBlocker blocker(Combo);
        EditLengthLimit::ProgramChange(Combo->lineEdit(), [&] {
            change();
            if (Combo->currentIndex() != keepIndex)
                Combo->setCurrentIndex(keepIndex);
        });
    }

    void ItemInserted(int index, const std::string& text) override {
        const int current = Combo->currentIndex();
        ProgramChange(current >= index ? current + 1 : current,
                      [&] { Combo->insertItem(index, QtConvert::ToQString(text)); });
    }
    void ItemDeleted(int index) override {
        const int current = Combo->currentIndex();
        const int kept = current == index ? -1 : current > index ? current - 1 : current;
        ProgramChange(kept, [&] { Combo->removeItem(index); });
    }
    void ItemChanged(int index, const std::string& text) override {
        ProgramChange(Combo->currentIndex(),
                      [&] { Combo->setItemText(index, QtConvert::ToQString(text)); });
    }
    void ItemsCleared() override {
        ProgramChange(-1, [&] { Combo->clear(); });
    }
};

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()),
      FItems(std::make_unique<TItemStrings>(*FImpl)) {
    // Clicks are reported from the choice of an item, not from the mouse.
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    auto* combo = new NativeCombo();
    FImpl->Combo = combo;
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(8);
    combo->PopupOpening = [this] {
        DropDown();
        NotifyParent(CBN_DROPDOWN);
    };
    combo->PopupClosed = [this] {
        CloseUp();
        NotifyParent(CBN_CLOSEUP);
    };
    combo->Painted = [this](QPaintEvent* event) {
        QPainter painter(FImpl->Combo);
        TCanvasAccess::BeginPaint(FImpl->Canvas, &painter, event->region());
        FImpl->Canvas.Font()->Assign(*Font());
        PaintOver();
        TCanvasAccess::EndPaint(FImpl->Canvas);
    };
    NativeHost::Embed(this, combo);
    combo->ListKeys = FImpl->ListKeys = new ListKeysToEdit(combo);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [this](int) { FImpl->SelectionMoved = true; });
    QObject::connect(combo, &QComboBox::activated, combo, [this](int) {
        Click();
        Select();
        if (std::exchange(FImpl->SelectionMoved, false))
            NotifyParent(CBN_SELCHANGE);
        FImpl->Combo->ReportCloseUp();
    });
    SetStyle(csDropDown);
}

TComboBox::~TComboBox() {
    FImpl->Combo->PopupOpening = nullptr;
    FImpl->Combo->PopupClosed = nullptr;
    FImpl->Combo->Painted = nullptr;
    // The list outlives this part of the combo and still hears events while it goes.
    FImpl->Combo->ListKeys = nullptr;
    FImpl->Combo->view()->removeEventFilter(FImpl->ListKeys);
    FImpl->Combo->disconnect();
    if (QLineEdit* edit = FImpl->Combo->lineEdit())
        edit->disconnect();
}

int TComboBox::ItemIndex() const {
    return FImpl->Combo->currentIndex();
}

void TComboBox::SetItemIndex(int value) {
    const int index = value >= 0 && value < FItems->Count() ? value : -1;
    FImpl->ProgramChange(index, [] {});
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    FStyle = value;
    const int index = ItemIndex();
    QLineEdit* dropped = IsEditable(value) ? nullptr : FImpl->Combo->lineEdit();
    FImpl->ProgramChange(index, [&] { FImpl->Combo->setEditable(IsEditable(value)); });
    // The native combo deletes the edit it drops only later, and that takes the focus from
    // whatever holds it by then: a list focused at once would be left without the keys.
    delete dropped;
    QLineEdit* edit = FImpl->Combo->lineEdit();
    if (edit != nullptr && edit != FImpl->WatchedEdit) {
        FImpl->WatchedEdit = edit;
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString&) {
            Change();
            NotifyParent(CBN_EDITCHANGE);
        });
    }
    SetMaxLength(FMaxLength);
}

std::string TComboBox::Text() const {
    if (!IsEditable(FStyle)) {
        const int index = ItemIndex();
        return index >= 0 ? (*FItems)[index] : std::string();
    }
    return QtConvert::FromQString(FImpl->Combo->currentText());
}

void TComboBox::SetText(const std::string& value) {
    if (!IsEditable(FStyle)) {
        SetItemIndex(FItems->IndexOf(value));
        return;
    }
    FImpl->ProgramChange(ItemIndex(),
                         [&] { FImpl->Combo->setEditText(QtConvert::ToQString(value)); });
}

void TComboBox::Clear() {
    FItems->Clear();
    if (IsEditable(FStyle))
        SetText("");
}

int TComboBox::DropDownCount() const {
    return FImpl->Combo->maxVisibleItems();
}

void TComboBox::SetDropDownCount(int value) {
    FImpl->Combo->setMaxVisibleItems(std::max(value, 1));
}

bool TComboBox::DroppedDown() const {
    return FImpl->Combo->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool value) {
    if (value == DroppedDown())
        return;
    if (value) {
        FImpl->Combo->showPopup();
    } else {
        FImpl->Combo->hidePopup();
        FImpl->Combo->ReportCloseUp();
    }
}

void TComboBox::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
    // Limits typing only: a longer text from the program or an item is kept whole.
    if (QLineEdit* edit = FImpl->Combo->lineEdit())
        EditLengthLimit::Apply(edit, FMaxLength);
}

void TComboBox::SetDroppedWidth(int value) {
    FDroppedWidth = std::max(value, 0);
    FImpl->Combo->view()->setMinimumWidth(FDroppedWidth);
}

int TComboBox::SelStart() const {
    const QLineEdit* edit = FImpl->Combo->lineEdit();
    if (!edit)
        return 0;
    const int start = edit->selectionStart();
    return start >= 0 ? start : edit->cursorPosition();
}

void TComboBox::SetSelStart(int value) {
    if (QLineEdit* edit = FImpl->Combo->lineEdit())
        edit->setCursorPosition(value);
}

int TComboBox::CharFromPos(TPoint ClientPoint) const {
    QLineEdit* edit = FImpl->Combo->lineEdit();
    if (!edit || ClientPoint.X < 0 || ClientPoint.Y < 0 || ClientPoint.X >= ClientWidth() ||
        ClientPoint.Y >= ClientHeight())
        return -1;
    return edit->cursorPositionAt(
        edit->mapFrom(NativeHost::Widget(this), QPoint(ClientPoint.X, ClientPoint.Y)));
}

int TComboBox::SelLength() const {
    const QLineEdit* edit = FImpl->Combo->lineEdit();
    return edit ? edit->selectionLength() : 0;
}

void TComboBox::SetSelLength(int value) {
    if (QLineEdit* edit = FImpl->Combo->lineEdit())
        edit->setSelection(SelStart(), value);
}

std::string TComboBox::SelText() const {
    const QLineEdit* edit = FImpl->Combo->lineEdit();
    return edit ? QtConvert::FromQString(edit->selectedText()) : std::string();
}

void TComboBox::SelectAll() {
    if (QLineEdit* edit = FImpl->Combo->lineEdit())
        edit->selectAll();
}

TCanvas* TComboBox::Canvas() const {
    return &FImpl->Canvas;
}

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::DropDown() {
    if (OnDropDown)
        OnDropDown(this);
}

void TComboBox::CloseUp() {
    if (OnCloseUp)
        OnCloseUp(this);
}

void TComboBox::NotifyParent(uint16_t Code) {
    if (TWinControl* parent = Parent())
        parent->Perform(WM_COMMAND, static_cast<WPARAM>(Code) << 16,
                        reinterpret_cast<LPARAM>(this));
}
