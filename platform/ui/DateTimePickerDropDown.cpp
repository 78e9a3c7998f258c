#include "platform/ui/DateTimePicker.h"

#include "platform/ui/MonthCalendar.h"
#include "platform/ui/internal/DateTimePickerImpl.h"
#include "platform/ui/internal/NativeHost.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <functional>

// The month calendar that drops down below the picker.

namespace {

// Closes the drop-down when its popup window goes away by itself (a click elsewhere). A press
// on the picker that closes the calendar is not passed on to the picker, whose button would
// open it again.
class PickerPopupWatch final : public QObject {
public:
    PickerPopupWatch(QWidget* picker, std::function<void()> hidden)
        : Picker(picker), Hidden(std::move(hidden)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && Hidden)
            Hidden();
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            static_cast<QWidget*>(watched)->setAttribute(
                Qt::WA_NoMouseReplay, Picker->rect().contains(Picker->mapFromGlobal(global)));
        }
        return QObject::eventFilter(watched, event);
    }
    QWidget* Picker;
    std::function<void()> Hidden;
};

} // namespace

void TDateTimePicker::SetDroppedDown(bool value) {
    if (value == DroppedDown())
        return;
    if (!value) {
        FDropped = false;
        NativeHost::Widget(FCalendar)->hide();
        CloseUp();
        if (CanFocus())
            SetFocus();
        return;
    }
    if (FKind != dtkDate || FDateMode != dmComboBox)
        return;
    if (FCalendar == nullptr) {
        FCalendar = new TMonthCalendar(this);
        QWidget* popup = NativeHost::Widget(FCalendar);
        popup->setWindowFlags(Qt::Popup);
        FImpl->PopupWatch =
            new PickerPopupWatch(NativeHost::Widget(this), [this] { SetDroppedDown(false); });
        popup->installEventFilter(FImpl->PopupWatch);
        FCalendar->OnClick = [this](TObject*) { PickFromCalendar(); };
        FCalendar->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
            if (key == VK_ESCAPE || key == VK_F4) {
                key = 0;
                SetDroppedDown(false);
            }
        };
    }
    FCalendar->SetMinDate(FMinDate);
    FCalendar->SetMaxDate(FMaxDate);
    FCalendar->SetDate(FValue);
    const TPoint below = ClientToScreen({0, Height()});
    const TSize size = FCalendar->MinimumSize();
    FCalendar->SetBounds(below.X, below.Y, size.cx, size.cy);
    FDropped = true;
    DropDown();
    if (!FDropped)
        return;
    QWidget* popup = NativeHost::Widget(FCalendar);
    popup->show();
    popup->activateWindow();
    FCalendar->SetFocus();
}

void TDateTimePicker::PickFromCalendar() {
    const TDateTime picked =
        ComposeDateTime(SplitDateTime(FCalendar->Date()).Day, SplitDateTime(FValue).MSecOfDay);
    UserValue(picked);
    SetDroppedDown(false);
}
