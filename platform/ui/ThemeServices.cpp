#include "platform/ui/ThemeServices.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

QStyle* RunningStyle() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QApplication::style();
}

QStyle::State StyleState(TThemeStates states) {
    QStyle::State state = QStyle::State_Active;
    // A disabled part shows neither hover nor press, as native controls do.
    if (states & tsfDisabled)
        states &= ~(tsfHot | tsfPressed);
    else
        state |= QStyle::State_Enabled;
    if (states & tsfHot)
        state |= QStyle::State_MouseOver;
    state |= (states & tsfPressed) ? QStyle::State_Sunken : QStyle::State_Raised;
    if (states & tsfFocused)
        state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if (states & tsfMixed)
        state |= QStyle::State_NoChange;
    else
        state |= (states & tsfChecked) ? QStyle::State_On : QStyle::State_Off;
    return state;
}

// An option as a widget of the application would fill it: its palette, font and direction.
template <class Option> Option MakeOption(const QRect& rect, TThemeStates states) {
    Option option;
    option.rect = rect;
    option.state = StyleState(states);
    option.palette = QApplication::palette();
    option.palette.setCurrentColorGroup((states & tsfDisabled) ? QPalette::Disabled
                                                               : QPalette::Active);
    option.fontMetrics = QFontMetrics(QApplication::font());
    option.direction = QApplication::layoutDirection();
    return option;
}

// A button face with a style arrow centred on it: the drop-down, spin and scroll buttons.
void DrawArrowButton(QStyle& style, QPainter& painter, const QRect& rect, TThemeStates states,
                     QStyle::PrimitiveElement arrow) {
    auto face = MakeOption<QStyleOptionButton>(rect, states);
    style.drawControl(QStyle::CE_PushButtonBevel, &face, &painter);
    const int side = std::max(1, std::min(rect.width(), rect.height()) * 3 / 5);
    auto glyph = MakeOption<QStyleOption>(QRect(0, 0, side, side), states);
    glyph.rect.moveCenter(rect.center());
    style.drawPrimitive(arrow, &glyph, &painter);
}

void DrawPart(QStyle& style, QPainter& painter, TThemePart part, TThemeStates states,
              const QRect& rect) {
    switch (part) {
    case TThemePart::PushButton: {
        auto option = MakeOption<QStyleOptionButton>(rect, states);
        style.drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
        break;
    }
    case TThemePart::CheckBox:
    case TThemePart::RadioButton: {
        auto option = MakeOption<QStyleOptionButton>(rect, states);
        style.drawPrimitive(part == TThemePart::CheckBox ? QStyle::PE_IndicatorCheckBox
                                                         : QStyle::PE_IndicatorRadioButton,
                            &option, &painter);
        break;
    }
    case TThemePart::ComboDropDown:
    case TThemePart::ScrollArrowDown:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorArrowDown);
        break;
    case TThemePart::SpinUp:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorSpinUp);
        break;
    case TThemePart::SpinDown:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorSpinDown);
        break;
    case TThemePart::SpinRight:
    case TThemePart::ScrollArrowRight:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorArrowRight);
        break;
    case TThemePart::SpinLeft:
    case TThemePart::ScrollArrowLeft:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorArrowLeft);
        break;
    case TThemePart::ScrollArrowUp:
        DrawArrowButton(style, painter, rect, states, QStyle::PE_IndicatorArrowUp);
        break;
    case TThemePart::HeaderItem: {
        auto option = MakeOption<QStyleOptionHeader>(rect, states);
        option.orientation = Qt::Horizontal;
        option.position = QStyleOptionHeader::OnlyOneSection;
        // Many styles draw a header section alike in every state; the face colour shows which
        // section is under the mouse (lighter) and which is held down (darker).
        const QColor face = option.palette.color(QPalette::Button);
        if (states & tsfPressed)
            option.palette.setColor(QPalette::Button, face.darker(120));
        else if (states & tsfHot)
            option.palette.setColor(QPalette::Button, face.lighter(108));
        style.drawControl(QStyle::CE_HeaderSection, &option, &painter);
        break;
    }
    case TThemePart::TreeGlyph: {
        auto option = MakeOption<QStyleOption>(rect, states);
        option.state |= QStyle::State_Children;
        if (states & tsfChecked)
            option.state |= QStyle::State_Open;
        style.drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter);
        break;
    }
    case TThemePart::ProgressBar:
    case TThemePart::ProgressChunk: {
        auto option = MakeOption<QStyleOptionProgressBar>(rect, states);
        option.state |= QStyle::State_Horizontal;
        option.minimum = 0;
        option.maximum = 100;
        option.progress = part == TThemePart::ProgressChunk ? 100 : 0;
        style.drawControl(part == TThemePart::ProgressChunk ? QStyle::CE_ProgressBarContents
                                                            : QStyle::CE_ProgressBarGroove,
                          &option, &painter);
        break;
    }
    }
}

} // namespace

bool ThemeServicesActive() {
    return RunningStyle() != nullptr;
}

bool DrawThemePart(TCanvas* canvas, TThemePart part, TThemeStates states, const TRect& r) {
    QStyle* style = RunningStyle();
    if (!style || !canvas || r.IsEmpty() || !TCanvasAccess::Painter(*canvas))
        return false;
    // Drawn apart first, so nothing a style adds around a part (a focus frame, a shadow) leaves r.
    QImage image(r.Width(), r.Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawPart(*style, painter, part, states, image.rect());
    }
    TCanvasAccess::DrawImage(*canvas, QPoint(r.Left, r.Top), image);
    return true;
}

TSize ThemePartSize(TThemePart part) {
    QStyle* style = RunningStyle();
    if (!style)
        return {};
    auto option = MakeOption<QStyleOptionButton>(QRect(), tsfNormal);
    auto metric = [style](QStyle::PixelMetric which) { return style->pixelMetric(which); };
    auto square = [](int side) { return TSize{side, side}; };
    auto fromContents = [&](QStyle::ContentsType type, const QStyleOption& o, int width) {
        QSize size = style->sizeFromContents(type, &o, QSize(width, o.fontMetrics.height()));
        return TSize{size.width(), size.height()};
    };
    switch (part) {
    case TThemePart::PushButton:
        return fromContents(QStyle::CT_PushButton, option, 0);
    case TThemePart::CheckBox:
        return {metric(QStyle::PM_IndicatorWidth), metric(QStyle::PM_IndicatorHeight)};
    case TThemePart::RadioButton:
        return {metric(QStyle::PM_ExclusiveIndicatorWidth),
                metric(QStyle::PM_ExclusiveIndicatorHeight)};
    case TThemePart::HeaderItem: {
        auto header = MakeOption<QStyleOptionHeader>(QRect(), tsfNormal);
        return fromContents(QStyle::CT_HeaderSection, header, 0);
    }
    case TThemePart::TreeGlyph:
        return square(metric(QStyle::PM_TreeViewIndentation));
    case TThemePart::ProgressBar:
    case TThemePart::ProgressChunk: {
        auto bar = MakeOption<QStyleOptionProgressBar>(QRect(), tsfNormal);
        bar.state |= QStyle::State_Horizontal;
        // A bar has no natural length: one chunk's worth.
        return fromContents(QStyle::CT_ProgressBar, bar, metric(QStyle::PM_ProgressBarChunkWidth));
    }
    default:
        return square(metric(QStyle::PM_ScrollBarExtent));
    }
}
