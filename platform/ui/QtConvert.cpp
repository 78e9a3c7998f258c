#include "platform/ui/internal/QtConvert.h"

#include <cstdlib>
#include <map>

namespace QtConvert {

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

namespace {
bool PlainRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}
} // namespace

TColor ImagePixel(const QImage& image, int x, int y) {
    if (!PlainRgb32(image))
        return FromQColor(image.pixelColor(x, y));
    QRgb pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void SetImagePixel(QImage& image, int x, int y, TColor color) {
    if (!PlainRgb32(image)) {
        image.setPixelColor(x, y, ToQColor(color));
        return;
    }
    TColor rgb = ColorToRGB(color);
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] =
        qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont ToQFont(const TFont& font) {
    QFont result(QtConvert::ToQString(font.FamilyName()));
    // A negative height is the character height; the cell height of a positive one is close
    // enough to the pixel size for every font the designs use.
    result.setPixelSize(std::max(1, std::abs(font.Height())));
    TFontStyles style = font.Style();
    result.setBold(style.Contains(fsBold));
    result.setItalic(style.Contains(fsItalic));
    result.setUnderline(style.Contains(fsUnderline));
    result.setStrikeOut(style.Contains(fsStrikeOut));
    if (font.Pitch() == fpFixed)
        result.setFixedPitch(true);
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setKerning(false);
    return result;
}

int ToQtCursorShape(TCursor cursor) {
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
    case crVSplit:
        return cursor == crVSplit ? Qt::SplitVCursor : Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

namespace {
std::map<TCursor, QCursor>& RegisteredCursors() {
    static std::map<TCursor, QCursor> cursors;
    return cursors;
}
} // namespace

void RegisterCursor(TCursor id, const QCursor& cursor) {
    RegisteredCursors()[id] = cursor;
}

QCursor ToQCursor(TCursor cursor) {
    const auto found = RegisteredCursors().find(cursor);
    if (found != RegisteredCursors().end())
        return found->second;
    return QCursor(static_cast<Qt::CursorShape>(ToQtCursorShape(cursor)));
}

TCursor FromQCursor(const QCursor& cursor) {
    if (cursor.shape() == Qt::BitmapCursor) {
        for (const auto& [id, registered] : RegisteredCursors())
            if (registered.pixmap().cacheKey() == cursor.pixmap().cacheKey())
                return id;
        return crDefault;
    }
    if (cursor.shape() == Qt::ArrowCursor)
        return crDefault;
    for (TCursor id = crDefault; id >= crSizeAll; --id)
        if (ToQtCursorShape(id) == cursor.shape())
            return id;
    return crDefault;
}

} // namespace QtConvert
