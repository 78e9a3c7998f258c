#include "platform/ui/PictureImage.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/PictureFormats.h"
#include "platform/ui/internal/QtConvert.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

namespace {

const char* QtFormatName(TPictureFormat format) {
    switch (format) {
    case TPictureFormat::Bitmap:
        return "bmp";
    case TPictureFormat::Png:
        return "png";
    case TPictureFormat::Jpeg:
        return "jpeg";
    case TPictureFormat::Gif:
        return "gif";
    case TPictureFormat::Icon:
        return "ico";
    default:
        return nullptr;
    }
}

bool Acceptable(const QSize& size) {
    if (!size.isValid())
        return true; // the decoder checks what it cannot tell in advance
    const TPictureLimits& limits = PictureLimits();
    return size.width() <= limits.MaxSide && size.height() <= limits.MaxSide &&
           static_cast<long long>(size.width()) * size.height() <= limits.MaxPixels;
}

// Every frame the decoder delivers; a still picture gives one.
std::vector<QImage> DecodeFrames(const QByteArray& data, TPictureFormat format) {
    std::vector<QImage> frames;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // The decoders allocate before the size can be checked here (an animation's frames at its
    // screen size): they are held to the same bound.
    const long long limitBytes = PictureLimits().MaxPixels * 4;
    QImageReader::setAllocationLimit(
        static_cast<int>(std::max(1LL, (limitBytes + (1 << 20) - 1) >> 20)));
    QImageReader reader(&buffer, QtFormatName(format));
    reader.setAutoTransform(false);
    if (!Acceptable(reader.size()))
        return frames;
    bool animated = format == TPictureFormat::Gif;
    long long totalPixels = 0;
    while (static_cast<int>(frames.size()) < PictureLimits().MaxFrames) {
        QImage frame = reader.read();
        if (frame.isNull() || !Acceptable(frame.size()))
            break;
        totalPixels += static_cast<long long>(frame.width()) * frame.height();
        if (totalPixels > PictureLimits().MaxTotalPixels)
            break;
        frames.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (!animated)
            break;
    }
    return frames;
}

} // namespace

TPictureLimits& PictureLimits() {
    static TPictureLimits limits;
    return limits;
}

struct TPictureImage::Impl {
    std::vector<QImage> Frames;
    std::vector<TPictureFrame> Layout;
};

TPictureImage::TPictureImage() : FImpl(std::make_unique<Impl>()) {}

TPictureImage::~TPictureImage() = default;

TPictureFormat DetectPictureFormat(std::string_view Bytes) {
    auto starts = [&](std::string_view magic) { return Bytes.substr(0, magic.size()) == magic; };
    if (starts("BM"))
        return TPictureFormat::Bitmap;
    if (starts("\x89PNG\r\n\x1a\n"))
        return TPictureFormat::Png;
    if (starts("\xFF\xD8\xFF"))
        return TPictureFormat::Jpeg;
    if (starts("GIF8"))
        return TPictureFormat::Gif;
    if (starts(std::string_view("\0\0\1\0", 4)))
        return TPictureFormat::Icon;
    TSize size;
    if (PictureFormats::ReadMetafileSize(Bytes, size))
        return TPictureFormat::Metafile;
    return TPictureFormat::None;
}

void TPictureImage::Clear() {
    FImpl->Frames.clear();
    FImpl->Layout.clear();
    FFormat = TPictureFormat::None;
    FSize = {};
    FFrame = 1;
}

bool TPictureImage::Load(std::string_view Bytes) {
    Clear();
    TPictureFormat format = DetectPictureFormat(Bytes);
    if (format == TPictureFormat::None)
        return false;
    if (format == TPictureFormat::Metafile) {
        PictureFormats::ReadMetafileSize(Bytes, FSize);
        FFormat = format;
        return true;
    }
    QByteArray data(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
    std::vector<QImage> frames = DecodeFrames(data, format);
    if (frames.empty())
        return false;
    FImpl->Frames = std::move(frames);
    FSize = {FImpl->Frames[0].width(), FImpl->Frames[0].height()};
    if (format == TPictureFormat::Gif) {
        PictureFormats::GifLayout layout = PictureFormats::ReadGifLayout(Bytes);
        FImpl->Layout = std::move(layout.Frames);
        if (layout.Screen.cx > 0 && layout.Screen.cy > 0)
            FSize = layout.Screen;
    }
    FFormat = format;
    return true;
}

int TPictureImage::FrameCount() const {
    if (FFormat == TPictureFormat::Metafile)
        return 1;
    return static_cast<int>(FImpl->Frames.size());
}

void TPictureImage::SetFrame(int Frame) {
    if (Frame >= 1 && Frame <= FrameCount())
        FFrame = Frame;
}

TPictureFrame TPictureImage::FrameInfo(int Frame) const {
    if (Frame >= 1 && Frame <= FrameCount() && Frame <= static_cast<int>(FImpl->Layout.size()))
        return FImpl->Layout[Frame - 1];
    return {0, 0, FSize.cx, FSize.cy, 0};
}

void TPictureImage::Draw(TCanvas* Canvas, const TRect& R, bool Stretch) const {
    if (!Canvas || FImpl->Frames.empty())
        return;
    const QImage& frame = FImpl->Frames[FFrame - 1];
    if (!Stretch) {
        TCanvasAccess::DrawImage(*Canvas, QPoint(R.Left, R.Top), frame);
        return;
    }
    TCanvasAccess::StretchImage(*Canvas, QtConvert::ToQRect(R), frame);
}

void TPictureImage::ToBitmap(TBitmap* Bitmap) const {
    if (!Bitmap)
        return;
    Bitmap->Assign(nullptr);
    if (FImpl->Frames.empty())
        return;
    const QImage& frame = FImpl->Frames[FFrame - 1];
    Bitmap->SetSize(frame.width(), frame.height());
    TCanvasAccess::DrawImage(*Bitmap->Canvas(), QPoint(0, 0), frame);
}
