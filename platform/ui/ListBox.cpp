#include "platform/ui/ListBox.h"

#include "platform/core/Exception.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

#include <functional>

int TItemStrings::Add(std::string_view text) {
    Insert(Count(), text);
    return Count() - 1;
}

void TItemStrings::Insert(int index, std::string_view text) {
    CheckIndex(index, Count() + 1);
    const auto& inserted = *FItems.insert(FItems.begin() + index, std::string(text));
    FObserver.ItemInserted(index, inserted);
}

void TItemStrings::Delete(int index) {
    CheckIndex(index, Count());
    FItems.erase(FItems.begin() + index);
    FObserver.ItemDeleted(index);
}

void TItemStrings::Clear() {
    FItems.clear();
    FObserver.ItemsCleared();
}

const std::string& TItemStrings::operator[](int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

void TItemStrings::Put(int index, std::string_view text) {
    CheckIndex(index, Count());
    auto& item = FItems[static_cast<size_t>(index)];
    item = text;
    FObserver.ItemChanged(index, item);
}

int TItemStrings::IndexOf(std::string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(FItems[static_cast<size_t>(i)], text))
            return i;
    return -1;
}

std::string TItemStrings::Text() const {
    std::string result;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            result += '\n';
        result += FItems[i];
    }
    return result;
}

void TItemStrings::SetText(std::string_view text) {
    TStringList lines;
    lines.SetText(text);
    Assign(lines);
}

void TItemStrings::Assign(const TStringList& source) {
    Clear();
    AddStrings(source);
}

void TItemStrings::Assign(const std::vector<std::string>& source) {
    Clear();
    for (const auto& line : source)
        Add(line);
}

void TItemStrings::AddStrings(const TStringList& source) {
    for (const auto& line : source)
        Add(line);
}

void TItemStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

namespace {

// Clicks land on the list's viewport, in its coordinates.
class ViewportClicks final : public QObject {
public:
    // Each returns true to keep the event from the list.
    std::function<bool(QPoint)> Pressed;
    std::function<bool(QPoint)> Released;
    std::function<bool(QPoint)> DoubleClicked;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        auto* viewport = static_cast<QWidget*>(watched);
        const QPoint p = viewport->mapTo(viewport->parentWidget(), mouse->position().toPoint());
        const auto& handler = type == QEvent::MouseButtonPress     ? Pressed
                              : type == QEvent::MouseButtonRelease ? Released
                                                                   : DoubleClicked;
        return handler && handler(p);
    }
};

} // namespace

struct TListBox::Impl final : TItemStringsObserver {
    QListWidget* List = nullptr;
    ViewportClicks* Clicks = nullptr;
    // Set while the program changes the selection, so that only the user's changes notify.
    bool ProgramChange = false;
    // Set between a mouse press and its release: the click, not the selection change, notifies.
    bool MousePressed = false;
    bool CheckMarks = false;

    // The native list toggles a user-checkable item's box on a click and on Space; the check
    // list chooses its own toggling input, so the box is drawn only.
    static void ShowCheckBox(QListWidgetItem* item, bool show) {
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        if (show)
            item->setCheckState(Qt::Unchecked);
        else
            item->setData(Qt::CheckStateRole, QVariant());
    }

    QListWidgetItem* ItemOrThrow(int index) const {
        QListWidgetItem* item = List->item(index);
        if (item == nullptr)
            throw Exception("List index out of bounds (" + std::to_string(index) + ")");
        return item;
    }

