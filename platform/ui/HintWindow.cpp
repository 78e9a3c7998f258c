#include "platform/ui/HintWindow.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"
#include "platform/ui/internal/QtConvert.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

namespace {
constexpr unsigned HintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
// Room between the frame and the text.
constexpr int TextMarginX = 3;
constexpr int TextMarginY = 2;
} // namespace

TRect MonitorRectNear(TPoint P) {
    const QPoint point(P.X, P.Y);
    QScreen* nearest = nullptr;
    long long best = LLONG_MAX;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
        const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    if (nearest == nullptr)
        return Rect(0, 0, 1024, 768);
    return QtConvert::FromQRect(nearest->geometry());
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlWidget* widget = TControlAccess::Widget(this);
    widget->setParent(nullptr);
    widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
    TCustomControl::SetVisible(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

THintWindow::~THintWindow() {
    TControlAccess::Detach(this);
}

void THintWindow::SetVisible(bool value) {
    TCustomControl::SetVisible(value);
    TControlAccess::Widget(this)->setVisible(value);
}

void THintWindow::SetText(const std::string& value) {
    TCustomControl::SetText(value);
    Invalidate();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, TObject*) {
    TRect r = Rect(0, 0, MaxWidth > 0 ? MaxWidth : INT_MAX / 2, 0);
    Canvas()->Font()->Assign(*Font());
    Canvas()->DrawText(AHint, r, HintTextFormat | DT_CALCRECT);
    return Rect(0, 0, r.Width() + 2 * (TextMarginX + 1), r.Height() + 2 * (TextMarginY + 1));
}

void THintWindow::ActivateHint(TRect R, const std::string& AHint) {
    SetCaption(AHint);
    ShowAt(KeepOnMonitor(R, 0));
}

void THintWindow::ActivateHintData(TRect R, const std::string& AHint, TObject*) {
    ActivateHint(R, AHint);
}

void THintWindow::ReleaseHandle() {
    SetVisible(false);
}

TRect THintWindow::KeepOnMonitor(TRect R, int Gap) {
    const TRect monitor = MonitorRectNear(R.TopLeft());
    const int dx = std::max(R.Right - (monitor.Right - Gap), 0);
    const int dy = std::max(R.Bottom - (monitor.Bottom - Gap), 0);
    OffsetRect(R, -dx, -dy);
    OffsetRect(R, std::max(monitor.Left - R.Left, 0), std::max(monitor.Top - R.Top, 0));
    return R;
}

void THintWindow::ShowAt(const TRect& R) {
    SetBoundsRect(R);
    SetVisible(true);
    TControlAccess::Widget(this)->raise();
    Invalidate();
}

void THintWindow::Paint() {
    TCanvas* canvas = Canvas();
    TRect client = ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clInfoText);
    canvas->FrameRect(client);
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    InflateRect(client, -(TextMarginX + 1), -(TextMarginY + 1));
    canvas->DrawText(Caption(), client, HintTextFormat);
}
