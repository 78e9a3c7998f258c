#include "platform/ui/Canvas.h"

#include "platform/ui/internal/CanvasImpl.h"
#include "platform/ui/internal/QtConvert.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTransform>

#include <algorithm>

using QtConvert::ToQString;

namespace {

// One line of DrawText output: its text and where its accelerator character is (-1: none).
struct TextLine {
    QString Text;
    int Accelerator = -1;
};

// Removes the '&' marks: "&&" is a '&', "&x" underlines x. Returns the accelerator's index.
QString StripPrefix(const QString& text, int& accelerator) {
    QString result;
    accelerator = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && accelerator < 0)
                accelerator = static_cast<int>(result.size());
        }
        result += text[i];
    }
    return result;
}

// Breaks one paragraph into lines no wider than width, at blanks; a word wider than the line
// stays whole unless breakWords, then it is cut where it no longer fits.
QStringList WrapParagraph(const QString& paragraph, const QFontMetrics& metrics, int width,
                          bool breakWords) {
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < paragraph.size()) {
        qsizetype wordEnd = i;
        while (wordEnd < paragraph.size() && paragraph[wordEnd] != u' ')
            ++wordEnd;
        qsizetype blanksEnd = wordEnd;
        while (blanksEnd < paragraph.size() && paragraph[blanksEnd] == u' ')
            ++blanksEnd;
        QString word = paragraph.mid(i, wordEnd - i);
        QString candidate = line + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line.trimmed();
            line.clear();
            candidate = word;
        }
        if (breakWords && metrics.horizontalAdvance(candidate) > width) {
            for (QChar ch : word) {
                if (!line.isEmpty() && metrics.horizontalAdvance(line + ch) > width) {
                    lines << line;
                    line.clear();
                }
                line += ch;
            }
        } else {
            line = candidate;
        }
        line += paragraph.mid(wordEnd, blanksEnd - wordEnd);
        i = blanksEnd;
    }
    lines << (lines.isEmpty() ? line : line.trimmed());
    return lines;
}

