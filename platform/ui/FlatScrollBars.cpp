#include "platform/ui/FlatScrollBars.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StringGridControlScrollBars.h"
#include "platform/ui/internal/QtConvert.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

// The look of one flat bar: the running style lays the bar out and answers the mouse, this one
// paints it and gives it its thickness.
class TFlatBarStyle : public QProxyStyle {
public:
    explicit TFlatBarStyle(int Extent)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), Extent(Extent) {}

    int Mode = FSB_REGULAR_MODE;
    TColor Track = clNone;
    int Extent;
    bool HadHover = false;

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option,
                    const QWidget* Widget) const override {
        if (Metric == PM_ScrollBarExtent)
            return Extent;
        return QProxyStyle::pixelMetric(Metric, Option, Widget);
    }

    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option,
                            QPainter* Painter, const QWidget* Widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(Option);
        if (Control != CC_ScrollBar || !bar || Mode == FSB_REGULAR_MODE) {
            QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
            return;
        }
        Painter->save();
        Painter->fillRect(bar->rect, QtConvert::ToQColor(Track == clNone ? clScrollBar : Track));
        const bool enabled = bar->state.testFlag(State_Enabled) && bar->maximum > bar->minimum;
        for (SubControl part : {SC_ScrollBarSubLine, SC_ScrollBarAddLine, SC_ScrollBarSlider}) {
            if (part == SC_ScrollBarSlider && !enabled)
                continue; // a bar with nothing to scroll shows no thumb
            const QRect rect = subControlRect(CC_ScrollBar, bar, part, Widget);
            if (rect.isEmpty())
                continue;
            // The part under the mouse, or the one pressed while the mouse stays on it.
            const bool hot = enabled && bar->activeSubControls.testFlag(part);
            const bool pressed = hot && bar->state.testFlag(State_Sunken);
            const QColor glyph = DrawPart(*Painter, rect, hot, pressed, enabled);
            if (part != SC_ScrollBarSlider)
                DrawArrow(*Painter, rect, ArrowOf(*bar, part), glyph);
        }
        Painter->restore();
    }

private:
    enum TArrow { arUp, arDown, arLeft, arRight };

    static TArrow ArrowOf(const QStyleOptionSlider& Bar, SubControl Part) {
        const bool back = Part == SC_ScrollBarSubLine;
        if (Bar.orientation == Qt::Vertical)
            return back ? arUp : arDown;
        // A mirrored bar has its back button at the right.
        const bool pointsLeft = back != (Bar.direction == Qt::RightToLeft);
        return pointsLeft ? arLeft : arRight;
    }

    // Fills a button or the thumb and frames it; answers the colour of its arrow. Flat parts
    // have a thin frame; the part under the mouse is shown inverted (flat look) or raised,
    // sunken while pressed (encarta look).
    QColor DrawPart(QPainter& P, const QRect& R, bool Hot, bool Pressed, bool Enabled) const {
        const QColor face = QtConvert::ToQColor(clBtnFace);
        const QColor shadow = QtConvert::ToQColor(clBtnShadow);
        const QColor light = QtConvert::ToQColor(clBtnHighlight);
        const QColor dark = QtConvert::ToQColor(cl3DDkShadow);
        const QColor text = QtConvert::ToQColor(Enabled ? clBtnText : clBtnShadow);
        const QRect inner = R.adjusted(0, 0, -1, -1);
        P.setBrush(Qt::NoBrush);
        if (Hot && Mode == FSB_FLAT_MODE) {
            P.fillRect(R, Pressed ? dark : shadow);
            return light;
        }
        P.fillRect(R, face);
        if (Hot) { // encarta: a raised (pressed: sunken) edge
            P.setPen(Pressed ? shadow : light);
            P.drawLine(inner.topLeft(), inner.topRight());
            P.drawLine(inner.topLeft(), inner.bottomLeft());
            P.setPen(Pressed ? light : dark);
            P.drawLine(inner.bottomLeft(), inner.bottomRight());
            P.drawLine(inner.topRight(), inner.bottomRight());
            return text;
        }
        P.setPen(shadow);
        P.drawRect(inner);
        return text;
    }

    static void DrawArrow(QPainter& P, const QRect& R, TArrow Arrow, const QColor& Color) {
        const int size = std::max(2, std::min(R.width(), R.height()) / 3);
        const QPoint c = R.center();
        QPolygon triangle;
        switch (Arrow) {
        case arUp:
            triangle << QPoint(c.x() - size, c.y() + size / 2)
                     << QPoint(c.x() + size, c.y() + size / 2)
                     << QPoint(c.x(), c.y() - size / 2 - 1);
            break;
        case arDown:
            triangle << QPoint(c.x() - size, c.y() - size / 2)
                     << QPoint(c.x() + size, c.y() - size / 2)
                     << QPoint(c.x(), c.y() + size / 2 + 1);
            break;
        case arLeft:
            triangle << QPoint(c.x() + size / 2, c.y() - size)
                     << QPoint(c.x() + size / 2, c.y() + size)
                     << QPoint(c.x() - size / 2 - 1, c.y());
            break;
        case arRight:
            triangle << QPoint(c.x() - size / 2, c.y() - size)
                     << QPoint(c.x() - size / 2, c.y() + size)
                     << QPoint(c.x() + size / 2 + 1, c.y());
            break;
        }
        P.setPen(Color);
        P.setBrush(Color);
        P.drawPolygon(triangle);
    }
};