    void ItemInserted(int index, const std::string& text) override {
        ProgramChange = true;
        List->insertItem(index, QtConvert::ToQString(text));
        if (CheckMarks)
            ShowCheckBox(List->item(index), true);
        ProgramChange = false;
    }
    void ItemDeleted(int index) override {
        ProgramChange = true;
        const bool wasSelected = List->item(index)->isSelected();
        QListWidgetItem* item = List->takeItem(index);
        // The native list would move the selection to a neighbour; nothing is chosen instead.
        if (wasSelected) {
            List->clearSelection();
            List->setCurrentItem(nullptr);
        }
        delete item;
        ProgramChange = false;
    }
    void ItemChanged(int index, const std::string& text) override {
        List->item(index)->setText(QtConvert::ToQString(text));
    }
    void ItemsCleared() override {
        ProgramChange = true;
        List->clear();
        ProgramChange = false;
    }
};

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()),
      FItems(std::make_unique<TItemStrings>(*FImpl)) {
    // The list notifies clicks itself, from the selection.
    SetControlStyle(ControlStyle() >> csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    FImpl->List = new QListWidget();
    FImpl->List->setSelectionMode(QAbstractItemView::SingleSelection);
    NativeHost::Embed(this, FImpl->List);
    // The keyboard notifies through the selection; a press selects without notifying, and the
    // release on an item notifies, also when that item was already selected.
    QObject::connect(FImpl->List, &QListWidget::itemSelectionChanged, FImpl->List, [this] {
        if (!FImpl->ProgramChange && !FImpl->MousePressed)
            Click();
    });
    FImpl->Clicks = new ViewportClicks();
    FImpl->Clicks->setParent(FImpl->List);
    // A press off the items changes nothing, as in the framework (the native list would clear
    // the selection).
    FImpl->Clicks->Pressed = [this](QPoint p) {
        if (ItemAtPos(Point(p.x(), p.y())) < 0)
            return true;
        FImpl->MousePressed = true;
        return false;
    };
    FImpl->Clicks->Released = [this](QPoint p) {
        const bool wasPressed = FImpl->MousePressed;
        FImpl->MousePressed = false;
        if (wasPressed && ItemAtPos(Point(p.x(), p.y())) >= 0)
            Click();
        return false;
    };
    // The release that ends a double click is no click of its own.
    FImpl->Clicks->DoubleClicked = [this](QPoint p) {
        FImpl->MousePressed = false;
        if (ItemAtPos(Point(p.x(), p.y())) >= 0)
            DblClick();
        return false;
    };
    FImpl->List->viewport()->installEventFilter(FImpl->Clicks);
}

TListBox::~TListBox() {
    FImpl->List->viewport()->removeEventFilter(FImpl->Clicks);
    FImpl->List->disconnect();
}

int TListBox::ItemIndex() const {
    if (MultiSelect()) {
        const int row = FImpl->List->currentRow();
        return row;
    }
    const auto selected = FImpl->List->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TListBox::SetItemIndex(int value) {
    FImpl->ProgramChange = true;
    if (value >= 0 && value < Count()) {
        FImpl->List->setCurrentRow(value, QItemSelectionModel::ClearAndSelect);
    } else {
        FImpl->List->clearSelection();
        FImpl->List->setCurrentRow(-1);
    }
    FImpl->ProgramChange = false;
}

bool TListBox::MultiSelect() const {
    return FImpl->List->selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TListBox::SetMultiSelect(bool value) {
    FImpl->ProgramChange = true;
    FImpl->List->setSelectionMode(value ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
    FImpl->ProgramChange = false;
}

bool TListBox::Selected(int index) const {
    return FImpl->ItemOrThrow(index)->isSelected();
}

void TListBox::SetSelected(int index, bool value) {
    QListWidgetItem* item = FImpl->ItemOrThrow(index);
    FImpl->ProgramChange = true;
    if (!MultiSelect() && value)
        FImpl->List->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    else
        item->setSelected(value);
    FImpl->ProgramChange = false;
}

int TListBox::SelCount() const {
    return static_cast<int>(FImpl->List->selectedItems().size());
}

void TListBox::ClearSelection() {
    SetItemIndex(-1);
}

int TListBox::ItemAtPos(TPoint pos) const {
    QWidget* viewport = FImpl->List->viewport();
    const QPoint inViewport = viewport->mapFrom(FImpl->List, QPoint(pos.X, pos.Y));
    if (!viewport->rect().contains(inViewport))
        return -1;
    const QListWidgetItem* item = FImpl->List->itemAt(inViewport);
    return item == nullptr ? -1 : FImpl->List->row(item);
}

TRect TListBox::ItemRect(int index) const {
    const QListWidgetItem* item = FImpl->List->item(index);
    if (item == nullptr)
        return {};
    QWidget* viewport = FImpl->List->viewport();
    QRect r = FImpl->List->visualItemRect(item).intersected(viewport->rect());
    if (r.isEmpty())
        return {};
    r.moveTopLeft(viewport->mapTo(FImpl->List, r.topLeft()));
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

int TListBox::TopIndex() const {
    const QListWidgetItem* item = FImpl->List->itemAt(0, 0);
    return item == nullptr ? 0 : FImpl->List->row(item);
}

void TListBox::SetTopIndex(int value) {
    if (QListWidgetItem* item = FImpl->List->item(value))
        FImpl->List->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

bool TListBox::CheckMarks() const {
    return FImpl->CheckMarks;
}

void TListBox::SetCheckMarks(bool value) {
    FImpl->CheckMarks = value;
    for (int i = 0; i < Count(); ++i)
        Impl::ShowCheckBox(FImpl->List->item(i), value);
}

bool TListBox::Checked(int index) const {
    return FImpl->ItemOrThrow(index)->checkState() == Qt::Checked;
}

void TListBox::SetChecked(int index, bool value) {
    FImpl->ItemOrThrow(index)->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}
