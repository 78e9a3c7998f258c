#pragma once

#include "platform/ui/Types.h"

#include <memory>
#include <string_view>
#include <vector>

class TBitmap;
class TCanvas;

enum class TPictureFormat { None, Bitmap, Png, Jpeg, Gif, Icon, Metafile };

// One frame of an animation: where its image lies on the animation's screen and how long it
// shows, in hundredths of a second.
struct TPictureFrame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Delay = 0;
};

// Pictures beyond these are refused before decoding, so that no file can ask for huge memory.
// They hold for the whole process; one that only ever meets small pictures may lower them.
struct TPictureLimits {
    int MaxSide = 16384;
    long long MaxPixels = 32LL * 1024 * 1024;
    int MaxFrames = 1000;
    // All frames of an animation together: each frame decodes at the animation's full size, so
    // a small file of many frames could otherwise ask for gigabytes and seconds of decoding.
    // 16M pixels (64 MB) still hold a hundred frames of 400 x 400. Later frames are dropped.
    long long MaxTotalPixels = 16LL * 1024 * 1024;
};
TPictureLimits& PictureLimits();

// A picture decoded from the bytes of a picture file: BMP, PNG, JPEG, GIF (every frame) and ICO
// (its first icon). Windows metafiles are recognised but not drawn: such a picture keeps the size
// its header states and draws nothing. Sizes are pixels at 96 dots per inch.
class TPictureImage {
public:
    TPictureImage();
    ~TPictureImage();
    TPictureImage(const TPictureImage&) = delete;
    TPictureImage& operator=(const TPictureImage&) = delete;

    // Decodes Bytes; False (and nothing held) when they are no picture of a format above.
    bool Load(std::string_view Bytes);
    void Clear();

    bool Empty() const { return FFormat == TPictureFormat::None; }
    TPictureFormat Format() const { return FFormat; }
    // The natural size; for an animation its screen size.
    int Width() const { return FSize.cx; }
    int Height() const { return FSize.cy; }

    // Frames the decoder delivered: 1 for a still picture, 0 when empty.
    int FrameCount() const;
    // One-based; values out of range are ignored.
    int Frame() const { return FFrame; }
    void SetFrame(int Frame);
    // Position, size and delay of frame Frame (one-based); a still picture has one frame over
    // the whole picture and no delay.
    TPictureFrame FrameInfo(int Frame) const;

    // The shown frame, composed over the frames before it as the animation shows it, at its
    // natural size from R's top-left corner, or stretched into R.
    void Draw(TCanvas* Canvas, const TRect& R, bool Stretch) const;
    // The shown frame as a bitmap (empty for an empty picture or a metafile).
    void ToBitmap(TBitmap* Bitmap) const;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    TPictureFormat FFormat = TPictureFormat::None;
    TSize FSize;
    int FFrame = 1;
};

// The format of a picture file by its first bytes; None for anything else.
TPictureFormat DetectPictureFormat(std::string_view Bytes);
