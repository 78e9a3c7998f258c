#include "platform/ui/TrackBar.h"

#include "platform/ui/internal/NativeHost.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <limits>

namespace {

// A press beside the thumb steps one page towards it at once, as the framework's track bar does;
// Qt's slider would wait for its repeat timer first, or jump, depending on the style.
class TrackSlider : public QSlider {
protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            QSlider::mousePressEvent(event);
            return;
        }
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect thumb =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const QPoint at = event->position().toPoint();
        if (thumb.contains(at)) {
            QSlider::mousePressEvent(event);
            return;
        }
        const bool horizontal = orientation() == Qt::Horizontal;
        const bool beyondThumb =
            horizontal ? at.x() > thumb.center().x() : at.y() > thumb.center().y();
        // Values grow to the right and, with the appearance inverted, downwards.
        const bool growsThatWay = horizontal != invertedAppearance();
        triggerAction(beyondThumb == growsThatWay ? SliderPageStepAdd : SliderPageStepSub);
        event->accept();
    }
};

} // namespace

struct TTrackBar::Impl {
    QSlider* Slider = nullptr;
};

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner), FImpl(std::make_unique<Impl>()) {
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
    FImpl->Slider = new TrackSlider();
    FImpl->Slider->setOrientation(Qt::Horizontal);
    FImpl->Slider->setTracking(true);
    NativeHost::Embed(this, FImpl->Slider);
    FImpl->Slider->setPageStep(FPageSize);
    FImpl->Slider->setSingleStep(FLineSize);
    ApplyRange();
    QObject::connect(FImpl->Slider, &QSlider::valueChanged, FImpl->Slider,
                     [this](int value) { MoveTo(value); });
}

TTrackBar::~TTrackBar() {
    FImpl->Slider->disconnect();
}

void TTrackBar::SetMin(int value) {
    FMin = value;
    FMax = std::max(FMax, value);
    ApplyRange();
}

void TTrackBar::SetMax(int value) {
    FMax = value;
    FMin = std::min(FMin, value);
    ApplyRange();
}

void TTrackBar::SetPosition(int value) {
    MoveTo(value);
}

void TTrackBar::SetPageSize(int value) {
    FPageSize = value;
    FImpl->Slider->setPageStep(value);
}

void TTrackBar::SetLineSize(int value) {
    FLineSize = value;
    FImpl->Slider->setSingleStep(value);
}

void TTrackBar::SetFrequency(int value) {
    FFrequency = value;
    ApplyTicks();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == FOrientation)
        return;
    FOrientation = value;
    const bool vertical = value == trVertical;
    FImpl->Slider->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // The platform's vertical slider has its minimum at the bottom.
    FImpl->Slider->setInvertedAppearance(vertical);
    SetBounds(Left(), Top(), Height(), Width());
    ApplyTicks();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    FTickStyle = value;
    ApplyTicks();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    FTickMarks = value;
    ApplyTicks();
}

void TTrackBar::MoveTo(long long value) {
    const int position = static_cast<int>(std::clamp<long long>(value, FMin, FMax));
    if (FImpl->Slider->value() != position) {
        const QSignalBlocker quiet(FImpl->Slider);
        FImpl->Slider->setValue(position);
    }
    if (position == FPosition)
        return;
    FPosition = position;
    Changed();
}

void TTrackBar::ApplyRange() {
    {
        const QSignalBlocker quiet(FImpl->Slider);
        FImpl->Slider->setRange(FMin, FMax);
    }
    MoveTo(FPosition);
    ApplyTicks();
}

void TTrackBar::ApplyTicks() {
    QSlider::TickPosition where = QSlider::TicksBelow;
    if (FTickMarks == tmTopLeft)
        where = QSlider::TicksAbove;
    else if (FTickMarks == tmBoth)
        where = QSlider::TicksBothSides;
    FImpl->Slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks : where);
    const long long ends = static_cast<long long>(FMax) - FMin;
    const long long interval = FTickStyle == tsManual ? ends : FFrequency;
    FImpl->Slider->setTickInterval(
        static_cast<int>(std::clamp<long long>(interval, 1, std::numeric_limits<int>::max())));
}

void TTrackBar::Changed() {
    if (OnChange)
        OnChange(this);
}

void TTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    const long long position = FPosition;
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        MoveTo(position - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveTo(position + FLineSize);
        break;
    case VK_PRIOR:
        MoveTo(position - FPageSize);
        break;
    case VK_NEXT:
        MoveTo(position + FPageSize);
        break;
    case VK_HOME:
        MoveTo(FMin);
        break;
    case VK_END:
        MoveTo(FMax);
        break;
    default:
        return;
    }
    // The keys step as described above, not as the platform slider would.
    Key = 0;
}