std::vector<TextLine> LayoutLines(const std::string& text, const QFontMetrics& metrics, int width,
                                  unsigned format) {
    QString all = ToQString(text);
    std::vector<TextLine> result;
    QStringList paragraphs;
    if (format & DT_SINGLELINE) {
        paragraphs << all;
    } else {
        all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        all.replace(u'\r', u'\n');
        paragraphs = all.split(u'\n');
    }
    for (const QString& paragraph : paragraphs) {
        int accelerator = -1;
        QString plain = (format & DT_NOPREFIX) ? paragraph : StripPrefix(paragraph, accelerator);
        if (format & DT_EXPANDTABS)
            plain.replace(u'\t', QStringLiteral("        "));
        QStringList lines;
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
            lines = WrapParagraph(plain, metrics, std::max(width, 1), format & DT_EDITCONTROL);
        else
            lines << plain;
        // The accelerator is underlined on the line that holds it.
        qsizetype start = 0;
        for (const QString& line : lines) {
            start = std::max<qsizetype>(plain.indexOf(line, start), start);
            int inLine = accelerator - static_cast<int>(start);
            bool holds = accelerator >= 0 && inLine >= 0 && inLine < line.size();
            result.push_back({line, holds ? inLine : -1});
            start += line.size();
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        for (TextLine& line : result)
            if (metrics.horizontalAdvance(line.Text) > width) {
                line.Text = metrics.elidedText(line.Text, Qt::ElideRight, width);
                line.Accelerator = -1;
            }
    return result;
}

// The solid brush behind text, as the framework's opaque background mode draws it.
void FillTextBackground(QPainter& p, const TBrush& brush, const QRect& r) {
    if (brush.Style() == bsClear)
        return;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(r, QtConvert::ToQColor(brush.Color()));
}

void DrawLine(QPainter& p, int x, int baseline, const TextLine& line, const QFontMetrics& metrics) {
    p.drawText(QPoint(x, baseline), line.Text);
    if (line.Accelerator >= 0 && line.Accelerator < line.Text.size()) {
        int left = x + metrics.horizontalAdvance(line.Text.left(line.Accelerator));
        int right = left + metrics.horizontalAdvance(line.Text.mid(line.Accelerator, 1));
        int y = baseline + std::max(1, metrics.underlinePos());
        p.drawLine(left, y, right - 1, y);
    }
}

} // namespace

int TCanvas::TextWidth(const std::string& text) const {
    return FImpl->Metrics(*FFont).horizontalAdvance(ToQString(text));
}

int TCanvas::TextHeight(const std::string& text) const {
    return FImpl->LineHeight(*FFont);
}

TSize TCanvas::TextExtent(const std::string& text) const {
    return {TextWidth(text), TextHeight(text)};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    const QFontMetrics& metrics = FImpl->Metrics(*FFont);
    QString qtext = ToQString(text);
    int width = metrics.horizontalAdvance(qtext);
    FPenPos = {x + width, y};
    QPainter* p = FImpl->Acquire();
    if (!p)
        return;
    FillTextBackground(*p, *FBrush, QRect(x, y, width, FImpl->LineHeight(*FFont)));
    CanvasStyle::PrepareText(*p, *FFont, FImpl->QtFont(*FFont));
    UnturnedBox unturned(FImpl->DrawsMirrored(), p, x, width);
    p->drawText(QPoint(x, y + FImpl->Ascent(*FFont)), qtext);
}

void TCanvas::TextOutRotated(int x, int y, int escapement, const std::string& text) {
    QPainter* p = FImpl->Acquire();
    if (!p)
        return;
    const QFontMetrics& metrics = FImpl->Metrics(*FFont);
    QString qtext = ToQString(text);
    const QRect turned =
        QTransform()
            .translate(x, y)
            .rotate(-escapement / 10.0)
            .mapRect(QRect(0, 0, metrics.horizontalAdvance(qtext), metrics.height()));
    UnturnedBox unturned(FImpl->DrawsMirrored(), p, turned.left(), turned.width());
    p->save();
    p->translate(x, y);
    // The platform turns clockwise, the framework's escapement counter-clockwise.
    p->rotate(-escapement / 10.0);
    FillTextBackground(*p, *FBrush,
                       QRect(0, 0, metrics.horizontalAdvance(qtext), metrics.height()));
    CanvasStyle::PrepareText(*p, *FFont, FImpl->QtFont(*FFont));
    p->drawText(QPoint(0, metrics.ascent()), qtext);
    p->restore();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    QPainter* p = FImpl->Acquire();
    if (!p || r.IsEmpty())
        return;
    p->save();
    p->setClipRect(QtConvert::ToQRect(r), FImpl->HasClip ? Qt::IntersectClip : Qt::ReplaceClip);
    FillTextBackground(*p, *FBrush, QtConvert::ToQRect(r));
    CanvasStyle::PrepareText(*p, *FFont, FImpl->QtFont(*FFont));
    const QString qtext = ToQString(text);
    const int width = FImpl->DrawsMirrored() ? FImpl->Metrics(*FFont).horizontalAdvance(qtext) : 0;
    UnturnedBox unturned(FImpl->DrawsMirrored(), p, x, width);
    p->drawText(QPoint(x, y + FImpl->Ascent(*FFont)), qtext);
    p->restore();
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned format) {
    const QFontMetrics& metrics = FImpl->Metrics(*FFont);
    std::vector<TextLine> lines = LayoutLines(text, metrics, r.Width(), format);
    int lineHeight = FImpl->LineHeight(*FFont);
    int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line.Text));
        if (!(format & DT_WORDBREAK) || widest > 0)
            r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }
    QPainter* p = FImpl->Acquire();
    if (!p)
        return height;
    int top = r.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = r.Top + (r.Height() - height) / 2;
        else if (format & DT_BOTTOM)
            top = r.Bottom - height;
    }
    p->save();
    p->setLayoutDirection(format & DT_RTLREADING ? Qt::RightToLeft : Qt::LeftToRight);
    if (!(format & DT_NOCLIP))
        p->setClipRect(QtConvert::ToQRect(r), FImpl->HasClip ? Qt::IntersectClip : Qt::ReplaceClip);
    // Measuring a line shapes its text once more: only alignment and the background need it.
    const bool needWidth =
        (format & (DT_CENTER | DT_RIGHT)) || FBrush->Style() != bsClear || FImpl->DrawsMirrored();
    const int ascent = FImpl->Ascent(*FFont);
    for (const TextLine& line : lines) {
        int width = needWidth ? metrics.horizontalAdvance(line.Text) : 0;
        int left = r.Left;
        if (format & DT_CENTER)
            left = r.Left + (r.Width() - width) / 2;
        else if (format & DT_RIGHT)
            left = r.Right - width;
        FillTextBackground(*p, *FBrush, QRect(left, top, width, lineHeight));
        CanvasStyle::PrepareText(*p, *FFont, FImpl->QtFont(*FFont));
        UnturnedBox unturned(FImpl->DrawsMirrored(), p, left, width);
        DrawLine(*p, left, top + ascent, line, metrics);
        top += lineHeight;
    }
    p->restore();
    return height;
}
