#include "platform/ui/StringGridControlScrollBars.h"

#include "platform/ui/Control.h"
#include "platform/ui/Messages.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <unordered_map>

namespace {
// Controls on the UI thread only, so one plain map finds the bars of a control.
std::unordered_map<const TWinControl*, TGridScrollBars*>& BarsOfGrids() {
    static std::unordered_map<const TWinControl*, TGridScrollBars*> bars;
    return bars;
}
} // namespace

struct TGridScrollBars::Impl {
    const TWinControl* Grid = nullptr;
    QScrollBar* Bars[2] = {nullptr, nullptr}; // indexed by SB_HORZ, SB_VERT
    TScrollCallback OnScroll;
    TScrollCodeCallback OnScrollCode;
    TLayoutCallback OnLayout;
    bool Tracking = false;
    bool Updating = false;
    // Room each bar took at the last layout, so the client size costs no style query.
    int Taken[2] = {0, 0};
    int Width = 0;
    int Height = 0;

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

    // Each shown bar along its edge, the vertical one at the left in a grid laid out from the
    // right.
    void Place() {
        const int vertWidth = Taken[SB_VERT];
        const int horzHeight = Taken[SB_HORZ];
        const QRect all(0, 0, Width, Height);
        const Qt::LayoutDirection direction = Bars[SB_VERT]->layoutDirection();
        Bars[SB_HORZ]->setGeometry(QStyle::visualRect(
            direction, all, QRect(0, Height - horzHeight, Width - vertWidth, horzHeight)));
        Bars[SB_VERT]->setGeometry(QStyle::visualRect(
            direction, all, QRect(Width - vertWidth, 0, vertWidth, Height - horzHeight)));
    }
};

TGridScrollBars::TGridScrollBars(TWinControl* AGrid, TScrollCallback OnScroll)
    : FImpl(std::make_unique<Impl>()) {
    FImpl->Grid = AGrid;
    FImpl->OnScroll = std::move(OnScroll);
    QWidget* host = NativeHost::Widget(AGrid);
    FImpl->Bars[SB_HORZ] = new QScrollBar(Qt::Horizontal, host);
    FImpl->Bars[SB_VERT] = new QScrollBar(Qt::Vertical, host);
    for (int bar : {SB_HORZ, SB_VERT}) {
        FImpl->Bars[bar]->setFocusPolicy(Qt::NoFocus);
        FImpl->Bars[bar]->hide();
        FImpl->Connect(bar);
    }
    BarsOfGrids()[AGrid] = this;
}

// The bars are children of the grid's widget, which deletes them later; they must not call
// back into a grid that is going.
TGridScrollBars::~TGridScrollBars() {
    BarsOfGrids().erase(FImpl->Grid);
    for (QScrollBar* scrollBar : FImpl->Bars)
        QObject::disconnect(scrollBar, nullptr, nullptr, nullptr);
}

TGridScrollBars* TGridScrollBars::Of(const TWinControl* Control) {
    const auto found = BarsOfGrids().find(Control);
    return found == BarsOfGrids().end() ? nullptr : found->second;
}

QScrollBar* TGridScrollBars::Bar(int Bar) const {
    return FImpl->Bars[Bar == SB_VERT];
}

int TGridScrollBars::Thickness(int Bar) const {
    QScrollBar* scrollBar = FImpl->Bars[Bar == SB_VERT];
    return scrollBar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBar);
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

void TGridScrollBars::SetLayoutCallback(TLayoutCallback OnLayout) {
    FImpl->OnLayout = std::move(OnLayout);
}

void TGridScrollBars::SetThumbTracking(bool Value) {
    FImpl->Tracking = Value;
}

void TGridScrollBars::Update(const TBarState& Horizontal, const TBarState& Vertical, int Width,
                             int Height) {
    FImpl->Updating = true;
    const TBarState* states[2] = {&Horizontal, &Vertical};
    for (int bar : {SB_HORZ, SB_VERT}) {
        QScrollBar* scrollBar = FImpl->Bars[bar];
        const TBarState& state = *states[bar];
        scrollBar->setRange(0, state.Maximum > 0 ? state.Maximum : 0);
        scrollBar->setPageStep(state.Page > 0 ? state.Page : 1);
        scrollBar->setValue(state.Position);
        scrollBar->setEnabled(state.Enabled);
        scrollBar->setVisible(state.Visible);
        FImpl->Taken[bar] = state.Visible ? Thickness(bar) : 0;
    }
    FImpl->Width = Width;
    FImpl->Height = Height;
    FImpl->Place();
    FImpl->Updating = false;
}

void TGridScrollBars::ShowBar(int Bar, bool Show) {
    const int bar = Bar == SB_VERT;
    if (FImpl->Bars[bar]->isVisibleTo(FImpl->Bars[bar]->parentWidget()) == Show)
        return;
    FImpl->Bars[bar]->setVisible(Show);
    FImpl->Taken[bar] = Show ? Thickness(bar) : 0;
    FImpl->Place();
    if (FImpl->OnLayout)
        FImpl->OnLayout(false);
}

void TGridScrollBars::SetInfo(int Bar, int Min, int Max, int Page, int Pos) {
    QScrollBar* scrollBar = FImpl->Bars[Bar == SB_VERT];
    if (scrollBar->isSliderDown())
        return;
    Page = std::max(Page, 1);
    FImpl->Updating = true;
    scrollBar->setRange(Min, std::max(Min, Max - Page + 1));
    scrollBar->setPageStep(Page);
    scrollBar->setValue(Pos);
    FImpl->Updating = false;
}

void TGridScrollBars::ThicknessChanged() {
    if (FImpl->OnLayout)
        FImpl->OnLayout(true);
}
