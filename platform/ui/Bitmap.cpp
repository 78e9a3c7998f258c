#include "platform/ui/Bitmap.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/QtConvert.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

struct TBitmap::Impl {
    QImage Image;
    std::unique_ptr<TCanvas> Canvas;

    void Finish() {
        if (Canvas)
            TCanvasAccess::ReleasePainter(*Canvas);
    }
};

namespace {
QImage::Format ImageFormat(TPixelFormat format) {
    switch (format) {
    case pf24bit:
        return QImage::Format_BGR888;
    case pf32bit:
        return QImage::Format_ARGB32_Premultiplied;
    default:
        return QImage::Format_RGB32;
    }
}

QImage WhiteImage(int width, int height, TPixelFormat format) {
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, ImageFormat(format));
    image.fill(Qt::white);
    return image;
}
} // namespace

TBitmap::TBitmap() : FImpl(std::make_unique<Impl>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    FImpl->Finish();
}

int TBitmap::Width() const {
    return FImpl->Image.width();
}
int TBitmap::Height() const {
    return FImpl->Image.height();
}
void TBitmap::SetWidth(int width) {
    SetSize(width, Height());
}
void TBitmap::SetHeight(int height) {
    SetSize(Width(), height);
}
bool TBitmap::Empty() const {
    return FImpl->Image.isNull();
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    FImpl->Finish();
    QImage resized = WhiteImage(width, height, FPixelFormat);
    if (!resized.isNull() && !FImpl->Image.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), FImpl->Image);
    }
    FImpl->Image = resized;
}

TCanvas* TBitmap::Canvas() {
    if (!FImpl->Canvas) {
        FImpl->Canvas = std::make_unique<TCanvas>();
        TCanvasAccess::BindImage(*FImpl->Canvas, &FImpl->Image);
    }
    return FImpl->Canvas.get();
}

void TBitmap::Assign(const TBitmap* source) {
    if (source == this)
        return;
    FImpl->Finish();
    if (!source) {
        FImpl->Image = QImage();
        return;
    }
    FImpl->Image = TBitmapAccess::Image(*source).copy();
    FTransparent = source->FTransparent;
    FTransparentColor = source->FTransparentColor;
    FTransparentMode = source->FTransparentMode;
    FPixelFormat = source->FPixelFormat;
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::string error;
    if (!LoadFromBmpBytes(ReadFileBytes(path), &error))
        throw EFileError("The file \"" + path + "\" is not a valid bitmap: " + error);
}

bool TBitmap::LoadFromBmpBytes(std::string_view bytes, std::string* error) {
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "BMP");
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = QtConvert::FromQString(reader.errorString());
        return false;
    }
    FImpl->Finish();
    FImpl->Image = image.convertToFormat(ImageFormat(FPixelFormat));
    return true;
}

std::string TBitmap::SaveToBmpBytes() const {
    const QImage& image = TBitmapAccess::Image(*this);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return {};
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

void TBitmap::SaveToFile(const std::string& path) const {
    const std::string bytes = SaveToBmpBytes();
    if (bytes.empty())
        throw EFileError("The bitmap could not be written to \"" + path + "\".");
    WriteFileAtomic(path, bytes);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    FPixelFormat = format;
    FImpl->Finish();
    if (!FImpl->Image.isNull() && FImpl->Image.format() != ImageFormat(format))
        FImpl->Image.convertTo(ImageFormat(format));
}

uint8_t* TBitmap::ScanLine(int row) {
    FImpl->Finish();
    if (row < 0 || row >= Height())
        return nullptr;
    return FImpl->Image.scanLine(row);
}

const uint8_t* TBitmap::ScanLine(int row) const {
    FImpl->Finish();
    if (row < 0 || row >= Height())
        return nullptr;
    return FImpl->Image.constScanLine(row);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clNone)
        return FTransparentColor;
    const QImage& image = TBitmapAccess::Image(*this);
    if (image.isNull())
        return clNone;
    return QtConvert::FromQColor(image.pixelColor(0, image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    FTransparentColor = color;
    FTransparentMode = color == clDefault ? tmAuto : tmFixed;
}

TColor TBitmap::Pixel(int x, int y) const {
    const QImage& image = TBitmapAccess::Image(*this);
    if (!image.valid(x, y))
        return clNone;
    return QtConvert::ImagePixel(image, x, y);
}

const QImage& TBitmapAccess::Image(const TBitmap& bitmap) {
    bitmap.FImpl->Finish();
    return bitmap.FImpl->Image;
}

QImage TBitmapAccess::DrawableImage(const TBitmap& bitmap) {
    const QImage& image = Image(bitmap);
    if (!bitmap.Transparent() || image.isNull())
        return image;
    TColor key = ColorToRGB(bitmap.TransparentColor());
    QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF))
                line[x] = 0;
    }
    return result;
}
