#include "platform/ui/ScrollBox.h"

#include "platform/ui/Screen.h"
#include "platform/ui/internal/NativeHost.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>

struct TScrollingWinControl::Impl {
    QScrollBar* Horz = nullptr;
    QScrollBar* Vert = nullptr;
    bool HorzShown = false;
    bool VertShown = false;
    // Set while the control moves the native bars itself.
    bool ProgramChange = false;

    QScrollBar* Native(const TControlScrollBar& bar) const {
        return bar.Kind() == sbVertical ? Vert : Horz;
    }
};

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (value == FPosition)
        return;
    const int old = FPosition;
    FPosition = value;
    FControl.PositionChanged(*this, old);
}

void TControlScrollBar::SetRange(int value) {
    // An explicit range ends the automatic one, as in the framework.
    FControl.FAutoScroll = false;
    FRange = std::max(value, 0);
    FControl.UpdateScrollBars();
}

void TControlScrollBar::SetIncrement(int value) {
    FIncrement = std::max(value, 1);
    FControl.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
    FVisible = value;
    FControl.UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
    return FKind == sbVertical ? FControl.FImpl->VertShown : FControl.FImpl->HorzShown;
}

int TControlScrollBar::ControlSize() const {
    return FKind == sbVertical ? FControl.ClientHeight() : FControl.ClientWidth();
}

int TControlScrollBar::MaxPosition() const {
    return std::max(FRange - ControlSize(), 0);
}

void TControlScrollBar::ScrollMessage(const TMessage& message) {
    const int page = ControlSize();
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP:
        SetPosition(FPosition - FIncrement);
        break;
    case SB_LINEDOWN:
        SetPosition(FPosition + FIncrement);
        break;
    case SB_PAGEUP:
        SetPosition(FPosition - page);
        break;
    case SB_PAGEDOWN:
        SetPosition(FPosition + page);
        break;
    case SB_THUMBPOSITION:
        SetPosition(HIWORD(message.WParam));
        break;
    case SB_THUMBTRACK:
        if (FTracking)
            SetPosition(HIWORD(message.WParam));
        break;
    case SB_TOP:
        SetPosition(0);
        break;
    case SB_BOTTOM:
        SetPosition(MaxPosition());
        break;
    default:
        break;
    }
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(*this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(*this, sbVertical)) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    QWidget* own = NativeHost::Widget(this);
    for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
        auto* native =
            new QScrollBar(bar->Kind() == sbVertical ? Qt::Vertical : Qt::Horizontal, own);
        native->hide();
        (bar->Kind() == sbVertical ? FImpl->Vert : FImpl->Horz) = native;
        QObject::connect(native, &QScrollBar::valueChanged, native, [this, bar, native](int value) {
            if (!FImpl->ProgramChange && (bar->Tracking() || !native->isSliderDown()))
                bar->SetPosition(value);
        });
        QObject::connect(native, &QScrollBar::sliderReleased, native,
                         [bar, native] { bar->SetPosition(native->value()); });
    }
}

TScrollingWinControl::~TScrollingWinControl() {
    FImpl->Horz->disconnect();
    FImpl->Vert->disconnect();
}

void TScrollingWinControl::SetAutoScroll(bool value) {
    FAutoScroll = value;
    UpdateScrollBars();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
    if (control == nullptr || !ContainsControl(control) || control == this)
        return;
    const TPoint topLeft =
        ScreenToClient(control->Parent()->ClientToScreen(Point(control->Left(), control->Top())));
    auto bringIn = [](TControlScrollBar& bar, int start, int extent, int size) {
        if (start < 0)
            bar.SetPosition(bar.Position() + start);
        else if (start + extent > size)
            bar.SetPosition(bar.Position() + std::min(start, start + extent - size));
    };
    bringIn(*FVertScrollBar, topLeft.Y, control->Height(), ClientHeight());
    bringIn(*FHorzScrollBar, topLeft.X, control->Width(), ClientWidth());
}

int TScrollingWinControl::ClientWidth() const {
    return std::max(Width() - (FImpl->VertShown ? GetSystemMetrics(SM_CXVSCROLL) : 0), 0);
}

