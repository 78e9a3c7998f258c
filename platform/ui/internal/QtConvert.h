#pragma once

// Conversions between the platform's value types and Qt's, for the .cpp files of platform/ui.

#include "platform/ui/Colors.h"
#include "platform/ui/Font.h"
#include "platform/ui/Types.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

namespace QtConvert {
inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}
// Right and bottom of a TRect are exclusive; a QRect's are inclusive.
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
inline TRect FromQRect(const QRect& r) {
    return Bounds(r.x(), r.y(), r.width(), r.height());
}
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
QFont ToQFont(const TFont& font);
// A pixel of an image, read and written without going through QColor where the image keeps
// plain 32-bit RGB (bitmaps and glyph pictures are drawn pixel by pixel).
TColor ImagePixel(const QImage& image, int x, int y);
void SetImagePixel(QImage& image, int x, int y, TColor color);
int ToQtCursorShape(TCursor cursor);
// The cursor shown for a TCursor: a picture registered for it, else the stock shape.
QCursor ToQCursor(TCursor cursor);
// The TCursor a shown cursor stands for (the first of those sharing a stock shape).
TCursor FromQCursor(const QCursor& cursor);
void RegisterCursor(TCursor id, const QCursor& cursor);
} // namespace QtConvert
