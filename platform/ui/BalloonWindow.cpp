#include "platform/ui/BalloonWindow.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/internal/ControlImpl.h"
#include "platform/ui/internal/ControlWidget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace {

constexpr int Margin = 8;
constexpr int IconSize = 16;
constexpr int IconGap = 6;
constexpr int TitleGap = 6;
constexpr int StemHeight = 14;
constexpr int StemWidth = 14;
// The stem leaves the body this far from its left edge when there is room.
constexpr int StemInset = 16;
constexpr int Corner = 12;
constexpr unsigned TextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

TBalloonLayout LayoutBalloon(TPoint Tip, TSize TitleSize, bool HasIcon, TSize TextSize,
                             const TRect& Area) {
    TBalloonLayout layout;
    const bool hasTitle = TitleSize.cx > 0;
    const int headerWidth =
        (HasIcon ? IconSize + (hasTitle ? IconGap : 0) : 0) + (hasTitle ? TitleSize.cx : 0);
    const int headerHeight = std::max(HasIcon ? IconSize : 0, hasTitle ? TitleSize.cy : 0);
    const int gap = headerHeight > 0 && TextSize.cy > 0 ? TitleGap : 0;
    const int contentWidth = std::max(headerWidth, TextSize.cx);
    const int width = std::max(contentWidth + 2 * Margin, StemInset + StemWidth + Corner);
    const int bodyHeight = headerHeight + gap + TextSize.cy + 2 * Margin;
    const int height = bodyHeight + StemHeight;

    layout.StemUp = Tip.Y + height <= Area.Bottom || Tip.Y - height + 1 < Area.Top;
    int left = Tip.X - StemInset;
    left = std::max(std::min(left, Area.Right - width), Area.Left);
    const int top = layout.StemUp ? Tip.Y : Tip.Y - height + 1;
    layout.Window = Bounds(left, top, width, height);
    layout.Body =
        layout.StemUp ? Rect(0, StemHeight, width, height) : Rect(0, 0, width, bodyHeight);

    const int tipX = std::clamp(Tip.X - left, 0, width - 1);
    const int baseLeft = std::clamp(tipX, Corner / 2, width - Corner / 2 - StemWidth);
    const int edge = layout.StemUp ? layout.Body.Top : layout.Body.Bottom - 1;
    const int tipY = layout.StemUp ? 0 : height - 1;
    layout.Stem = {{baseLeft, edge}, {baseLeft + StemWidth, edge}, {tipX, tipY}};

    const int headerTop = layout.Body.Top + Margin;
    int x = Margin;
    if (HasIcon) {
        layout.Icon = Bounds(x, headerTop + (headerHeight - IconSize) / 2, IconSize, IconSize);
        x += IconSize + IconGap;
    }
    if (hasTitle)
        layout.Title =
            Bounds(x, headerTop + (headerHeight - TitleSize.cy) / 2, TitleSize.cx, TitleSize.cy);
    if (TextSize.cy > 0)
        layout.Text = Bounds(Margin, headerTop + headerHeight + gap, contentWidth, TextSize.cy);
    return layout;
}

namespace {
class BalloonWatch : public QObject {
public:
    explicit BalloonWatch(std::function<void(QEvent*)> handler) : FHandler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        FHandler(event);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QEvent*)> FHandler;
};
} // namespace

struct TBalloonWindow::Impl {
    std::unique_ptr<BalloonWatch> Watch;
    QTimer ShowTimer;
    QTimer HideTimer;
    TPoint LastPos;
    // The balloon went while the mouse stayed on the tool: the next one comes after the
    // reshow delay.
    bool Reshow = false;

    void Handle(TBalloonWindow* balloon, QEvent* event) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            LastPos = {p.x(), p.y()};
            if (balloon->Active() && !balloon->FTrackRect.Contains(LastPos))
                balloon->Pop();
            if (!balloon->Active())
                ShowTimer.start(Reshow ? balloon->FReshowDelay : balloon->FInitialDelay);
            break;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            balloon->Pop();
            Reshow = false;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            balloon->Pop();
            break;
        default:
            break;
        }
    }
};

TBalloonWindow::TBalloonWindow(TWinControl* Tool)
    : TCustomControl(Tool), FTool(Tool), FImpl(std::make_unique<Impl>()) {
    ControlWidget* widget = TControlAccess::Widget(this);
    widget->setParent(nullptr);
    widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
    TCustomControl::SetVisible(false);
    SetColor(FTipBkColor);
    FImpl->ShowTimer.setSingleShot(true);
    FImpl->HideTimer.setSingleShot(true);
    QObject::connect(&FImpl->ShowTimer, &QTimer::timeout, [this] {
        if (FTool != nullptr && FTool->Showing())
            Popup(FTool->ClientToScreen(FImpl->LastPos));
    });
    QObject::connect(&FImpl->HideTimer, &QTimer::timeout, [this] { Pop(); });
    FImpl->Watch =
        std::make_unique<BalloonWatch>([this](QEvent* event) { FImpl->Handle(this, event); });
    // Without a tool the balloon only shows when asked to.
    if (Tool != nullptr)
        TControlAccess::Widget(Tool)->installEventFilter(FImpl->Watch.get());
}

// The watch leaves the tool's filters by itself when it goes.
TBalloonWindow::~TBalloonWindow() {
    FImpl->ShowTimer.stop();
    FImpl->HideTimer.stop();
    TControlAccess::Detach(this);
}

void TBalloonWindow::SetInitialDelay(int value) {
    FInitialDelay = value < 0 ? DefaultInitialDelay : value;
}

