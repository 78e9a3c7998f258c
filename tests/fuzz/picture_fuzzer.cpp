// Arbitrary bytes decoded as a picture: no read beyond the data, and a decoded picture's frames
// and sizes stay consistent.
#include "grid/foundation/HTMLPicture.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/PictureImage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        // The platform goes before the program's static objects do; bitmaps made after this
        // line go before it.
        std::atexit([] { Application->Finalize(); });
        // A few hundred thousand pixels reach every branch of the decoders and of the limits
        // themselves; the program's limits let one input decode for a second or more.
        TPictureLimits& limits = PictureLimits();
        limits.MaxSide = 4096;
        limits.MaxPixels = 256 * 1024;
        limits.MaxTotalPixels = 512 * 1024;
        return true;
    }();
    (void)started;
    std::string_view bytes(reinterpret_cast<const char*>(Data), Size);

    TPictureImage image;
    if (image.Load(bytes)) {
        if (image.Width() < 0 || image.Height() < 0 || image.FrameCount() < 1)
            std::abort();
        for (int frame = 1; frame <= image.FrameCount() && frame <= 4; ++frame) {
            image.SetFrame(frame);
            TPictureFrame info = image.FrameInfo(frame);
            if (info.Width < 0 || info.Height < 0 || info.Delay < 0)
                std::abort();
        }
        static TBitmap target(32, 32);
        image.Draw(target.Canvas(), {0, 0, 32, 32}, true);
    }

    THTMLPicture picture;
    try {
        picture.LoadFromBytes(bytes);
    } catch (const std::exception&) {
        if (!picture.Empty())
            std::abort();
        return 0;
    }
    for (int tick = 0; tick < 8; ++tick)
        picture.Step();
    if (picture.IsGIF() && picture.FrameCount() > 0 &&
        (picture.Frame() < 1 || picture.Frame() > picture.FrameCount()))
        std::abort();
    return 0;
}