TFlatBarStyle* FlatStyleOf(const TGridScrollBars& Bars, int Bar) {
    return dynamic_cast<TFlatBarStyle*>(Bars.Bar(Bar)->style());
}

// The bars of a control with flat bars initialised, or nullptr.
TGridScrollBars* FlatBarsOf(const TWinControl* Control) {
    TGridScrollBars* bars = TGridScrollBars::Of(Control);
    return bars && FlatStyleOf(*bars, SB_VERT) ? bars : nullptr;
}

} // namespace

bool TFlatScrollBars::Initialize(TWinControl* Control) {
    TGridScrollBars* bars = TGridScrollBars::Of(Control);
    if (!bars)
        return false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (FlatStyleOf(*bars, bar))
            continue;
        QScrollBar* scrollBar = bars->Bar(bar);
        auto* style = new TFlatBarStyle(bars->Thickness(bar));
        // Owned by the grid's widget, created after the bars and so freed after them: a bar
        // never outlives its style.
        style->setParent(scrollBar->parentWidget());
        style->HadHover = scrollBar->testAttribute(Qt::WA_Hover);
        scrollBar->setAttribute(Qt::WA_Hover); // the part under the mouse shows it
        scrollBar->setStyle(style);
    }
    return true;
}

bool TFlatScrollBars::Uninitialize(TWinControl* Control) {
    TGridScrollBars* bars = FlatBarsOf(Control);
    if (!bars)
        return false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        QScrollBar* scrollBar = bars->Bar(bar);
        TFlatBarStyle* style = FlatStyleOf(*bars, bar);
        scrollBar->setStyle(nullptr);
        scrollBar->setAttribute(Qt::WA_Hover, style->HadHover);
        delete style;
    }
    bars->ThicknessChanged();
    return true;
}

bool TFlatScrollBars::Initialized(const TWinControl* Control) {
    return FlatBarsOf(Control) != nullptr;
}

bool TFlatScrollBars::SetScrollProp(TWinControl* Control, int Index, int Value, bool Redraw) {
    TGridScrollBars* bars = FlatBarsOf(Control);
    if (!bars)
        return false;
    switch (Index) {
    case WSB_PROP_CXVSCROLL:
    case WSB_PROP_CYHSCROLL: {
        if (Value < 1)
            return false;
        TFlatBarStyle* style = FlatStyleOf(*bars, Index == WSB_PROP_CXVSCROLL ? SB_VERT : SB_HORZ);
        if (style->Extent != Value) {
            style->Extent = Value;
            bars->ThicknessChanged();
        }
        return true;
    }
    case WSB_PROP_VBKGCOLOR:
    case WSB_PROP_HBKGCOLOR: {
        const int bar = Index == WSB_PROP_VBKGCOLOR ? SB_VERT : SB_HORZ;
        FlatStyleOf(*bars, bar)->Track = static_cast<TColor>(Value);
        bars->Bar(bar)->update();
        return true;
    }
    case WSB_PROP_VSTYLE:
    case WSB_PROP_HSTYLE: {
        if (Value != FSB_REGULAR_MODE && Value != FSB_FLAT_MODE && Value != FSB_ENCARTA_MODE)
            return false;
        const int bar = Index == WSB_PROP_VSTYLE ? SB_VERT : SB_HORZ;
        FlatStyleOf(*bars, bar)->Mode = Value;
        bars->Bar(bar)->update();
        return true;
    }
    default:
        return false;
    }
}

bool TFlatScrollBars::GetScrollProp(const TWinControl* Control, int Index, int& Value) {
    TGridScrollBars* bars = FlatBarsOf(Control);
    if (!bars)
        return false;
    const TFlatBarStyle* vert = FlatStyleOf(*bars, SB_VERT);
    const TFlatBarStyle* horz = FlatStyleOf(*bars, SB_HORZ);
    switch (Index) {
    case WSB_PROP_CXVSCROLL:
        Value = vert->Extent;
        return true;
    case WSB_PROP_CYHSCROLL:
        Value = horz->Extent;
        return true;
    case WSB_PROP_VBKGCOLOR:
        Value = static_cast<int>(vert->Track);
        return true;
    case WSB_PROP_HBKGCOLOR:
        Value = static_cast<int>(horz->Track);
        return true;
    case WSB_PROP_VSTYLE:
        Value = vert->Mode;
        return true;
    case WSB_PROP_HSTYLE:
        Value = horz->Mode;
        return true;
    default:
        return false;
    }
}

bool TFlatScrollBars::ShowScrollBar(TWinControl* Control, int Bar, bool Show) {
    TGridScrollBars* bars = FlatBarsOf(Control);
    if (!bars || (Bar != SB_HORZ && Bar != SB_VERT && Bar != SB_BOTH))
        return false;
    if (Bar != SB_VERT)
        bars->ShowBar(SB_HORZ, Show);
    if (Bar != SB_HORZ)
        bars->ShowBar(SB_VERT, Show);
    return true;
}

int TFlatScrollBars::SetScrollInfo(TWinControl* Control, int Bar, const TScrollInfo& Info,
                                   bool Redraw) {
    TGridScrollBars* bars = FlatBarsOf(Control);
    if (!bars || (Bar != SB_HORZ && Bar != SB_VERT))
        return 0;
    bars->SetInfo(Bar, Info.Min, Info.Max, Info.Page, Info.Pos);
    return bars->Bar(Bar)->value();
}