int TScrollingWinControl::ClientHeight() const {
    return std::max(Height() - (FImpl->HorzShown ? GetSystemMetrics(SM_CYHSCROLL) : 0), 0);
}

void TScrollingWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_VSCROLL:
        FVertScrollBar->ScrollMessage(Message);
        break;
    case WM_HSCROLL:
        FHorzScrollBar->ScrollMessage(Message);
        break;
    case WM_SIZE:
        UpdateScrollBars();
        TWinControl::WndProc(Message);
        break;
    case CM_FOCUSCHANGED:
        // The control that takes the focus is scrolled into view.
        ScrollInView(reinterpret_cast<TControl*>(Message.LParam));
        TWinControl::WndProc(Message);
        break;
    default:
        TWinControl::WndProc(Message);
        break;
    }
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    EnableAlign();
}

void TScrollingWinControl::CalcAutoRange() {
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (!child->Visible())
            continue;
        right = std::max(right, child->Left() + child->Width() + FHorzScrollBar->Position());
        bottom = std::max(bottom, child->Top() + child->Height() + FVertScrollBar->Position());
    }
    FHorzScrollBar->FRange = right;
    FVertScrollBar->FRange = bottom;
}

void TScrollingWinControl::UpdateScrollBars() {
    if (FUpdatingBars)
        return;
    FUpdatingBars = true;
    if (FAutoScroll)
        CalcAutoRange();
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const TControlScrollBar& vert = *FVertScrollBar;
    const TControlScrollBar& horz = *FHorzScrollBar;
    bool vertShown = vert.Visible() && vert.Range() > Height();
    const bool horzShown = horz.Visible() && horz.Range() > Width() - (vertShown ? barWidth : 0);
    if (horzShown && !vertShown)
        vertShown = vert.Visible() && vert.Range() > Height() - barHeight;
    const bool clientChanged = vertShown != FImpl->VertShown || horzShown != FImpl->HorzShown;
    FImpl->VertShown = vertShown;
    FImpl->HorzShown = horzShown;

    FImpl->ProgramChange = true;
    FImpl->Vert->setGeometry(Width() - barWidth, 0, barWidth,
                             Height() - (horzShown ? barHeight : 0));
    FImpl->Horz->setGeometry(0, Height() - barHeight, Width() - (vertShown ? barWidth : 0),
                             barHeight);
    for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
        QScrollBar* native = FImpl->Native(*bar);
        native->setRange(0, bar->MaxPosition());
        native->setPageStep(std::max(bar->ControlSize(), 1));
        native->setSingleStep(bar->Increment());
        native->setValue(bar->Position());
        native->setVisible(bar->IsScrollBarVisible());
        native->raise();
    }
    FImpl->ProgramChange = false;
    FUpdatingBars = false;

    // A smaller content or a larger control may leave the position past its end.
    for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()})
        bar->SetPosition(bar->Position());
    if (clientChanged)
        Realign();
}

void TScrollingWinControl::AlignControls(TControl* control, TRect& rect) {
    OffsetRect(rect, -FHorzScrollBar->Position(), -FVertScrollBar->Position());
    TWinControl::AlignControls(control, rect);
    UpdateScrollBars();
}

bool TScrollingWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (!FVertScrollBar->IsScrollBarVisible())
        return false;
    // Each turn scrolls the system's number of lines, whatever the size of the turn.
    const int lines = QApplication::wheelScrollLines();
    const WPARAM code = WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < lines; ++i) {
        Perform(WM_VSCROLL, code);
        Perform(WM_VSCROLL, SB_ENDSCROLL);
    }
    return true;
}

void TScrollingWinControl::PositionChanged(TControlScrollBar& bar, int oldPosition) {
    QScrollBar* native = FImpl->Native(bar);
    if (native->value() != bar.Position()) {
        FImpl->ProgramChange = true;
        native->setValue(bar.Position());
        FImpl->ProgramChange = false;
    }
    const int delta = oldPosition - bar.Position();
    if (bar.Kind() == sbVertical)
        ScrollBy(0, delta);
    else
        ScrollBy(delta, 0);
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}
