#include "platform/ui/CellScrollBar.h"

#include "platform/ui/Control.h"
#include "platform/ui/Messages.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

int ScrollCode(int Action) {
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
    default:
        return SB_THUMBTRACK;
    }
}

// Qt's maximum is the last position; the window bar's is the end of its range.
int LastPosition(int Min, int Max, int PageSize) {
    return std::max(Min, Max - std::max(0, PageSize));
}

} // namespace

struct TCellScrollBar::Impl {
    QPointer<QScrollBar> Bar;
    TScrollEvent OnScroll;
};

TCellScrollBar::TCellScrollBar(TWinControl* AGrid, TScrollEvent OnScroll)
    : FImpl(std::make_unique<Impl>()) {
    FImpl->OnScroll = std::move(OnScroll);
    auto* bar = new QScrollBar(Qt::Vertical, NativeHost::Widget(AGrid));
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    FImpl->Bar = bar;
    // Emitted with the slider already moved by the action and before the value follows: the
    // grid decides where the step ends.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) {
        if (action == QAbstractSlider::SliderNoAction || !FImpl->OnScroll)
            return;
        const int position = FImpl->OnScroll(ScrollCode(action), bar->sliderPosition());
        bar->setSliderPosition(position);
    });
}

// The bar is a child of the grid's widget, which deletes it; it must not call back into a grid
// that is going.
TCellScrollBar::~TCellScrollBar() {
    if (FImpl->Bar)
        QObject::disconnect(FImpl->Bar, nullptr, nullptr, nullptr);
}

void TCellScrollBar::Setup(int Min, int Max, int PageSize, int Position) {
    QScrollBar* bar = FImpl->Bar;
    if (!bar)
        return;
    const QSignalBlocker quiet(bar);
    bar->setRange(Min, LastPosition(Min, Max, PageSize));
    bar->setPageStep(std::max(1, PageSize));
    bar->setSingleStep(10);
    bar->setValue(Position);
}

int TCellScrollBar::Position() const {
    return FImpl->Bar ? FImpl->Bar->value() : 0;
}

void TCellScrollBar::SetBoundsRect(const TRect& R) {
    if (FImpl->Bar)
        FImpl->Bar->setGeometry(R.Left, R.Top, std::max(0, R.Right - R.Left),
                                std::max(0, R.Bottom - R.Top));
}

TRect TCellScrollBar::BoundsRect() const {
    if (!FImpl->Bar)
        return TRect{};
    const QRect g = FImpl->Bar->geometry();
    return TRect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void TCellScrollBar::SetVisible(bool Value) {
    if (FImpl->Bar)
        FImpl->Bar->setVisible(Value);
}

bool TCellScrollBar::Visible() const {
    return FImpl->Bar && !FImpl->Bar->isHidden();
}

// A hidden bar of the right state paints itself into a picture, which goes onto the canvas:
// the style then draws the bar exactly as the live one.
void TCellScrollBar::Paint(TCanvas* Canvas, const TRect& R, int Min, int Max, int PageSize,
                           int Position) {
    const int width = R.Right - R.Left;
    const int height = R.Bottom - R.Top;
    if (!Canvas || width <= 0 || height <= 0)
        return;
    QScrollBar bar(Qt::Vertical);
    bar.setAttribute(Qt::WA_DontShowOnScreen);
    bar.resize(width, height);
    bar.setRange(Min, LastPosition(Min, Max, PageSize));
    bar.setPageStep(std::max(1, PageSize));
    bar.setValue(Position);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    TCanvasAccess::DrawImage(*Canvas, QPoint(R.Left, R.Top), image);
}
