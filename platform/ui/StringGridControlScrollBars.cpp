#include "platform/ui/StringGridControlScrollBars.h"

#include "platform/ui/Control.h"
#include "platform/ui/Messages.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

struct TGridScrollBars::Impl {
    QScrollBar* Bars[2] = {nullptr, nullptr}; // indexed by SB_HORZ, SB_VERT
    TScrollCallback OnScroll;
    TScrollCodeCallback OnScrollCode;
    bool Tracking = false;
    bool Updating = false;
    // Room each bar took at the last layout, so the client size costs no style query.
    int Taken[2] = {0, 0};

    void Connect(int bar) {
        QScrollBar* scrollBar = Bars[bar];
        QObject::connect(scrollBar, &QScrollBar::valueChanged, [this, bar](int value) {
            if (Updating)
                return;
            const bool dragging = Bars[bar]->isSliderDown();
            if (OnScrollCode) {
                OnScrollCode(bar, dragging ? SB_THUMBTRACK : SB_THUMBPOSITION, value);
                if (!dragging)
                    OnScrollCode(bar, SB_ENDSCROLL, value);
            } else if (!dragging || Tracking)
                OnScroll(bar, value);
        });
        QObject::connect(scrollBar, &QScrollBar::sliderReleased, [this, bar] {
            const int value = Bars[bar]->value();
            if (OnScrollCode) {
                OnScrollCode(bar, SB_THUMBPOSITION, value);
                OnScrollCode(bar, SB_ENDSCROLL, value);
            } else
                OnScroll(bar, value);
        });
    }
};

TGridScrollBars::TGridScrollBars(TWinControl* AGrid, TScrollCallback OnScroll)
    : FImpl(std::make_unique<Impl>()) {
    FImpl->OnScroll = std::move(OnScroll);
    QWidget* host = NativeHost::Widget(AGrid);
    FImpl->Bars[SB_HORZ] = new QScrollBar(Qt::Horizontal, host);
    FImpl->Bars[SB_VERT] = new QScrollBar(Qt::Vertical, host);
    for (int bar : {SB_HORZ, SB_VERT}) {
        FImpl->Bars[bar]->setFocusPolicy(Qt::NoFocus);
        FImpl->Bars[bar]->hide();
        FImpl->Connect(bar);
    }
}

// The bars are children of the grid's widget, which deletes them later; they must not call
// back into a grid that is going.
TGridScrollBars::~TGridScrollBars() {
    for (QScrollBar* scrollBar : FImpl->Bars)
        QObject::disconnect(scrollBar, nullptr, nullptr, nullptr);
}

int TGridScrollBars::Thickness() const {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int TGridScrollBars::VerticalWidth() const {
    return FImpl->Taken[SB_VERT];
}

int TGridScrollBars::HorizontalHeight() const {
    return FImpl->Taken[SB_HORZ];
}

void TGridScrollBars::SetCodeCallback(TScrollCodeCallback OnScrollCode) {
    FImpl->OnScrollCode = std::move(OnScrollCode);
}

void TGridScrollBars::SetThumbTracking(bool Value) {
    FImpl->Tracking = Value;
}

void TGridScrollBars::Update(const TBarState& Horizontal, const TBarState& Vertical, int Width,
                             int Height) {
    FImpl->Updating = true;
    const int thickness = Thickness();
    const int vertWidth = Vertical.Visible ? thickness : 0;
    const int horzHeight = Horizontal.Visible ? thickness : 0;
    const TBarState* states[2] = {&Horizontal, &Vertical};
    for (int bar : {SB_HORZ, SB_VERT}) {
        QScrollBar* scrollBar = FImpl->Bars[bar];
        const TBarState& state = *states[bar];
        scrollBar->setRange(0, state.Maximum > 0 ? state.Maximum : 0);
        scrollBar->setPageStep(state.Page > 0 ? state.Page : 1);
        scrollBar->setValue(state.Position);
        scrollBar->setEnabled(state.Enabled);
        scrollBar->setVisible(state.Visible);
    }
    FImpl->Taken[SB_HORZ] = horzHeight;
    FImpl->Taken[SB_VERT] = vertWidth;
    // A grid laid out from the right has its vertical bar at the left.
    const QRect all(0, 0, Width, Height);
    const Qt::LayoutDirection direction = FImpl->Bars[SB_VERT]->layoutDirection();
    FImpl->Bars[SB_HORZ]->setGeometry(QStyle::visualRect(
        direction, all, QRect(0, Height - horzHeight, Width - vertWidth, horzHeight)));
    FImpl->Bars[SB_VERT]->setGeometry(QStyle::visualRect(
        direction, all, QRect(Width - vertWidth, 0, vertWidth, Height - horzHeight)));
    FImpl->Updating = false;
}