void TBalloonWindow::SetReshowDelay(int value) {
    FReshowDelay = value < 0 ? DefaultReshowDelay : value;
}

void TBalloonWindow::SetAutoPopDelay(int value) {
    FAutoPopDelay = value < 0 ? DefaultAutoPopDelay : value;
}

void TBalloonWindow::SetTipTextColor(TColor value) {
    FTipTextColor = value;
    Invalidate();
}

void TBalloonWindow::SetTipBkColor(TColor value) {
    FTipBkColor = value;
    SetColor(value);
}

void TBalloonWindow::SetTitle(int Icon, const std::string& Title) {
    FTitleIcon = Icon >= TTI_NONE && Icon <= TTI_ERROR ? Icon : TTI_NONE;
    FTitle = Title;
    Invalidate();
}

void TBalloonWindow::SetAlpha(uint8_t value) {
    FAlpha = value;
    TControlAccess::Widget(this)->setWindowOpacity(value / 255.0);
}

void TBalloonWindow::SetVisible(bool value) {
    TCustomControl::SetVisible(value);
    TControlAccess::Widget(this)->setVisible(value);
}

bool TBalloonWindow::Popup(TPoint ScreenPoint) {
    FImpl->ShowTimer.stop();
    FTrackRect = FTool != nullptr ? FTool->ClientRect() : TRect{};
    std::string text;
    FireEvent(OnGetText, this, ScreenPoint, text);
    if (text.empty()) {
        Pop();
        return false;
    }
    FTipText = text;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    TRect textRect = Rect(0, 0, FMaxTipWidth > 0 ? FMaxTipWidth : INT_MAX / 2, 0);
    canvas->DrawText(FTipText, textRect, TextFormat | DT_CALCRECT);
    TSize titleSize;
    if (!FTitle.empty()) {
        canvas->Font()->SetStyle(canvas->Font()->Style() << fsBold);
        titleSize = canvas->TextExtent(FTitle);
    }
    FLayout = LayoutBalloon(ScreenPoint, titleSize, FTitleIcon != TTI_NONE,
                            {textRect.Width(), textRect.Height()}, MonitorRectNear(ScreenPoint));

    ControlWidget* widget = TControlAccess::Widget(this);
    QPainterPath shape;
    const TRect& body = FLayout.Body;
    shape.addRoundedRect(QRectF(body.Left, body.Top, body.Width(), body.Height()), Corner / 2.0,
                         Corner / 2.0);
    QPolygonF stem;
    for (const TPoint& p : FLayout.Stem)
        stem << QPointF(p.X, p.Y);
    stem << stem.first();
    shape.addPolygon(stem);
    shape.setFillRule(Qt::WindingFill);
    SetBoundsRect(FLayout.Window);
    widget->setMask(QRegion(shape.toFillPolygon().toPolygon(), Qt::WindingFill));
    SetVisible(true);
    widget->raise();
    Invalidate();
    FImpl->HideTimer.start(FAutoPopDelay);
    return true;
}

void TBalloonWindow::Pop() {
    FImpl->ShowTimer.stop();
    FImpl->HideTimer.stop();
    if (!Visible())
        return;
    FImpl->Reshow = true;
    SetVisible(false);
}

void TBalloonWindow::Paint() {
    TCanvas* canvas = Canvas();
    // The outline takes the text colour.
    canvas->Pen()->SetColor(FTipTextColor);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FTipBkColor);
    const TRect& body = FLayout.Body;
    canvas->RoundRect(body.Left, body.Top, body.Right, body.Bottom, Corner, Corner);
    canvas->Polygon(FLayout.Stem);
    // The body's outline between the stem's base corners is covered, so stem and body are one.
    const TPoint baseLeft = FLayout.Stem[0];
    const TPoint baseRight = FLayout.Stem[1];
    canvas->Pen()->SetColor(FTipBkColor);
    canvas->MoveTo(baseLeft.X + 1, baseLeft.Y);
    canvas->LineTo(baseRight.X, baseRight.Y);

    if (FTitleIcon != TTI_NONE)
        DrawIcon(FLayout.Icon);
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetColor(FTipTextColor);
    canvas->Brush()->SetStyle(bsClear);
    TRect text = FLayout.Text;
    canvas->DrawText(FTipText, text, TextFormat);
    if (!FTitle.empty()) {
        canvas->Font()->SetStyle(canvas->Font()->Style() << fsBold);
        TRect title = FLayout.Title;
        canvas->DrawText(FTitle, title, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TBalloonWindow::DrawIcon(const TRect& R) {
    TCanvas* canvas = Canvas();
    struct Look {
        TColor Fill;
        TColor Mark;
        const char* Sign;
    };
    static const Look looks[] = {{0, 0, ""},
                                 {RGB(0, 102, 204), clWhite, "i"},
                                 {RGB(255, 204, 0), clBlack, "!"},
                                 {RGB(204, 0, 0), clWhite, "x"}};
    const Look& look = looks[FTitleIcon];
    canvas->Pen()->SetColor(look.Fill);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(look.Fill);
    if (FTitleIcon == TTI_WARNING)
        canvas->Polygon(
            {{R.Left + R.Width() / 2, R.Top}, {R.Right - 1, R.Bottom - 1}, {R.Left, R.Bottom - 1}});
    else
        canvas->Ellipse(R);
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetStyle({fsBold});
    canvas->Font()->SetColor(look.Mark);
    canvas->Brush()->SetStyle(bsClear);
    TRect sign = R;
    canvas->DrawText(look.Sign, sign, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
