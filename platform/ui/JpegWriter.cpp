#include "platform/ui/JpegWriter.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/internal/CanvasAccess.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <algorithm>

std::string BitmapToJpegBytes(const TBitmap& Bitmap, int Quality) {
    const QImage& image = TBitmapAccess::Image(Bitmap);
    if (image.isNull() || Bitmap.Empty())
        return {};
    // Composed over white so transparent parts do not turn black.
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "JPG", std::clamp(Quality, 1, 100)))
        return {};
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

void SaveBitmapAsJpeg(const TBitmap& Bitmap, const std::string& FileName, int Quality) {
    const std::string bytes = BitmapToJpegBytes(Bitmap, Quality);
    if (bytes.empty())
        throw EFileError("The picture could not be written to \"" + FileName + "\".");
    WriteFileAtomic(FileName, bytes);
}
